#pragma once

// The rows whose kind is compiled each from where the one before it left
// off (gradients, curves, tunnels, speed and adhesion profiles): written out
// of order along the route, they compile to something else than they say,
// without an error.

#include <cstdint>
#include <optional>
#include <string>

#include "compilazione/lettore_campi.h"
#include "modello/modello.h"

namespace scenario {

class ordine_righe {
 public:
  // `cosa` names the kind in the warning: "gradient row".
  explicit ordine_righe(std::string cosa) : cosa_(std::move(cosa)) {}

  // A row of the kind at `p`, read at `campo`: warns (fuori_ordine) when it
  // lies before the furthest row of the kind so far, which stays the
  // furthest; otherwise the row becomes it.
  void controlla(modello& m, int32_t p, const campo_letto& campo);

 private:
  std::string cosa_;
  std::optional<int32_t> piu_avanti_;
  campo_letto campo_;
  std::optional<int32_t> riga_;  // the line of campo_, once counted
};

}  // namespace scenario
