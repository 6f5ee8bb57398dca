#include "base/interruzione.h"

#include <windows.h>

#include <csignal>

#include "base/stato_uscita.h"

namespace scenario {

namespace {

// Ctrl+C, Ctrl+Break and the closing of the console the program joined. The
// handler runs on a thread of its own while the run goes on: the process
// ends inside it, with the status a shell gives SIGINT (130).
BOOL WINAPI gestisci_interruzione(DWORD evento) {
  if (evento != CTRL_C_EVENT && evento != CTRL_BREAK_EVENT && evento != CTRL_CLOSE_EVENT) {
    return FALSE;
  }
  for (int i = 0; i < posti_interruzione; ++i) {
    if (const wchar_t* percorso = percorso_da_cancellare(i)) DeleteFileW(percorso);
  }
  ExitProcess(stato_uscita::base_segnale + SIGINT);
}

}  // namespace

void installa_gestori_interruzione() { SetConsoleCtrlHandler(gestisci_interruzione, TRUE); }

}  // namespace scenario
