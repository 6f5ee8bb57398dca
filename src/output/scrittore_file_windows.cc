#include "output/scrittore_file.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstring>
#include <string>

namespace scenario {

namespace {

constexpr size_t dimensione_buffer = 1 << 16;

// The system's own text for a Win32 error code, without its line end.
std::string motivo_windows(DWORD codice) {
  char* testo = nullptr;
  DWORD n = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, codice, 0, reinterpret_cast<char*>(&testo), 0, nullptr);
  std::string motivo = n > 0 ? std::string(testo, n) : "error " + std::to_string(codice);
  LocalFree(testo);
  while (!motivo.empty() && (motivo.back() == '\n' || motivo.back() == '\r' ||
                             motivo.back() == ' ' || motivo.back() == '.')) {
    motivo.pop_back();
  }
  return motivo;
}

}  // namespace

errore_file::errore_file(const std::filesystem::path& percorso, const std::string& motivo)
    : std::runtime_error(percorso.string() + ": " + motivo), percorso_(percorso) {}

scrittore_file::scrittore_file(std::filesystem::path destinazione)
    : destinazione_(std::move(destinazione)) {
  // A fresh name beside the destination, created only if it is not there.
  for (unsigned prova = 0; descrittore_ < 0; ++prova) {
    temporaneo_ = destinazione_;
    temporaneo_ += L"." + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(prova);
    descrittore_ = _wopen(temporaneo_.c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                          _S_IREAD | _S_IWRITE);
    if (descrittore_ < 0 && (errno != EEXIST || prova > 1000)) {
      throw errore_file(destinazione_, std::strerror(errno));
    }
  }
  buffer_.reserve(dimensione_buffer + 1024);
}

scrittore_file::~scrittore_file() {
  if (descrittore_ >= 0) {
    _close(descrittore_);
    _wunlink(temporaneo_.c_str());
  }
}

void scrittore_file::scrivi(std::string_view byte) {
  if (byte.size() >= dimensione_buffer) {
    scarica();
    return scrivi_tutto(byte);
  }
  buffer_.append(byte);
  scarica_se_pieno();
}

void scrittore_file::scarica_se_pieno() {
  if (buffer_.size() >= dimensione_buffer) scarica();
}

void scrittore_file::scarica() {
  scrivi_tutto(buffer_);
  buffer_.clear();
}

void scrittore_file::scrivi_tutto(std::string_view byte) {
  const char* dati = byte.data();
  size_t restanti = byte.size();
  while (restanti > 0) {
    unsigned blocco = restanti > (1u << 30) ? (1u << 30) : static_cast<unsigned>(restanti);
    int scritti = _write(descrittore_, dati, blocco);
    if (scritti < 0) fallisci(errno);
    dati += scritti;
    restanti -= static_cast<size_t>(scritti);
  }
}

// The content reaches the disk before the rename, and the rename is written
// through before it returns: a crash leaves either file whole.
void scrittore_file::chiudi() {
  scarica();
  HANDLE maniglia = reinterpret_cast<HANDLE>(_get_osfhandle(descrittore_));
  if (!FlushFileBuffers(maniglia)) {
    DWORD codice = GetLastError();
    _close(descrittore_);
    descrittore_ = -1;
    _wunlink(temporaneo_.c_str());
    throw errore_file(destinazione_, motivo_windows(codice));
  }
  int d = descrittore_;
  descrittore_ = -1;
  if (_close(d) != 0) {
    int codice = errno;
    _wunlink(temporaneo_.c_str());
    throw errore_file(destinazione_, std::strerror(codice));
  }
  if (!MoveFileExW(temporaneo_.c_str(), destinazione_.c_str(),
                   MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DWORD codice = GetLastError();
    _wunlink(temporaneo_.c_str());
    throw errore_file(destinazione_, motivo_windows(codice));
  }
}

void scrittore_file::fallisci(int codice) {
  _close(descrittore_);
  descrittore_ = -1;
  _wunlink(temporaneo_.c_str());
  throw errore_file(destinazione_, std::strerror(codice));
}

void sostituisci_file(const std::filesystem::path& destinazione, std::string_view contenuto) {
  scrittore_file file(destinazione);
  file.scrivi(contenuto);
  file.chiudi();
}

}  // namespace scenario
