#include "generazione/finestra_programma.h"

#include "piattaforma/finestra_windows.h"

namespace scenario {

namespace {

class finestra_grafica : public finestra {
 public:
  void mostra(const std::string& etichetta) override { nativa_.mostra(etichetta); }
  void messaggio(const std::string& testo) override { nativa_.messaggio(testo); }

 private:
  finestra_windows nativa_;
};

}  // namespace

std::unique_ptr<finestra> crea_finestra_programma(std::ostream&, std::ostream&) {
  return std::make_unique<finestra_grafica>();
}

}  // namespace scenario
