#pragma once

// What the inspection says about one compiled file: values by name and
// tables, written as aligned text or JSON from the same content. CSV is no
// report but the file's own rows, one table (tabella_csv.h).

#include <cstdint>
#include <ostream>
#include <string>
#include <utility>
#include <variant>
#include <vector>

namespace scenario {

// A real number and the decimals that text shows of it; JSON gets it whole.
struct numero_reale {
  double valore = 0;
  int decimali = 3;
};

// Named whole numbers, the fields of one item: "a=1 b=2" as text, an object
// in JSON.
using campi_nominati = std::vector<std::pair<std::string, int64_t>>;

using valore_rapporto = std::variant<int64_t, numero_reale, std::string, campi_nominati>;

struct tabella_rapporto {
  std::string nome;
  std::vector<std::string> colonne;
  std::vector<std::vector<valore_rapporto>> righe;
};

struct rapporto_file {
  std::string file;
  std::string tipo;
  std::vector<std::pair<std::string, valore_rapporto>> valori;
  std::vector<tabella_rapporto> tabelle;
};

enum class formato_rapporto { testo, csv, json };

// Text: the values one a line, then each table under its name with its
// columns aligned. JSON: one object per file, the values as members and each
// table as an array of objects, under "tabelle". CSV is not written here: a
// call with it is a fault of the program (std::logic_error).
void scrivi_rapporti(std::ostream& uscita, const std::vector<rapporto_file>& rapporti,
                     formato_rapporto formato);

std::string testo_valore(const valore_rapporto& v);

}  // namespace scenario
