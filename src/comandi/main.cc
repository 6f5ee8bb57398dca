#include <exception>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "base/interruzione.h"
#include "comandi/riga_di_comando.h"
#include "run/errore.h"

namespace {

// Every file of the run without arguments lies in the directory that holds
// the program.
std::filesystem::path cartella_del_programma(const char* argv0) {
  std::error_code errore;
  std::filesystem::path eseguibile = std::filesystem::read_symlink("/proc/self/exe", errore);
  if (errore) eseguibile = std::filesystem::absolute(argv0, errore);
  return eseguibile.parent_path();
}

}  // namespace

int main(int argc, char** argv) {
  scenario::installa_gestori_interruzione();
  try {
    scenario::contesto_comando c{std::cout, std::cerr, cartella_del_programma(argv[0]), {}};
    return scenario::esegui_riga_di_comando(argc, argv, c);
  } catch (const std::exception& e) {
    std::cerr << "Errore imprevisto: " << e.what() << std::endl;
  } catch (...) {
    std::cerr << "Errore imprevisto" << std::endl;
  }
  return scenario::stato_uscita::errore_file;
}
