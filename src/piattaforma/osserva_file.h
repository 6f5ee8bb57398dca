#pragma once

// Rounds of work redone whenever some files change, until Ctrl-C. Changes
// are seen through inotify on Linux (the directories of the files are
// watched, so that a file replaced by a rename is seen as well), by looking
// at the files' times and sizes every tenth of a second elsewhere. A burst
// of saves counts once: a round starts when no change has come for `quiete`.

#include <chrono>
#include <filesystem>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

namespace scenario {

// Whether a change to the file of this name (in one of the directories
// watched) calls for a round.
using filtro_nomi = std::function<bool(const std::string& nome)>;

struct opzioni_osservazione {
  std::vector<std::filesystem::path> cartelle;
  filtro_nomi interessa;
  std::chrono::milliseconds quiete{300};
  // A name as it may be shown on a terminal; as it is when empty.
  std::function<std::string(std::string_view nome)> mostra;
};

// Runs `giro` once, then again after every change, printing on `messaggi`
// before each round the files that changed and after it the time it took. A
// file of interest deleted, or renamed away, is said to be so and brings no
// round: the next is for its return. SIGINT and SIGTERM end the watching,
// after the round under way if there is one, and it returns 0: while it runs
// they do not end the process as they do in a normal run
// (base/interruzione.h), and their handlers are put back when it returns.
int osserva(const opzioni_osservazione& opzioni, const std::function<void()>& giro,
            std::ostream& messaggi);

}  // namespace scenario
