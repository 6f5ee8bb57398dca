#include "piattaforma/osserva_file.h"

#include <set>
#include <system_error>

#include "piattaforma/attesa_modifiche.h"

namespace scenario {

namespace {

using orologio = std::chrono::steady_clock;

void esegui_giro(const std::function<void()>& giro, std::ostream& uscita) {
  auto inizio = orologio::now();
  giro();
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(orologio::now() - inizio);
  uscita << "-- done in " << ms.count() << " ms; watching for changes (Ctrl-C to stop)"
         << std::endl;
}

}  // namespace

std::map<std::string, firma_file> fotografia_file(const opzioni_osservazione& opzioni) {
  std::map<std::string, firma_file> stato;
  for (const auto& cartella : opzioni.cartelle) {
    std::error_code e;
    for (const auto& voce : std::filesystem::directory_iterator(cartella, e)) {
      std::string nome = voce.path().filename().string();
      if (!opzioni.interessa(nome)) continue;
      stato[nome] = firma_di(voce.path());
    }
  }
  return stato;
}

void confronta_fotografie(const std::map<std::string, firma_file>& prima,
                          const std::map<std::string, firma_file>& dopo,
                          std::set<std::string>& nomi) {
  for (const auto& [nome, firma] : dopo) {
    auto vecchia = prima.find(nome);
    if (vecchia == prima.end() || vecchia->second != firma) nomi.insert(nome);
  }
  for (const auto& [nome, firma] : prima) {
    if (!dopo.count(nome)) nomi.insert(nome);
  }
}

int osserva(const opzioni_osservazione& opzioni, const std::function<void()>& giro,
            std::ostream& uscita) {
  attesa_modifiche modifiche(opzioni);
  esegui_giro(giro, uscita);
  while (!modifiche.fine_richiesta()) {
    std::set<std::string> nomi;
    modifiche.attendi(std::nullopt, nomi);
    if (nomi.empty()) continue;
    // The rest of the burst: until nothing more comes for `quiete`.
    auto fine_quiete = orologio::now() + opzioni.quiete;
    while (!modifiche.fine_richiesta() && orologio::now() < fine_quiete) {
      auto resto = std::chrono::ceil<std::chrono::milliseconds>(fine_quiete - orologio::now());
      std::set<std::string> altri;
      modifiche.attendi(resto, altri);
      if (!altri.empty()) {
        nomi.insert(altri.begin(), altri.end());
        fine_quiete = orologio::now() + opzioni.quiete;
      }
    }
    if (modifiche.fine_richiesta()) break;
    uscita << "-- changed:";
    for (const std::string& n : nomi) uscita << ' ' << n;
    uscita << std::endl;
    esegui_giro(giro, uscita);
  }
  uscita << "-- stopped" << std::endl;
  return 0;
}

}  // namespace scenario
