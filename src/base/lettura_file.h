#pragma once

// Whole files read at once: an author's descriptions, compiled files read
// back. Every failure throws errore_file naming the file and the reason.

#include <filesystem>
#include <string>

namespace scenario {

// The whole content of the file at `percorso`; the file is never changed.
std::string leggi_file_intero(const std::filesystem::path& percorso);

}  // namespace scenario
