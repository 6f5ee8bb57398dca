#include "piattaforma/attesa_modifiche.h"

#include <windows.h>

#include <atomic>

namespace scenario {

namespace {

std::atomic<bool> fine_richiesta_console{false};
HANDLE evento_fine = nullptr;

// Called before the handler that ends a run (handlers run last installed
// first): Ctrl+C and Ctrl+Break end the watching instead of the process.
BOOL WINAPI richiedi_fine(DWORD evento) {
  if (evento != CTRL_C_EVENT && evento != CTRL_BREAK_EVENT) return FALSE;
  fine_richiesta_console = true;
  if (evento_fine != nullptr) SetEvent(evento_fine);
  return TRUE;
}

}  // namespace

// Windows gives notice of changes by directory (ReadDirectoryChangesW), but
// not of which file saved by a rename; the times and sizes of the files of
// interest, every tenth of a second, tell both.
struct attesa_modifiche::stato {
  const opzioni_osservazione& opzioni;
  std::map<std::string, firma_file> ultima;

  explicit stato(const opzioni_osservazione& o) : opzioni(o), ultima(fotografia_file(o)) {
    fine_richiesta_console = false;
    evento_fine = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    SetConsoleCtrlHandler(richiedi_fine, TRUE);
  }
  ~stato() {
    SetConsoleCtrlHandler(richiedi_fine, FALSE);
    if (evento_fine != nullptr) CloseHandle(evento_fine);
    evento_fine = nullptr;
  }
};

attesa_modifiche::attesa_modifiche(const opzioni_osservazione& opzioni)
    : stato_(std::make_unique<stato>(opzioni)) {}

attesa_modifiche::~attesa_modifiche() = default;

void attesa_modifiche::attendi(std::optional<std::chrono::milliseconds> attesa,
                               std::set<std::string>& nomi) {
  auto fine = std::chrono::steady_clock::now() + attesa.value_or(std::chrono::hours(24 * 365));
  while (!fine_richiesta() && std::chrono::steady_clock::now() < fine) {
    if (evento_fine != nullptr) {
      WaitForSingleObject(evento_fine, 100);
    } else {
      Sleep(100);
    }
    auto nuova = fotografia_file(stato_->opzioni);
    confronta_fotografie(stato_->ultima, nuova, nomi);
    stato_->ultima = std::move(nuova);
    if (!nomi.empty()) return;
  }
}

bool attesa_modifiche::fine_richiesta() const { return fine_richiesta_console; }

firma_file firma_di(const std::filesystem::path& file) {
  WIN32_FILE_ATTRIBUTE_DATA dati{};
  if (!GetFileAttributesExW(file.c_str(), GetFileExInfoStandard, &dati)) return {0, 0};
  // In ticks of 100 ns.
  int64_t ora = (static_cast<int64_t>(dati.ftLastWriteTime.dwHighDateTime) << 32) |
                dati.ftLastWriteTime.dwLowDateTime;
  return {ora, (static_cast<std::uintmax_t>(dati.nFileSizeHigh) << 32) | dati.nFileSizeLow};
}

}  // namespace scenario
