#pragma once

// The kinds of item that the pictures draw, each with a marker colour of its
// own; in SVG each item is a group with its kind as its class (tela.h).

namespace scenario {

struct colore {
  double r, g, b;
};

struct genere_disegnato {
  const char* nome;
  colore c;
};

namespace genere {
constexpr genere_disegnato stazione{"stazione", {0.8, 0.0, 0.2}};
constexpr genere_disegnato segnale{"segnale", {0.0, 0.4, 0.8}};
constexpr genere_disegnato rallentamento{"rallentamento", {1.0, 0.6, 0.0}};
constexpr genere_disegnato punto_codice{"punto_codice", {0.4, 0.0, 0.6}};
constexpr genere_disegnato galleria{"galleria", {0.3, 0.3, 0.3}};
constexpr genere_disegnato indicatore_velocita{"indicatore_velocita", {0.85, 0.45, 0.0}};
constexpr genere_disegnato cartello{"cartello", {0.0, 0.55, 0.55}};
}  // namespace genere

}  // namespace scenario
