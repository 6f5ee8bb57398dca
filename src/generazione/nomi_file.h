#pragma once

// The names of every file of a run, formed from the route name and the train
// number and joined to the program's directory with the platform's separator.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

std::string nome_descrizione_linea(const std::string& linea);
std::string nome_descrizione_treno(const std::string& linea, const std::string& treno);
std::string nome_scheda_treno(const std::string& linea, const std::string& treno);
std::string nome_rallentamenti(const std::string& linea, const std::string& treno);
std::string nome_note(const std::string& linea, const std::string& treno);
// The track plan carries the route name alone: two trains on one route share it.
std::string nome_planimetria(const std::string& linea);
std::string nome_elementi(const std::string& linea, const std::string& treno);
std::string nome_celle(const std::string& linea, const std::string& treno);

// The eight names above: every file that a run writes.
std::vector<std::string> nomi_file_esecuzione(const std::string& linea, const std::string& treno);

// The longest file name that the file systems of Linux and Windows take, in
// bytes of UTF-8 (never fewer UTF-16 units), temporary suffix included.
inline constexpr size_t lunghezza_massima_nome_file = 255;

// What makes `nome` (a route name or a train number) unfit to be part of a
// file name on Linux or on Windows, or "" when nothing does: a character that
// either refuses or that leads out of the directory, a control character, "."
// or "..", or a device name of Windows (CON, PRN, AUX, NUL, COM0 to COM9,
// LPT0 to LPT9, in any case, alone or before a dot).
std::string difetto_nome(std::string_view nome);

// What makes the files `nomi`, formed from one route name and train number,
// unfit to be written side by side, or "" when nothing does: a name refused
// as above, a name too long once a temporary file's suffix is added, or two
// names that are one file where case does not count, as on Windows.
std::string difetto_nomi_file(const std::vector<std::string>& nomi);

// Every file of one run, built once by the run and handed whole to the steps
// that write or read them.
struct percorsi_scenario {
  std::filesystem::path descrizione_linea;
  std::filesystem::path descrizione_treno;
  std::filesystem::path scheda_treno;
  std::filesystem::path rallentamenti;
  std::filesystem::path note;
  std::filesystem::path planimetria;
  std::filesystem::path elementi;
  std::filesystem::path celle;
};

percorsi_scenario percorsi_in(const std::filesystem::path& cartella, const std::string& linea,
                              const std::string& treno);

}  // namespace scenario
