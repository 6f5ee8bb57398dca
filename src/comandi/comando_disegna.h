#pragma once

#include <filesystem>
#include <iosfwd>

#include "comandi/contesto_comando.h"

namespace CLI {
class App;
}

namespace scenario {

struct file_da_disegnare;
struct opzioni_disegno;

// `disegna FILE.sim [--planimetria FILE] [-o DIR] [--formato svg|png|pdf]
// [--larghezza PX] [--osserva]`: the plan and the profile of a compiled
// scenario as pictures, redrawn on every change with --osserva. PNG by
// default where the build draws it, SVG otherwise; a format that the build
// lacks (PNG and PDF on Windows) is a usage error that names the build which
// draws it, before any file is read.
void aggiungi_comando_disegna(CLI::App& app, contesto_comando& c);

// Reads the three files, then draws into `cartella` (the table's own when
// empty; created when missing) holding the directory's lock, and names each
// file written on `uscita`. Temporary files left there for those names by an
// interrupted drawing go first, and the profile pages beyond the route's,
// left by an earlier drawing of a longer route of the same name in the same
// format, go after. Returns the status (base/stato_uscita.h): errore_file for
// a file that cannot be read or written, errore_registrato for a file
// refused.
int esegui_disegno(const file_da_disegnare& file, const std::filesystem::path& cartella,
                   const opzioni_disegno& opzioni, std::ostream& uscita, std::ostream& errori);

// The same, then again whenever one of the three files changes, until
// Ctrl-C, which ends it with 0. Each round names the files written on
// `uscita`, or says what was wrong on `errori`; the rounds are marked, with
// the time each took, on `errori`.
int osserva_disegno(const file_da_disegnare& file, const std::filesystem::path& cartella,
                    const opzioni_disegno& opzioni, std::ostream& uscita, std::ostream& errori);

}  // namespace scenario
