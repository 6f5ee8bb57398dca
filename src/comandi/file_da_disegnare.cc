#include "comandi/file_da_disegnare.h"

namespace scenario {

std::optional<file_da_disegnare> file_accanto(const std::filesystem::path& file_sim,
                                              const std::filesystem::path& planimetria) {
  const std::string nome_file = file_sim.filename().string();
  const std::string coda = ".sim";
  if (nome_file.size() <= coda.size() || !nome_file.ends_with(coda)) return std::nullopt;
  file_da_disegnare file;
  file.elementi = file_sim;
  file.nome = nome_file.substr(0, nome_file.size() - coda.size());
  file.celle = file_sim.parent_path() / (file.nome + ".dat");
  file.planimetria = planimetria;
  const size_t separatore = file.nome.rfind('_');
  if (file.planimetria.empty() && separatore != std::string::npos && separatore > 0) {
    file.planimetria = file_sim.parent_path() / (file.nome.substr(0, separatore) + "_linea.dat");
  }
  return file;
}

}  // namespace scenario
