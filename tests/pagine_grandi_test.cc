#include "piattaforma/pagine_grandi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace scenario {
namespace {

using vettore = std::vector<double, allocatore_pagine_grandi<double>>;

// Blocks on either side of the threshold hold, grow, copy and free like any
// vector's; a large one starts on a huge-page boundary.
TEST(PagineGrandi, VectorsBelowAndAboveTheThresholdHoldTheirValues) {
  for (size_t n : {size_t{10}, soglia_pagine_grandi / sizeof(double) - 1,
                   soglia_pagine_grandi / sizeof(double), size_t{1000001}}) {
    vettore v;
    v.reserve(n);
    if (pagine_grandi_in_uso && n * sizeof(double) >= soglia_pagine_grandi) {
      EXPECT_EQ(reinterpret_cast<uintptr_t>(v.data()) % (size_t{2} << 20), 0u) << n;
    }
    for (size_t i = 0; i < n; ++i) v.push_back(static_cast<double>(i) / 3);
    v.push_back(-1);  // grows past the reserve
    vettore copia = v;
    ASSERT_EQ(copia.size(), n + 1) << n;
    EXPECT_EQ(copia, v) << n;
    EXPECT_EQ(copia[n / 2], static_cast<double>(n / 2) / 3) << n;
  }
}

}  // namespace
}  // namespace scenario
