#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace scenario {

// Where a field begins in a description file. Lines and columns count from 1;
// a column counts the characters of its line before the field, a tab as one.
// Line 0 is the file as a whole; an empty `file` is no place in a description
// (an error of the whole compile or of the finishing pass).
struct luogo_sorgente {
  std::string file;
  int32_t riga = 0;
  int32_t colonna = 0;

  bool vuoto() const { return file.empty(); }
};

enum class gravita { errore, avviso };

// What an error collides with, told where it is: the row that put the other
// party there (an occupied cell's occupant, the signal of a slow-down).
struct nota_diagnostica {
  luogo_sorgente luogo;
  std::string testo;
};

// One problem as a step of the compile or the finishing pass recorded it: an
// error, whose `numero` is an error number, or a warning, whose `numero` is a
// warning code. Warnings never change a compiled byte nor n_errore.
struct diagnostica {
  int32_t numero = 0;
  gravita livello = gravita::errore;
  // Metres along the route, for the steps that record one.
  std::optional<int32_t> posizione;
  // The field of the row that the error is about.
  luogo_sorgente luogo;
  // What failed, for a run-time failure (25), or what a warning is about.
  std::string motivo;
  // The word that was probably meant, for a word that the grammar lacks.
  std::string suggerimento;
  // Shown after the entry, each at its own place.
  std::vector<nota_diagnostica> note;
};

// Appends a note to `d`, built member by member: g++ 12 sees an
// uninitialized string in a braced temporary of it.
void aggiungi_nota(diagnostica& d, luogo_sorgente luogo, std::string testo);

// An entry without a suggestion or notes, which most steps record.
diagnostica nuova_diagnostica(int32_t numero, gravita livello, std::optional<int32_t> posizione,
                              luogo_sorgente luogo, std::string motivo);

// The entries of a compile past its limit of kept entries: counted by
// severity, not kept.
struct diagnostiche_tralasciate {
  size_t errori = 0;
  size_t avvisi = 0;

  size_t totale() const { return errori + avvisi; }
};

// Where the problems of a compile are recorded: a list kept up to a limit of
// entries (0: no limit) and the count of those left out. The model lends its
// own (registro_di in modello.h); the field reader records through one and
// knows nothing else of the model.
class registro_diagnostiche {
 public:
  registro_diagnostiche(std::vector<diagnostica>& elenco, const size_t& limite,
                        diagnostiche_tralasciate& tralasciate)
      : elenco_(&elenco), limite_(&limite), tralasciate_(&tralasciate) {}

  // The one way that a problem joins a list: kept below the limit, counted
  // past it; `oltre_il_limite` keeps it past the limit too.
  void registra(diagnostica d, bool oltre_il_limite = false) const;

 private:
  std::vector<diagnostica>* elenco_;
  const size_t* limite_;
  diagnostiche_tralasciate* tralasciate_;
};

}  // namespace scenario
