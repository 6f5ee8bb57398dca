#include "ispezione/ispeziona.h"

#include <memory>
#include <ostream>

#include "base/errore_file.h"
#include "base/lettura_file.h"
#include "ispezione/curve_ritrovate.h"
#include "ispezione/tabella_elementi.h"
#include "modello/arrotonda.h"
#include "compilazione/codici_controllo.h"
#include "file_compilati/file_compilati.h"

namespace scenario {

namespace {

int64_t n(int64_t v) { return v; }

std::string orario_in_testo(int64_t secondi) {
  char b[32];
  bool negativo = secondi < 0;
  if (negativo) secondi = -secondi;
  std::snprintf(b, sizeof b, "%s%02lld:%02lld:%02lld", negativo ? "-" : "",
                static_cast<long long>(secondi / 3600), static_cast<long long>(secondi / 60 % 60),
                static_cast<long long>(secondi % 60));
  return b;
}

// The fields of a cell by the names its kind gives them.
campi_nominati campi_cella(const cella& c, size_t indice) {
  switch (c.tipo) {
    case tipo_cella::segnale:
      return {{"s1_d1", c.val1},
              {"s2_d2", c.val2},
              {"s3_d3", c.val3},
              {"rapp_sx_dx", c.val4},
              {"tempo", c.tempo}};
    case tipo_cella::fine_rallentamento:
    case tipo_cella::inizio_rallentamento:
      return {{"velocita", c.val1}, {"d_v", c.val2}, {"f_tt", c.val3}};
    case tipo_cella::avviso_rallentamento:
      return {{"velocita", c.val1}, {"d_v", c.val2}};
    case tipo_cella::tabella_distanziometrica:
      return {{"numero", c.val1}, {"numero_d_v", c.val2}};
    case tipo_cella::indicatore_v_max:
      return {{"va", c.val1}, {"vb", c.val2}, {"vc", c.val3}, {"strisce", c.val4}};
    case tipo_cella::fermata:
      return {{"stazione", c.val1}};
    case tipo_cella::punto_codice:
      return {{"codice", c.val1}};
    case tipo_cella::cartello:
      return {{"record_testo", c.val1}};
    default:
      break;
  }
  if (indice == 1 && c.tipo == tipo_cella::vuota) {
    return {{"valore_riservato", c.val1}, {"codice_gara_og", c.val2}};
  }
  campi_nominati campi;
  const int16_t valori[] = {c.val1, c.val2, c.val3, c.val4};
  for (int k = 0; k < 4; ++k) {
    if (valori[k] != 0) campi.emplace_back("val" + std::to_string(k + 1), valori[k]);
  }
  if (c.tempo != 0) campi.emplace_back("tempo", c.tempo);
  return campi;
}

bool cella_con_contenuto(const cella& c) {
  return c.tipo != 0 || c.val1 != 0 || c.val2 != 0 || c.val3 != 0 || c.val4 != 0 || c.tempo != 0 ||
         c.avviso != 0;
}

void aggiungi_elemento_completo(tabella_rapporto& t, const elemento& e, int r) {
  t.righe.push_back({n(r), e.testo, n(e.tipo), n(e.inizio), n(e.fine), n(e.posizione),
                     orario_in_testo(e.orario), n(e.dato_a), n(e.dato_b), n(e.dato_c), n(e.dato_d),
                     n(e.dato_e), n(e.dato_f), n(e.dato_g), n(e.dato_h), n(e.dato_i), n(e.dato_l)});
}

const std::vector<std::string> colonne_elemento = {
    "record", "nome",   "tipo",   "inizio", "fine",   "posizione", "orario", "dato_a", "dato_b",
    "dato_c", "dato_d", "dato_e", "dato_f", "dato_g", "dato_h",    "dato_i", "dato_l"};

}  // namespace

std::optional<tipo_file_compilato> tipo_da_nome(const std::string& percorso) {
  if (percorso.ends_with("_linea.dat")) return tipo_file_compilato::planimetria;
  if (percorso.ends_with(".sim")) return tipo_file_compilato::elementi;
  if (percorso.ends_with(".dat")) return tipo_file_compilato::celle;
  return std::nullopt;
}

const char* nome_tipo_file(tipo_file_compilato t) {
  switch (t) {
    case tipo_file_compilato::planimetria:
      return "planimetria";
    case tipo_file_compilato::elementi:
      return "tabella degli elementi";
    case tipo_file_compilato::celle:
      return "griglia delle celle";
  }
  return "";
}

namespace {

// The kind as the messages name it.
const char* nome_inglese_tipo_file(tipo_file_compilato t) {
  switch (t) {
    case tipo_file_compilato::planimetria:
      return "a track plan";
    case tipo_file_compilato::elementi:
      return "an element table";
    case tipo_file_compilato::celle:
      return "a cell grid";
  }
  return "";
}

}  // namespace

const char* nome_tipo_cella(uint8_t tipo) {
  switch (tipo) {
    case tipo_cella::vuota:
      return "vuota";
    case tipo_cella::segnale:
      return "segnale";
    case tipo_cella::fine_rallentamento:
      return "fine_rallentamento";
    case tipo_cella::inizio_rallentamento:
      return "inizio_rallentamento";
    case tipo_cella::avviso_rallentamento:
      return "avviso_rallentamento";
    case tipo_cella::tabella_distanziometrica:
      return "tabella_distanziometrica";
    case tipo_cella::indicatore_v_max:
      return "indicatore_v_max";
    case tipo_cella::fermata:
      return "fermata";
    case tipo_cella::marca_galleria:
      return "marca_galleria";
    case tipo_cella::punto_codice:
      return "punto_codice";
    case tipo_cella::punto_senza_codice:
      return "punto_senza_codice";
    case tipo_cella::cartello:
      return "cartello";
    default:
      return "sconosciuto";
  }
}

rapporto_file rapporto_planimetria(const modello& m, const std::string& file) {
  rapporto_file r{file, nome_tipo_file(tipo_file_compilato::planimetria), {}, {}};
  misure_planimetria misure = misura_planimetria(m);
  r.valori = {{"metri", misure.metri},
              {"metri_disegnati", misure.metri_disegnati},
              {"x_min", numero_reale{misure.x_min, 3}},
              {"x_max", numero_reale{misure.x_max, 3}},
              {"y_min", numero_reale{misure.y_min, 3}},
              {"y_max", numero_reale{misure.y_max, 3}},
              {"lunghezza_disegnata", numero_reale{misure.lunghezza_disegnata, 3}}};
  tabella_rapporto curve{"curve", {"inizio", "lunghezza", "k", "classe", "lato"}, {}};
  for (const curva_ritrovata& c : curve_ritrovate(m)) {
    curve.righe.push_back(
        {n(c.inizio), n(c.lunghezza), numero_reale{c.k, 4}, n(c.classe), std::string(1, c.lato)});
  }
  r.tabelle.push_back(std::move(curve));
  return r;
}

rapporto_file rapporto_elementi(const modello& m, const std::string& file) {
  rapporto_file r{file, nome_tipo_file(tipo_file_compilato::elementi), {}, {}};
  const elemento& linea = m.elementi[elemento_linea];
  const elemento& percorso = m.elementi[elemento_testata_percorso];
  const elemento& treno = m.elementi[elemento_testata_treno];
  r.valori = {
      {"percorso", percorso.testo},
      {"treno", treno.testo},
      {"lunghezza_percorso", n(linea.fine)},
      {"massa_frenata_percento", n(linea.inizio)},
      {"numero_vetture", n(linea.posizione)},
      {"sfondo_uno", n(percorso.inizio)},
      {"sfondo_due", n(percorso.posizione)},
      {"sfondo_tre", n(percorso.fine)},
      {"valore_riservato", n(percorso.dato_d)},
      {"codice_gara_st", n(percorso.orario)},
      {"ripetizione_segnali_inizio", n(treno.inizio)},
      {"ripetizione_segnali_fine", n(treno.fine)},
      {"ripetizione_segnali_codici", n(treno.posizione)},
      {"sabbia", n(treno.dato_d)},
      {"orologio",
       orario_in_testo(int64_t{treno.dato_g} * 3600 + treno.dato_h * 60 + treno.dato_i)},
  };
  tabella_rapporto progressive{"progressive", {"record", "inizio", "progressiva", "segno"}, {}};
  for (int k = elemento_progressiva_uno; k >= elemento_progressiva_tre; --k) {
    const elemento& e = m.elementi[k];
    progressive.righe.push_back({n(k), n(e.inizio), n(e.fine), n(e.posizione)});
  }
  parti_tabella parti = dividi_tabella(m);
  tabella_rapporto stazioni{"stazioni", colonne_elemento, {}};
  for (int k = 1; k <= parti.n_stazioni; ++k)
    aggiungi_elemento_completo(stazioni, m.elementi[k], k);
  tabella_rapporto testi{"testi", {"record", "testo"}, {}};
  for (int k = primo_elemento_testo; k >= parti.primo_testo; --k) {
    testi.righe.push_back({n(k), m.elementi[k].testo});
  }
  // Free records, and whatever lies between the stations and the texts.
  tabella_rapporto liberi{"record_liberi", {"da", "a"}, {}};
  tabella_rapporto altri{"altri_record", colonne_elemento, {}};
  int inizio_libero = -1;
  auto chiudi_libero = [&](int k) {
    if (inizio_libero >= 0) liberi.righe.push_back({n(inizio_libero), n(k - 1)});
    inizio_libero = -1;
  };
  for (int k = 0; k <= primo_elemento_testo; ++k) {
    bool parte = (k >= 1 && k <= parti.n_stazioni) || k >= parti.primo_testo;
    if (!parte && elemento_vuoto(m.elementi[k])) {
      if (inizio_libero < 0) inizio_libero = k;
      continue;
    }
    chiudi_libero(k);
    if (!parte) aggiungi_elemento_completo(altri, m.elementi[k], k);
  }
  chiudi_libero(primo_elemento_testo + 1);
  r.tabelle.push_back(std::move(progressive));
  r.tabelle.push_back(std::move(stazioni));
  r.tabelle.push_back(std::move(testi));
  r.tabelle.push_back(std::move(liberi));
  if (!altri.righe.empty()) r.tabelle.push_back(std::move(altri));
  return r;
}

rapporto_file rapporto_celle(const modello& m, const std::string& file,
                             const intervallo_metri& intervallo) {
  rapporto_file r{file, nome_tipo_file(tipo_file_compilato::celle), {}, {}};
  tabella_rapporto celle{"celle",
                         {"cella", "da_metro", "a_metro", "tipo", "genere", "campi", "avviso",
                          "pendenza_permille", "velocita_kmh", "aderenza_percento", "galleria"},
                         {}};
  for (size_t i = 0; i < m.celle.size(); ++i) {
    const cella& c = m.celle[i];
    int64_t da = static_cast<int64_t>(i) * metri_per_cella;
    int64_t a = da + metri_per_cella;
    if (intervallo.da && a <= *intervallo.da) continue;
    if (intervallo.a && da > *intervallo.a) continue;
    if (!cella_con_contenuto(c)) continue;
    celle.righe.push_back({n(static_cast<int64_t>(i)), da, a, n(c.tipo), nome_tipo_cella(c.tipo),
                           campi_cella(c, i), n(c.avviso), n(int64_t{c.pendenza} - 100),
                           n(int64_t{c.vel_max} * 5), n(c.aderenza), n(c.galleria)});
  }
  r.valori = {{"celle", n(static_cast<int64_t>(m.celle.size()))},
              {"metri", n(static_cast<int64_t>(m.celle.size()) * metri_per_cella)},
              {"celle_mostrate", n(static_cast<int64_t>(celle.righe.size()))}};
  r.tabelle.push_back(std::move(celle));
  return r;
}

std::vector<std::string> differenze(const modello& m, const file_letti& letti) {
  std::vector<std::string> d = dimensioni_discordanti(m, letti);
  constexpr int16_t riservato_percorso = 610;
  constexpr int16_t riservato_cella = 5121;
  std::optional<int32_t> st, og;
  if (letti.elementi) {
    const std::string& f = *letti.elementi;
    auto nomi = std::make_unique<modello>();
    nomi->elementi[elemento_testata_percorso].testo = m.elementi[elemento_testata_percorso].testo;
    nomi->elementi[elemento_testata_treno].testo = m.elementi[elemento_testata_treno].testo;
    st = codice_gara_st(*nomi);
    og = codice_gara_og(*nomi);
    const elemento& testata = m.elementi[elemento_testata_percorso];
    if (!elemento_vuoto(m.elementi[0])) d.push_back(f + ": record 0 is not empty");
    if (testata.dato_d != riservato_percorso) {
      d.push_back(f + ": record 85, reserved value " + std::to_string(testata.dato_d) +
                  " (expected " + std::to_string(riservato_percorso) + ")");
    }
    if (testata.orario != *st) {
      d.push_back(f + ": record 85, codice_gara_st " + std::to_string(testata.orario) +
                  " (computed from the names: " + std::to_string(*st) + ")");
    }
  }
  if (letti.celle) {
    const std::string& f = *letti.celle;
    if (m.celle.size() < 2) {
      d.push_back(f + ": cell 1 is missing");
    } else {
      const cella& c = m.celle[1];
      if (c.val1 != riservato_cella) {
        d.push_back(f + ": cell 1, reserved value " + std::to_string(c.val1) + " (expected " +
                    std::to_string(riservato_cella) + ")");
      }
      if (og && c.val2 != *og) {
        d.push_back(f + ": cell 1, codice_gara_og " + std::to_string(c.val2) +
                    " (computed from the names in " + *letti.elementi + ": " + std::to_string(*og) +
                    ")");
      }
    }
  }
  if (letti.elementi && letti.celle) {
    for (const std::string& s : segni_stazioni_mancanti(m, *letti.celle)) d.push_back(s);
  }
  return d;
}

namespace {

struct file_ispezionato {
  std::string percorso;
  tipo_file_compilato tipo;
};

// What a refused file holds instead, when its bytes read as another kind.
std::string contenuto_di_altro_tipo(const std::string& byte, tipo_file_compilato tipo) {
  auto m = std::make_unique<modello>();
  const tipo_file_compilato tutti[] = {tipo_file_compilato::planimetria,
                                       tipo_file_compilato::elementi, tipo_file_compilato::celle};
  for (tipo_file_compilato altro : tutti) {
    if (altro == tipo) continue;
    try {
      if (altro == tipo_file_compilato::planimetria) decodifica_file_planimetria(*m, byte, "");
      if (altro == tipo_file_compilato::elementi) decodifica_file_elementi(*m, byte, "");
      if (altro == tipo_file_compilato::celle) decodifica_file_celle(*m, byte, "");
      return std::string(" (the content is that of ") + nome_inglese_tipo_file(altro) + ")";
    } catch (const file_compilato_non_valido&) {
    }
  }
  return "";
}

}  // namespace

int ispeziona(const opzioni_ispezione& opzioni, std::ostream& uscita, std::ostream& errori) {
  std::vector<file_ispezionato> file;
  file_letti letti;
  for (const std::string& percorso : opzioni.file) {
    std::optional<tipo_file_compilato> tipo = tipo_da_nome(percorso);
    if (!tipo) {
      errori << "generatore: " << percorso
             << ": the name tells no kind of compiled file (expected _linea.dat, .sim or .dat)"
             << std::endl;
      return stato_ispezione::uso_errato;
    }
    std::optional<std::string>& posto = *tipo == tipo_file_compilato::planimetria
                                            ? letti.planimetria
                                        : *tipo == tipo_file_compilato::elementi ? letti.elementi
                                                                                 : letti.celle;
    if (posto) {
      errori << "generatore: " << percorso << ": only one file of a kind: "
             << *posto << " is " << nome_inglese_tipo_file(*tipo) << " too" << std::endl;
      return stato_ispezione::uso_errato;
    }
    posto = percorso;
    file.push_back({percorso, *tipo});
  }

  auto m = std::make_unique<modello>();
  try {
    for (const file_ispezionato& f : file) {
      // The largest of any kind, not of the named one: a file misnamed is
      // still read, to say what it holds.
      std::string byte =
          leggi_file_intero(f.percorso, massimo_byte_file_compilato, "a compiled file");
      try {
        if (f.tipo == tipo_file_compilato::planimetria) {
          decodifica_file_planimetria(*m, byte, f.percorso);
        } else if (f.tipo == tipo_file_compilato::elementi) {
          decodifica_file_elementi(*m, byte, f.percorso);
        } else {
          decodifica_file_celle(*m, byte, f.percorso);
        }
      } catch (const file_compilato_non_valido& e) {
        errori << e.what() << contenuto_di_altro_tipo(byte, f.tipo) << std::endl;
        return stato_ispezione::non_valido;
      }
    }
  } catch (const errore_file& e) {
    riporta_errore_file(errori, e);
    return stato_ispezione::file_illeggibile;
  }

  std::vector<rapporto_file> rapporti;
  for (const file_ispezionato& f : file) {
    if (f.tipo == tipo_file_compilato::planimetria)
      rapporti.push_back(rapporto_planimetria(*m, f.percorso));
    if (f.tipo == tipo_file_compilato::elementi)
      rapporti.push_back(rapporto_elementi(*m, f.percorso));
    if (f.tipo == tipo_file_compilato::celle) {
      rapporti.push_back(rapporto_celle(*m, f.percorso, opzioni.intervallo));
    }
  }
  std::vector<std::string> trovate;
  if (opzioni.verifica) {
    trovate = differenze(*m, letti);
    rapporto_file verifica{"", "verifica", {}, {}};
    verifica.valori = {{"esito", std::string(trovate.empty() ? "valido" : "differenze")},
                       {"differenze", n(static_cast<int64_t>(trovate.size()))}};
    tabella_rapporto tabella{"differenze", {"differenza"}, {}};
    for (const std::string& s : trovate) tabella.righe.push_back({s});
    verifica.tabelle.push_back(std::move(tabella));
    rapporti.push_back(std::move(verifica));
  }
  scrivi_rapporti(uscita, rapporti, opzioni.formato);
  uscita.flush();
  return trovate.empty() ? stato_ispezione::ok : stato_ispezione::non_valido;
}

}  // namespace scenario
