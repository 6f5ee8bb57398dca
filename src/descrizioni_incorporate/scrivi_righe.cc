#include "descrizioni_incorporate/scrivi_righe.h"

#include "base/scrittore_file.h"
#include "base/testo_windows_1252.h"

namespace scenario {

void scrivi_righe(const std::filesystem::path& percorso, const lista_righe& righe) {
  scrittore_file file(percorso);
  for (const std::string& riga : righe) {
    if (riga == marcatore_fine) break;
    aggiungi_windows_1252(file.buffer(), riga);
    file.buffer().append("\r\n");
    file.scarica_se_pieno();
  }
  file.chiudi();
}

}  // namespace scenario
