#include "comandi/valori_opzioni.h"

#include <cctype>
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

CLI::Option* scelta_tra(CLI::Option* opzione, const std::vector<std::string>& nomi,
                        const std::vector<std::string>& valori) {
  std::string elenco;
  std::string tipo;
  for (const std::string& nome : nomi) {
    elenco += (elenco.empty() ? "" : ", ") + nome;
    tipo += (tipo.empty() ? "" : "|") + nome;
  }
  auto controlla = [nomi, valori, elenco](std::string& valore) -> std::string {
    std::string minuscolo = valore;
    for (char& c : minuscolo) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (size_t k = 0; k < nomi.size(); ++k) {
      if (nomi[k] != minuscolo) continue;
      valore = valori[k];
      return "";
    }
    return valore + " is not one of " + elenco;
  };
  // No description of its own: the type name already lists the names.
  return opzione->transform(CLI::Validator(controlla, ""))->type_name(tipo);
}

}  // namespace scenario
