#include "piattaforma/attesa_modifiche.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <system_error>

#ifdef __linux__
#include <sys/inotify.h>
#endif

namespace scenario {

namespace {

// The write end of the pipe that wakes the watching up on a signal.
volatile std::sig_atomic_t fine_richiesta_segnale = 0;
int sveglia_scrittura = -1;

extern "C" void richiedi_fine(int) {
  fine_richiesta_segnale = 1;
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
    for (int fd : tubo_) {
      ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
      ::fcntl(fd, F_SETFD, FD_CLOEXEC);
    }
    fine_richiesta_segnale = 0;
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

 private:
  int tubo_[2] = {-1, -1};
  struct sigaction vecchia_int_ {};
  struct sigaction vecchia_term_ {};
};

int millisecondi(std::optional<std::chrono::milliseconds> attesa) {
  return attesa ? static_cast<int>(attesa->count()) : -1;
}

}  // namespace

#ifdef __linux__

// The directories are watched rather than the files, so that a file replaced
// by a rename, as editors and this program save, is seen as well, and one
// renamed away too.
struct attesa_modifiche::stato {
  const opzioni_osservazione& opzioni;
  fine_su_segnale segnali;
  int inotify = -1;

  explicit stato(const opzioni_osservazione& o) : opzioni(o) {
    inotify = ::inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
    if (inotify < 0) throw std::system_error(errno, std::generic_category(), "inotify_init1");
    for (const auto& cartella : o.cartelle) {
      int w =
          ::inotify_add_watch(inotify, cartella.c_str(),
                              IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_CREATE | IN_DELETE);
      if (w < 0) {
        const int codice = errno;
        ::close(inotify);
        throw std::system_error(codice, std::generic_category(), "inotify " + cartella.string());
      }
    }
  }
  ~stato() { ::close(inotify); }
};

void attesa_modifiche::attendi(std::optional<std::chrono::milliseconds> attesa,
                               std::set<std::string>& nomi) {
  pollfd fds[2] = {{stato_->inotify, POLLIN, 0}, {stato_->segnali.descrittore(), POLLIN, 0}};
  if (::poll(fds, 2, millisecondi(attesa)) <= 0 || !(fds[0].revents & POLLIN)) return;
  alignas(inotify_event) char buffer[8192];
  for (;;) {
    ssize_t n = ::read(stato_->inotify, buffer, sizeof buffer);
    if (n <= 0) return;
    for (char* p = buffer; p < buffer + n;) {
      auto* e = reinterpret_cast<inotify_event*>(p);
      if (e->len > 0 && stato_->opzioni.interessa(e->name)) nomi.insert(e->name);
      p += sizeof(inotify_event) + e->len;
    }
  }
}

#else

struct attesa_modifiche::stato {
  const opzioni_osservazione& opzioni;
  fine_su_segnale segnali;
  std::map<std::string, firma_file> ultima;

  explicit stato(const opzioni_osservazione& o) : opzioni(o), ultima(fotografia_file(o)) {}
};

void attesa_modifiche::attendi(std::optional<std::chrono::milliseconds> attesa,
                               std::set<std::string>& nomi) {
  auto fine = std::chrono::steady_clock::now() + attesa.value_or(std::chrono::hours(24 * 365));
  while (std::chrono::steady_clock::now() < fine) {
    pollfd fd{stato_->segnali.descrittore(), POLLIN, 0};
    if (::poll(&fd, 1, 100) > 0) return;
    auto nuova = fotografia_file(stato_->opzioni);
    confronta_fotografie(stato_->ultima, nuova, nomi);
    stato_->ultima = std::move(nuova);
    if (!nomi.empty()) return;
  }
}

#endif

attesa_modifiche::attesa_modifiche(const opzioni_osservazione& opzioni)
    : stato_(std::make_unique<stato>(opzioni)) {}

attesa_modifiche::~attesa_modifiche() = default;

bool attesa_modifiche::fine_richiesta() const { return fine_richiesta_segnale != 0; }

firma_file firma_di(const std::filesystem::path& file) {
  struct stat dati {};
  if (::stat(file.c_str(), &dati) != 0) return {0, 0};
  return {static_cast<int64_t>(dati.st_mtim.tv_sec) * 1000000000 + dati.st_mtim.tv_nsec,
          static_cast<std::uintmax_t>(dati.st_size)};
}

}  // namespace scenario
