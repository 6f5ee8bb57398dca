#include "base/sistema_file.h"

namespace scenario {

namespace {

sistema_file* corrente = nullptr;

}  // namespace

sistema_file& sistema_file_corrente() {
  return corrente != nullptr ? *corrente : sistema_file_di_piattaforma();
}

sostituzione_sistema_file::sostituzione_sistema_file(sistema_file& s) : precedente_(corrente) {
  corrente = &s;
}

sostituzione_sistema_file::~sostituzione_sistema_file() { corrente = precedente_; }

}  // namespace scenario
