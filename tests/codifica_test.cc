#include "base/codifica.h"

#include <gtest/gtest.h>

namespace scenario {
namespace {

TEST(Codifica, NumbersAreLittleEndianWhateverTheMachine) {
  std::string b;
  metti_u8(b, 0xab);
  metti_u16(b, 0x0201);
  metti_i16(b, -2);
  metti_i32(b, 0x04030201);
  metti_i32(b, -1);
  metti_f64(b, 1.0);  // 0x3FF0000000000000
  EXPECT_EQ(b, std::string("\xab\x01\x02\xfe\xff\x01\x02\x03\x04\xff\xff\xff\xff"
                           "\x00\x00\x00\x00\x00\x00\xf0\x3f",
                           21));
}

}  // namespace
}  // namespace scenario
