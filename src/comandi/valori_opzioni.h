#pragma once

// Checks of the options' values, each refusal one short line that names the
// option and what it takes.

#include <CLI/CLI.hpp>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace scenario {

// A numeric option's value: decimal digits, after a '-' for a number below
// zero, from `minimo` to `massimo`. CLI11 alone would also take 0x100, 0b11
// and a blank before the digits, and read 010 as eight. Anything else is
// refused as "<option>: <value> is not a whole number[ of <unita>] from
// <minimo> to <massimo>". Given to an option with transform(), so that CLI11
// converts the number written again in plain digits.
CLI::Validator intero_decimale(int64_t minimo, int64_t massimo, const std::string& unita = "");

// Makes `opzione` take one of `nomi`, in any case, and hand CLI11 the value
// of the same place in `valori`. The help shows the names in the order given,
// as the type of the value: "--formato testo|csv|json". Anything else is
// refused as "<option>: <value> is not one of testo, csv, json".
CLI::Option* scelta_tra(CLI::Option* opzione, const std::vector<std::string>& nomi,
                        const std::vector<std::string>& valori);

// The same for an option of a text, which takes the name itself.
inline CLI::Option* scelta_tra(CLI::Option* opzione, const std::vector<std::string>& nomi) {
  return scelta_tra(opzione, nomi, nomi);
}

// The same for an option of an enumeration, which takes the number of the
// enumerator named: CLI11 alone would also take the numbers, and show them
// all in the help.
template <typename T>
CLI::Option* scelta_tra(CLI::Option* opzione,
                        const std::vector<std::pair<std::string, T>>& scelte) {
  std::vector<std::string> nomi;
  std::vector<std::string> valori;
  for (const auto& [nome, valore] : scelte) {
    nomi.push_back(nome);
    valori.push_back(std::to_string(static_cast<int64_t>(valore)));
  }
  return scelta_tra(opzione, nomi, valori);
}

}  // namespace scenario
