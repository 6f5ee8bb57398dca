#pragma once

#include <filesystem>

namespace scenario {

// The directory that holds the running program: every file of the run lies
// there. `argv0` serves only where the system cannot name the program itself.
std::filesystem::path cartella_del_programma(const char* argv0);

}  // namespace scenario
