#include "ispezione/tipo_file.h"

#include <memory>

#include "file_compilati/lettura_file_compilati.h"

namespace scenario {

std::optional<tipo_file_compilato> tipo_da_nome(const std::string& percorso) {
  if (percorso.ends_with("_linea.dat")) return tipo_file_compilato::planimetria;
  if (percorso.ends_with(".sim")) return tipo_file_compilato::elementi;
  if (percorso.ends_with(".dat")) return tipo_file_compilato::celle;
  return std::nullopt;
}

const char* nome_tipo_file(tipo_file_compilato t) {
  switch (t) {
    case tipo_file_compilato::planimetria:
      return "planimetria";
    case tipo_file_compilato::elementi:
      return "tabella degli elementi";
    case tipo_file_compilato::celle:
      return "griglia delle celle";
  }
  return "";
}

const char* descrizione_tipo_file(tipo_file_compilato t) {
  switch (t) {
    case tipo_file_compilato::planimetria:
      return "a track plan";
    case tipo_file_compilato::elementi:
      return "an element table";
    case tipo_file_compilato::celle:
      return "a cell grid";
  }
  return "";
}

void decodifica_file_di_tipo(modello& m, const std::string& byte, tipo_file_compilato tipo,
                             const std::string& percorso) {
  switch (tipo) {
    case tipo_file_compilato::planimetria:
      decodifica_file_planimetria(m, byte, percorso);
      return;
    case tipo_file_compilato::elementi:
      decodifica_file_elementi(m, byte, percorso);
      return;
    case tipo_file_compilato::celle:
      decodifica_file_celle(m, byte, percorso);
      return;
  }
}

std::optional<tipo_file_compilato> altro_tipo_del_contenuto(const std::string& byte,
                                                            tipo_file_compilato tipo) {
  auto m = std::make_unique<modello>();
  const tipo_file_compilato tutti[] = {tipo_file_compilato::planimetria,
                                       tipo_file_compilato::elementi, tipo_file_compilato::celle};
  for (tipo_file_compilato altro : tutti) {
    if (altro == tipo) continue;
    try {
      decodifica_file_di_tipo(*m, byte, altro, "");
      return altro;
    } catch (const file_compilato_non_valido&) {
    }
  }
  return std::nullopt;
}

}  // namespace scenario
