#pragma once

// The program's window: a label painted once before the work, and a modal
// message box. Kept behind this interface so that a graphical window can
// replace the console stand-in without touching the steps of the run.

#include <iosfwd>
#include <string>

namespace scenario {

class finestra {
 public:
  virtual ~finestra() = default;
  // Shows the window with its one label and paints it once.
  virtual void mostra(const std::string& etichetta) = 0;
  // Shows `testo` in a modal box with an OK button, until it is pressed.
  virtual void messaggio(const std::string& testo) = 0;
};

// The stand-in for machines without a display: the label goes to standard
// output, a message to standard error.
class finestra_console : public finestra {
 public:
  finestra_console(std::ostream& uscita, std::ostream& errori);
  void mostra(const std::string& etichetta) override;
  void messaggio(const std::string& testo) override;

 private:
  std::ostream& uscita_;
  std::ostream& errori_;
};

}  // namespace scenario
