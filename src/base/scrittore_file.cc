#include "base/scrittore_file.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace scenario {

namespace {

constexpr size_t dimensione_buffer = 1 << 16;

}  // namespace

errore_file::errore_file(const std::filesystem::path& percorso, const std::string& motivo)
    : std::runtime_error(percorso.string() + ": " + motivo), percorso_(percorso) {}

scrittore_file::scrittore_file(std::filesystem::path destinazione)
    : destinazione_(std::move(destinazione)) {
  std::string modello = destinazione_.string() + ".XXXXXX";
  std::vector<char> nome(modello.begin(), modello.end());
  nome.push_back('\0');
  descrittore_ = mkstemp(nome.data());
  if (descrittore_ < 0) {
    throw errore_file(destinazione_, std::strerror(errno));
  }
  temporaneo_ = nome.data();
  // mkstemp creates the file 0600; the outputs are ordinary files for the user.
  mode_t maschera = umask(0);
  umask(maschera);
  fchmod(descrittore_, 0666 & ~maschera);
  buffer_.reserve(dimensione_buffer + 1024);
}

scrittore_file::~scrittore_file() {
  if (descrittore_ >= 0) {
    close(descrittore_);
    unlink(temporaneo_.c_str());
  }
}

void scrittore_file::scrivi(std::string_view byte) {
  // A block as large as the buffer goes out without being copied into it,
  // after what the buffer holds.
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
    ssize_t scritti = ::write(descrittore_, dati, restanti);
    if (scritti < 0) {
      if (errno == EINTR) continue;
      fallisci(errno);
    }
    dati += scritti;
    restanti -= static_cast<size_t>(scritti);
  }
}

void scrittore_file::chiudi() {
  scarica();
  int d = descrittore_;
  descrittore_ = -1;
  if (::close(d) != 0) {
    int codice = errno;
    unlink(temporaneo_.c_str());
    throw errore_file(destinazione_, std::strerror(codice));
  }
  if (std::rename(temporaneo_.c_str(), destinazione_.c_str()) != 0) {
    int codice = errno;
    unlink(temporaneo_.c_str());
    throw errore_file(destinazione_, std::strerror(codice));
  }
}

void scrittore_file::fallisci(int codice) {
  close(descrittore_);
  descrittore_ = -1;
  unlink(temporaneo_.c_str());
  throw errore_file(destinazione_, std::strerror(codice));
}

void sostituisci_file(const std::filesystem::path& destinazione, std::string_view contenuto) {
  scrittore_file file(destinazione);
  file.scrivi(contenuto);
  file.chiudi();
}

}  // namespace scenario
