#pragma once

// Reads compiled files back and says what they hold, as text, CSV or JSON;
// with `verifica`, also checks what the simulator relies on.

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "ispezione/rapporto.h"
#include "modello/modello.h"
#include "file_compilati/lettura_file_compilati.h"

namespace scenario {

enum class tipo_file_compilato { planimetria, elementi, celle };

// The kind of a compiled file by its name: "..._linea.dat" the track plan,
// "....sim" the element table, any other "....dat" the cell grid.
std::optional<tipo_file_compilato> tipo_da_nome(const std::string& percorso);

// The name of a kind, as the reports give it.
const char* nome_tipo_file(tipo_file_compilato t);
// The name of a kind of cell ("segnale", "fermata"...), "sconosciuto" for a
// number the system does not place.
const char* nome_tipo_cella(uint8_t tipo);

// A cell grid row shows the cells whose metres [50 i, 50 i + 50) meet the
// range [da, a].
struct intervallo_metri {
  std::optional<int64_t> da;
  std::optional<int64_t> a;
};

rapporto_file rapporto_planimetria(const modello& m, const std::string& file);
rapporto_file rapporto_elementi(const modello& m, const std::string& file);
rapporto_file rapporto_celle(const modello& m, const std::string& file,
                             const intervallo_metri& intervallo = {});

// Every difference from what the simulator relies on, among the files read
// into `m`: sizes that disagree, check codes that are not the ones computed
// from the names, reserved values, station marks missing from the grid.
std::vector<std::string> differenze(const modello& m, const file_letti& letti);

struct opzioni_ispezione {
  std::vector<std::string> file;
  formato_rapporto formato = formato_rapporto::testo;
  intervallo_metri intervallo;
  bool verifica = false;
};

// Exit statuses of the inspection.
namespace stato_ispezione {
constexpr int ok = 0;
constexpr int file_illeggibile = 1;  // a file that cannot be opened or read
constexpr int uso_errato = 64;       // a file whose kind the name does not tell, as any usage error
constexpr int non_valido = 3;        // a file refused, or a difference found by verifica
}  // namespace stato_ispezione

// The whole command: reads the files (a file refused, or of a kind given
// twice, is reported on `errori`), writes the report of each on `uscita`,
// and with `verifica` a report of the differences after them.
int ispeziona(const opzioni_ispezione& opzioni, std::ostream& uscita, std::ostream& errori);

}  // namespace scenario
