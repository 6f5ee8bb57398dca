// Test build only, never shipped: the built-in run with its window held open
// after it is painted, until a file named "continua" appears beside the
// program (at most two minutes), so that a test can find the window and look
// at it while the run works. Then the run goes on and ends as the program's.

#include <windows.h>

#include <filesystem>
#include <iostream>
#include <memory>

#include "piattaforma/cartella_programma.h"
#include "generazione/finestra_programma.h"
#include "generazione/generazione.h"

namespace {

class finestra_trattenuta : public scenario::finestra {
 public:
  finestra_trattenuta(std::unique_ptr<scenario::finestra> vera, std::filesystem::path segnale)
      : vera_(std::move(vera)), segnale_(std::move(segnale)) {}

  void mostra(const std::string& etichetta) override {
    vera_->mostra(etichetta);
    // Messages are handled while waiting, as the desktop would keep the
    // window drawn.
    for (int decimi = 0; decimi < 1200 && !std::filesystem::exists(segnale_); ++decimi) {
      MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
      MSG messaggio;
      while (PeekMessageW(&messaggio, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&messaggio);
    }
  }
  void messaggio(const std::string& testo) override { vera_->messaggio(testo); }

 private:
  std::unique_ptr<scenario::finestra> vera_;
  std::filesystem::path segnale_;
};

}  // namespace

int main(int, char** argv) {
  std::filesystem::path cartella = scenario::cartella_del_programma(argv[0]);
  finestra_trattenuta f(scenario::crea_finestra_programma(std::cout, std::cerr),
                        cartella / "continua");
  return scenario::esegui_generazione(cartella, f, std::cerr);
}
