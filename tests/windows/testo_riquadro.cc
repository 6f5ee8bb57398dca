// Test build only: finds the message box titled `titolo` among the desktop's
// windows and prints its text on one line, the screen position of the centre
// of its OK button on the next, and the left, top, width and height of the
// box's client area on the third. Exits with 1 when there is no such box.

#include <windows.h>

#include <iostream>
#include <string>

namespace {

std::string stretta(const std::wstring& testo) {
  int n = WideCharToMultiByte(CP_ACP, 0, testo.data(), static_cast<int>(testo.size()), nullptr, 0,
                              nullptr, nullptr);
  std::string risultato(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_ACP, 0, testo.data(), static_cast<int>(testo.size()), risultato.data(), n,
                      nullptr, nullptr);
  return risultato;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 2;
  // "#32770" is the class of every dialog box, the message box's included.
  HWND riquadro = FindWindowW(L"#32770", argv[1]);
  if (riquadro == nullptr) return 1;
  // The message box keeps its text in a static control with the id 0xFFFF.
  wchar_t testo[512] = {};
  GetDlgItemTextW(riquadro, 0xFFFF, testo, 512);
  RECT ok{}, area{};
  HWND bottone = GetDlgItem(riquadro, IDOK);
  if (bottone == nullptr || !GetWindowRect(bottone, &ok) || !GetClientRect(riquadro, &area)) {
    return 1;
  }
  MapWindowPoints(riquadro, nullptr, reinterpret_cast<POINT*>(&area), 2);
  std::cout << stretta(testo) << "\n"
            << (ok.left + ok.right) / 2 << " " << (ok.top + ok.bottom) / 2 << "\n"
            << area.left << " " << area.top << " " << area.right - area.left << " "
            << area.bottom - area.top << std::endl;
  return 0;
}
