#pragma once

// Whole files read at once: an author's descriptions, compiled files read
// back. They go through the current sistema_file, as writes do, and every
// failure throws errore_file naming the file and the reason.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace scenario {

// The whole content of the regular file at `percorso`; the file is never
// changed. Anything else (a directory, a FIFO, a device) is refused without
// waiting for a writer, and so is a file of more than `massimo` bytes, before
// any byte is read and again should it grow while being read: the refusal
// names the limit as that of `cosa`, e.g. "a description".
std::string leggi_file_intero(const std::filesystem::path& percorso, uint64_t massimo,
                              std::string_view cosa);

// "the 64 MiB a description may have": the limit as a refusal names it,
// in MiB when it is a whole number of them, in bytes otherwise.
std::string descrivi_massimo(uint64_t massimo, std::string_view cosa);

}  // namespace scenario
