#include "base/lettura_file.h"

#include <algorithm>
#include <system_error>

#include "base/errore_file.h"
#include "base/sistema_file.h"

namespace scenario {

namespace {

[[noreturn]] void fallisci(const std::filesystem::path& percorso, std::error_code e) {
  throw errore_file(percorso, e.message());
}

// Closes the file whatever way the read ends; nothing was written to it, so
// a failed close loses nothing.
struct file_letto {
  sistema_file& sistema;
  maniglia_file f;
  ~file_letto() { sistema.chiudi(f); }
};

}  // namespace

std::string leggi_file_intero(const std::filesystem::path& percorso, uint64_t massimo,
                              std::string_view cosa) {
  sistema_file& sistema = sistema_file_corrente();
  maniglia_file f{};
  if (std::error_code e = sistema.apri_lettura(percorso, f)) fallisci(percorso, e);
  const file_letto file{sistema, f};
  tipo_file tipo = tipo_file::altro;
  uint64_t dimensione = 0;
  if (std::error_code e = sistema.esamina(f, tipo, dimensione)) fallisci(percorso, e);
  if (tipo == tipo_file::cartella) {
    fallisci(percorso, std::make_error_code(std::errc::is_a_directory));
  }
  if (tipo != tipo_file::regolare) throw errore_file(percorso, "not a regular file");
  if (dimensione > massimo) {
    throw errore_file(percorso, std::to_string(dimensione) + " bytes, larger than " +
                                    descrivi_massimo(massimo, cosa));
  }

  std::string contenuto;
  contenuto.reserve(static_cast<size_t>(dimensione));
  char blocco[1 << 16];
  // One byte past the limit is enough to know that a file grown since its
  // size was taken is too large.
  uint64_t resto = massimo + 1;
  while (resto > 0) {
    const size_t chiesti = static_cast<size_t>(std::min<uint64_t>(resto, sizeof blocco));
    size_t letti = 0;
    if (std::error_code e = sistema.leggi(f, blocco, chiesti, letti)) fallisci(percorso, e);
    if (letti == 0) return contenuto;
    contenuto.append(blocco, letti);
    resto -= letti;
  }
  throw errore_file(percorso, "grew past " + descrivi_massimo(massimo, cosa) + " while being read");
}

std::string descrivi_massimo(uint64_t massimo, std::string_view cosa) {
  constexpr uint64_t mib = uint64_t{1} << 20;
  const std::string quanto = massimo != 0 && massimo % mib == 0
                                 ? std::to_string(massimo / mib) + " MiB"
                                 : std::to_string(massimo) + " bytes";
  return "the " + quanto + " " + std::string(cosa) + " may have";
}

}  // namespace scenario
