#include "compilazione/lettore_campi.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <stdexcept>

#include "base/errore_file.h"
#include "base/lettura_file.h"
#include "base/testo_windows_1252.h"
#include "modello/errore_esecuzione.h"
#include "modello/numeri_errore.h"

namespace scenario {

namespace {

bool spazio(char c) { return c == ' ' || c == '\t'; }

bool cifra(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string leggi_descrizione(const std::filesystem::path& percorso) {
  return leggi_file_intero(percorso, massimo_byte_descrizione, "a description");
}

lettore_campi::lettore_campi(std::string contenuto, std::string nome)
    : contenuto_(std::move(contenuto)), nome_(std::move(nome)) {}

lettore_campi lettore_campi::da_file(const std::filesystem::path& percorso) {
  return lettore_campi(leggi_file(percorso), percorso.string());
}

std::string lettore_campi::leggi_file(const std::filesystem::path& percorso) {
  try {
    return leggi_descrizione(percorso);
  } catch (const errore_file& e) {
    throw errore_esecuzione(std::string("cannot open ") + e.what(),
                            luogo_sorgente{percorso.string()});
  }
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
    fine_riga_consumata_ = c == '\n';
    return true;
  }
  if (c == '\r') {
    ++posizione_;
    if (posizione_ < contenuto_.size() && contenuto_[posizione_] == '\n') ++posizione_;
    fine_riga_consumata_ = true;
    return true;
  }
  fine_riga_consumata_ = false;
  return false;
}

void lettore_campi::richiedi_campo() const {
  if (!fine()) return;
  // The place is the end of the last line that holds anything; a file of
  // nothing at all is the file as a whole.
  size_t fine_testo = contenuto_.size();
  while (fine_testo > 0 &&
         (contenuto_[fine_testo - 1] == '\r' || contenuto_[fine_testo - 1] == '\n')) {
    --fine_testo;
  }
  luogo_sorgente dove = contenuto_.empty() ? luogo_file() : luogo(fine_testo);
  const grammatica::campo* c = campo_corrente();
  std::string motivo = c != nullptr ? "the file ends before " + nome_del_campo(c)
                                    : std::string("the file ends where a field is expected");
  throw errore_esecuzione(motivo, dove);
}

void lettore_campi::secondo_la_grammatica(grammatica::larghezza tipo) const {
  if (voce_ == nullptr) return;
  const grammatica::campo* c = campo_corrente();
  if (c == nullptr) {
    throw std::logic_error("a read past the " + std::to_string(voce_->campi.size()) +
                           " fields of '" + std::string(voce_->nome) + "'");
  }
  if (c->tipo != tipo) {
    throw std::logic_error(nome_del_campo(c) + " read as " + std::string(nome_larghezza(tipo)) +
                           ", which the grammar gives as " + std::string(nome_larghezza(c->tipo)));
  }
}

const grammatica::campo* lettore_campi::campo_corrente() const {
  if (voce_ == nullptr || indice_campo_ >= voce_->campi.size()) return nullptr;
  return &voce_->campi[indice_campo_];
}

std::string lettore_campi::nome_del_campo(const grammatica::campo* c) const {
  return "field '" + std::string(c->nome) + "' of '" + std::string(voce_->nome) + "'";
}

std::string lettore_campi::leggi_testo() {
  secondo_la_grammatica(grammatica::larghezza::testo);
  richiedi_campo();
  std::string testo = testo_del_campo();
  conta_campo();
  return testo;
}

void lettore_campi::conta_campo() {
  if (voce_ == nullptr) return;
  if (indice_campo_ < offset_campi_.size()) offset_campi_[indice_campo_] = inizio_campo_;
  ++indice_campo_;
}

void lettore_campi::avvisa(int32_t codice, size_t offset, std::string motivo,
                           std::string suggerimento) const {
  if (!registro_) return;
  diagnostica d =
      nuova_diagnostica(codice, gravita::avviso, std::nullopt, luogo(offset), std::move(motivo));
  d.suggerimento = std::move(suggerimento);
  registro_->registra(std::move(d));
}

std::string lettore_campi::testo_da(size_t offset) const {
  constexpr size_t massimo = 40;
  size_t fine_testo = offset;
  while (fine_testo < contenuto_.size() && contenuto_[fine_testo] != '\r' &&
         contenuto_[fine_testo] != '\n') {
    ++fine_testo;
  }
  while (fine_testo > offset && spazio(contenuto_[fine_testo - 1])) --fine_testo;
  std::string testo = da_windows_1252(
      std::string_view(contenuto_).substr(offset, std::min(fine_testo - offset, massimo)));
  if (fine_testo - offset > massimo) testo += "...";
  return testo;
}

bool lettore_campi::a_inizio_riga() const {
  for (size_t i = inizio_campo_; i > 0; --i) {
    char c = contenuto_[i - 1];
    if (c == '\r' || c == '\n') return true;
    if (!spazio(c)) return false;
  }
  return true;
}

void lettore_campi::chiudi_riga() {
  if (voce_ == nullptr) return;
  const grammatica::voce* v = voce_;
  voce_ = nullptr;
  if (fine_riga_consumata_ || fine()) return;
  size_t i = posizione_;
  while (i < contenuto_.size() && spazio(contenuto_[i])) ++i;
  // A comma ending the row is no field of use, and reads as an empty one.
  if (i >= contenuto_.size() || contenuto_[i] == '\r' || contenuto_[i] == '\n') return;
  avvisa(numero_avviso::campi_in_piu, i,
         "'" + testo_da(i) + "' after the last value of '" + std::string(v->nome) + "'");
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
  const grammatica::campo* c = campo_corrente();
  conta_campo();
  if (cursore == prima_cifra || !separato) {
    // Not a number: the whole field is taken as text and reads as 0. Only
    // here, off the path of the fields that are fine, is a warning built.
    std::string testo = testo_del_campo();
    if (registro_) avvisa_non_numero(c, testo);
    return 0;
  }
  int64_t valore = 0;
  auto [fine_numero, esito] =
      std::from_chars(contenuto_.data() + inizio, contenuto_.data() + cursore, valore);
  (void)fine_numero;
  if (esito != std::errc() || valore < minimo || valore > massimo) {
    std::string larghezza = massimo == 255 ? "an 8-bit field (0 to 255)"
                            : massimo == std::numeric_limits<int16_t>::max()
                                ? "a 16-bit field (-32768 to 32767)"
                                : "a 32-bit field (-2147483648 to 2147483647)";
    std::string motivo =
        "'" + contenuto_.substr(inizio, cursore - inizio) + "' does not fit " + larghezza;
    fallisci(c != nullptr ? nome_del_campo(c) + ": " + motivo : motivo);
  }
  posizione_ = cursore;
  salta_spazi();
  consuma_separatore();
  return valore;
}

void lettore_campi::avvisa_non_numero(const grammatica::campo* c, const std::string& testo) {
  if (c != nullptr && (testo.empty() ? c->vuoto_ammesso : c->testo_ammesso)) return;
  std::string nome = c != nullptr ? nome_del_campo(c) : std::string("a value");
  if (testo.empty()) {
    avvisa(numero_avviso::campo_vuoto, inizio_campo_, nome + " is empty");
  } else {
    avvisa(numero_avviso::non_numerico, inizio_campo_, nome + ": '" + testo + "'");
  }
}

int32_t lettore_campi::leggi_i32() {
  secondo_la_grammatica(grammatica::larghezza::i32);
  return static_cast<int32_t>(
      leggi_numero(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
}

int16_t lettore_campi::leggi_i16() {
  secondo_la_grammatica(grammatica::larghezza::i16);
  return static_cast<int16_t>(
      leggi_numero(std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
}

uint8_t lettore_campi::leggi_u8() {
  secondo_la_grammatica(grammatica::larghezza::u8);
  return static_cast<uint8_t>(leggi_numero(0, 255));
}

}  // namespace scenario
