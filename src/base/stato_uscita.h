#pragma once

namespace scenario {

// Exit statuses of the program and of every command. Scripts test them and
// docs/stati-uscita.md lists them: they are part of the interface, never
// renumber them.
// An enum in a namespace of its own, so that a status is an int wherever one
// is returned and its names are always written stato_uscita::...
namespace stato_uscita {
enum valore : int {
  successo = 0,
  // A file operation failed, or an unexpected failure.
  errore_file = 1,
  // A check code found its place filled (1250, 1251): shown, then ended.
  errore_mostrato = 2,
  // An error recorded, or no grid to finish; a compiled file refused, or a
  // difference found by `ispeziona --verifica`.
  errore_registrato = 3,
  // A command line that names no known command, option or value: the usage
  // error of the BSD sysexits, which shells and scripts already know.
  uso_errato = 64,
  // Ended by SIGINT (130) or SIGTERM (143): 128 + the signal's number.
  base_segnale = 128,
};
}  // namespace stato_uscita

}  // namespace scenario
