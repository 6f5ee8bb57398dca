#pragma once

// How far a word is from another, to tell a typo from a different word: the
// keyword or section header an author probably meant, the file name that was
// probably meant, an editor's quick fix.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace scenario {

// The number of single-byte insertions, deletions, substitutions and swaps of
// two neighbouring bytes that turn `a` into `b` (a substring is not edited
// twice), with A-Z equal to a-z when `senza_maiuscole`. Past `limite` the
// count stops: any larger distance is returned as limite + 1, so that a long
// word costs no more than a short one.
size_t distanza_modifica(std::string_view a, std::string_view b, size_t limite,
                         bool senza_maiuscole = true);

// The edits a typo of a word of `lunghezza` bytes may have: at most 2, and
// fewer than half its length, so that "tre" is no typo of "due".
size_t refusi_ammessi(size_t lunghezza);

// Of `candidati`, the index of the nearest to `scritta` with case ignored,
// when within the edits a typo of `scritta` may have; the first of the
// nearest on a tie. A candidate equal to `scritta` but for case is at
// distance 0.
std::optional<size_t> piu_vicina(std::string_view scritta,
                                 std::span<const std::string_view> candidati);

}  // namespace scenario
