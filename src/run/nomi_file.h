#pragma once

// The names of every file of a run, formed from the route name and the train
// number and joined to the program's directory with the platform's separator.

#include <filesystem>
#include <string>
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
