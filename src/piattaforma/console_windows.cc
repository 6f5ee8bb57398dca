#include "piattaforma/console.h"

#include <windows.h>

#include <cstdio>

namespace scenario {

namespace {

bool maniglia_valida(DWORD quale) {
  HANDLE maniglia = GetStdHandle(quale);
  return maniglia != nullptr && maniglia != INVALID_HANDLE_VALUE &&
         GetFileType(maniglia) != FILE_TYPE_UNKNOWN;
}

}  // namespace

bool console_collegata() {
  // Redirected by the caller, or inherited: the C library already writes there.
  if (maniglia_valida(STD_ERROR_HANDLE)) return true;
  bool uscita_rediretta = maniglia_valida(STD_OUTPUT_HANDLE);
  if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
  // The streams of a graphical program start unconnected: point the ones that
  // were not redirected at the console just joined.
  if (!uscita_rediretta) std::freopen("CONOUT$", "w", stdout);
  std::freopen("CONOUT$", "w", stderr);
  return true;
}

}  // namespace scenario
