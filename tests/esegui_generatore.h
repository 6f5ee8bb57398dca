#pragma once

// Test support: the real executable, copied into a directory and started from
// elsewhere, as a user would start it. POSIX only: on Windows the executable
// is run by windows/prove-wine.

#ifndef _WIN32
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cartella_temporanea.h"

namespace scenario::prova {

inline std::filesystem::path copia_generatore(const cartella_temporanea& cartella) {
  std::filesystem::path eseguibile = cartella / "generatore";
  std::filesystem::copy_file(PERCORSO_GENERATORE, eseguibile,
                             std::filesystem::copy_options::overwrite_existing);
  return eseguibile;
}

// Starts `eseguibile` from the root directory, with standard output and
// standard error going to the files `uscita` and `errori`; returns its
// process id.
inline pid_t avvia(const std::filesystem::path& eseguibile, const std::filesystem::path& uscita,
                   const std::filesystem::path& errori) {
  pid_t figlio = fork();
  if (figlio != 0) return figlio;
  int u = open(uscita.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  int e = open(errori.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (u < 0 || e < 0 || dup2(u, 1) < 0 || dup2(e, 2) < 0 || chdir("/") != 0) _exit(127);
  execl(eseguibile.c_str(), eseguibile.c_str(), static_cast<char*>(nullptr));
  _exit(127);
}

// The exit status of a process that ended by itself, -1 otherwise.
inline int attendi(pid_t figlio) {
  int stato = 0;
  if (waitpid(figlio, &stato, 0) != figlio) return -1;
  return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

struct esito_processo {
  int stato;
  std::string uscita;
  std::string errori;
};

// Runs the generator copied into `cartella` and waits for it.
inline esito_processo esegui_copia(const cartella_temporanea& cartella) {
  std::filesystem::path eseguibile = copia_generatore(cartella);
  cartella_temporanea altrove;
  int stato = attendi(avvia(eseguibile, altrove / "out", altrove / "err"));
  return {stato, leggi_file(altrove / "out"), leggi_file(altrove / "err")};
}

// Starts the generator with `argomenti` from the directory `lavoro`, its
// standard output and standard error going to the files `uscita` and
// `errori`, and with at most `indirizzi` bytes of address space when not 0;
// returns its process id.
inline pid_t avvia_con_argomenti(const std::vector<std::string>& argomenti,
                                 const std::filesystem::path& lavoro,
                                 const std::filesystem::path& uscita,
                                 const std::filesystem::path& errori, size_t indirizzi = 0) {
  pid_t figlio = fork();
  if (figlio != 0) return figlio;
  int u = open(uscita.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  int e = open(errori.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
  if (u < 0 || e < 0 || dup2(u, 1) < 0 || dup2(e, 2) < 0 || chdir(lavoro.c_str()) != 0) {
    _exit(127);
  }
  const rlimit limite{indirizzi, indirizzi};
  if (indirizzi != 0 && setrlimit(RLIMIT_AS, &limite) != 0) _exit(127);
  std::vector<char*> argv{const_cast<char*>(PERCORSO_GENERATORE)};
  for (const std::string& a : argomenti) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  execv(PERCORSO_GENERATORE, argv.data());
  _exit(127);
}

// The same, waiting for it; standard output and standard error are kept
// apart from `lavoro`.
inline esito_processo esegui_con_argomenti(const std::vector<std::string>& argomenti,
                                           const std::filesystem::path& lavoro) {
  cartella_temporanea flussi;
  int stato = attendi(avvia_con_argomenti(argomenti, lavoro, flussi / "out", flussi / "err"));
  return {stato, leggi_file(flussi / "out"), leggi_file(flussi / "err")};
}

}  // namespace scenario::prova

#endif
