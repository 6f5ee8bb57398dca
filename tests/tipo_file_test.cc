#include "ispezione/tipo_file.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

TEST(TipoFile, KindFromTheName) {
  EXPECT_EQ(tipo_da_nome("a/Prova_linea.dat"), tipo_file_compilato::planimetria);
  EXPECT_EQ(tipo_da_nome("Prova_1.sim"), tipo_file_compilato::elementi);
  EXPECT_EQ(tipo_da_nome("Prova_1.dat"), tipo_file_compilato::celle);
  EXPECT_EQ(tipo_da_nome("Prova_1.txt"), std::nullopt);
}

}  // namespace
}  // namespace scenario
