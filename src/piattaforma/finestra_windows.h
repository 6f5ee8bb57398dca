#pragma once

// The program's window and message box on Windows, through the Win32 API.

#include <cstdint>
#include <string>

namespace scenario {

// The caption of the program's window and of its message boxes: the
// application's own title.
inline constexpr const char* titolo_programma = "Generatore scenario";

class finestra_windows {
 public:
  finestra_windows() = default;
  // The window goes away with the object.
  ~finestra_windows();
  finestra_windows(const finestra_windows&) = delete;
  finestra_windows& operator=(const finestra_windows&) = delete;

  // Shows a window of 280 x 179 pixels inside its frame with one label, in a
  // 24-point bold face, and paints it once. The program runs on without it
  // when it cannot be made (a session without a desktop).
  void mostra(const std::string& etichetta);
  // A modal box over the window with `testo`, an OK button only and no icon;
  // returns the button code (IDOK, 1), or 0 when the box could not be shown.
  int32_t messaggio(const std::string& testo);

  // The window, or null before mostra() (an HWND).
  void* maniglia() const { return finestra_; }

 private:
  void* finestra_ = nullptr;
  void* carattere_ = nullptr;
};

}  // namespace scenario
