#pragma once

// How both description formats are walked. The fields before the first one
// holding "[generale]" (in any case) are passed over; after it every field is
// examined for keywords, except that a field holding a dash hides the field
// after it, a few times in a row at most. The last field of a file is never
// examined.

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "compilazione/cella_riservata.h"
#include "compilazione/grammatica.h"
#include "compilazione/lettore_campi.h"
#include "modello/modello.h"

namespace scenario {

// In the general section of a line description a keyword may hide behind up
// to ten dash fields; in its item sections and in a train description behind
// up to two.
constexpr int trattini_generale = 10;
constexpr int trattini_elementi = 2;

// Reads fields up to the first that holds "[generale]". Returns false when
// the end of the file comes before it or with it; an empty file gives false
// without a read.
bool cerca_generale(lettore_campi& file);

// The next field to examine: reads one and, while it holds a dash, the one
// after it, at most `trattini` times. Returns nullopt at the end of the file.
// With `fine_tra_trattini` false the end is not looked for between the dash
// reads: a file that ends in dashes there is a read past its end.
std::optional<std::string> prossima_voce(lettore_campi& file, int trattini,
                                         bool fine_tra_trattini = true);

// Where a keyword field that begins its line holds no row kind that its
// place knows (the line description's general section or the sections after
// it, any place of a train description), warns that the row is ignored, with
// a hint where the words belong to a kind of another place or were written
// with capitals where case counts, and otherwise the keyword that it is a
// likely typo of (see piu_vicina): of this place, or else of another with a
// word of where it belongs. Empty fields are no rows; a header that begins
// its line and is none of its format's is warned of too, with the nearest
// header of the format.
void avvisa_se_sconosciuta(lettore_campi& file, const std::string& campo,
                           grammatica::formato formato, bool sezione_generale);

// Where a file without "[generale]" was meant to have it, and what stands
// there: the first line that looks like a misspelt "[generale]" (bracketed
// but no other section's header, or holding the word "general" in any case),
// else the first line that holds anything, else the file as a whole.
std::pair<luogo_sorgente, std::string> dove_manca_generale(const lettore_campi& file);

// A section header as the line description's general section ends at it:
// bracketed, and not a dash field.
bool intestazione(std::string_view campo);

// Walks the rows of one part of a description: the general section of a line
// description (`generale`), which ends after its first header, or the rows
// after it, or the whole body of a train description. Each keyword field
// goes to `esamina(campo, voce, riconosciuta)` with its place: it reads the
// values of every kind that the field holds, sets `riconosciuta` when one
// matched, and returns nullopt to go on or the outcome that stops the walk,
// which is returned as it is. A row that goes on is closed (warning
// campi_in_piu) and, when it matched no kind, reported. Returns nullopt at
// the end of the part.
template <typename Esamina>
auto leggi_righe(modello& m, lettore_campi& file, grammatica::formato formato, bool generale,
                 Esamina esamina) {
  using esito = decltype(esamina(std::string(), campo_letto(), std::declval<bool&>()));
  // In the general section there is no end test between the dash reads: a
  // file ending in dashes there is a read past its end.
  const int trattini = generale ? trattini_generale : trattini_elementi;
  while (std::optional<std::string> campo = prossima_voce(file, trattini, !generale)) {
    const campo_letto voce = campo_letto::ultimo(file);
    bool riconosciuta = false;
    {
      sorveglia_cella_riservata sorveglianza(m, file);
      if (esito e = esamina(*campo, voce, riconosciuta)) return e;
    }
    file.chiudi_riga();
    if (!riconosciuta) avvisa_se_sconosciuta(file, *campo, formato, generale);
    if (generale && intestazione(*campo)) break;
  }
  return esito();
}

}  // namespace scenario
