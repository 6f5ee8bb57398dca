#include "output/file_compilati.h"

#include <cassert>
#include <limits>

#include "output/codifica.h"
#include "output/scrittore_file.h"
#include "sources/testo_windows_1252.h"

namespace scenario {

namespace {

// Up to ten bytes, appended at once: the plan holds millions of them.
void codifica_valore(std::string& uscita, uint8_t tipo, double valore) {
  char b[10];
  size_t n = 2;
  scrivi_u16(b, tipo);
  if (tipo == coordinata_planimetria::intero) {
    scrivi_i16(b + 2, static_cast<int16_t>(valore));
    n = 4;
  } else if (tipo == coordinata_planimetria::reale) {
    scrivi_f64(b + 2, valore);
    n = 10;
  }
  uscita.append(b, n);
}

}  // namespace

void codifica_valore_planimetria(std::string& uscita, const valore_planimetria& v) {
  if (const int16_t* intero = std::get_if<int16_t>(&v)) {
    codifica_valore(uscita, coordinata_planimetria::intero, *intero);
  } else if (const double* reale = std::get_if<double>(&v)) {
    codifica_valore(uscita, coordinata_planimetria::reale, *reale);
  } else {
    codifica_valore(uscita, coordinata_planimetria::vuoto, 0);
  }
}

void codifica_metro(std::string& uscita, const coordinata_planimetria& coordinata, size_t metro) {
  uint8_t tipo = coordinata.tipo(metro);
  codifica_valore(uscita, tipo, tipo == coordinata_planimetria::vuoto ? 0 : coordinata.numero(metro));
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
  assert(uscita.size() - inizio_record == lunghezza_record_elemento_senza_testo + testo.size());
  (void)inizio_record;
}

void codifica_cella(std::string& uscita, const cella& c) {
  size_t inizio_record = uscita.size();
  metti_u8(uscita, c.tipo);
  metti_i16(uscita, c.val1);
  metti_i16(uscita, c.val2);
  metti_i16(uscita, c.val3);
  metti_i16(uscita, c.val4);
  metti_u8(uscita, c.tempo);
  metti_u8(uscita, c.avviso);
  metti_u8(uscita, c.galleria);
  metti_u8(uscita, c.vel_max);
  metti_u8(uscita, c.pendenza);
  metti_u8(uscita, c.aderenza);
  assert(uscita.size() - inizio_record == lunghezza_record_cella);
  (void)inizio_record;
}

void scrivi_file_planimetria(const std::filesystem::path& percorso, const modello& m) {
  scrittore_file file(percorso);
  for (const coordinata_planimetria& coordinata : m.planimetria) {
    for (size_t metro = 0; metro < coordinata.size(); ++metro) {
      codifica_metro(file.buffer(), coordinata, metro);
      file.scarica_se_pieno();
    }
  }
  file.chiudi();
}

void scrivi_file_elementi(const std::filesystem::path& percorso, const modello& m) {
  scrittore_file file(percorso);
  for (const elemento& e : m.elementi) {
    codifica_elemento(file.buffer(), e);
    file.scarica_se_pieno();
  }
  file.chiudi();
}

void scrivi_file_celle(const std::filesystem::path& percorso, const modello& m) {
  scrittore_file file(percorso);
  for (const cella& c : m.celle) {
    codifica_cella(file.buffer(), c);
    file.scarica_se_pieno();
  }
  file.chiudi();
}

}  // namespace scenario
