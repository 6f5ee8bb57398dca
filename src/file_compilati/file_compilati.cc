#include "file_compilati/file_compilati.h"

#include <limits>
#include <stdexcept>

#include "base/codifica.h"
#include "base/scrittore_file.h"
#include "base/testo_windows_1252.h"

namespace scenario {

void codifica_valore_planimetria(std::string& uscita, const valore_planimetria& v) {
  coordinata_planimetria::posto p = coordinata_planimetria::posto_di(v);
  uscita.append(p.data(), coordinata_planimetria::lunghezza_codifica(static_cast<uint8_t>(p[0])));
}

void codifica_metro(std::string& uscita, const coordinata_planimetria& coordinata, size_t metro) {
  uscita.append(coordinata.codifica(metro));
}

void codifica_elemento(std::string& uscita, const elemento& e) {
  std::string testo = a_windows_1252(e.testo);
  // The length field is 16 bits wide; no text of the system comes near it.
  if (testo.size() > std::numeric_limits<uint16_t>::max()) {
    testo.resize(std::numeric_limits<uint16_t>::max());
  }
  size_t inizio_record = uscita.size();
  metti_u8(uscita, e.tipo);
  metti_i32(uscita, e.inizio);
  metti_i32(uscita, e.fine);
  metti_i32(uscita, e.posizione);
  metti_u8(uscita, e.dato_a);
  metti_u16(uscita, static_cast<uint16_t>(testo.size()));
  uscita.append(testo);
  metti_i16(uscita, e.dato_d);
  metti_i16(uscita, e.dato_e);
  metti_i16(uscita, e.dato_g);
  metti_i16(uscita, e.dato_h);
  metti_i16(uscita, e.dato_i);
  metti_u8(uscita, e.dato_f);
  metti_u8(uscita, e.dato_l);
  metti_u8(uscita, e.dato_c);
  metti_u8(uscita, e.dato_b);
  metti_i32(uscita, e.orario);
  if (uscita.size() - inizio_record != lunghezza_record_elemento_senza_testo + testo.size()) {
    throw std::logic_error("record di elemento di lunghezza errata");
  }
}

void codifica_cella(std::string& uscita, const cella& c) {
  // Stored into a record of fixed size and appended whole: a grid has tens of
  // thousands of cells.
  char r[lunghezza_record_cella];
  r[0] = static_cast<char>(c.tipo);
  scrivi_i16(r + 1, c.val1);
  scrivi_i16(r + 3, c.val2);
  scrivi_i16(r + 5, c.val3);
  scrivi_i16(r + 7, c.val4);
  r[9] = static_cast<char>(c.tempo);
  r[10] = static_cast<char>(c.avviso);
  r[11] = static_cast<char>(c.galleria);
  r[12] = static_cast<char>(c.vel_max);
  r[13] = static_cast<char>(c.pendenza);
  r[14] = static_cast<char>(c.aderenza);
  static_assert(sizeof r == lunghezza_record_cella);
  uscita.append(r, sizeof r);
}

std::string codifica_file_planimetria(const modello& m) {
  std::string uscita;
  for (const coordinata_planimetria& coordinata : m.planimetria) {
    for (size_t metro = 0; metro < coordinata.inizio_reali(); ++metro) {
      uscita.append(coordinata.codifica(metro));
    }
    uscita.append(coordinata.reali());
    for (size_t metro = coordinata.riempiti(); metro < coordinata.size(); ++metro) {
      uscita.append(coordinata.codifica(metro));
    }
  }
  return uscita;
}

std::string codifica_file_elementi(const modello& m) {
  std::string uscita;
  for (const elemento& e : m.elementi) codifica_elemento(uscita, e);
  return uscita;
}

std::string codifica_file_celle(const modello& m) {
  std::string uscita;
  uscita.reserve(m.celle.size() * lunghezza_record_cella);
  for (const cella& c : m.celle) codifica_cella(uscita, c);
  if (uscita.size() != m.celle.size() * lunghezza_record_cella) {
    throw std::logic_error("griglia di lunghezza errata");
  }
  return uscita;
}

void scrivi_file_planimetria(const std::filesystem::path& percorso, const modello& m) {
  scrittore_file file(percorso);
  for (const coordinata_planimetria& coordinata : m.planimetria) {
    // The plan is millions of doubles, already held as the file stores them:
    // they go to the file straight from the model, the few other metres
    // through the buffer.
    for (size_t metro = 0; metro < coordinata.inizio_reali(); ++metro) {
      file.buffer().append(coordinata.codifica(metro));
      file.scarica_se_pieno();
    }
    file.scrivi(coordinata.reali());
    for (size_t metro = coordinata.riempiti(); metro < coordinata.size(); ++metro) {
      file.buffer().append(coordinata.codifica(metro));
      file.scarica_se_pieno();
    }
  }
  file.chiudi();
}

void scrivi_file_elementi(const std::filesystem::path& percorso, const modello& m) {
  sostituisci_file(percorso, codifica_file_elementi(m));
}

void scrivi_file_celle(const std::filesystem::path& percorso, const modello& m) {
  sostituisci_file(percorso, codifica_file_celle(m));
}

}  // namespace scenario
