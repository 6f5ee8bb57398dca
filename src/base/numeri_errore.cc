#include "base/numeri_errore.h"

namespace scenario {

namespace {

constexpr voce_errore voci[] = {
    {1, "route length below 0 or above 1000000 m"},
    {2, "a kilometric progressive whose start or chainage is not a multiple of 50"},
    {3, "start of the repeated-signal zone not a multiple of 50"},
    {4, "end of the repeated-signal zone not a multiple of 50"},
    {5, "repeated-signal keyword holds neither 4 nor 9"},
    {6, "sign board on an occupied cell", true},
    {7, "code point on an occupied cell", true},
    {8, "station position not a multiple of 50", true},
    {9, "station length not a multiple of 100", true},
    {10, "no element record left for the next station"},
    {11, "no cell for a code point before a signal ahead of a slow-down warning point", true},
    {12, "no cell for a code point group ahead of a slow-down start", true},
    {13, "no cell for a code point inside or after a slow-down", true},
    {15, "an entry lies beyond the cell grid", true},
    {16, "signal on an occupied cell", true},
    {17, "slow-down warning point on an occupied cell", true},
    {18, "slow-down start on an occupied cell", true},
    {19, "slow-down end on an occupied cell", true},
    {20, "slow-down distance board on an occupied cell", true},
    {21, "speed indicator board on an occupied cell", true},
    {22, "station less than 350 m after the end of the previous one", true},
    {24, "station of type below 25 ending within the first 100 m"},
    {25, "run-time failure while reading a description file"},
    {26, "more than 80 tunnels", true},
    {27, "more than 80 sign boards: no element record left for the text", true},
    {29, "signal, slow-down, code point or station stop mark outside the cell grid", true},
    {101, "line description file not found"},
    {102, "line description file without [generale]"},
    {103, "curve without class digit, or track plan past metre 1000000 or past its last metre"},
    {104, "no route length read: the compile left no cell grid"},
    {1250, "reserved header values already filled before the check codes"},
    {1251, "check code slots already filled before the check codes"},
};

}  // namespace

std::span<const voce_errore> tabella_errori() { return voci; }

const char* significato_errore(int32_t numero) {
  for (const voce_errore& v : voci) {
    if (v.numero == numero) return v.significato;
  }
  return nullptr;
}

bool errore_con_posizione(int32_t numero) {
  for (const voce_errore& v : voci) {
    if (v.numero == numero) return v.con_posizione;
  }
  return false;
}

}  // namespace scenario
