#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>

#include "generazione/finestra.h"

namespace scenario {

// What every subcommand gets from the command line: where its output and its
// messages go, and the place for what it will do.
struct contesto_comando {
  std::ostream& uscita;
  std::ostream& errori;
  // Where the run without arguments writes its files.
  std::filesystem::path cartella_programma;
  // Set by the callback of the subcommand named on the command line, once
  // its options are read and checked; run after the whole line is parsed,
  // its result is the exit status.
  std::function<int()> azione;
  // The window of the run without arguments; the console stand-in when null.
  finestra* finestra_programma = nullptr;
  // Set by a command whose --formato json was read: a usage error is then
  // also written as a JSON document on standard output.
  bool uso_errato_in_json = false;
};

}  // namespace scenario
