#include "base/numeri_errore.h"

namespace scenario {

namespace {

constexpr voce_errore voci[] = {
    {numero_errore::lunghezza_eccessiva, "route length below 0 or above 1000000 m"},
    {numero_errore::progressiva_non_multipla,
     "a kilometric progressive whose start or chainage is not a multiple of 50"},
    {numero_errore::ripetizione_inizio_non_multiplo,
     "start of the repeated-signal zone not a multiple of 50"},
    {numero_errore::ripetizione_fine_non_multipla,
     "end of the repeated-signal zone not a multiple of 50"},
    {numero_errore::ripetizione_senza_codici, "repeated-signal keyword holds neither 4 nor 9"},
    {numero_errore::cartello_su_cella_occupata, "sign board on an occupied cell", true},
    {numero_errore::abbattimento_su_cella_occupata, "code point on an occupied cell", true},
    {numero_errore::stazione_non_multipla, "station position not a multiple of 50", true},
    {numero_errore::lunghezza_stazione_non_multipla, "station length not a multiple of 100", true},
    {numero_errore::troppe_stazioni, "no element record left for the next station"},
    {numero_errore::segnale_prima_di_avviso_senza_posto,
     "no cell for a code point before a signal ahead of a slow-down warning point", true},
    {numero_errore::gruppo_codici_senza_posto,
     "no cell for a code point group ahead of a slow-down start", true},
    {numero_errore::codice_senza_posto, "no cell for a code point inside or after a slow-down",
     true},
    {numero_errore::oltre_la_griglia, "an entry lies beyond the cell grid", true},
    {numero_errore::segnale_su_cella_occupata, "signal on an occupied cell", true},
    {numero_errore::avviso_su_cella_occupata, "slow-down warning point on an occupied cell", true},
    {numero_errore::inizio_rallentamento_occupato, "slow-down start on an occupied cell", true},
    {numero_errore::fine_rallentamento_occupata, "slow-down end on an occupied cell", true},
    {numero_errore::tabelle_distanziometriche_occupate,
     "slow-down distance board on an occupied cell", true},
    {numero_errore::indicatore_su_cella_occupata, "speed indicator board on an occupied cell",
     true},
    {numero_errore::stazioni_troppo_vicine,
     "station less than 350 m after the end of the previous one", true},
    {numero_errore::stazione_troppo_corta,
     "station of type below 25 ending within the first 100 m"},
    {numero_errore::errore_esecuzione, "run-time failure while reading a description file"},
    {numero_errore::troppe_gallerie, "more than 80 tunnels", true},
    {numero_errore::testi_esauriti, "more than 80 sign boards: no element record left for the text",
     true},
    {numero_errore::cella_fuori_griglia,
     "signal, slow-down, code point or station stop mark outside the cell grid", true},
    {numero_errore::file_linea_mancante, "line description file not found"},
    {numero_errore::generale_mancante, "line description file without [generale]"},
    {numero_errore::curva_errata,
     "curve without class digit, or track plan past metre 1000000 or past its last metre"},
    {numero_errore::griglia_mancante, "no route length read: the compile left no cell grid"},
    {numero_errore::valori_riservati_occupati,
     "reserved header values already filled before the check codes"},
    {numero_errore::codici_controllo_occupati,
     "check code slots already filled before the check codes"},
};

}  // namespace

std::span<const voce_errore> tabella_errori() { return voci; }

std::span<const voce_errore> tabella_avvisi() { return {}; }

const voce_errore* cerca_voce(int32_t numero) {
  for (std::span<const voce_errore> t : {tabella_errori(), tabella_avvisi()}) {
    for (const voce_errore& v : t) {
      if (v.numero == numero) return &v;
    }
  }
  return nullptr;
}

const char* significato_errore(int32_t numero) {
  for (const voce_errore& v : voci) {
    if (v.numero == numero) return v.significato;
  }
  return nullptr;
}

bool errore_con_posizione(int32_t numero) {
  for (const voce_errore& v : voci) {
    if (v.numero == numero) return v.con_posizione;
  }
  return false;
}

}  // namespace scenario
