#pragma once

// The three compiled files read back into the model, by the layouts of
// file_compilati/file_compilati.h. Whatever a reader accepts, the encoder of its file
// gives back byte for byte. A file that is truncated, of a size that is not a
// whole number of records, or whose parts disagree with each other is refused
// with file_compilato_non_valido, its message "<name>: <what is wrong>".

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "modello/modello.h"

namespace scenario {

class file_compilato_non_valido : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The track plan into m.planimetria, metri_totali from its length. `nome`
// names the file in a refusal.
void decodifica_file_planimetria(modello& m, std::string_view byte, const std::string& nome);
// The element table into m.elementi; linea and treno from the two headers,
// as any file's content: text to show, never part of a path.
void decodifica_file_elementi(modello& m, std::string_view byte, const std::string& nome);
// The cell grid into m.celle, n_celle from its length.
void decodifica_file_celle(modello& m, std::string_view byte, const std::string& nome);

// The names of the compiled files read into one model; an absent one was not
// read.
struct file_letti {
  std::optional<std::string> planimetria;
  std::optional<std::string> elementi;
  std::optional<std::string> celle;
};

// The route length of the element table's line record (84), the number of
// metres of the plan and the number of cells, checked against each other as
// far as the files read allow; every disagreement, as a message naming the
// file that does not match.
std::vector<std::string> dimensioni_discordanti(const modello& m, const file_letti& letti);

// The bytes of the compiled file at `percorso`, read whole; one larger than
// its kind can be (file_compilati.h) is refused unread, as an errore_file.
std::string leggi_file_planimetria(const std::string& percorso);
std::string leggi_file_elementi(const std::string& percorso);
std::string leggi_file_celle(const std::string& percorso);

// Reads the files named in `letti` (each a path) into `m` and refuses the
// first one that cannot be read, is not valid or disagrees with the others.
// A file that cannot be opened, or is larger than its kind can be, is an
// errore_file.
void leggi_file_compilati(modello& m, const file_letti& letti);

}  // namespace scenario
