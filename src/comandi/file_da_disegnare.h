#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace scenario {

// The files that `disegna` reads, and the name of its pictures. Each path
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

}  // namespace scenario
