#include <exception>
#include <iostream>
#include <memory>
#include <new>
#include <sstream>
#include <string>

#include "base/interruzione.h"
#include "comandi/riga_di_comando.h"
#include "piattaforma/cartella_programma.h"
#include "piattaforma/console.h"
#include "generazione/errore.h"
#include "generazione/finestra_programma.h"

namespace {

// Without a console no one reads standard error: the messages of the run are
// gathered and shown in one message box at its end.
void mostra_se_senza_console(bool console, const std::string& messaggi, scenario::finestra& f) {
  if (console || messaggi.empty()) return;
  std::string testo = messaggi;
  while (!testo.empty() && testo.back() == '\n') testo.pop_back();
  f.messaggio(testo);
}

}  // namespace

int main(int argc, char** argv) {
  scenario::installa_gestori_interruzione();
  const bool console = scenario::console_collegata();
  std::ostringstream raccolti;
  std::ostream& errori = console ? std::cerr : raccolti;
  std::unique_ptr<scenario::finestra> finestra;
  int stato = scenario::stato_uscita::errore_file;
  try {
    finestra = scenario::crea_finestra_programma(std::cout, errori);
    scenario::contesto_comando c{std::cout, errori, scenario::cartella_del_programma(argv[0]), {},
                                 finestra.get()};
    stato = scenario::esegui_riga_di_comando(argc, argv, c);
  } catch (const std::bad_alloc&) {
    // what() of bad_alloc says "std::bad_alloc", which tells a user nothing.
    errori << "generatore: unexpected failure: out of memory" << std::endl;
  } catch (const std::exception& e) {
    errori << "generatore: unexpected failure: " << e.what() << std::endl;
  } catch (...) {
    errori << "generatore: unexpected failure" << std::endl;
  }
  if (finestra) mostra_se_senza_console(console, raccolti.str(), *finestra);
  return stato;
}
