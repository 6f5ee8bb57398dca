#include "compiler/lettore_campi.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <limits>

#include "base/testo_windows_1252.h"
#include "model/errore_esecuzione.h"

namespace scenario {

namespace {

bool spazio(char c) { return c == ' ' || c == '\t'; }

bool cifra(char c) { return c >= '0' && c <= '9'; }

}  // namespace

lettore_campi::lettore_campi(std::string contenuto, std::string nome)
    : contenuto_(std::move(contenuto)), nome_(std::move(nome)) {}

lettore_campi lettore_campi::da_file(const std::filesystem::path& percorso) {
  return lettore_campi(leggi_file(percorso), percorso.string());
}

std::string lettore_campi::leggi_file(const std::filesystem::path& percorso) {
  luogo_sorgente file{percorso.string()};
  std::ifstream ingresso(percorso, std::ios::binary);
  if (!ingresso) throw errore_esecuzione("impossibile aprire " + percorso.string(), file);
  // Read a block at a time, not a character at a time.
  std::string contenuto;
  char blocco[1 << 14];
  while (ingresso.read(blocco, sizeof blocco), ingresso.gcount() > 0) {
    contenuto.append(blocco, static_cast<size_t>(ingresso.gcount()));
  }
  if (ingresso.bad()) throw errore_esecuzione("impossibile leggere " + percorso.string(), file);
  return contenuto;
}

luogo_sorgente lettore_campi::luogo(size_t offset) const {
  offset = std::min(offset, contenuto_.size());
  if (offset < offset_contato_) {
    offset_contato_ = 0;
    riga_contata_ = 1;
    inizio_riga_contata_ = 0;
  }
  for (size_t i = offset_contato_; i < offset; ++i) {
    char c = contenuto_[i];
    // CR LF ends one line, at its LF.
    if (c == '\n' || (c == '\r' && (i + 1 >= contenuto_.size() || contenuto_[i + 1] != '\n'))) {
      ++riga_contata_;
      inizio_riga_contata_ = i + 1;
    }
  }
  offset_contato_ = offset;
  return {nome_, riga_contata_, static_cast<int32_t>(offset - inizio_riga_contata_ + 1)};
}

void lettore_campi::fallisci(const std::string& motivo) const {
  throw errore_esecuzione(motivo, luogo(inizio_campo_));
}

void lettore_campi::salta_spazi() {
  while (posizione_ < contenuto_.size() && spazio(contenuto_[posizione_])) ++posizione_;
}

bool lettore_campi::a_fine_riga() const {
  char c = contenuto_[posizione_];
  return c == '\r' || c == '\n';
}

// Consumes one comma or line end at the current position, if there is one.
bool lettore_campi::consuma_separatore() {
  if (posizione_ >= contenuto_.size()) return false;
  char c = contenuto_[posizione_];
  if (c == ',' || c == '\n') {
    ++posizione_;
    return true;
  }
  if (c == '\r') {
    ++posizione_;
    if (posizione_ < contenuto_.size() && contenuto_[posizione_] == '\n') ++posizione_;
    return true;
  }
  return false;
}

void lettore_campi::richiedi_campo() const {
  if (fine()) throw errore_esecuzione("lettura oltre la fine del file", luogo(contenuto_.size()));
}

std::string lettore_campi::leggi_testo() {
  richiedi_campo();
  return testo_del_campo();
}

// The end is tested once, before the blanks: blanks that run to the end of
// the file are a field of their own, an empty one.
std::string lettore_campi::testo_del_campo() {
  salta_spazi();
  inizio_campo_ = posizione_;
  std::string_view resto(contenuto_);
  if (posizione_ < contenuto_.size() && contenuto_[posizione_] == '"') {
    size_t chiusura = contenuto_.find('"', posizione_ + 1);
    size_t fine_testo = chiusura == std::string::npos ? contenuto_.size() : chiusura;
    std::string testo = da_windows_1252(resto.substr(posizione_ + 1, fine_testo - posizione_ - 1));
    posizione_ = chiusura == std::string::npos ? contenuto_.size() : chiusura + 1;
    while (posizione_ < contenuto_.size() && contenuto_[posizione_] != ',' && !a_fine_riga()) {
      ++posizione_;
    }
    consuma_separatore();
    return testo;
  }
  size_t inizio = posizione_;
  while (posizione_ < contenuto_.size() && contenuto_[posizione_] != ',' && !a_fine_riga()) {
    ++posizione_;
  }
  size_t fine_testo = posizione_;
  while (fine_testo > inizio && spazio(contenuto_[fine_testo - 1])) --fine_testo;
  consuma_separatore();
  return da_windows_1252(resto.substr(inizio, fine_testo - inizio));
}

int64_t lettore_campi::leggi_numero(int64_t minimo, int64_t massimo) {
  richiedi_campo();
  salta_spazi();
  inizio_campo_ = posizione_;
  size_t inizio = posizione_;
  size_t cursore = posizione_;
  if (cursore < contenuto_.size() && contenuto_[cursore] == '-') ++cursore;
  size_t prima_cifra = cursore;
  while (cursore < contenuto_.size() && cifra(contenuto_[cursore])) ++cursore;
  bool separato = cursore >= contenuto_.size() || spazio(contenuto_[cursore]) ||
                  contenuto_[cursore] == ',' || contenuto_[cursore] == '\r' ||
                  contenuto_[cursore] == '\n';
  if (cursore == prima_cifra || !separato) {
    // Not a number: the whole field is taken as text and reads as 0.
    testo_del_campo();
    return 0;
  }
  int64_t valore = 0;
  auto [fine_numero, esito] =
      std::from_chars(contenuto_.data() + inizio, contenuto_.data() + cursore, valore);
  (void)fine_numero;
  if (esito != std::errc() || valore < minimo || valore > massimo) {
    fallisci("numero fuori campo: " + contenuto_.substr(inizio, cursore - inizio));
  }
  posizione_ = cursore;
  salta_spazi();
  consuma_separatore();
  return valore;
}

int32_t lettore_campi::leggi_i32() {
  return static_cast<int32_t>(
      leggi_numero(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

int16_t lettore_campi::leggi_i16() {
  return static_cast<int16_t>(
      leggi_numero(std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

uint8_t lettore_campi::leggi_u8() { return static_cast<uint8_t>(leggi_numero(0, 255)); }

}  // namespace scenario
