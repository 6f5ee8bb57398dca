#pragma once

#include <filesystem>
#include <iosfwd>
#include <string_view>

#include "base/sistema_file.h"

namespace scenario {

// The lock file of a directory. It is never deleted: a process could still be
// waiting on the file that another deleted, and then hold a lock that no one
// else sees.
inline constexpr std::string_view nome_file_blocco = ".generatore.blocco";

// One run at a time in a directory: holds the exclusive lock of the
// directory's lock file while it lives. When another process holds it, says
// so once on `avvisi` and waits. A failure throws errore_file naming the lock
// file.
class blocco_cartella {
 public:
  blocco_cartella(const std::filesystem::path& cartella, std::ostream& avvisi,
                  sistema_file& sistema = sistema_file_corrente());
  ~blocco_cartella();
  blocco_cartella(const blocco_cartella&) = delete;
  blocco_cartella& operator=(const blocco_cartella&) = delete;

 private:
  sistema_file& sistema_;
  maniglia_file file_ = -1;
};

}  // namespace scenario
