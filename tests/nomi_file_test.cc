#include "generazione/nomi_file.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

TEST(NomiFile, TheEightNamesOfTheBuiltInScenario) {
  const std::string l = "Lorvento-Basalto";
  const std::string t = "27364";
  EXPECT_EQ(nome_descrizione_linea(l), "Lorvento-Basalto_linea.txt");
  EXPECT_EQ(nome_descrizione_treno(l, t), "Lorvento-Basalto_27364-.txt");
  EXPECT_EQ(nome_scheda_treno(l, t), "Lorvento-Basalto_27364_scheda_treno.txt");
  EXPECT_EQ(nome_rallentamenti(l, t), "Lorvento-Basalto_27364_rallentamenti.txt");
  EXPECT_EQ(nome_note(l, t), "Lorvento-Basalto_27364_note.txt");
  EXPECT_EQ(nome_planimetria(l), "Lorvento-Basalto_linea.dat");
  EXPECT_EQ(nome_elementi(l, t), "Lorvento-Basalto_27364.sim");
  EXPECT_EQ(nome_celle(l, t), "Lorvento-Basalto_27364.dat");
}

}  // namespace
}  // namespace scenario
