#include "piattaforma/finestra_windows.h"

#include <windows.h>

namespace scenario {

namespace {

const wchar_t* const classe_finestra = L"generatore_scenario";

// The window's layout in pixels at 96 dots per inch: client area 280 x 179,
// the label at 64, 64, 177 x 53 (4200 x 2688, 960, 960 and 2652 x 792 twips
// at 15 twips a pixel). Being laid out in twips, it grows with the screen's
// resolution, as the manifest tells the system that the program does.
constexpr int larghezza_client = 280;
constexpr int altezza_client = 179;
constexpr int x_etichetta = 64;
constexpr int y_etichetta = 64;
constexpr int larghezza_etichetta = 177;
constexpr int altezza_etichetta = 53;
constexpr int punti_etichetta = 24;
constexpr int punti_per_pollice_di_base = 96;
// The program's icon in its resources.
constexpr int icona_programma = 1;

// Text of this program (ASCII, or the ANSI code page of a system message) as
// the UTF-16 that the API takes.
std::wstring larga(const std::string& testo) {
  if (testo.empty()) return {};
  int n = MultiByteToWideChar(CP_ACP, 0, testo.data(), static_cast<int>(testo.size()), nullptr, 0);
  std::wstring risultato(static_cast<size_t>(n), L'\0');
  MultiByteToWideChar(CP_ACP, 0, testo.data(), static_cast<int>(testo.size()), risultato.data(), n);
  return risultato;
}

bool registra_classe(HINSTANCE istanza) {
  WNDCLASSEXW classe{};
  classe.cbSize = sizeof(classe);
  classe.lpfnWndProc = DefWindowProcW;
  classe.hInstance = istanza;
  classe.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  classe.hIcon = LoadIconW(istanza, MAKEINTRESOURCEW(icona_programma));
  classe.hIconSm = static_cast<HICON>(LoadImageW(istanza, MAKEINTRESOURCEW(icona_programma),
                                                 IMAGE_ICON, GetSystemMetrics(SM_CXSMICON),
                                                 GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
  classe.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  classe.lpszClassName = classe_finestra;
  return RegisterClassExW(&classe) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

// "MS Sans Serif" is a bitmap face drawn only up to small sizes; its outline
// twin scales to 24 points and is what the system substitutes for it.
HFONT crea_carattere(HWND finestra) {
  HDC dc = GetDC(finestra);
  int altezza = -MulDiv(punti_etichetta, GetDeviceCaps(dc, LOGPIXELSY), 72);
  ReleaseDC(finestra, dc);
  return CreateFontW(altezza, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                     OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                     DEFAULT_PITCH | FF_SWISS, L"Microsoft Sans Serif");
}

// The screen's dots per inch, as the layout and the label's font take them.
int punti_per_pollice() {
  HDC dc = GetDC(nullptr);
  int punti = dc != nullptr ? GetDeviceCaps(dc, LOGPIXELSX) : punti_per_pollice_di_base;
  if (dc != nullptr) ReleaseDC(nullptr, dc);
  return punti > 0 ? punti : punti_per_pollice_di_base;
}

}  // namespace

finestra_windows::~finestra_windows() {
  if (finestra_ != nullptr) DestroyWindow(static_cast<HWND>(finestra_));
  if (carattere_ != nullptr) DeleteObject(static_cast<HFONT>(carattere_));
}

void finestra_windows::mostra(const std::string& etichetta) {
  if (finestra_ != nullptr) return;
  HINSTANCE istanza = GetModuleHandleW(nullptr);
  if (!registra_classe(istanza)) return;

  const int punti = punti_per_pollice();
  auto in_scala = [punti](int pixel) { return MulDiv(pixel, punti, punti_per_pollice_di_base); };
  const DWORD stile = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
  RECT riquadro{0, 0, in_scala(larghezza_client), in_scala(altezza_client)};
  AdjustWindowRectEx(&riquadro, stile, FALSE, 0);
  HWND finestra =
      CreateWindowExW(0, classe_finestra, larga(titolo_programma).c_str(), stile, CW_USEDEFAULT,
                      CW_USEDEFAULT, riquadro.right - riquadro.left, riquadro.bottom - riquadro.top,
                      nullptr, nullptr, istanza, nullptr);
  if (finestra == nullptr) return;
  finestra_ = finestra;

  HWND testo = CreateWindowExW(0, L"STATIC", larga(etichetta).c_str(),
                               WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, in_scala(x_etichetta),
                               in_scala(y_etichetta), in_scala(larghezza_etichetta),
                               in_scala(altezza_etichetta), finestra, nullptr, istanza, nullptr);
  HFONT carattere = crea_carattere(finestra);
  carattere_ = carattere;
  if (testo != nullptr && carattere != nullptr) {
    SendMessageW(testo, WM_SETFONT, reinterpret_cast<WPARAM>(carattere), FALSE);
  }

  ShowWindow(finestra, SW_SHOWNORMAL);
  // Painted once, now: the run that follows handles no message until it ends.
  RedrawWindow(finestra, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
  MSG messaggio;
  while (PeekMessageW(&messaggio, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&messaggio);
    DispatchMessageW(&messaggio);
  }
}

int32_t finestra_windows::messaggio(const std::string& testo) {
  return MessageBoxW(static_cast<HWND>(finestra_), larga(testo).c_str(),
                     larga(titolo_programma).c_str(), MB_OK);
}

}  // namespace scenario
