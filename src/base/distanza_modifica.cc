#include "base/distanza_modifica.h"

#include <algorithm>
#include <vector>

namespace scenario {

namespace {

char minuscola(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

}  // namespace

size_t distanza_modifica(std::string_view a, std::string_view b, size_t limite,
                         bool senza_maiuscole) {
  const size_t differenza = a.size() > b.size() ? a.size() - b.size() : b.size() - a.size();
  if (differenza > limite) return limite + 1;
  const auto uguali = [senza_maiuscole](char x, char y) {
    return senza_maiuscole ? minuscola(x) == minuscola(y) : x == y;
  };
  // Three rows of the table: the one two back is needed by a swap.
  std::vector<size_t> due_prima(b.size() + 1), prima(b.size() + 1), riga(b.size() + 1);
  for (size_t j = 0; j <= b.size(); ++j) prima[j] = j;
  for (size_t i = 1; i <= a.size(); ++i) {
    riga[0] = i;
    size_t minimo_riga = riga[0];
    for (size_t j = 1; j <= b.size(); ++j) {
      const size_t costo = uguali(a[i - 1], b[j - 1]) ? 0 : 1;
      riga[j] = std::min({prima[j] + 1, riga[j - 1] + 1, prima[j - 1] + costo});
      if (i > 1 && j > 1 && uguali(a[i - 1], b[j - 2]) && uguali(a[i - 2], b[j - 1])) {
        riga[j] = std::min(riga[j], due_prima[j - 2] + 1);
      }
      minimo_riga = std::min(minimo_riga, riga[j]);
    }
    // No later row can be below the least of this one.
    if (minimo_riga > limite) return limite + 1;
    std::swap(due_prima, prima);
    std::swap(prima, riga);
  }
  return std::min(prima[b.size()], limite + 1);
}

size_t refusi_ammessi(size_t lunghezza) {
  return lunghezza == 0 ? 0 : std::min<size_t>(2, (lunghezza - 1) / 2);
}

std::optional<size_t> piu_vicina(std::string_view scritta,
                                 std::span<const std::string_view> candidati) {
  if (scritta.empty()) return std::nullopt;
  const size_t ammessi = refusi_ammessi(scritta.size());
  std::optional<size_t> scelta;
  size_t migliore = ammessi + 1;
  for (size_t i = 0; i < candidati.size(); ++i) {
    const size_t d = distanza_modifica(scritta, candidati[i], ammessi);
    if (d < migliore) {
      migliore = d;
      scelta = i;
    }
  }
  return scelta;
}

}  // namespace scenario
