#include "base/lettura_file.h"

#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "base/errore_file.h"

namespace scenario {

namespace {

[[noreturn]] void fallisci(const std::filesystem::path& percorso, int codice) {
  throw errore_file(percorso, std::generic_category().message(codice));
}

// The common failures say what the POSIX build says; any other, the
// system's own words.
[[noreturn]] void fallisci_windows(const std::filesystem::path& percorso, DWORD codice) {
  switch (codice) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_DRIVE:
      fallisci(percorso, ENOENT);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      fallisci(percorso, EACCES);
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      fallisci(percorso, ENOMEM);
    case ERROR_FILENAME_EXCED_RANGE:
      fallisci(percorso, ENAMETOOLONG);
    default:
      throw errore_file(percorso, std::system_category().message(static_cast<int>(codice)));
  }
}

struct maniglia {
  HANDLE h;
  ~maniglia() {
    if (h != INVALID_HANDLE_VALUE) CloseHandle(h);
  }
};

}  // namespace

// The wide path: Windows names the file whatever the code page.
std::string leggi_file_intero(const std::filesystem::path& percorso, uint64_t massimo,
                              std::string_view cosa) {
  maniglia file{CreateFileW(percorso.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr)};
  if (file.h == INVALID_HANDLE_VALUE) {
    const DWORD codice = GetLastError();
    // A directory cannot be opened as a file: the system says only "access
    // denied".
    std::error_code errore;
    if (codice == ERROR_ACCESS_DENIED && std::filesystem::is_directory(percorso, errore)) {
      fallisci(percorso, EISDIR);
    }
    fallisci_windows(percorso, codice);
  }
  // A pipe, a console or a device such as NUL.
  if (GetFileType(file.h) != FILE_TYPE_DISK) throw errore_file(percorso, "not a regular file");
  BY_HANDLE_FILE_INFORMATION informazioni{};
  if (!GetFileInformationByHandle(file.h, &informazioni)) {
    fallisci_windows(percorso, GetLastError());
  }
  if (informazioni.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) fallisci(percorso, EISDIR);
  LARGE_INTEGER grandezza{};
  if (!GetFileSizeEx(file.h, &grandezza)) fallisci_windows(percorso, GetLastError());
  const uint64_t dimensione = static_cast<uint64_t>(grandezza.QuadPart);
  if (dimensione > massimo) {
    throw errore_file(percorso, std::to_string(dimensione) + " bytes, larger than " +
                                    descrivi_massimo(massimo, cosa));
  }

  std::string contenuto;
  contenuto.reserve(static_cast<size_t>(dimensione));
  char blocco[1 << 16];
  // One byte past the limit is enough to know that a file grown since the
  // size was taken is too large.
  uint64_t resto = massimo + 1;
  while (resto > 0) {
    const DWORD chiesti = static_cast<DWORD>(std::min<uint64_t>(resto, sizeof blocco));
    DWORD letti = 0;
    if (!ReadFile(file.h, blocco, chiesti, &letti, nullptr)) {
      fallisci_windows(percorso, GetLastError());
    }
    if (letti == 0) return contenuto;
    contenuto.append(blocco, letti);
    resto -= letti;
  }
  throw errore_file(percorso, "grew past " + descrivi_massimo(massimo, cosa) + " while being read");
}

}  // namespace scenario
