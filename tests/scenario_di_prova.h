#pragma once

// Test support: whole compiled scenarios, as the run leaves them before
// writing, and their three files written into a directory.

#include <memory>
#include <string>

#include "cartella_temporanea.h"
#include "compilazione/memorizza_dati.h"
#include "modello/modello.h"
#include "compilazione/codici_controllo.h"
#include "file_compilati/file_compilati.h"
#include "compilazione/passata_finale.h"
#include "generazione/generazione.h"
#include "generazione/nomi_file.h"
#include "descrizioni_incorporate/dati_linea.h"
#include "descrizioni_incorporate/dati_treno.h"

namespace scenario::prova {

// A route of 3000 m that holds one item of most kinds: two curves, a tunnel,
// gradients, two stations, two signals, a slow-down and a code point.
inline const std::string linea_minuscola =
    "[generale]\r\n"
    "lunghezza percorso, 3000\r\n"
    "progressiva chilometrica uno, 0, 12000, 0\r\n"
    "progressiva chilometrica due, 1500, 20000, 0\r\n"
    "[curve]\r\n"
    "curvas6, 300, 200\r\n"
    "curvad3, 1200, 400\r\n"
    "[pendenze]\r\n"
    "pendenza, 0, 0\r\n"
    "pendenza, 1000, 12\r\n"
    "pendenza, 2000, -6\r\n"
    "[montagne]\r\n"
    "montagna, 1400, 1700, 3\r\n"
    "[fine]\r\n";

inline const std::string treno_minuscolo =
    "[generale]\r\n"
    "numero vetture, 4\r\n"
    "[aderenze]\r\n"
    "aderenza, 0, 100\r\n"
    "[vel_limite]\r\n"
    "velocita, 0, 100\r\n"
    "velocita, 1500, 60\r\n"
    "[stazioni]\r\n"
    "stazione, 0, 8, 500, 1, 1, 0, 4, 1, 0, 2, 1, 1, 1, 8, 30, 0, Alfa\r\n"
    "stazione, 2600, 12, 300, 0, 0, 0, 1, 1, 0, 3, 1, 1, 55, 8, 34, 0, Beta\r\n"
    "[rallentamenti]\r\n"
    "rallentamento, 1900, 40, 200, 1, 1, 0\r\n"
    "[segnali]\r\n"
    "segnale, 1000, 2, 2, 3, 1, 0, 0, 0, 0, 0, 0\r\n"
    "segnale, 2300, 2, 3, 1, 0, 0, 0, 0, 0, 0, 0\r\n"
    "[codici]\r\n"
    "abbattimento, 2450, 270\r\n"
    "[fine]\r\n";

// Compiles two descriptions as the run does, up to the files.
inline std::unique_ptr<modello> compila_scenario(const std::string& linea, const std::string& treno,
                                                 const std::string& nome_linea = "Prova",
                                                 const std::string& nome_treno = "1") {
  auto m = std::make_unique<modello>();
  m->linea = nome_linea;
  m->treno = nome_treno;
  inizializza_elementi(*m);
  m->elementi[elemento_testata_percorso].testo = nome_linea;
  m->elementi[elemento_testata_treno].testo = nome_treno;
  m->scrivi_planimetria = 1;
  compila_descrizioni(*m, {"l.txt", linea}, {"t.txt", treno});
  passata_finale(*m);
  codici_controllo(*m);
  return m;
}

inline std::unique_ptr<modello> scenario_minuscolo() {
  return compila_scenario(linea_minuscola, treno_minuscolo);
}

inline std::unique_ptr<modello> scenario_predefinito() {
  cartella_temporanea cartella;
  auto m = std::make_unique<modello>();
  m->linea = linea_predefinita;
  m->treno = treno_predefinito;
  inizializza_elementi(*m);
  m->scrivi_planimetria = 1;
  percorsi_scenario p = percorsi_in(cartella.percorso(), m->linea, m->treno);
  dati_linea(p.descrizione_linea);
  dati_treno(p.descrizione_treno);
  memorizza_dati(*m, p.descrizione_linea, p.descrizione_treno);
  passata_finale(*m);
  codici_controllo(*m);
  return m;
}

// The three files of `m` written into `cartella` under their run names.
inline percorsi_scenario scrivi_compilati(const modello& m, const cartella_temporanea& cartella) {
  percorsi_scenario p = percorsi_in(cartella.percorso(), m.linea, m.treno);
  scrivi_file(p.planimetria, codifica_file_planimetria(m));
  scrivi_file(p.elementi, codifica_file_elementi(m));
  scrivi_file(p.celle, codifica_file_celle(m));
  return p;
}

}  // namespace scenario::prova
