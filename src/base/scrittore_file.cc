#include "base/scrittore_file.h"

#include <algorithm>
#include <cctype>

namespace scenario {

namespace {

constexpr size_t dimensione_buffer = 1 << 16;
constexpr size_t lunghezza_parte_casuale = 6;

bool nome_temporaneo_di(const std::string& nome, const std::string& destinazione) {
  std::string_view n = nome;
  if (n.size() != destinazione.size() + marcatore_temporaneo.size() + lunghezza_parte_casuale ||
      !n.starts_with(destinazione) ||
      n.substr(destinazione.size(), marcatore_temporaneo.size()) != marcatore_temporaneo) {
    return false;
  }
  std::string_view casuale = n.substr(n.size() - lunghezza_parte_casuale);
  return std::all_of(casuale.begin(), casuale.end(),
                     [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; });
}

}  // namespace

scrittore_file::scrittore_file(std::filesystem::path destinazione, sistema_file& sistema)
    : destinazione_(std::move(destinazione)), sistema_(sistema) {
  std::string temporaneo;
  std::error_code e = sistema_.crea_unico(
      destinazione_.string() + std::string(marcatore_temporaneo), temporaneo, file_);
  if (e) throw errore_file(destinazione_, e.message());
  temporaneo_ = temporaneo;
  aperto_ = true;
  // Between its creation and this line an interruption leaves the file
  // behind; the next run removes it by its name.
  registrazione_.registra(temporaneo_);
  buffer_.reserve(dimensione_buffer + 1024);
}

scrittore_file::~scrittore_file() {
  if (!aperto_) return;
  sistema_.chiudi(file_);
  sistema_.cancella(temporaneo_);
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
  if (byte.empty()) return;
  if (std::error_code e = sistema_.scrivi(file_, byte.data(), byte.size())) fallisci(e);
}

void scrittore_file::chiudi() {
  scarica();
  if (std::error_code e = sistema_.sincronizza(file_)) fallisci(e);
  aperto_ = false;
  if (std::error_code e = sistema_.chiudi(file_)) {
    sistema_.cancella(temporaneo_);
    throw errore_file(destinazione_, e.message());
  }
  if (std::error_code e = sistema_.rinomina(temporaneo_, destinazione_)) {
    sistema_.cancella(temporaneo_);
    throw errore_file(destinazione_, e.message());
  }
  registrazione_.dimentica();
  // Until the directory is synced the rename itself may be lost with the
  // power, leaving the old file, or on some file systems neither.
  if (std::error_code e = sistema_.sincronizza_cartella(destinazione_.parent_path())) {
    throw errore_file(destinazione_, e.message());
  }
}

void scrittore_file::fallisci(const std::error_code& codice) {
  aperto_ = false;
  sistema_.chiudi(file_);
  sistema_.cancella(temporaneo_);
  throw errore_file(destinazione_, codice.message());
}

void sostituisci_file(const std::filesystem::path& destinazione, std::string_view contenuto) {
  scrittore_file file(destinazione);
  file.scrivi(contenuto);
  file.chiudi();
}

void rimuovi_temporanei_rimasti(const std::filesystem::path& cartella,
                                const std::vector<std::string>& nomi, sistema_file& sistema) {
  std::error_code e;
  std::filesystem::directory_iterator voce(cartella, e);
  for (; !e && voce != std::filesystem::directory_iterator(); voce.increment(e)) {
    std::string nome = voce->path().filename().string();
    bool temporaneo = std::any_of(nomi.begin(), nomi.end(), [&](const std::string& destinazione) {
      return nome_temporaneo_di(nome, destinazione);
    });
    if (!temporaneo || voce->is_directory(e)) continue;
    if (std::error_code c = sistema.cancella(voce->path());
        c && c != std::errc::no_such_file_or_directory) {
      throw errore_file(voce->path(), c.message());
    }
  }
  if (e) throw errore_file(cartella, e.message());
}

}  // namespace scenario
