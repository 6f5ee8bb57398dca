#include "modello/modello.h"

#include <gtest/gtest.h>

#include "modello/numeri_errore.h"

namespace scenario {
namespace {

TEST(Modello, SizingRoundsTheLastCellToEven) {
  const struct {
    int32_t lunghezza;
    int32_t metri_totali;
    int32_t n_celle;
  } casi[] = {{103000, 110000, 2200}, {25, 7025, 140}, {75, 7075, 142}, {0, 7000, 140}};
  for (const auto& c : casi) {
    modello m;
    m.scrivi_planimetria = 1;
    dimensiona(m, c.lunghezza);
    EXPECT_EQ(m.metri_totali, c.metri_totali) << c.lunghezza;
    EXPECT_EQ(m.n_celle, c.n_celle) << c.lunghezza;
    EXPECT_EQ(m.celle.size(), static_cast<size_t>(c.n_celle) + 1);
    EXPECT_EQ(m.planimetria[1].size(), static_cast<size_t>(c.metri_totali) + 1);
    EXPECT_TRUE(std::holds_alternative<std::monostate>(m.planimetria[0].back()));
  }
}

TEST(Modello, SizingWithoutPlanLeavesThePlanEmptyAndResizingDiscards) {
  modello m;
  m.scrivi_planimetria = 1;
  dimensiona(m, 1000);
  m.celle[3].tipo = tipo_cella::segnale;
  m.scrivi_planimetria = 0;
  dimensiona(m, 1000);
  EXPECT_TRUE(m.planimetria[0].empty());
  EXPECT_EQ(m.celle[3].tipo, 0);
}

TEST(Modello, InitialisedElementsAreEmpty) {
  modello m;
  m.elementi[85].testo = "x";
  m.elementi[3].orario = 7;
  inizializza_elementi(m);
  for (const elemento& e : m.elementi) {
    EXPECT_TRUE(e.testo.empty());
    EXPECT_EQ(e.orario, 0);
  }
  EXPECT_EQ(m.elementi.size(), 87u);
}

TEST(Modello, OnlyEmptyCellsAndTunnelMarkersAreFree) {
  for (int tipo = 0; tipo < 256; ++tipo) {
    cella c;
    c.tipo = static_cast<uint8_t>(tipo);
    EXPECT_EQ(cella_libera(c), tipo == 0 || tipo == 11) << tipo;
  }
}

// Past the limit the entries are only counted, by severity, while n_errore,
// pos_errore and the count of errors follow every error recorded; each
// compile round starts from none under the same limit.
TEST(Modello, DiagnosticsPastTheLimitAreCountedNotKept) {
  modello m;
  m.limite_diagnostiche = 2;
  for (int giro = 1; giro <= 2; ++giro) {
    azzera_errori(m);
    registra_avviso(m, numero_avviso::campo_vuoto, {"t.txt", 1, 1});
    registra_errore(m, numero_errore::stazione_non_multipla, 100, {"t.txt", 2, 1});
    registra_errore(m, numero_errore::segnale_su_cella_occupata, 200, {"t.txt", 3, 1});
    registra_avviso(m, numero_avviso::campo_vuoto, {"t.txt", 4, 1});
    registra_errore(m, numero_errore::griglia_mancante);
    ASSERT_EQ(m.diagnostiche.size(), 2u) << giro;
    EXPECT_EQ(m.diagnostiche[1].numero, numero_errore::stazione_non_multipla) << giro;
    EXPECT_EQ(m.tralasciate.errori, 2u) << giro;
    EXPECT_EQ(m.tralasciate.avvisi, 1u) << giro;
    EXPECT_EQ(m.n_errore, numero_errore::griglia_mancante) << giro;
    EXPECT_EQ(m.pos_errore, 200) << giro;
    EXPECT_EQ(conta_errori(m), 3u) << giro;
  }
}

}  // namespace
}  // namespace scenario
