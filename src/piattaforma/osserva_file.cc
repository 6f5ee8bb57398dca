#include "piattaforma/osserva_file.h"

#include <set>
#include <system_error>
#include <vector>

#include "piattaforma/attesa_modifiche.h"

namespace scenario {

namespace {

using orologio = std::chrono::steady_clock;

void esegui_giro(const std::function<void()>& giro, std::ostream& messaggi) {
  auto inizio = orologio::now();
  giro();
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(orologio::now() - inizio);
  messaggi << "-- done in " << ms.count() << " ms; watching for changes (Ctrl-C to stop)"
           << std::endl;
}

// Whether a file of this name is in one of the directories watched.
bool presente(const opzioni_osservazione& opzioni, const std::string& nome) {
  for (const auto& cartella : opzioni.cartelle) {
    std::error_code e;
    if (std::filesystem::exists(cartella / nome, e)) return true;
  }
  return false;
}

std::string mostra(const opzioni_osservazione& opzioni, const std::string& nome) {
  return opzioni.mostra ? opzioni.mostra(nome) : nome;
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
            std::ostream& messaggi) {
  attesa_modifiche modifiche(opzioni);
  esegui_giro(giro, messaggi);
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
    // A file deleted, or renamed away, is waited for: a round without it
    // would only say that it cannot be read. Its return is a change like any.
    std::vector<std::string> cancellati;
    for (const std::string& n : nomi) {
      if (!presente(opzioni, n)) cancellati.push_back(n);
    }
    if (!cancellati.empty()) {
      for (const std::string& n : cancellati) {
        messaggi << "-- " << mostra(opzioni, n) << " was deleted; waiting for it to come back"
                 << std::endl;
      }
      continue;
    }
    messaggi << "-- changed:";
    for (const std::string& n : nomi) messaggi << ' ' << mostra(opzioni, n);
    messaggi << std::endl;
    esegui_giro(giro, messaggi);
  }
  messaggi << "-- stopped" << std::endl;
  return 0;
}

}  // namespace scenario
