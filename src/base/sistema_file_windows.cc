#include "base/sistema_file.h"

#include <windows.h>

#include <random>

namespace scenario {

namespace {

std::error_code errore_sistema() {
  return {static_cast<int>(GetLastError()), std::system_category()};
}

HANDLE maniglia(maniglia_file f) { return reinterpret_cast<HANDLE>(f); }

class sistema_windows : public sistema_file {
 public:
  std::error_code crea_unico(const std::string& prefisso, std::string& percorso,
                             maniglia_file& f) override {
    static const char cifre[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    static std::mt19937_64 casuale{std::random_device{}() ^ GetTickCount64() ^
                                   GetCurrentProcessId()};
    for (int prova = 0; prova < 100; ++prova) {
      std::string nome = prefisso;
      for (int i = 0; i < 6; ++i) nome += cifre[casuale() % (sizeof(cifre) - 1)];
      // Shared for deleting: the next run may remove a file that an ended
      // run left, even while a virus scanner holds it open.
      HANDLE h = CreateFileW(std::filesystem::path(nome).c_str(), GENERIC_WRITE,
                             FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
      if (h == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_EXISTS) continue;
        return errore_sistema();
      }
      percorso = nome;
      f = reinterpret_cast<maniglia_file>(h);
      return {};
    }
    return std::make_error_code(std::errc::file_exists);
  }

  std::error_code scrivi(maniglia_file f, const char* dati, size_t n) override {
    while (n > 0) {
      DWORD blocco = n > (DWORD{1} << 30) ? (DWORD{1} << 30) : static_cast<DWORD>(n);
      DWORD scritti = 0;
      if (!WriteFile(maniglia(f), dati, blocco, &scritti, nullptr)) return errore_sistema();
      dati += scritti;
      n -= scritti;
    }
    return {};
  }

  std::error_code sincronizza(maniglia_file f) override {
    return FlushFileBuffers(maniglia(f)) ? std::error_code{} : errore_sistema();
  }

  std::error_code chiudi(maniglia_file f) override {
    return CloseHandle(maniglia(f)) ? std::error_code{} : errore_sistema();
  }

  // Written through: the call returns once the rename is on the disk.
  std::error_code rinomina(const std::filesystem::path& da,
                           const std::filesystem::path& a) override {
    return MoveFileExW(da.c_str(), a.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)
               ? std::error_code{}
               : errore_sistema();
  }

  // The rename was written through; a directory cannot be flushed by an
  // ordinary user.
  std::error_code sincronizza_cartella(const std::filesystem::path&) override { return {}; }

  std::error_code cancella(const std::filesystem::path& percorso) override {
    return DeleteFileW(percorso.c_str()) ? std::error_code{} : errore_sistema();
  }

  std::error_code apri_blocco(const std::filesystem::path& percorso, maniglia_file& f) override {
    const DWORD condivisione = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;
    HANDLE h = CreateFileW(percorso.c_str(), GENERIC_READ | GENERIC_WRITE, condivisione, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    // A lock file that another user created may be read-only for this one:
    // LockFileEx needs read or write access, either.
    if (h == INVALID_HANDLE_VALUE && GetLastError() == ERROR_ACCESS_DENIED) {
      h = CreateFileW(percorso.c_str(), GENERIC_READ, condivisione, nullptr, OPEN_EXISTING,
                      FILE_ATTRIBUTE_NORMAL, nullptr);
      if (h == INVALID_HANDLE_VALUE) return std::make_error_code(std::errc::permission_denied);
    }
    if (h == INVALID_HANDLE_VALUE) return errore_sistema();
    f = reinterpret_cast<maniglia_file>(h);
    return {};
  }

  // The whole range of the file, held until the handle is closed.
  std::error_code blocca(maniglia_file f, bool attendi) override {
    OVERLAPPED posizione{};
    DWORD modo = LOCKFILE_EXCLUSIVE_LOCK | (attendi ? 0 : LOCKFILE_FAIL_IMMEDIATELY);
    if (LockFileEx(maniglia(f), modo, 0, MAXDWORD, MAXDWORD, &posizione)) return {};
    if (GetLastError() == ERROR_LOCK_VIOLATION || GetLastError() == ERROR_IO_PENDING) {
      return std::make_error_code(std::errc::resource_unavailable_try_again);
    }
    return errore_sistema();
  }
};

}  // namespace

sistema_file& sistema_file_di_piattaforma() {
  static sistema_windows windows;
  return windows;
}

}  // namespace scenario
