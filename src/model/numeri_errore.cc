#include "model/numeri_errore.h"

namespace scenario {

namespace {

constexpr voce_errore voci[] = {
    {1, "route length below 0 or above 1000000 m"},
    {2, "a kilometric progressive whose start or chainage is not a multiple of 50"},
    {3, "start of the repeated-signal zone not a multiple of 50"},
    {4, "end of the repeated-signal zone not a multiple of 50"},
    {5, "repeated-signal keyword holds neither 4 nor 9"},
    {6, "sign board on an occupied cell"},
    {7, "code point on an occupied cell"},
    {8, "station position not a multiple of 50"},
    {9, "station length not a multiple of 100"},
    {10, "no element record left for the next station"},
    {11, "no cell for a code point before a signal ahead of a slow-down warning point"},
    {12, "no cell for a code point group ahead of a slow-down start"},
    {13, "no cell for a code point inside or after a slow-down"},
    {15, "an entry lies beyond the cell grid"},
    {16, "signal on an occupied cell"},
    {17, "slow-down warning point on an occupied cell"},
    {18, "slow-down start on an occupied cell"},
    {19, "slow-down end on an occupied cell"},
    {20, "slow-down distance board on an occupied cell"},
    {21, "speed indicator board on an occupied cell"},
    {22, "station less than 350 m after the end of the previous one"},
    {24, "station of type below 25 ending within the first 100 m"},
    {25, "run-time failure while reading a description file"},
    {26, "more than 80 tunnels"},
    {27, "more than 80 sign boards: no element record left for the text"},
    {29, "signal, slow-down, code point or station stop mark outside the cell grid"},
    {101, "line description file not found"},
    {102, "line description file without [generale]"},
    {103, "curve without class digit, or track plan past metre 1000000 or past its last metre"},
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

}  // namespace scenario
