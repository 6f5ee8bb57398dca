#include "piattaforma/cartella_programma.h"

#include <windows.h>

#include <system_error>
#include <vector>

namespace scenario {

std::filesystem::path cartella_del_programma(const char* argv0) {
  // The name is cut to the buffer without an error code on some systems:
  // a name that fills the buffer is asked again with a larger one.
  std::vector<wchar_t> nome(MAX_PATH);
  for (;;) {
    DWORD lunghezza = GetModuleFileNameW(nullptr, nome.data(), static_cast<DWORD>(nome.size()));
    if (lunghezza == 0) break;
    if (lunghezza < nome.size()) {
      return std::filesystem::path(std::wstring(nome.data(), lunghezza)).parent_path();
    }
    if (nome.size() >= 32768) break;
    nome.resize(nome.size() * 2);
  }
  std::error_code errore;
  return std::filesystem::absolute(argv0, errore).parent_path();
}

}  // namespace scenario
