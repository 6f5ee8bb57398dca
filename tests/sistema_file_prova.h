#pragma once

// Test support: a file system that passes every call on to the platform's and
// lets a test fail, or hold, any one of them.

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <system_error>

#include "base/scrittore_file.h"
#include "base/sistema_file.h"

namespace scenario::prova {

enum class passo_file {
  crea,
  scrivi,
  sincronizza,
  chiudi,
  rinomina,
  sincronizza_cartella,
  apri_lettura,
  leggi
};

inline const char* nome_passo(passo_file p) {
  switch (p) {
    case passo_file::crea:
      return "create";
    case passo_file::scrivi:
      return "write";
    case passo_file::sincronizza:
      return "sync";
    case passo_file::chiudi:
      return "close";
    case passo_file::rinomina:
      return "rename";
    case passo_file::sincronizza_cartella:
      return "directory sync";
    case passo_file::apri_lettura:
      return "open for reading";
    case passo_file::leggi:
      return "read";
  }
  return "?";
}

class sistema_file_prova : public sistema_file {
 public:
  // Called before each call with its step and the name of the file that it
  // replaces or reads (for a directory sync, the file renamed last; for the
  // close of a file read, none); an error that it returns becomes the call's
  // result, and the platform is not called.
  std::function<std::error_code(passo_file, const std::string& nome)> intercetta =
      [](passo_file, const std::string&) { return std::error_code{}; };

  std::error_code crea_unico(const std::string& prefisso, std::string& percorso,
                             maniglia_file& f) override {
    std::string nome = std::filesystem::path(prefisso).filename().string();
    nome.resize(nome.size() - marcatore_temporaneo.size());
    if (std::error_code e = intercetta(passo_file::crea, nome)) return e;
    std::error_code e = piattaforma_.crea_unico(prefisso, percorso, f);
    if (!e) nomi_[f] = nome;
    return e;
  }
  std::error_code scrivi(maniglia_file f, const char* dati, size_t n) override {
    if (std::error_code e = intercetta(passo_file::scrivi, nomi_[f])) return e;
    return piattaforma_.scrivi(f, dati, n);
  }
  std::error_code sincronizza(maniglia_file f) override {
    if (std::error_code e = intercetta(passo_file::sincronizza, nomi_[f])) return e;
    return piattaforma_.sincronizza(f);
  }
  // The file is closed even when the close is made to fail.
  std::error_code chiudi(maniglia_file f) override {
    std::error_code e = intercetta(passo_file::chiudi, nomi_[f]);
    std::error_code p = piattaforma_.chiudi(f);
    nomi_.erase(f);
    letti_.erase(f);
    return e ? e : p;
  }
  std::error_code apri_lettura(const std::filesystem::path& percorso, maniglia_file& f) override {
    const std::string nome = percorso.filename().string();
    if (std::error_code e = intercetta(passo_file::apri_lettura, nome)) return e;
    std::error_code e = piattaforma_.apri_lettura(percorso, f);
    if (!e) letti_[f] = nome;
    return e;
  }
  std::error_code esamina(maniglia_file f, tipo_file& tipo, uint64_t& dimensione) override {
    return piattaforma_.esamina(f, tipo, dimensione);
  }
  std::error_code leggi(maniglia_file f, char* dati, size_t n, size_t& letti) override {
    if (std::error_code e = intercetta(passo_file::leggi, letti_[f])) return e;
    return piattaforma_.leggi(f, dati, n, letti);
  }
  std::error_code rinomina(const std::filesystem::path& da,
                           const std::filesystem::path& a) override {
    if (std::error_code e = intercetta(passo_file::rinomina, a.filename().string())) return e;
    std::error_code e = piattaforma_.rinomina(da, a);
    if (!e) rinominato_ = a.filename().string();
    return e;
  }
  std::error_code sincronizza_cartella(const std::filesystem::path& cartella) override {
    if (std::error_code e = intercetta(passo_file::sincronizza_cartella, rinominato_)) return e;
    return piattaforma_.sincronizza_cartella(cartella);
  }
  std::error_code cancella(const std::filesystem::path& percorso) override {
    return piattaforma_.cancella(percorso);
  }
  std::error_code apri_blocco(const std::filesystem::path& cartella, maniglia_file& f) override {
    return piattaforma_.apri_blocco(cartella, f);
  }
  std::error_code blocca(maniglia_file f, bool attendi) override {
    return piattaforma_.blocca(f, attendi);
  }
  std::error_code rilascia_blocco(maniglia_file f) override {
    return piattaforma_.rilascia_blocco(f);
  }

 private:
  sistema_file& piattaforma_ = sistema_file_di_piattaforma();
  std::map<maniglia_file, std::string> nomi_;
  std::map<maniglia_file, std::string> letti_;
  std::string rinominato_;
};

}  // namespace scenario::prova
