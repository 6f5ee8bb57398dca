#include "compilazione/lettore_campi.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <optional>
#include <stdexcept>

#include "base/errore_file.h"
#include "base/lettura_file.h"
#include "base/testo_windows_1252.h"
#include "base/utf8.h"
#include "modello/errore_esecuzione.h"
#include "modello/numeri_errore.h"

namespace scenario {

namespace {

bool spazio(char c) { return c == ' ' || c == '\t'; }

bool cifra(char c) { return c >= '0' && c <= '9'; }

// The units an author may write after a number, in the text that fields
// read as (UTF-8, lower case).
bool unita(std::string_view parola) {
  const std::string basso = minuscolo(parola);
  for (std::string_view u :
       {"m", "mt", "metri", "km", "km/h", "kmh", "%", "\xE2\x80\xB0", "per mille"}) {
    if (basso == u) return true;
  }
  return false;
}

// The length of an optional minus and the digits after it at the start of
// `testo`; 0 when there is no digit.
size_t lunghezza_intero(std::string_view testo) {
  size_t i = !testo.empty() && testo[0] == '-' ? 1 : 0;
  size_t cifre = i;
  while (cifre < testo.size() && cifra(testo[cifre])) ++cifre;
  return cifre > i ? cifre : 0;
}

// "12.5" or "-0.5": a number with a decimal point.
bool con_punto_decimale(std::string_view testo) {
  size_t n = lunghezza_intero(testo);
  if (n == 0 || n + 1 >= testo.size() || testo[n] != '.') return false;
  std::string_view resto = testo.substr(n + 1);
  return std::all_of(resto.begin(), resto.end(), cifra);
}

// "1500m", "1500 m": a number with a unit after it.
bool con_unita(std::string_view testo) {
  size_t n = lunghezza_intero(testo);
  if (n == 0) return false;
  while (n < testo.size() && spazio(testo[n])) ++n;
  return n < testo.size() && unita(testo.substr(n));
}

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

bool lettore_campi::fine_di_riga(size_t i) const {
  char c = contenuto_[i];
  // CR LF ends one line, at its LF.
  return c == '\n' || (c == '\r' && (i + 1 >= contenuto_.size() || contenuto_[i + 1] != '\n'));
}

luogo_sorgente lettore_campi::luogo(size_t offset) const {
  offset = std::min(offset, contenuto_.size());
  if (offset < offset_contato_) {
    // Counted back from the last place, not again from the start: a warning
    // about an earlier row costs the distance to it.
    for (size_t i = offset_contato_; i > offset; --i) {
      if (fine_di_riga(i - 1)) --riga_contata_;
    }
    inizio_riga_contata_ = offset;
    while (inizio_riga_contata_ > 0 && !fine_di_riga(inizio_riga_contata_ - 1)) {
      --inizio_riga_contata_;
    }
    offset_contato_ = offset;
  }
  for (size_t i = offset_contato_; i < offset; ++i) {
    if (fine_di_riga(i)) {
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
  const bool altra_riga = su_altra_riga() && !riga_corta_avvisata_;
  const size_t fine_precedente = fine_campo_;
  const grammatica::campo* c = campo_corrente();
  std::string testo = testo_del_campo();
  conta_campo();
  if (altra_riga && registro_) avvisa_riga_corta(fine_precedente, c, testo, false);
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
  // The fields left of a line that a short row took its values from, or
  // left by a unit or a decimal comma, are told of in that warning.
  if (valori_fuori_posto_) return;
  if (registro_ && avvisa_resto_della_riga(i, *v)) return;
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
    fine_campo_ = posizione_;
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
  fine_campo_ = fine_testo;
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
    // A number that begins the next line is taken as the row going on there;
    // anything else is the next row, read in place of the values it lacks.
    const bool altra_riga = su_altra_riga() && !riga_corta_avvisata_;
    const size_t fine_precedente = fine_campo_;
    std::string testo = testo_del_campo();
    if (registro_) {
      if (altra_riga) {
        avvisa_riga_corta(fine_precedente, c, testo, true);
      } else {
        avvisa_non_numero(c, testo);
      }
    }
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
  fine_campo_ = cursore;
  salta_spazi();
  consuma_separatore();
  return valore;
}

void lettore_campi::avvisa_non_numero(const grammatica::campo* c, const std::string& testo) {
  std::string nome = c != nullptr ? nome_del_campo(c) : std::string("a value");
  if (con_punto_decimale(testo)) {
    valori_fuori_posto_ = voce_ != nullptr;
    avvisa(numero_avviso::numero_decimale, inizio_campo_, nome + ": '" + testo + "' reads as 0");
    return;
  }
  if (con_unita(testo)) {
    valori_fuori_posto_ = voce_ != nullptr;
    avvisa(numero_avviso::unita_di_misura, inizio_campo_, nome + ": '" + testo + "' reads as 0");
    return;
  }
  // A unit after a number and a blank is a field of its own, read in place
  // of the next value.
  if (unita(testo)) {
    size_t j = inizio_campo_;
    while (j > 0 && spazio(contenuto_[j - 1])) --j;
    if (j < inizio_campo_ && j > 0 && cifra(contenuto_[j - 1])) {
      size_t k = j;
      while (k > 0 && (cifra(contenuto_[k - 1]) || contenuto_[k - 1] == '-')) --k;
      valori_fuori_posto_ = voce_ != nullptr;
      avvisa(numero_avviso::unita_di_misura, inizio_campo_,
             "'" + testo + "' after " + contenuto_.substr(k, j - k) + " is read as " + nome +
                 " (as 0), and the values after it move by one");
      return;
    }
  }
  if (c != nullptr && (testo.empty() ? c->vuoto_ammesso : c->testo_ammesso)) return;
  if (testo.empty()) {
    avvisa(numero_avviso::campo_vuoto, inizio_campo_, nome + " is empty");
  } else {
    avvisa(numero_avviso::non_numerico, inizio_campo_, nome + ": '" + testo + "'");
  }
}

void lettore_campi::avvisa_se_utf8() const {
  std::optional<size_t> prima;
  size_t lunghezza = 0;
  std::string_view resto(contenuto_);
  size_t i = 0;
  while (i < resto.size()) {
    if (static_cast<unsigned char>(resto[i]) < 0x80) {
      ++i;
      continue;
    }
    // One byte of Windows-1252 text that is no UTF-8 sequence: the file is
    // what it should be, whatever sequences it holds besides.
    size_t n = sequenza_utf8(resto.substr(i));
    if (n == 0) return;
    if (!prima) {
      prima = i;
      lunghezza = n;
    }
    i += n;
  }
  if (!prima) return;
  const std::string_view carattere = resto.substr(*prima, lunghezza);
  avvisa(numero_avviso::testo_utf8, *prima,
         "'" + std::string(carattere) + "' is written as UTF-8 and reads as '" +
             da_windows_1252(carattere) +
             "'; save the file as Windows-1252 ('Western European' in most editors)");
}

void lettore_campi::avvisa_riga_corta(size_t fine_precedente, const grammatica::campo* c,
                                      const std::string& testo, bool numero) {
  riga_corta_avvisata_ = true;
  valori_fuori_posto_ = true;
  const size_t mancanti = voce_->campi.size() - static_cast<size_t>(c - voce_->campi.data());
  // Both places counted forward, the earlier first.
  luogo_sorgente qui = luogo(fine_precedente);
  const int32_t riga = luogo(inizio_campo_).riga;
  constexpr size_t massimo = 40;
  std::string mostrato = testo.substr(0, massimo) + (testo.size() > massimo ? "..." : "");
  std::string motivo = "'" + std::string(voce_->nome) + "' lacks ";
  motivo += mancanti == 1 ? "its last value, field '" + std::string(c->nome) + "'; it was"
                          : "its last " + std::to_string(mancanti) + " values, from field '" +
                                std::string(c->nome) + "' on; they were";
  motivo += " read from line " + std::to_string(riga) + ", ";
  if (testo.empty()) {
    motivo += "whose first field is empty";
  } else {
    motivo += "whose first field '" + mostrato + "' stands in " +
              (mancanti == 1 ? "its place" : "the place of the first");
    if (numero) motivo += " (as 0)";
    // A header read as a value is no row lost.
    if (!(testo.find('[') != std::string::npos && testo.find(']') != std::string::npos)) {
      motivo +=
          ", so that line is not read as a row, and what is left of it is examined as keywords";
    }
  }
  registro_->registra(nuova_diagnostica(numero_avviso::riga_corta, gravita::avviso, std::nullopt,
                                        std::move(qui), std::move(motivo)));
}

bool lettore_campi::avvisa_resto_della_riga(size_t offset, const grammatica::voce& v) {
  size_t fine_riga = offset;
  while (fine_riga < contenuto_.size() && contenuto_[fine_riga] != '\r' &&
         contenuto_[fine_riga] != '\n') {
    ++fine_riga;
  }
  size_t fine_testo = fine_riga;
  while (fine_testo > offset && spazio(contenuto_[fine_testo - 1])) --fine_testo;
  const std::string_view resto = std::string_view(contenuto_).substr(offset, fine_testo - offset);
  size_t prima = offset;
  while (prima > 0 && spazio(contenuto_[prima - 1])) --prima;
  // "3000 m" at the row's end: the unit is all that is left.
  if (prima < offset && prima > 0 && cifra(contenuto_[prima - 1]) &&
      unita(da_windows_1252(resto))) {
    size_t k = prima;
    while (k > 0 && (cifra(contenuto_[k - 1]) || contenuto_[k - 1] == '-')) --k;
    avvisa(numero_avviso::unita_di_misura, offset,
           "'" + testo_da(offset) + "' after " + contenuto_.substr(k, prima - k) +
               " is left after the last value of '" + std::string(v.nome) + "'");
    return true;
  }
  // "9,5": one field too many, made by the one comma of the row that has a
  // digit on either side; every other comma of the row is followed by a
  // blank, so the row's own separators look otherwise.
  if (riga_corta_avvisata_ || resto.empty() || !std::all_of(resto.begin(), resto.end(), cifra)) {
    return false;
  }
  std::optional<size_t> virgola;
  for (size_t i = offset_voce_; i < offset; ++i) {
    char ch = contenuto_[i];
    if (ch == '\r' || ch == '\n') return false;
    if (ch != ',') continue;
    if (i > offset_voce_ && cifra(contenuto_[i - 1]) && cifra(contenuto_[i + 1])) {
      if (virgola) return false;
      virgola = i;
    } else if (!spazio(contenuto_[i + 1])) {
      return false;
    }
  }
  if (!virgola) return false;
  size_t inizio = *virgola;
  while (inizio > 0 && cifra(contenuto_[inizio - 1])) --inizio;
  size_t fine = *virgola + 1;
  while (fine < contenuto_.size() && cifra(contenuto_[fine])) ++fine;
  avvisa(numero_avviso::numero_decimale, inizio,
         "'" + contenuto_.substr(inizio, fine - inizio) + "' is read as two values, so '" +
             std::string(v.nome) + "' has one value too many ('" + std::string(resto) +
             "' is left over)");
  return true;
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
