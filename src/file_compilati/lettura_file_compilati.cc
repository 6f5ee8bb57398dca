#include "file_compilati/lettura_file_compilati.h"

#include "base/codifica.h"
#include "base/lettura_file.h"
#include "base/testo_windows_1252.h"
#include "modello/arrotonda.h"
#include "file_compilati/file_compilati.h"

namespace scenario {

namespace {

[[noreturn]] void rifiuta(const std::string& nome, const std::string& motivo) {
  throw file_compilato_non_valido(nome + ": " + motivo);
}

uint8_t leggi_u8(const char* p) { return static_cast<uint8_t>(*p); }
int32_t leggi_i32(const char* p) { return static_cast<int32_t>(leggi_le<uint32_t>(p)); }

// The metres of one coordinate as the plan file holds them, starting at
// `offset`; on return `offset` is past them.
void decodifica_coordinata(coordinata_planimetria& c, std::string_view byte, size_t& offset,
                           size_t metri) {
  c.dimensiona(metri);
  for (size_t metro = 0; metro < metri; ++metro) {
    uint16_t tipo = leggi_u16(byte.data() + offset);
    const char* valore = byte.data() + offset + 2;
    offset += coordinata_planimetria::lunghezza_codifica(static_cast<uint8_t>(tipo));
    // An empty metre is left unstored: the ones after the last value cost nothing.
    if (tipo == coordinata_planimetria::reale) {
      c.metti_reale(metro, leggi_f64(valore));
    } else if (tipo == coordinata_planimetria::intero) {
      c.metti(metro, leggi_i16(valore));
    }
  }
}

int32_t celle_per_percorso(int64_t lunghezza) {
  return static_cast<int32_t>(
             arrotonda(static_cast<double>(lunghezza + coda_percorso) / metri_per_cella)) +
         1;
}

}  // namespace

void decodifica_file_planimetria(modello& m, std::string_view byte, const std::string& nome) {
  if (byte.empty()) rifiuta(nome, "empty file");
  // The plan has no count: the values are walked first, so that the point
  // where the second coordinate begins is known and nothing is stored from a
  // file that is then refused.
  size_t valori = 0;
  for (size_t offset = 0; offset < byte.size(); ++valori) {
    if (byte.size() - offset < 2) {
      rifiuta(nome, "cut short at byte " + std::to_string(offset) + ", inside a type code");
    }
    uint16_t tipo = leggi_u16(byte.data() + offset);
    if (tipo != coordinata_planimetria::vuoto && tipo != coordinata_planimetria::intero &&
        tipo != coordinata_planimetria::reale) {
      rifiuta(nome, "type code " + std::to_string(tipo) + " at byte " +
                        std::to_string(offset) + " (0, 2 and 5 are allowed)");
    }
    size_t lunghezza = coordinata_planimetria::lunghezza_codifica(static_cast<uint8_t>(tipo));
    if (byte.size() - offset < lunghezza) {
      rifiuta(nome, "cut short at byte " + std::to_string(offset) + ", inside a value of " +
                        std::to_string(lunghezza) + " bytes");
    }
    offset += lunghezza;
  }
  if (valori % 2 != 0) {
    rifiuta(nome,
            std::to_string(valori) + " values: the two coordinates do not have as many each");
  }
  size_t metri = valori / 2;
  if (metri > static_cast<size_t>(lunghezza_massima_percorso) + coda_percorso + 1) {
    rifiuta(nome, std::to_string(metri) + " metres: more than a route of " +
                      std::to_string(lunghezza_massima_percorso) + " m holds");
  }
  size_t offset = 0;
  decodifica_coordinata(m.planimetria[0], byte, offset, metri);
  decodifica_coordinata(m.planimetria[1], byte, offset, metri);
  m.metri_totali = static_cast<int32_t>(metri) - 1;
  m.scrivi_planimetria = 1;
}

void decodifica_file_elementi(modello& m, std::string_view byte, const std::string& nome) {
  size_t offset = 0;
  for (int r = 0; r < numero_elementi; ++r) {
    const char* p = byte.data() + offset;
    size_t resto = byte.size() - offset;
    auto troncato = [&] {
      rifiuta(nome, "cut short at byte " + std::to_string(byte.size()) + ", inside record " +
                        std::to_string(r) + " of " + std::to_string(numero_elementi));
    };
    if (resto < lunghezza_record_elemento_senza_testo) troncato();
    size_t n = leggi_u16(p + 14);
    if (resto < lunghezza_record_elemento_senza_testo + n) troncato();
    elemento& e = m.elementi[r];
    e.tipo = leggi_u8(p);
    e.inizio = leggi_i32(p + 1);
    e.fine = leggi_i32(p + 5);
    e.posizione = leggi_i32(p + 9);
    e.dato_a = leggi_u8(p + 13);
    e.testo = da_windows_1252(std::string_view(p + 16, n));
    const char* q = p + 16 + n;
    e.dato_d = leggi_i16(q);
    e.dato_e = leggi_i16(q + 2);
    e.dato_g = leggi_i16(q + 4);
    e.dato_h = leggi_i16(q + 6);
    e.dato_i = leggi_i16(q + 8);
    e.dato_f = leggi_u8(q + 10);
    e.dato_l = leggi_u8(q + 11);
    e.dato_c = leggi_u8(q + 12);
    e.dato_b = leggi_u8(q + 13);
    e.orario = leggi_i32(q + 14);
    offset += lunghezza_record_elemento_senza_testo + n;
  }
  if (offset != byte.size()) {
    rifiuta(nome, std::to_string(byte.size() - offset) + " bytes after the last record (" +
                      std::to_string(numero_elementi - 1) + ")");
  }
  m.linea = m.elementi[elemento_testata_percorso].testo;
  m.treno = m.elementi[elemento_testata_treno].testo;
}

void decodifica_file_celle(modello& m, std::string_view byte, const std::string& nome) {
  if (byte.empty()) rifiuta(nome, "empty file");
  if (byte.size() % lunghezza_record_cella != 0) {
    rifiuta(nome, std::to_string(byte.size()) + " bytes: not a whole number of cells of " +
                      std::to_string(lunghezza_record_cella) + " bytes");
  }
  size_t n = byte.size() / lunghezza_record_cella;
  if (n > static_cast<size_t>(celle_per_percorso(lunghezza_massima_percorso))) {
    rifiuta(nome, std::to_string(n) + " cells: more than a route of " +
                      std::to_string(lunghezza_massima_percorso) + " m holds");
  }
  m.celle.assign(n, cella{});
  for (size_t i = 0; i < n; ++i) {
    const char* p = byte.data() + i * lunghezza_record_cella;
    cella& c = m.celle[i];
    c.tipo = leggi_u8(p);
    c.val1 = leggi_i16(p + 1);
    c.val2 = leggi_i16(p + 3);
    c.val3 = leggi_i16(p + 5);
    c.val4 = leggi_i16(p + 7);
    c.tempo = leggi_u8(p + 9);
    c.avviso = leggi_u8(p + 10);
    c.galleria = leggi_u8(p + 11);
    c.vel_max = leggi_u8(p + 12);
    c.pendenza = leggi_u8(p + 13);
    c.aderenza = leggi_u8(p + 14);
  }
  m.n_celle = static_cast<int32_t>(n) - 1;
}

std::vector<std::string> dimensioni_discordanti(const modello& m, const file_letti& letti) {
  std::vector<std::string> discordanze;
  size_t metri = m.planimetria[0].size();
  size_t celle = m.celle.size();
  if (letti.elementi) {
    int32_t lunghezza = m.elementi[elemento_linea].fine;
    if (lunghezza < 0 || lunghezza > lunghezza_massima_percorso) {
      discordanze.push_back(*letti.elementi + ": route length " +
                            std::to_string(lunghezza) + " m (record " +
                            std::to_string(elemento_linea) + "), outside 0 to " +
                            std::to_string(lunghezza_massima_percorso));
      return discordanze;
    }
    std::string per = " metres, where the route length in " + *letti.elementi + " (" +
                      std::to_string(lunghezza) + " m) calls for ";
    size_t metri_attesi = static_cast<size_t>(lunghezza) + coda_percorso + 1;
    if (letti.planimetria && metri != metri_attesi) {
      discordanze.push_back(*letti.planimetria + ": " + std::to_string(metri) + per +
                            std::to_string(metri_attesi));
    }
    size_t celle_attese = static_cast<size_t>(celle_per_percorso(lunghezza));
    if (letti.celle && celle != celle_attese) {
      discordanze.push_back(*letti.celle + ": " + std::to_string(celle) +
                            " cells, where the route length in " + *letti.elementi + " (" +
                            std::to_string(lunghezza) + " m) calls for " +
                            std::to_string(celle_attese));
    }
  } else if (letti.planimetria && letti.celle && metri > 0) {
    // Without the table, the plan's length stands for the route's.
    size_t celle_attese =
        static_cast<size_t>(arrotonda(static_cast<double>(metri - 1) / metri_per_cella) + 1);
    if (celle != celle_attese) {
      discordanze.push_back(*letti.celle + ": " + std::to_string(celle) + " cells, where the " +
                            std::to_string(metri) + " metres of " + *letti.planimetria +
                            " call for " + std::to_string(celle_attese));
    }
  }
  return discordanze;
}

std::string leggi_file_planimetria(const std::string& percorso) {
  return leggi_file_intero(percorso, massimo_byte_planimetria, "a track plan");
}

std::string leggi_file_elementi(const std::string& percorso) {
  return leggi_file_intero(percorso, massimo_byte_elementi, "an element table");
}

std::string leggi_file_celle(const std::string& percorso) {
  return leggi_file_intero(percorso, massimo_byte_celle, "a cell grid");
}

void leggi_file_compilati(modello& m, const file_letti& letti) {
  if (letti.planimetria) {
    decodifica_file_planimetria(m, leggi_file_planimetria(*letti.planimetria), *letti.planimetria);
  }
  if (letti.elementi) {
    decodifica_file_elementi(m, leggi_file_elementi(*letti.elementi), *letti.elementi);
  }
  if (letti.celle) decodifica_file_celle(m, leggi_file_celle(*letti.celle), *letti.celle);
  std::vector<std::string> discordanze = dimensioni_discordanti(m, letti);
  if (!discordanze.empty()) throw file_compilato_non_valido(discordanze.front());
}

}  // namespace scenario
