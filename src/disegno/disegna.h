#pragma once

// Pictures of a compiled scenario, drawn once with cairo and written as SVG,
// PNG or PDF: the plan of the line seen from above, and its profile along the
// line (elevation, gradient, speed limit and the items on the line), on A3
// landscape pages. A profile longer than one page holds is split into pages
// of at most 100 km.
//
// In SVG every item drawn carries its kind as a class, and an id: cairo's SVG
// surface has no place for them, so each kind has a marker colour of its own
// that nothing else is drawn with, and the paths of that colour get
// class="<kind>" id="<kind>-<n>" once cairo has written the file. The kinds:
// stazione, segnale, rallentamento, punto_codice, galleria.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "modello/modello.h"

namespace scenario {

enum class formato_disegno { svg, png, pdf };

// A3 landscape, in points.
constexpr double larghezza_pagina = 1190.55;
constexpr double altezza_pagina = 841.89;
constexpr int larghezza_png_predefinita = 2400;
constexpr int32_t metri_per_pagina_profilo = 100000;

// Where the plan puts the point (x, y) of the track plan, in points of the
// page: the drawing keeps the plan's proportions, to scale.
struct trasformazione_pianta {
  double scala = 1;  // points per metre
  double x0 = 0, y0 = 0;
  double pagina_x(double x) const { return x0 + x * scala; }
  // The second coordinate runs up the page.
  double pagina_y(double y) const { return y0 - y * scala; }
};

trasformazione_pianta trasformazione_di(const modello& m);

// The pages of the profile: page k shows the metres [k × per_pagina,
// (k + 1) × per_pagina) of a route longer than 120 km, the whole route
// otherwise.
int32_t metri_pagina_profilo(const modello& m);
int pagine_profilo(const modello& m);

// The chainage that the kilometric progressives give to metre p: the value
// of the last progressive that starts at or before p, plus the metres since;
// before the first one, the first one's counted back.
double progressiva_di(const modello& m, double p);

struct opzioni_disegno {
  formato_disegno formato = formato_disegno::png;
  int larghezza_png = larghezza_png_predefinita;
};

// The names of the pictures of `m` named after `base`: base + ".pdf" with
// every page; or, for SVG and PNG, a file a page, base + "_pianta" and base +
// "_profilo" (with "_2", "_3"... from the second page).
std::vector<std::string> nomi_disegni(const modello& m, const std::string& base,
                                      formato_disegno formato);

// Draws the plan and the profile of `m` into `cartella`, in the files that
// nomi_disegni names. Returns the paths written. A file that cannot be written
// is an errore_file.
std::vector<std::filesystem::path> disegna(const modello& m, const std::filesystem::path& cartella,
                                           const std::string& base, const opzioni_disegno& opzioni);

// The files that the command reads, and the name of its pictures. Each path
// comes from the command line: a name read from a file, the route's or the
// train's, is drawn as text, never made into a path.
struct file_da_disegnare {
  std::filesystem::path elementi;
  std::filesystem::path celle;
  std::filesystem::path planimetria;
  std::string nome;  // the table's file name without ".sim"
};

// For the element table `file_sim`, named "<route>_<train>.sim" as compila
// names it: the grid "<route>_<train>.dat" beside it and the plan
// `planimetria`, or when that is empty "<route>_linea.dat" beside the table,
// the route being what comes before the last "_" of the name. nullopt for a
// name that does not end in ".sim"; the plan left empty when none is given
// and the name holds no route.
std::optional<file_da_disegnare> file_accanto(const std::filesystem::path& file_sim,
                                              const std::filesystem::path& planimetria = {});

// The command: reads the three files, then draws into `cartella` (the
// table's own when empty; created when missing) holding the directory's
// lock, and names each file written on `uscita`. Temporary files left there
// for those names by an interrupted drawing go first, and the profile pages
// beyond the route's, left by an earlier drawing of a longer route of the
// same name in the same format, go after. Returns 0, 1 for a file that
// cannot be read or written, 3 for a file refused.
int esegui_disegno(const file_da_disegnare& file, const std::filesystem::path& cartella,
                   const opzioni_disegno& opzioni, std::ostream& uscita, std::ostream& errori);

// The same, then again whenever one of the three files changes, until
// Ctrl-C, which ends it with 0. Each round prints the files written or what
// was wrong, and the time it took.
int osserva_disegno(const file_da_disegnare& file, const std::filesystem::path& cartella,
                    const opzioni_disegno& opzioni, std::ostream& uscita, std::ostream& errori);

}  // namespace scenario
