#pragma once

// The author's files that the subcommands read and the directories they
// write into: every failure throws errore_file naming the file and the reason.

#include <filesystem>
#include <string>

namespace scenario {

// The whole content of the file at `percorso`, read once; the file is never
// changed.
std::string leggi_file_utente(const std::filesystem::path& percorso);

// Creates `cartella`, and the directories above it, when missing.
void crea_cartella_uscita(const std::filesystem::path& cartella);

}  // namespace scenario
