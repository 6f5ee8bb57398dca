#include "compilazione/marche_griglia.h"

#include "modello/arrotonda.h"

namespace scenario {

namespace {

constexpr int32_t primo_tipo_senza_marche = 25;

// The stop mark's cell before rounding; the approach marks lie 1 to 4 cells
// before it.
double fermata_in_celle(const elemento& stazione) {
  return static_cast<double>(stazione.fine) / metri_per_cella - 1;
}

std::optional<int64_t> cella_se_oltre_1(double t) {
  if (t <= 1) return std::nullopt;
  return static_cast<int64_t>(arrotonda(t));
}

}  // namespace

bool con_fermata(const elemento& stazione) { return stazione.tipo < primo_tipo_senza_marche; }

bool con_marche_avvicinamento(const elemento& stazione) {
  return con_fermata(stazione) && stazione.tipo != 5 && stazione.tipo != 6;
}

std::optional<int64_t> cella_fermata(const elemento& stazione) {
  if (!con_fermata(stazione)) return std::nullopt;
  return cella_se_oltre_1(fermata_in_celle(stazione));
}

std::optional<int64_t> cella_marca_stazione(const elemento& stazione, int n) {
  if (!con_marche_avvicinamento(stazione)) return std::nullopt;
  return cella_se_oltre_1(fermata_in_celle(stazione) - n);
}

uint8_t marca_segnale(int64_t codici, int n) {
  return static_cast<uint8_t>((codici * 10 + n) & 0xFF);
}

bool marca_di_segnale(int16_t val4, int n, uint8_t avviso) {
  // val4 holds rapp × 10 + sx × 3 + dx in 16 bits, and rapp may be any
  // 32-bit value: the codes' part is val4 - 10 × rapp. The mark keeps 8 bits
  // of ten times it, in which 100 × rapp repeats every 64 values of rapp.
  for (int64_t rapp = 0; rapp < 64; ++rapp) {
    if (marca_segnale(int64_t{val4} - 10 * rapp, n) == avviso) return true;
  }
  return false;
}

std::string nelle_celle(const std::vector<int64_t>& dall_ultima) {
  std::string testo = dall_ultima.size() == 1 ? "in cell " : "in cells ";
  for (size_t i = dall_ultima.size(); i-- > 0;) {
    testo += std::to_string(dall_ultima[i]);
    if (i > 1) testo += ", ";
    if (i == 1) testo += " and ";
  }
  return testo;
}

}  // namespace scenario
