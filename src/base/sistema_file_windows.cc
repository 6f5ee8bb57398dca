#include "base/sistema_file.h"

#include <windows.h>

#include <cstdint>
#include <random>
#include <string>

namespace scenario {

namespace {

std::error_code errore_sistema() {
  return {static_cast<int>(GetLastError()), std::system_category()};
}

// A failed read says for the common failures what the POSIX build says; for
// any other, the system's own words.
std::error_code errore_lettura(DWORD codice) {
  switch (codice) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_NAME:
    case ERROR_INVALID_DRIVE:
      return std::make_error_code(std::errc::no_such_file_or_directory);
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      return std::make_error_code(std::errc::permission_denied);
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY:
      return std::make_error_code(std::errc::not_enough_memory);
    case ERROR_FILENAME_EXCED_RANGE:
      return std::make_error_code(std::errc::filename_too_long);
    default:
      return {static_cast<int>(codice), std::system_category()};
  }
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

  // The wide path: Windows names the file whatever the code page.
  std::error_code apri_lettura(const std::filesystem::path& percorso, maniglia_file& f) override {
    HANDLE h = CreateFileW(percorso.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                           nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
      const DWORD codice = GetLastError();
      // A directory cannot be opened as a file: the system says only "access
      // denied".
      std::error_code errore;
      if (codice == ERROR_ACCESS_DENIED && std::filesystem::is_directory(percorso, errore)) {
        return std::make_error_code(std::errc::is_a_directory);
      }
      return errore_lettura(codice);
    }
    f = reinterpret_cast<maniglia_file>(h);
    return {};
  }

  std::error_code esamina(maniglia_file f, tipo_file& tipo, uint64_t& dimensione) override {
    // A pipe, a console or a device such as NUL.
    if (GetFileType(maniglia(f)) != FILE_TYPE_DISK) {
      tipo = tipo_file::altro;
      return {};
    }
    BY_HANDLE_FILE_INFORMATION informazioni{};
    if (!GetFileInformationByHandle(maniglia(f), &informazioni)) {
      return errore_lettura(GetLastError());
    }
    if (informazioni.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      tipo = tipo_file::cartella;
      return {};
    }
    LARGE_INTEGER grandezza{};
    if (!GetFileSizeEx(maniglia(f), &grandezza)) return errore_lettura(GetLastError());
    tipo = tipo_file::regolare;
    dimensione = static_cast<uint64_t>(grandezza.QuadPart);
    return {};
  }

  std::error_code leggi(maniglia_file f, char* dati, size_t n, size_t& letti) override {
    const DWORD chiesti = n > (DWORD{1} << 30) ? (DWORD{1} << 30) : static_cast<DWORD>(n);
    DWORD ricevuti = 0;
    if (!ReadFile(maniglia(f), dati, chiesti, &ricevuti, nullptr)) {
      return errore_lettura(GetLastError());
    }
    letti = ricevuti;
    return {};
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

  // A named mutex rather than a file: nothing is created in the directory,
  // and a holder that dies leaves it abandoned, which the next one takes.
  // Its name is that of the directory, as every process of the session
  // spells it alike.
  std::error_code apri_blocco(const std::filesystem::path& cartella, maniglia_file& f) override {
    std::wstring nome;
    if (std::error_code e = nome_della_cartella(cartella, nome)) return e;
    std::uint64_t impronta = 14695981039346656037ull;
    for (wchar_t c : nome) {
      for (int ottetto : {c & 0xff, (c >> 8) & 0xff}) {
        impronta = (impronta ^ static_cast<std::uint64_t>(ottetto)) * 1099511628211ull;
      }
    }
    std::wstring nome_mutex = L"Local\\generatore-cartella-";
    for (int spostamento = 60; spostamento >= 0; spostamento -= 4) {
      nome_mutex += L"0123456789abcdef"[(impronta >> spostamento) & 0xf];
    }
    HANDLE h = CreateMutexW(nullptr, FALSE, nome_mutex.c_str());
    if (h == nullptr) return errore_sistema();
    f = reinterpret_cast<maniglia_file>(h);
    return {};
  }

  std::error_code blocca(maniglia_file f, bool attendi) override {
    switch (WaitForSingleObject(maniglia(f), attendi ? INFINITE : 0)) {
      case WAIT_OBJECT_0:
      case WAIT_ABANDONED:
        return {};
      case WAIT_TIMEOUT:
        return std::make_error_code(std::errc::resource_unavailable_try_again);
      default:
        return errore_sistema();
    }
  }

  std::error_code rilascia_blocco(maniglia_file f) override {
    std::error_code e = ReleaseMutex(maniglia(f)) ? std::error_code{} : errore_sistema();
    std::error_code chiusura = chiudi(f);
    return e ? e : chiusura;
  }

 private:
  // The directory's path in one spelling for all the ways of naming it: the
  // path that the system finds on opening it (links and short names resolved),
  // or when it gives none the full path; upper-cased, since names differing in
  // case only are the same file, and without the long-path prefix or trailing
  // separators. Fails when `cartella` is not an existing directory.
  static std::error_code nome_della_cartella(const std::filesystem::path& cartella,
                                             std::wstring& nome) {
    const std::wstring percorso = cartella.empty() ? L"." : cartella.wstring();
    HANDLE h = CreateFileW(percorso.c_str(), FILE_READ_ATTRIBUTES,
                           FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (h == INVALID_HANDLE_VALUE) return errore_sistema();
    BY_HANDLE_FILE_INFORMATION informazioni{};
    if (!GetFileInformationByHandle(h, &informazioni)) {
      std::error_code e = errore_sistema();
      CloseHandle(h);
      return e;
    }
    if (!(informazioni.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      CloseHandle(h);
      return std::make_error_code(std::errc::not_a_directory);
    }
    nome.assign(MAX_PATH, L'\0');
    DWORD n;
    while ((n = GetFinalPathNameByHandleW(h, nome.data(), static_cast<DWORD>(nome.size()),
                                          FILE_NAME_NORMALIZED | VOLUME_NAME_DOS)) >= nome.size()) {
      nome.assign(n, L'\0');
    }
    CloseHandle(h);
    if (n == 0) {
      n = GetFullPathNameW(percorso.c_str(), 0, nullptr, nullptr);
      if (n == 0) return errore_sistema();
      nome.assign(n, L'\0');
      n = GetFullPathNameW(percorso.c_str(), n, nome.data(), nullptr);
      if (n == 0 || n >= nome.size()) return errore_sistema();
    }
    nome.resize(n);
    if (nome.starts_with(L"\\\\?\\UNC\\")) {
      nome.erase(0, 8);
      nome.insert(0, L"\\\\");
    } else if (nome.starts_with(L"\\\\?\\")) {
      nome.erase(0, 4);
    }
    while (!nome.empty() && (nome.back() == L'\\' || nome.back() == L'/')) nome.pop_back();
    if (nome.empty()) return {};
    std::wstring maiuscolo(nome.size(), L'\0');
    if (LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, nome.data(),
                      static_cast<int>(nome.size()), maiuscolo.data(),
                      static_cast<int>(maiuscolo.size()), nullptr, nullptr, 0) == 0) {
      return errore_sistema();
    }
    nome = maiuscolo;
    return {};
  }
};

}  // namespace

sistema_file& sistema_file_di_piattaforma() {
  static sistema_windows windows;
  return windows;
}

}  // namespace scenario
