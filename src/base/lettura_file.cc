#include "base/lettura_file.h"

namespace scenario {

std::string descrivi_massimo(uint64_t massimo, std::string_view cosa) {
  constexpr uint64_t mib = uint64_t{1} << 20;
  const std::string quanto = massimo != 0 && massimo % mib == 0
                                 ? std::to_string(massimo / mib) + " MiB"
                                 : std::to_string(massimo) + " bytes";
  return "the " + quanto + " " + std::string(cosa) + " may have";
}

}  // namespace scenario
