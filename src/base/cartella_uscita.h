#pragma once

// The directories that the commands write into: a failure throws
// errore_file naming the directory and the reason.

#include <filesystem>

namespace scenario {

// Creates `cartella`, and the directories above it, when missing.
void crea_cartella_uscita(const std::filesystem::path& cartella);

}  // namespace scenario
