#pragma once

// Pictures of a compiled scenario, laid out once and written as SVG by the
// program's own writer, or as PNG or PDF by cairo where the build has it:
// the plan of the line seen from above (pianta.h), and its profile along the
// line (profilo.h), on A3 pages. In SVG every item drawn is a group with its
// kind as its class and an id, every label a <text> (tela_svg.h).

#include <filesystem>
#include <string>
#include <vector>

#include "disegno/oggetti_linea.h"
#include "disegno/opzioni_disegno.h"
#include "disegno/tela.h"
#include "modello/modello.h"

namespace scenario {

// Whether this build draws `formato`: SVG always, PNG and PDF where it has
// cairo (not the Windows build).
bool formato_disponibile(formato_disegno formato);

// The names of the pictures of `m` named after `base`: base + ".pdf" with
// every page; or, for SVG and PNG, a file a page, base + "_pianta" and base +
// "_profilo" for a profile of one page, base + "_profilo_1", "_2"... for one
// of several, the numbers padded with zeros to the width of the last
// ("_profilo_01" to "_profilo_11").
std::vector<std::string> nomi_disegni(const modello& m, const std::string& base,
                                      formato_disegno formato);

// The pages of the pictures of `m`: the plan, then the profile's pages. They
// refer to `m` and `o`, which must outlive them.
std::vector<pagina_disegno> pagine_disegno(const modello& m, const oggetti_linea& o);

// Draws the plan and the profile of `m` into `cartella`, in the files that
// nomi_disegni names. Returns the paths written. A file that cannot be written
// is an errore_file; a format that the build does not draw, a logic_error.
std::vector<std::filesystem::path> disegna(const modello& m, const std::filesystem::path& cartella,
                                           const std::string& base, const opzioni_disegno& opzioni);

// Removes the profile pages "<base>_profilo" and "<base>_profilo_<n>" in
// `formato` (SVG or PNG), n digits of any width, that are not pages of `m`:
// those an earlier drawing of the same name left, of a route with another
// number of pages. A file that cannot be removed, or a directory that cannot
// be read, is an errore_file.
void rimuovi_pagine_in_piu(const modello& m, const std::filesystem::path& cartella,
                           const std::string& base, formato_disegno formato);

}  // namespace scenario
