#include "compilazione/origini_celle.h"

namespace scenario {

namespace {

// The item of a row, as the note that points at the row names it.
std::string della_riga(occupante chi, int32_t numero) {
  switch (chi) {
    case occupante::segnale:
      return "the signal of this row";
    case occupante::inizio_rallentamento:
      return "the start of this row's slow-down";
    case occupante::fine_rallentamento:
      return "the end of this row's slow-down";
    case occupante::avviso_rallentamento:
      return "the warning point of this row's slow-down";
    case occupante::tabella_distanziometrica:
      return "distance board " + std::to_string(numero) + " of this row's slow-down";
    case occupante::indicatore_v_max:
      return "the speed board of this row";
    case occupante::cartello:
      return "the sign board of this row";
    case occupante::fermata:
      return "the stop mark of this row's station";
    case occupante::abbattimento:
      return "the code point of this row";
    case occupante::punto_della_passata:
      break;
  }
  return "a code point that the finishing pass added";
}

// An item that no row placed, by what it is.
std::string senza_riga(occupante chi) {
  switch (chi) {
    case occupante::segnale:
      return "a signal that no row placed";
    case occupante::inizio_rallentamento:
      return "a slow-down start that no row placed";
    case occupante::fine_rallentamento:
      return "a slow-down end that no row placed";
    case occupante::avviso_rallentamento:
      return "a slow-down warning point that no row placed";
    case occupante::tabella_distanziometrica:
      return "a slow-down distance board that no row placed";
    case occupante::indicatore_v_max:
      return "a speed board that no row placed";
    case occupante::cartello:
      return "a sign board that no row placed";
    case occupante::fermata:
      return "a station stop mark that no row placed";
    case occupante::abbattimento:
      return "a code point that no row placed";
    case occupante::punto_della_passata:
      break;
  }
  return "a code point that the finishing pass added";
}

// An item of which nothing is known but the cell's kind.
std::string del_tipo(uint8_t tipo) {
  switch (tipo) {
    case tipo_cella::segnale:
      return "a signal";
    case tipo_cella::fine_rallentamento:
      return "a slow-down end";
    case tipo_cella::inizio_rallentamento:
      return "a slow-down start";
    case tipo_cella::avviso_rallentamento:
      return "a slow-down warning point";
    case tipo_cella::tabella_distanziometrica:
      return "a slow-down distance board";
    case tipo_cella::indicatore_v_max:
      return "a speed board";
    case tipo_cella::fermata:
      return "a station stop mark";
    case tipo_cella::punto_codice:
      return "a code point";
    case tipo_cella::punto_senza_codice:
      return "a code point without a code";
    case tipo_cella::cartello:
      return "a sign board";
    default:
      return "an item of kind " + std::to_string(tipo);
  }
}

}  // namespace

void origini_celle::azzera() {
  per_cella_.clear();
  origini_.clear();
  righe_.clear();
  nomi_.clear();
  ultimo_file_ = nullptr;
}

void origini_celle::registra(int64_t k, occupante chi, int64_t posizione, const campo_letto& campo,
                             int32_t numero) {
  if (k < 0) return;
  int32_t riga = -1;
  if (campo.file != nullptr) {
    // The items of one row share its place.
    if (righe_.empty() || righe_.back().file != campo.file ||
        righe_.back().offset != campo.inizio) {
      if (campo.file != ultimo_file_) {
        nomi_.push_back(campo.file->nome());
        ultimo_file_ = campo.file;
      }
      riga_origine r;
      r.file = campo.file;
      r.offset = campo.inizio;
      r.nome = static_cast<int32_t>(nomi_.size()) - 1;
      righe_.push_back(r);
    }
    riga = static_cast<int32_t>(righe_.size()) - 1;
  }
  if (static_cast<uint64_t>(k) >= per_cella_.size()) {
    per_cella_.resize(static_cast<size_t>(k) + 1, -1);
  }
  origine& o = origini_.emplace_back();
  o.chi = chi;
  o.numero = numero;
  o.posizione = posizione;
  o.riga = riga;
  per_cella_[static_cast<size_t>(k)] = static_cast<int32_t>(origini_.size()) - 1;
}

void origini_celle::fissa_luoghi() {
  for (riga_origine& r : righe_) {
    if (r.file == nullptr) continue;
    luogo_sorgente l = r.file->luogo(r.offset);
    r.linea = l.riga;
    r.colonna = l.colonna;
    r.file = nullptr;
  }
  ultimo_file_ = nullptr;
}

const origini_celle::origine* origini_celle::di(int64_t k) const {
  if (k < 0 || static_cast<uint64_t>(k) >= per_cella_.size()) return nullptr;
  int32_t i = per_cella_[static_cast<size_t>(k)];
  return i < 0 ? nullptr : &origini_[static_cast<size_t>(i)];
}

luogo_sorgente origini_celle::luogo(int32_t riga) const {
  if (riga < 0) return {};
  const riga_origine& r = righe_[static_cast<size_t>(riga)];
  if (r.file != nullptr) return r.file->luogo(r.offset);
  return {nomi_[static_cast<size_t>(r.nome)], r.linea, r.colonna};
}

luogo_sorgente origini_celle::luogo_di(int64_t k) const {
  const origine* o = di(k);
  return o != nullptr ? luogo(o->riga) : luogo_sorgente{};
}

void origini_celle::annota(diagnostica& d, const modello& m, int64_t k) const {
  std::string testo = "the cell " + std::to_string(k) + " (" + std::to_string(k * metri_per_cella) +
                      " m to " + std::to_string(k * metri_per_cella + metri_per_cella - 1) +
                      " m) holds ";
  const origine* o = di(k);
  if (o == nullptr) {
    uint8_t tipo = k >= 0 && static_cast<uint64_t>(k) < m.celle.size()
                       ? m.celle[static_cast<size_t>(k)].tipo
                       : tipo_cella::vuota;
    aggiungi_nota(d, {}, testo + del_tipo(tipo) + " that no row placed");
    return;
  }
  const std::string dove = ", at " + std::to_string(o->posizione) + " m";
  if (o->riga < 0) {
    aggiungi_nota(d, {}, testo + senza_riga(o->chi) + dove);
    return;
  }
  aggiungi_nota(d, luogo(o->riga), testo + della_riga(o->chi, o->numero) + dove);
}

void registra_celle_occupate(modello& m, const origini_celle* origini, int32_t numero,
                             int32_t posizione, const campo_letto& campo,
                             std::initializer_list<int64_t> celle) {
  diagnostica d = nuova_diagnostica(numero, gravita::errore, posizione, campo.luogo(), {});
  if (origini != nullptr) {
    for (int64_t k : celle) {
      if (k >= 0 && static_cast<uint64_t>(k) < m.celle.size() &&
          !cella_libera(m.celle[static_cast<size_t>(k)])) {
        origini->annota(d, m, k);
      }
    }
  }
  registra_errore(m, std::move(d));
}

}  // namespace scenario
