#include "ispezione/verifica.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "scenario_di_prova.h"

namespace scenario {
namespace {

// The differences found in the three files' bytes, read back as the
// inspection reads them.
std::vector<std::string> differenze_in(const std::string& planimetria, const std::string& tabella,
                                       const std::string& griglia, const file_letti& letti) {
  auto m = std::make_unique<modello>();
  decodifica_file_planimetria(*m, planimetria, *letti.planimetria);
  decodifica_file_elementi(*m, tabella, *letti.elementi);
  decodifica_file_celle(*m, griglia, *letti.celle);
  return differenze(*m, letti);
}

// The built-in files hold; one byte changed in a check code, a reserved value
// or a station record is reported.
TEST(Verifica, BuiltInFilesHoldAndEachChangedByteIsReported) {
  auto m = prova::scenario_predefinito();
  const file_letti letti{"A_linea.dat", "A_1.sim", "A_1.dat"};
  const std::string planimetria = codifica_file_planimetria(*m);
  const std::string tabella = codifica_file_elementi(*m);
  const std::string griglia = codifica_file_celle(*m);
  ASSERT_EQ(differenze_in(planimetria, tabella, griglia, letti), std::vector<std::string>{});

  // Offsets in the element table: record r starts after the records before
  // it, each 34 bytes and its text.
  auto inizio_record = [&](int r) {
    size_t offset = 0;
    for (int k = 0; k < r; ++k) offset += 34 + m->elementi[k].testo.size();
    return offset;
  };
  const size_t n85 = m->elementi[85].testo.size();
  const size_t stazione_1 = inizio_record(1);
  const struct {
    const char* caso;
    bool nella_tabella;
    size_t offset;
    std::string differenza;
  } casi[] = {
      {"codice_gara_st", true, inizio_record(85) + 30 + n85,
       "A_1.sim: record 85, codice_gara_st 32467 (computed from the names: 32466)"},
      {"reserved 610", true, inizio_record(85) + 16 + n85,
       "A_1.sim: record 85, reserved value 611 (expected 610)"},
      {"codice_gara_og", false, 15 + 3,
       "A_1.dat: cell 1, codice_gara_og 2329 (computed from the names in A_1.sim: 2328)"},
      {"reserved 5121", false, 15 + 1, "A_1.dat: cell 1, reserved value 5122 (expected 5121)"},
      // The first station's end, 500 m, becomes 756: its marks belong 5 cells on.
      {"station record", true, stazione_1 + 6,
       "A_1.dat: cell 14 lacks the stop mark of station 1 (Lorvento Centrale)"},
  };
  for (const auto& c : casi) {
    std::string copia = c.nella_tabella ? tabella : griglia;
    copia[c.offset] = static_cast<char>(copia[c.offset] + 1);
    std::vector<std::string> d = c.nella_tabella
                                     ? differenze_in(planimetria, copia, griglia, letti)
                                     : differenze_in(planimetria, tabella, copia, letti);
    const bool trovata = std::any_of(
        d.begin(), d.end(), [&](const std::string& s) { return s.starts_with(c.differenza); });
    EXPECT_TRUE(trovata) << c.caso << "\n" << (d.empty() ? "no difference" : d[0]);
  }
}

TEST(Verifica, TheReportSaysTheOutcomeAndListsTheDifferences) {
  rapporto_file r = rapporto_verifica({"a", "b"});
  EXPECT_EQ(r.tipo, "verifica");
  ASSERT_EQ(r.valori.size(), 2u);
  EXPECT_EQ(testo_valore(r.valori[0].second), "differenze");
  EXPECT_EQ(testo_valore(r.valori[1].second), "2");
  ASSERT_EQ(r.tabelle.size(), 1u);
  EXPECT_EQ(r.tabelle[0].righe.size(), 2u);
  EXPECT_EQ(testo_valore(rapporto_verifica({}).valori[0].second), "valido");
}

}  // namespace
}  // namespace scenario
