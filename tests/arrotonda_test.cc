#include "modello/arrotonda.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

TEST(Arrotonda, NearestWithTiesToEven) {
  const struct {
    double x;
    double atteso;
  } casi[] = {{325.5, 326}, {326.5, 326}, {327.5, 328}, {140.5, 140}, {0.5, 0},  {1.5, 2},
              {-0.5, 0},    {-1.5, -2},   {-2.5, -2},   {2.49, 2},    {2.51, 3}, {-2.51, -3},
              {7.0, 7},     {1e15 + 0.5, 1e15}};
  for (const auto& c : casi) EXPECT_EQ(arrotonda(c.x), c.atteso) << c.x;
}

TEST(Arrotonda, ConversionOutsideTheFieldIsARunTimeFailure) {
  EXPECT_EQ(arrotonda_a<uint8_t>(255.4), 255);
  EXPECT_EQ(arrotonda_a<int16_t>(-32768.4), -32768);
  EXPECT_THROW(arrotonda_a<uint8_t>(255.6), errore_esecuzione);
  EXPECT_THROW(arrotonda_a<uint8_t>(-0.6), errore_esecuzione);
  EXPECT_THROW(arrotonda_a<int16_t>(32767.6), errore_esecuzione);
  EXPECT_THROW(arrotonda_a<int32_t>(std::nan("")), errore_esecuzione);
}

}  // namespace
}  // namespace scenario
