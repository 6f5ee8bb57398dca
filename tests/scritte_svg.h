#pragma once

// The texts of an SVG page as a reader sees them: where each one's box lies,
// from the same character sizes that laid it out, and which of them overlap
// another or leave the page. Read with expat, which the Windows build of the
// tests lacks: a test that uses this is kept from it (PROVE_CON_EXPAT).

#ifndef PROVE_CON_EXPAT
#error "scritte_svg.h needs expat, which this build of the tests lacks"
#endif

#include <expat.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <string>
#include <vector>

#include "disegno/tela.h"

namespace scenario::prova {

struct pagina_svg {
  double larghezza = 0, altezza = 0;
  std::vector<scritta> scritte;
  bool ben_formata = false;
};

inline pagina_svg leggi_pagina_svg(const std::string& svg) {
  struct stato {
    pagina_svg pagina;
    scritta* aperta = nullptr;
  } s;
  XML_Parser parser = XML_ParserCreate("UTF-8");
  XML_SetUserData(parser, &s);
  XML_SetElementHandler(
      parser,
      [](void* dati, const XML_Char* nome, const XML_Char** attributi) {
        auto& s = *static_cast<stato*>(dati);
        const std::string elemento = nome;
        auto valore = [&](const std::string& chiave) -> std::string {
          for (int k = 0; attributi[k] != nullptr; k += 2) {
            if (chiave == attributi[k]) return attributi[k + 1];
          }
          return {};
        };
        if (elemento == "svg") {
          s.pagina.larghezza = std::atof(valore("width").c_str());
          s.pagina.altezza = std::atof(valore("height").c_str());
        }
        if (elemento != "text") return;
        scritta t;
        t.a = {std::atof(valore("x").c_str()), std::atof(valore("y").c_str())};
        t.corpo = std::atof(valore("font-size").c_str());
        t.grassetto = valore("font-weight") == "bold";
        const std::string ancora = valore("text-anchor");
        t.allinea = ancora == "middle" ? ancoraggio::centro
                    : ancora == "end"  ? ancoraggio::fine
                                       : ancoraggio::inizio;
        const std::string trasforma = valore("transform");
        if (trasforma.starts_with("rotate(")) t.rotazione = std::atoi(trasforma.c_str() + 7);
        s.pagina.scritte.push_back(t);
        s.aperta = &s.pagina.scritte.back();
      },
      [](void* dati, const XML_Char*) { static_cast<stato*>(dati)->aperta = nullptr; });
  XML_SetCharacterDataHandler(parser, [](void* dati, const XML_Char* testo, int n) {
    auto& s = *static_cast<stato*>(dati);
    if (s.aperta != nullptr) s.aperta->testo.append(testo, static_cast<size_t>(n));
  });
  s.pagina.ben_formata =
      XML_Parse(parser, svg.data(), static_cast<int>(svg.size()), 1) == XML_STATUS_OK;
  XML_ParserFree(parser);
  return s.pagina;
}

// Whether two convex quadrilaterals overlap by more than `margine` along
// every axis that could part them.
inline bool si_sovrappongono(const std::array<punto, 4>& a, const std::array<punto, 4>& b,
                             double margine = 0.05) {
  for (const auto* forma : {&a, &b}) {
    for (size_t k = 0; k < 4; ++k) {
      const punto p = (*forma)[k], q = (*forma)[(k + 1) % 4];
      const double nx = q.y - p.y, ny = p.x - q.x;
      const double lunghezza = std::sqrt(nx * nx + ny * ny);
      if (lunghezza == 0) continue;
      auto proietta = [&](const std::array<punto, 4>& f) {
        double lo = 1e300, hi = -1e300;
        for (const punto& v : f) {
          const double d = (v.x * nx + v.y * ny) / lunghezza;
          lo = std::min(lo, d);
          hi = std::max(hi, d);
        }
        return std::pair{lo, hi};
      };
      auto [a0, a1] = proietta(a);
      auto [b0, b1] = proietta(b);
      if (std::min(a1, b1) - std::max(a0, b0) <= margine) return false;
    }
  }
  return true;
}

// Every text that overlaps another or leaves the page, said in words.
inline std::vector<std::string> scritte_in_conflitto(const pagina_svg& p) {
  std::vector<std::string> conflitti;
  std::vector<std::array<punto, 4>> riquadri;
  for (const scritta& s : p.scritte) riquadri.push_back(angoli_scritta(s));
  for (size_t i = 0; i < riquadri.size(); ++i) {
    for (const punto& v : riquadri[i]) {
      if (v.x < 0 || v.y < 0 || v.x > p.larghezza || v.y > p.altezza) {
        conflitti.push_back("'" + p.scritte[i].testo + "' leaves the page");
        break;
      }
    }
    for (size_t j = i + 1; j < riquadri.size(); ++j) {
      if (si_sovrappongono(riquadri[i], riquadri[j])) {
        conflitti.push_back("'" + p.scritte[i].testo + "' overlaps '" + p.scritte[j].testo + "'");
      }
    }
  }
  return conflitti;
}

}  // namespace scenario::prova
