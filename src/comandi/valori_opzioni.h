#pragma once

// Checks of the options' values, each refusal one short line that names the
// option and what it takes.

#include <CLI/CLI.hpp>
#include <cctype>
#include <cstdint>
#include <map>
#include <string>

namespace scenario {

// A numeric option's value: decimal digits, after a '-' for a number below
// zero, from `minimo` to `massimo`. CLI11 alone would also take 0x100, 0b11
// and a blank before the digits, and read 010 as eight. Anything else is
// refused as "<option>: <value> is not a whole number[ of <unita>] from
// <minimo> to <massimo>". Given to an option with transform(), so that CLI11
// converts the number written again in plain digits.
CLI::Validator intero_decimale(int64_t minimo, int64_t massimo, const std::string& unita = "");

// An option whose value is one of the names of `scelte`, in any case; given
// with transform(), it hands CLI11 the number of the enumerator. Anything
// else, the enumerators' numbers too, is refused as "<option>: <value> is not
// one of <the names>".
template <typename T>
CLI::Validator scelta_tra(const std::map<std::string, T>& scelte) {
  std::string elenco;
  for (const auto& [nome, valore] : scelte) elenco += (elenco.empty() ? "" : ", ") + nome;
  auto controlla = [scelte, elenco](std::string& valore) -> std::string {
    std::string minuscolo = valore;
    for (char& c : minuscolo) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    auto trovata = scelte.find(minuscolo);
    if (trovata == scelte.end()) return valore + " is not one of " + elenco;
    valore = std::to_string(static_cast<int64_t>(trovata->second));
    return "";
  };
  return CLI::Validator(controlla, elenco);
}

}  // namespace scenario
