#include "comandi/file_da_disegnare.h"

#include <gtest/gtest.h>

#include <string>

namespace scenario {
namespace {

TEST(FileDaDisegnare, TheFilesBesideTheTableByItsNameOrThePlanGiven) {
  const struct {
    std::string sim, planimetria;
    bool tabella;  // whether the name is that of an element table
    std::string celle, planimetria_letta, nome;
  } casi[] = {
      {"a/Prova_1.sim", "", true, "a/Prova_1.dat", "a/Prova_linea.dat", "Prova_1"},
      {"Lorvento-Basalto_27364.sim", "", true, "Lorvento-Basalto_27364.dat",
       "Lorvento-Basalto_linea.dat", "Lorvento-Basalto_27364"},
      // The route ends at the last "_", as compila splits a train description's name.
      {"/x/a_b_c.sim", "", true, "/x/a_b_c.dat", "/x/a_b_linea.dat", "a_b_c"},
      {"a/Prova_1.sim", "p/Altra_linea.dat", true, "a/Prova_1.dat", "p/Altra_linea.dat", "Prova_1"},
      // No route in the name: the plan must be given.
      {"a/prova.sim", "", true, "a/prova.dat", "", "prova"},
      {"a/_1.sim", "", true, "a/_1.dat", "", "_1"},
      {"a/prova.sim", "b.dat", true, "a/prova.dat", "b.dat", "prova"},
      {"a/Prova_1.dat", "", false, "", "", ""},
      {"a/Prova_linea.dat", "", false, "", "", ""},
      {"a/.sim", "", false, "", "", ""},
      {"a/Prova_1.SIM", "", false, "", "", ""},
      {"a/Prova_1.sim/", "", false, "", "", ""},
  };
  for (const auto& c : casi) {
    std::optional<file_da_disegnare> f = file_accanto(c.sim, c.planimetria);
    ASSERT_EQ(f.has_value(), c.tabella) << c.sim;
    if (!f) continue;
    EXPECT_EQ(f->elementi, std::filesystem::path(c.sim));
    EXPECT_EQ(f->celle, std::filesystem::path(c.celle)) << c.sim;
    EXPECT_EQ(f->planimetria, std::filesystem::path(c.planimetria_letta)) << c.sim;
    EXPECT_EQ(f->nome, c.nome) << c.sim;
  }
}

}  // namespace
}  // namespace scenario
