// Compiles any pair of description texts in memory, then runs the finishing
// pass, the check codes and the encoding of the three compiled files. The
// input is the line description, a line "%%", and the train description.
// Every compile must end with a defined error number, without crash, without
// touching memory outside the model's arrays and without an endless loop; an
// error 1250 or 1251 must point at the row that caused it; the files of a
// compile without error must pass the check of `ispeziona --verifica`.
//
// Most inputs are kept cheap, so that the target covers ground: the route is
// held to 20000 m and the track plan is built for one input in sixteen. With
// FUZZ_PIANI_LUNGHI set in the environment every input builds the plan and
// the route may be as long as the program allows.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "modello/numeri_errore.h"
#include "compilazione/memorizza_dati.h"
#include "compilazione/codici_controllo.h"
#include "file_compilati/file_compilati.h"
#include "compilazione/passata_finale.h"
#include "ispezione/verifica.h"

namespace {

constexpr int32_t lunghezza_breve = 20000;

bool piani_lunghi() {
  static const bool lunghi = std::getenv("FUZZ_PIANI_LUNGHI") != nullptr;
  return lunghi;
}

// The lengths of the lines of `testo`, counted here on their own: a CR LF,
// an LF or a lone CR ends a line, and text after the last line end is a line.
std::vector<size_t> lunghezze_righe(std::string_view testo) {
  std::vector<size_t> righe;
  size_t inizio = 0;
  for (size_t i = 0; i < testo.size(); ++i) {
    if (testo[i] != '\r' && testo[i] != '\n') continue;
    righe.push_back(i - inizio);
    if (testo[i] == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
    inizio = i + 1;
  }
  if (inizio < testo.size()) righe.push_back(testo.size() - inizio);
  return righe;
}

// Every diagnostic names one of the two files, and either the file as a whole
// (line 0, column 0) or a line that exists with a column within it: from 1
// to one past its last character, where a missing value is pointed at.
void controlla_luoghi(const scenario::modello& m, std::string_view linea, std::string_view treno) {
  const std::vector<size_t> righe_linea = lunghezze_righe(linea);
  const std::vector<size_t> righe_treno = lunghezze_righe(treno);
  for (const scenario::diagnostica& d : m.diagnostiche) {
    const std::vector<size_t>* righe = d.luogo.file == "linea"   ? &righe_linea
                                       : d.luogo.file == "treno" ? &righe_treno
                                                                 : nullptr;
    if (righe == nullptr) std::abort();
    if (d.luogo.riga == 0) {
      if (d.luogo.colonna != 0) std::abort();
      continue;
    }
    if (d.luogo.riga < 1 || static_cast<size_t>(d.luogo.riga) > righe->size()) std::abort();
    size_t lunghezza = (*righe)[static_cast<size_t>(d.luogo.riga) - 1];
    if (d.luogo.colonna < 1 || static_cast<size_t>(d.luogo.colonna) > lunghezza + 1) std::abort();
  }
}

void controlla_errori(const scenario::modello& m) {
  if (m.n_errore != 0 && scenario::significato_errore(m.n_errore) == nullptr) std::abort();
  // The list and the last error agree.
  const scenario::diagnostica* ultimo_errore = nullptr;
  for (const scenario::diagnostica& d : m.diagnostiche) {
    if (d.livello == scenario::gravita::errore) ultimo_errore = &d;
  }
  if ((ultimo_errore == nullptr) != (m.n_errore == 0)) std::abort();
  if (ultimo_errore != nullptr && ultimo_errore->numero != m.n_errore) std::abort();
  for (const scenario::diagnostica& e : m.diagnostiche) {
    if (e.luogo.riga < 0 || e.luogo.colonna < 0) std::abort();
    if (e.luogo.riga > 0 && e.luogo.colonna < 1) std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* dati, size_t dimensione) {
  if (dimensione > (1 << 16)) return 0;
  std::string_view ingresso(reinterpret_cast<const char*>(dati), dimensione);
  size_t separatore = ingresso.find("\n%%\n");
  std::string_view linea = ingresso.substr(0, separatore);
  std::string_view treno =
      separatore == std::string_view::npos ? std::string_view() : ingresso.substr(separatore + 4);

  scenario::modello m;
  m.linea = "Fuzz";
  m.treno = "1";
  scenario::inizializza_elementi(m);
  scenario::opzioni_compilazione opzioni;
  if (piani_lunghi()) {
    m.scrivi_planimetria = 1;
  } else {
    // Lengths 1 modulo 16 build the plan, of a short route like the others.
    m.scrivi_planimetria = dimensione % 16 == 1 ? 1 : 0;
    opzioni.lunghezza_massima = lunghezza_breve;
  }
  scenario::compila_descrizioni(m, {"linea", std::string(linea)}, {"treno", std::string(treno)},
                                opzioni);
  controlla_errori(m);
  controlla_luoghi(m, linea, treno);
  if (!m.griglia_dimensionata()) return 0;
  if (m.celle.size() != static_cast<size_t>(m.n_celle) + 1) std::abort();

  scenario::passata_finale(m);
  controlla_errori(m);
  controlla_luoghi(m, linea, treno);
  // 1250 or 1251: nothing would be written, and the author must learn which
  // row filled the place. Descriptions reach only the cell, never the header.
  if (int32_t occupati = scenario::codici_controllo(m);
      occupati != scenario::numero_errore::nessuno) {
    if (m.diagnostiche.empty() || m.diagnostiche.back().numero != occupati ||
        m.diagnostiche.back().luogo.riga < 1) {
      std::abort();
    }
    controlla_luoghi(m, linea, treno);
    return 0;
  }
  const std::string celle = scenario::codifica_file_celle(m);
  if (celle.size() != m.celle.size() * scenario::lunghezza_record_cella) std::abort();
  const std::string elementi = scenario::codifica_file_elementi(m);
  const std::string planimetria =
      m.scrivi_planimetria != 0 ? scenario::codifica_file_planimetria(m) : std::string();
  // What a compile without error writes passes `ispeziona --verifica`.
  if (scenario::compilazione_fallita(m)) return 0;
  scenario::file_letti nomi{std::nullopt, "elementi", "celle"};
  if (m.scrivi_planimetria != 0) nomi.planimetria = "planimetria";
  if (!scenario::differenze_dei_byte(nomi, planimetria, elementi, celle).empty()) std::abort();
  return 0;
}
