#include "piattaforma/osserva_file.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <map>
#include <optional>
#include <set>
#include <system_error>

#ifdef __linux__
#include <sys/inotify.h>
#endif

namespace scenario {

namespace {

// The write end of the pipe that wakes the watching up on a signal.
volatile std::sig_atomic_t fine_richiesta = 0;
int sveglia_scrittura = -1;

extern "C" void richiedi_fine(int) {
  fine_richiesta = 1;
  if (sveglia_scrittura >= 0) {
    char c = 1;
    [[maybe_unused]] ssize_t n = ::write(sveglia_scrittura, &c, 1);
  }
}

// While it lives, SIGINT and SIGTERM ask the watching to end.
class fine_su_segnale {
 public:
  fine_su_segnale() {
    if (::pipe(tubo_) != 0) throw std::system_error(errno, std::generic_category(), "pipe");
    for (int fd : tubo_) ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
    fine_richiesta = 0;
    sveglia_scrittura = tubo_[1];
    struct sigaction azione {};
    azione.sa_handler = richiedi_fine;
    sigemptyset(&azione.sa_mask);
    ::sigaction(SIGINT, &azione, &vecchia_int_);
    ::sigaction(SIGTERM, &azione, &vecchia_term_);
  }
  ~fine_su_segnale() {
    ::sigaction(SIGINT, &vecchia_int_, nullptr);
    ::sigaction(SIGTERM, &vecchia_term_, nullptr);
    sveglia_scrittura = -1;
    ::close(tubo_[0]);
    ::close(tubo_[1]);
  }
  fine_su_segnale(const fine_su_segnale&) = delete;
  fine_su_segnale& operator=(const fine_su_segnale&) = delete;

  int descrittore() const { return tubo_[0]; }
  bool richiesta() const { return fine_richiesta != 0; }

 private:
  int tubo_[2] = {-1, -1};
  struct sigaction vecchia_int_ {};
  struct sigaction vecchia_term_ {};
};

using orologio = std::chrono::steady_clock;

#ifdef __linux__

class sorgente_modifiche {
 public:
  explicit sorgente_modifiche(const opzioni_osservazione& o) : opzioni_(o) {
    fd_ = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (fd_ < 0) throw std::system_error(errno, std::generic_category(), "inotify_init1");
    for (const auto& cartella : o.cartelle) {
      int w = ::inotify_add_watch(fd_, cartella.c_str(),
                                  IN_CLOSE_WRITE | IN_MOVED_TO | IN_CREATE | IN_DELETE);
      if (w < 0) {
        throw std::system_error(errno, std::generic_category(), "inotify " + cartella.string());
      }
    }
  }
  ~sorgente_modifiche() { ::close(fd_); }
  sorgente_modifiche(const sorgente_modifiche&) = delete;
  sorgente_modifiche& operator=(const sorgente_modifiche&) = delete;

  // Waits up to `attesa` (forever when empty) for changes or for `sveglia`;
  // adds the names changed to `nomi`.
  void attendi(std::optional<std::chrono::milliseconds> attesa, int sveglia,
               std::set<std::string>& nomi) {
    pollfd fds[2] = {{fd_, POLLIN, 0}, {sveglia, POLLIN, 0}};
    int ms = attesa ? static_cast<int>(attesa->count()) : -1;
    if (::poll(fds, 2, ms) <= 0 || !(fds[0].revents & POLLIN)) return;
    alignas(inotify_event) char buffer[8192];
    for (;;) {
      ssize_t n = ::read(fd_, buffer, sizeof buffer);
      if (n <= 0) return;
      for (char* p = buffer; p < buffer + n;) {
        auto* e = reinterpret_cast<inotify_event*>(p);
        if (e->len > 0 && opzioni_.interessa(e->name)) nomi.insert(e->name);
        p += sizeof(inotify_event) + e->len;
      }
    }
  }

 private:
  const opzioni_osservazione& opzioni_;
  int fd_ = -1;
};

#else

// Elsewhere: the times and sizes of the files of interest, every tenth of a
// second.
class sorgente_modifiche {
 public:
  explicit sorgente_modifiche(const opzioni_osservazione& o) : opzioni_(o) { stato_ = leggi(); }

  void attendi(std::optional<std::chrono::milliseconds> attesa, int sveglia,
               std::set<std::string>& nomi) {
    auto fine = orologio::now() + attesa.value_or(std::chrono::hours(24 * 365));
    while (orologio::now() < fine) {
      pollfd fd{sveglia, POLLIN, 0};
      if (::poll(&fd, 1, 100) > 0) return;
      auto nuovo = leggi();
      for (const auto& [nome, firma] : nuovo) {
        auto vecchio = stato_.find(nome);
        if (vecchio == stato_.end() || vecchio->second != firma) nomi.insert(nome);
      }
      for (const auto& [nome, firma] : stato_) {
        if (!nuovo.count(nome)) nomi.insert(nome);
      }
      stato_ = std::move(nuovo);
      if (!nomi.empty()) return;
    }
  }

 private:
  using firma = std::pair<std::filesystem::file_time_type, std::uintmax_t>;
  std::map<std::string, firma> leggi() const {
    std::map<std::string, firma> stato;
    for (const auto& cartella : opzioni_.cartelle) {
      std::error_code e;
      for (const auto& voce : std::filesystem::directory_iterator(cartella, e)) {
        std::string nome = voce.path().filename().string();
        if (!opzioni_.interessa(nome)) continue;
        std::error_code e2;
        stato[nome] = {voce.last_write_time(e2), voce.file_size(e2)};
      }
    }
    return stato;
  }
  const opzioni_osservazione& opzioni_;
  std::map<std::string, firma> stato_;
};

#endif

void esegui_giro(const std::function<void()>& giro, std::ostream& uscita) {
  auto inizio = orologio::now();
  giro();
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(orologio::now() - inizio);
  uscita << "-- fatto in " << ms.count() << " ms; in attesa di modifiche (Ctrl-C per finire)"
         << std::endl;
}

}  // namespace

int osserva(const opzioni_osservazione& opzioni, const std::function<void()>& giro,
            std::ostream& uscita) {
  fine_su_segnale segnali;
  sorgente_modifiche modifiche(opzioni);
  esegui_giro(giro, uscita);
  while (!segnali.richiesta()) {
    std::set<std::string> nomi;
    modifiche.attendi(std::nullopt, segnali.descrittore(), nomi);
    if (nomi.empty()) continue;
    // The rest of the burst: until nothing more comes for `quiete`.
    auto fine_quiete = orologio::now() + opzioni.quiete;
    while (!segnali.richiesta() && orologio::now() < fine_quiete) {
      auto resto = std::chrono::ceil<std::chrono::milliseconds>(fine_quiete - orologio::now());
      size_t prima = nomi.size();
      std::set<std::string> altri;
      modifiche.attendi(resto, segnali.descrittore(), altri);
      nomi.insert(altri.begin(), altri.end());
      if (!altri.empty() || nomi.size() != prima) fine_quiete = orologio::now() + opzioni.quiete;
    }
    if (segnali.richiesta()) break;
    uscita << "-- modificati:";
    for (const std::string& n : nomi) uscita << ' ' << n;
    uscita << std::endl;
    esegui_giro(giro, uscita);
  }
  uscita << "-- fine" << std::endl;
  return 0;
}

}  // namespace scenario
