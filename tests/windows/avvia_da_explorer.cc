// Test build only: starts the program named on the command line the way
// Explorer starts it on a double click: no console to join, no standard
// handles. Waits for it and exits with its status.

#include <windows.h>

#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) return 100;
  std::wstring riga = L"\"" + std::wstring(argv[1]) + L"\"";
  STARTUPINFOW avvio{};
  avvio.cb = sizeof(avvio);
  PROCESS_INFORMATION processo{};
  if (!CreateProcessW(argv[1], riga.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                      nullptr, &avvio, &processo)) {
    return 101;
  }
  WaitForSingleObject(processo.hProcess, INFINITE);
  DWORD stato = 101;
  GetExitCodeProcess(processo.hProcess, &stato);
  return static_cast<int>(stato);
}
