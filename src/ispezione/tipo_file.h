#pragma once

// The three kinds of compiled file, told by their names, and each read as
// its kind.

#include <optional>
#include <string>

#include "modello/modello.h"

namespace scenario {

enum class tipo_file_compilato { planimetria, elementi, celle };

// The kind of a compiled file by its name: "..._linea.dat" the track plan,
// "....sim" the element table, any other "....dat" the cell grid.
std::optional<tipo_file_compilato> tipo_da_nome(const std::string& percorso);

// The name of a kind, as the reports give it.
const char* nome_tipo_file(tipo_file_compilato t);
// The kind as the messages name it: "a track plan"...
const char* descrizione_tipo_file(tipo_file_compilato t);

// Decodes `byte` into `m` as a file of kind `tipo`; a file refused is a
// file_compilato_non_valido naming `percorso`.
void decodifica_file_di_tipo(modello& m, const std::string& byte, tipo_file_compilato tipo,
                             const std::string& percorso);

// The other kind whose file `byte` reads as, when a file of kind `tipo` was
// refused; nullopt when it reads as none.
std::optional<tipo_file_compilato> altro_tipo_del_contenuto(const std::string& byte,
                                                            tipo_file_compilato tipo);

}  // namespace scenario
