#include "ispezione/verifica.h"

#include <cstdint>
#include <memory>
#include <optional>

#include "compilazione/codici_controllo.h"
#include "ispezione/tabella_elementi.h"

namespace scenario {

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

std::vector<std::string> differenze_dei_byte(const file_letti& nomi, std::string_view planimetria,
                                             std::string_view elementi, std::string_view celle) {
  auto m = std::make_unique<modello>();
  if (nomi.planimetria) decodifica_file_planimetria(*m, planimetria, *nomi.planimetria);
  if (nomi.elementi) decodifica_file_elementi(*m, elementi, *nomi.elementi);
  if (nomi.celle) decodifica_file_celle(*m, celle, *nomi.celle);
  std::vector<std::string> discordanze = dimensioni_discordanti(*m, nomi);
  if (!discordanze.empty()) throw file_compilato_non_valido(discordanze.front());
  return differenze(*m, nomi);
}

rapporto_file rapporto_verifica(const std::vector<std::string>& trovate) {
  rapporto_file verifica{"", "verifica", {}, {}};
  verifica.valori = {{"esito", std::string(trovate.empty() ? "valido" : "differenze")},
                     {"differenze", static_cast<int64_t>(trovate.size())}};
  tabella_rapporto tabella{"differenze", {"differenza"}, {}};
  for (const std::string& s : trovate) tabella.righe.push_back({s});
  verifica.tabelle.push_back(std::move(tabella));
  return verifica;
}

}  // namespace scenario
