#pragma once

#include <filesystem>
#include <iosfwd>

#include "base/sistema_file.h"

namespace scenario {

// One run at a time in a directory: holds the exclusive lock of the directory
// itself while it lives, and leaves nothing in it. When another process holds
// it, says so once on `avvisi` and waits. A failure throws errore_file naming
// the directory. Released by the thread that took it.
class blocco_cartella {
 public:
  blocco_cartella(const std::filesystem::path& cartella, std::ostream& avvisi,
                  sistema_file& sistema = sistema_file_corrente());
  ~blocco_cartella();
  blocco_cartella(const blocco_cartella&) = delete;
  blocco_cartella& operator=(const blocco_cartella&) = delete;

 private:
  sistema_file& sistema_;
  maniglia_file blocco_ = -1;
};

}  // namespace scenario
