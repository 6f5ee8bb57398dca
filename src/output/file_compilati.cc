#include "output/file_compilati.h"

#include <cassert>
#include <limits>
#include <memory>

#include "output/codifica.h"
#include "output/scrittore_file.h"
#include "sources/testo_windows_1252.h"

namespace scenario {

namespace {

// Stores one tagged value at `p` and returns its size: 2, 4 or 10 bytes.
size_t codifica_valore(char* p, uint8_t tipo, double valore) {
  scrivi_u16(p, tipo);
  if (tipo == coordinata_planimetria::intero) {
    scrivi_i16(p + 2, static_cast<int16_t>(valore));
    return 4;
  }
  if (tipo == coordinata_planimetria::reale) {
    scrivi_f64(p + 2, valore);
    return 10;
  }
  return 2;
}

size_t codifica_metro(char* p, const coordinata_planimetria& coordinata, size_t metro) {
  uint8_t tipo = coordinata.tipo(metro);
  return codifica_valore(p, tipo, tipo == coordinata_planimetria::vuoto ? 0 : coordinata.numero(metro));
}

}  // namespace

void codifica_valore_planimetria(std::string& uscita, const valore_planimetria& v) {
  char b[lunghezza_massima_valore_planimetria];
  size_t n = 0;
  if (const int16_t* intero = std::get_if<int16_t>(&v)) {
    n = codifica_valore(b, coordinata_planimetria::intero, *intero);
  } else if (const double* reale = std::get_if<double>(&v)) {
    n = codifica_valore(b, coordinata_planimetria::reale, *reale);
  } else {
    n = codifica_valore(b, coordinata_planimetria::vuoto, 0);
  }
  uscita.append(b, n);
}

void codifica_metro(std::string& uscita, const coordinata_planimetria& coordinata, size_t metro) {
  char b[lunghezza_massima_valore_planimetria];
  uscita.append(b, codifica_metro(b, coordinata, metro));
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
  // The plan is millions of values: they are stored straight into a block,
  // which goes to the file whole.
  constexpr size_t dimensione_blocco = 1 << 16;
  std::unique_ptr<char[]> blocco(new char[dimensione_blocco]);  // not zeroed: written before read
  size_t usati = 0;
  scrittore_file file(percorso);
  for (const coordinata_planimetria& coordinata : m.planimetria) {
    for (size_t metro = 0; metro < coordinata.size(); ++metro) {
      if (usati + lunghezza_massima_valore_planimetria > dimensione_blocco) {
        file.scrivi({blocco.get(), usati});
        usati = 0;
      }
      usati += codifica_metro(blocco.get() + usati, coordinata, metro);
    }
  }
  file.scrivi({blocco.get(), usati});
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
