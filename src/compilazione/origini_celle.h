#pragma once

// Which row of a description put each item on the cell grid. The compile keeps
// it beside the model while it fills the grid and hands it on to the finishing
// pass, so that an error about a taken cell can name the item in it and the
// row that placed it. None of it is compiled.
//
// A row's place is kept as its reader and offset while the reader lives, and
// counted into a line and a column only when the reading of its file ends
// (fissa_luoghi): counting in file order costs one pass over the file, where
// counting at every item would count again from the top of the file after
// each warning about a later field of its row.

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "compilazione/lettore_campi.h"
#include "modello/diagnostica.h"
#include "modello/modello.h"

namespace scenario {

// What an item on the grid is, as an author knows it.
enum class occupante : uint8_t {
  segnale,
  inizio_rallentamento,
  fine_rallentamento,
  avviso_rallentamento,
  tabella_distanziometrica,
  indicatore_v_max,
  cartello,
  fermata,
  abbattimento,
  punto_della_passata,
};

class origini_celle {
 public:
  // Forgets every origin, for a grid sized anew.
  void azzera();

  // Item `chi` at `posizione` metres went into cell `k`, put there by the row
  // whose position field is `campo` (empty: by no row); it replaces what the
  // cell held. `numero` tells the four distance boards of a slow-down apart.
  void registra(int64_t k, occupante chi, int64_t posizione, const campo_letto& campo,
                int32_t numero = 0);

  // Counts the places of the rows whose reader is still kept: call it before
  // that reader goes.
  void fissa_luoghi();

  // Appends to `d` a note that names the item in cell `k` of `m`, where it is
  // and the row that put it there; without a known row, the note says so and
  // has no place.
  void annota(diagnostica& d, const modello& m, int64_t k) const;

  // The row that put the item of cell `k` there; empty when none is known.
  luogo_sorgente luogo_di(int64_t k) const;

 private:
  struct riga_origine {
    const lettore_campi* file = nullptr;  // until its place is counted
    size_t offset = 0;
    int32_t nome = -1;  // in nomi_
    int32_t linea = 0;
    int32_t colonna = 0;
  };
  struct origine {
    occupante chi = occupante::segnale;
    int32_t numero = 0;
    int64_t posizione = 0;
    int32_t riga = -1;  // in righe_, -1 for no row
  };

  const origine* di(int64_t k) const;
  luogo_sorgente luogo(int32_t riga) const;

  std::vector<int32_t> per_cella_;  // index in origini_, -1 for none
  std::vector<origine> origini_;
  std::vector<riga_origine> righe_;
  std::vector<std::string> nomi_;
  const lettore_campi* ultimo_file_ = nullptr;
};

// Records error `numero` of a row at `posizione` whose item found cells
// taken: at the row's field `campo`, with a note for the item in each of the
// `celle` that is taken (none without `origini`).
void registra_celle_occupate(modello& m, const origini_celle* origini, int32_t numero,
                             int32_t posizione, const campo_letto& campo,
                             std::initializer_list<int64_t> celle);

}  // namespace scenario
