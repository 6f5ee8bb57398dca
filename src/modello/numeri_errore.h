#pragma once

// Every error number that the system records or shows, with its meaning.
// These numbers leave the program (on standard error and in the exit report)
// and are part of its interface: never renumber them. The list of error
// numbers in docs/numeri-errore.md is kept in step with this table by a test.

#include <cstdint>
#include <span>

namespace scenario {

namespace numero_errore {
constexpr int32_t nessuno = 0;
constexpr int32_t lunghezza_eccessiva = 1;
constexpr int32_t progressiva_non_multipla = 2;
constexpr int32_t ripetizione_inizio_non_multiplo = 3;
constexpr int32_t ripetizione_fine_non_multipla = 4;
constexpr int32_t ripetizione_senza_codici = 5;
constexpr int32_t cartello_su_cella_occupata = 6;
constexpr int32_t abbattimento_su_cella_occupata = 7;
constexpr int32_t stazione_non_multipla = 8;
constexpr int32_t lunghezza_stazione_non_multipla = 9;
constexpr int32_t troppe_stazioni = 10;
constexpr int32_t segnale_prima_di_avviso_senza_posto = 11;
constexpr int32_t gruppo_codici_senza_posto = 12;
constexpr int32_t codice_senza_posto = 13;
constexpr int32_t oltre_la_griglia = 15;
constexpr int32_t segnale_su_cella_occupata = 16;
constexpr int32_t avviso_su_cella_occupata = 17;
constexpr int32_t inizio_rallentamento_occupato = 18;
constexpr int32_t fine_rallentamento_occupata = 19;
constexpr int32_t tabelle_distanziometriche_occupate = 20;
constexpr int32_t indicatore_su_cella_occupata = 21;
constexpr int32_t stazioni_troppo_vicine = 22;
constexpr int32_t stazione_troppo_corta = 24;
constexpr int32_t errore_esecuzione = 25;
constexpr int32_t troppe_gallerie = 26;
constexpr int32_t testi_esauriti = 27;
constexpr int32_t cella_fuori_griglia = 29;
constexpr int32_t byte_non_di_testo = 30;
constexpr int32_t generale_treno_mancante = 31;
constexpr int32_t linea_come_treno = 32;
constexpr int32_t file_linea_mancante = 101;
constexpr int32_t generale_mancante = 102;
constexpr int32_t curva_errata = 103;
constexpr int32_t griglia_mancante = 104;
constexpr int32_t valori_riservati_occupati = 1250;
constexpr int32_t codici_controllo_occupati = 1251;
}  // namespace numero_errore

// The codes of the warnings: what the compile reads, drops, clips or ignores
// without an error. They share the numbering of the errors (an author looks
// either up by its number), from 201 on; never renumber them.
namespace numero_avviso {
constexpr int32_t non_numerico = 201;
constexpr int32_t campo_vuoto = 202;
constexpr int32_t parola_sconosciuta = 203;
constexpr int32_t campi_in_piu = 204;
constexpr int32_t prima_di_generale = 205;
constexpr int32_t ultimo_campo = 206;
constexpr int32_t campo_con_trattino = 207;
constexpr int32_t marche_segnale_perse = 208;
constexpr int32_t profilo_oltre_la_griglia = 209;
constexpr int32_t pendenze_oltre_la_griglia = 210;
constexpr int32_t galleria_fuori_griglia = 211;
constexpr int32_t galleria_vuota = 212;
constexpr int32_t galleria_tipo_3 = 213;
constexpr int32_t curva_tagliata = 214;
constexpr int32_t progressive_azzerate = 215;
constexpr int32_t valore_troncato = 216;
constexpr int32_t tabelle_senza_avviso = 217;
constexpr int32_t fine_nella_cella_di_inizio = 218;
constexpr int32_t marche_stazione_sostituite = 219;
constexpr int32_t riga_corta = 220;
constexpr int32_t testo_utf8 = 221;
constexpr int32_t unita_di_misura = 222;
constexpr int32_t numero_decimale = 223;
constexpr int32_t fuori_ordine = 224;
constexpr int32_t fermata_sopra_elemento = 225;
constexpr int32_t marche_segnale_sostituite = 226;
constexpr int32_t intestazione_sconosciuta = 230;
}  // namespace numero_avviso

struct voce_errore {
  int32_t numero;
  const char* significato;
  // Set where the step that records the number also records pos_errore.
  bool con_posizione = false;
  // What causes it and how an author mends it: a short paragraph.
  const char* spiegazione = "";
};

// The meanings, in the words a scenario author needs.
std::span<const voce_errore> tabella_errori();

// The warnings, with their meanings, in the same form.
std::span<const voce_errore> tabella_avvisi();

// The entry of an error number or a warning code, or nullptr.
const voce_errore* cerca_voce(int32_t numero);

// The meaning of `numero`, or nullptr for a number that is not in the table.
const char* significato_errore(int32_t numero);

// Whether recording `numero` also records a position in pos_errore; for the
// other numbers pos_errore still holds the position of an earlier error.
bool errore_con_posizione(int32_t numero);

}  // namespace scenario
