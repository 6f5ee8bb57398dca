#pragma once

// The file an author probably meant when the name given names nothing:
// "X-linea.txt" for "X_linea.txt", another case of the same name.

#include <cstddef>
#include <filesystem>
#include <string>

namespace scenario {

// A directory is read this far and no further for a name's neighbours.
constexpr size_t massime_voci_esaminate = 10000;

// When `percorso` names nothing (not even a dangling link), the entry of its
// directory whose name is the nearest to its name within a typo's edits (see
// piu_vicina; case ignored, the first in byte order on a tie), written with
// the directory as `percorso` writes it; otherwise empty. Directories are
// passed over; no link is followed, and at most `massime_voci` entries are
// read.
std::string file_vicino(const std::filesystem::path& percorso,
                        size_t massime_voci = massime_voci_esaminate);

}  // namespace scenario
