#include "ispezione/rapporti_per_tipo.h"

#include <cstdio>

#include "ispezione/campi_cella.h"
#include "ispezione/curve_ritrovate.h"
#include "ispezione/tabella_elementi.h"

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

}  // namespace

const std::vector<std::string>& colonne_elemento() {
  static const std::vector<std::string> colonne = {
      "record", "nome",   "tipo",   "inizio", "fine",   "posizione", "orario", "dato_a", "dato_b",
      "dato_c", "dato_d", "dato_e", "dato_f", "dato_g", "dato_h",    "dato_i", "dato_l"};
  return colonne;
}

std::vector<valore_rapporto> riga_elemento(const elemento& e, int r) {
  return {n(r),
          e.testo,
          n(e.tipo),
          n(e.inizio),
          n(e.fine),
          n(e.posizione),
          orario_in_testo(e.orario),
          n(e.dato_a),
          n(e.dato_b),
          n(e.dato_c),
          n(e.dato_d),
          n(e.dato_e),
          n(e.dato_f),
          n(e.dato_g),
          n(e.dato_h),
          n(e.dato_i),
          n(e.dato_l)};
}

const std::vector<std::string>& colonne_celle() {
  static const std::vector<std::string> colonne = {
      "cella",   "da_metro", "a_metro",           "tipo",         "genere",
      "campi",   "avviso",   "pendenza_permille", "velocita_kmh", "aderenza_percento",
      "galleria"};
  return colonne;
}

std::vector<valore_rapporto> riga_cella(const cella& c, size_t i) {
  int64_t da = static_cast<int64_t>(i) * metri_per_cella;
  return {n(static_cast<int64_t>(i)),
          da,
          da + metri_per_cella,
          n(c.tipo),
          nome_tipo_cella(c.tipo),
          campi_cella(c, i),
          n(c.avviso),
          n(int64_t{c.pendenza} - 100),
          n(int64_t{c.vel_max} * 5),
          n(c.aderenza),
          n(c.galleria)};
}

bool cella_nell_intervallo(size_t i, const intervallo_metri& intervallo) {
  int64_t da = static_cast<int64_t>(i) * metri_per_cella;
  int64_t a = da + metri_per_cella;
  return !(intervallo.da && a <= *intervallo.da) && !(intervallo.a && da > *intervallo.a);
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
  tabella_rapporto stazioni{"stazioni", colonne_elemento(), {}};
  for (int k = 1; k <= parti.n_stazioni; ++k)
    stazioni.righe.push_back(riga_elemento(m.elementi[k], k));
  tabella_rapporto testi{"testi", {"record", "testo"}, {}};
  for (int k = primo_elemento_testo; k >= parti.primo_testo; --k) {
    testi.righe.push_back({n(k), m.elementi[k].testo});
  }
  // Free records, and whatever lies between the stations and the texts.
  tabella_rapporto liberi{"record_liberi", {"da", "a"}, {}};
  tabella_rapporto altri{"altri_record", colonne_elemento(), {}};
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
    if (!parte) altri.righe.push_back(riga_elemento(m.elementi[k], k));
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
  tabella_rapporto celle{"celle", colonne_celle(), {}};
  for (size_t i = 0; i < m.celle.size(); ++i) {
    if (!cella_nell_intervallo(i, intervallo) || !cella_con_contenuto(m.celle[i])) continue;
    celle.righe.push_back(riga_cella(m.celle[i], i));
  }
  r.valori = {{"celle", n(static_cast<int64_t>(m.celle.size()))},
              {"metri", n(static_cast<int64_t>(m.celle.size()) * metri_per_cella)},
              {"celle_mostrate", n(static_cast<int64_t>(celle.righe.size()))}};
  r.tabelle.push_back(std::move(celle));
  return r;
}

rapporto_file rapporto_di_tipo(const modello& m, const std::string& file, tipo_file_compilato tipo,
                               const intervallo_metri& intervallo) {
  switch (tipo) {
    case tipo_file_compilato::planimetria:
      return rapporto_planimetria(m, file);
    case tipo_file_compilato::elementi:
      return rapporto_elementi(m, file);
    case tipo_file_compilato::celle:
      break;
  }
  return rapporto_celle(m, file, intervallo);
}

}  // namespace scenario
