#include "base/file_vicino.h"

#include <algorithm>
#include <exception>
#include <string_view>
#include <system_error>
#include <vector>

#include "base/distanza_modifica.h"

namespace scenario {

std::string file_vicino(const std::filesystem::path& percorso, size_t massime_voci) try {
  namespace fs = std::filesystem;
  std::error_code e;
  if (fs::symlink_status(percorso, e).type() != fs::file_type::not_found) return {};
  const std::string scritto = percorso.filename().string();
  if (scritto.empty()) return {};
  const fs::path cartella = percorso.parent_path();
  std::vector<std::string> nomi;
  fs::directory_iterator voce(cartella.empty() ? fs::path(".") : cartella, e);
  for (size_t letti = 0; !e && voce != fs::directory_iterator() && letti < massime_voci;
       voce.increment(e), ++letti) {
    std::error_code tipo;
    if (voce->symlink_status(tipo).type() == fs::file_type::directory || tipo) continue;
    nomi.push_back(voce->path().filename().string());
  }
  std::sort(nomi.begin(), nomi.end());
  const std::vector<std::string_view> candidati(nomi.begin(), nomi.end());
  const std::optional<size_t> i = piu_vicina(scritto, candidati);
  if (!i) return {};
  // The directory as written: joined again, Windows would turn its slashes.
  const std::string intero = percorso.string();
  return intero.substr(0, intero.size() - scritto.size()) + nomi[*i];
} catch (const std::exception&) {
  // A name that this system cannot convert, or no memory: a suggestion is
  // worth no failure of its own.
  return {};
}

}  // namespace scenario
