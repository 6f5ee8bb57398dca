#include "comandi/valori_opzioni.h"

#include <charconv>

namespace scenario {

CLI::Validator intero_decimale(int64_t minimo, int64_t massimo, const std::string& unita) {
  const std::string intervallo = std::to_string(minimo) + " to " + std::to_string(massimo);
  const std::string rifiuto =
      " is not a whole number" + (unita.empty() ? "" : " of " + unita) + " from " + intervallo;
  auto controlla = [minimo, massimo, rifiuto](std::string& valore) -> std::string {
    const size_t cifre = valore.starts_with('-') ? 1 : 0;
    int64_t numero = 0;
    const bool letto =
        valore.size() > cifre &&
        valore.find_first_not_of("0123456789", cifre) == std::string::npos &&
        std::from_chars(valore.data(), valore.data() + valore.size(), numero).ec == std::errc();
    if (!letto || numero < minimo || numero > massimo) return valore + rifiuto;
    valore = std::to_string(numero);
    return "";
  };
  return CLI::Validator(controlla, intervallo);
}

}  // namespace scenario
