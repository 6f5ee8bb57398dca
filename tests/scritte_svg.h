#pragma once

// The texts of an SVG page as a reader sees them: where each one's box lies,
// from the same character sizes that laid it out, and which of them overlap
// another or leave the page. The pages are read by a small reader of the
// elements that the program's SVG writer makes, so that the tests run in the
// Windows build too; where expat is built (PROVE_CON_EXPAT), it says besides
// whether the page is well-formed XML.

#ifdef PROVE_CON_EXPAT
#include <expat.h>
#endif

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "disegno/tela.h"

namespace scenario::prova {

struct pagina_svg {
  double larghezza = 0, altezza = 0;
  std::vector<scritta> scritte;
  bool ben_formata = false;
};

// The text between entities undone: the five of XML.
inline std::string senza_entita(std::string_view s) {
  std::string u;
  for (size_t k = 0; k < s.size(); ++k) {
    if (s[k] != '&') {
      u += s[k];
      continue;
    }
    const size_t fine = s.find(';', k);
    const std::string_view nome = s.substr(k + 1, fine - k - 1);
    u += nome == "amp" ? '&' : nome == "lt" ? '<' : nome == "gt" ? '>' : nome == "quot" ? '"' : '\'';
    k = fine;
  }
  return u;
}

// The value of attribute `chiave` in the start tag `tag`, empty when absent.
inline std::string attributo(std::string_view tag, std::string_view chiave) {
  const std::string cerca = " " + std::string(chiave) + "=\"";
  const size_t k = tag.find(cerca);
  if (k == std::string_view::npos) return {};
  const size_t inizio = k + cerca.size();
  return senza_entita(tag.substr(inizio, tag.find('"', inizio) - inizio));
}

inline pagina_svg leggi_pagina_svg(const std::string& svg) {
  pagina_svg pagina;
  bool chiusa = true;
  for (size_t k = svg.find('<'); k != std::string::npos; k = svg.find('<', k + 1)) {
    const size_t fine_tag = svg.find('>', k);
    if (fine_tag == std::string::npos) {
      chiusa = false;
      break;
    }
    const std::string_view tag(svg.data() + k, fine_tag - k);
    if (tag.starts_with("<svg ")) {
      pagina.larghezza = std::atof(attributo(tag, "width").c_str());
      pagina.altezza = std::atof(attributo(tag, "height").c_str());
    }
    if (!tag.starts_with("<text ")) continue;
    const size_t fine_testo = svg.find("</text>", fine_tag);
    if (fine_testo == std::string::npos) {
      chiusa = false;
      break;
    }
    scritta t;
    t.a = {std::atof(attributo(tag, "x").c_str()), std::atof(attributo(tag, "y").c_str())};
    t.corpo = std::atof(attributo(tag, "font-size").c_str());
    t.grassetto = attributo(tag, "font-weight") == "bold";
    const std::string ancora = attributo(tag, "text-anchor");
    t.allinea = ancora == "middle" ? ancoraggio::centro
                : ancora == "end"  ? ancoraggio::fine
                                   : ancoraggio::inizio;
    const std::string trasforma = attributo(tag, "transform");
    if (trasforma.starts_with("rotate(")) t.rotazione = std::atoi(trasforma.c_str() + 7);
    t.testo = senza_entita(std::string_view(svg).substr(fine_tag + 1, fine_testo - fine_tag - 1));
    pagina.scritte.push_back(t);
    k = fine_testo;
  }
#ifdef PROVE_CON_EXPAT
  XML_Parser parser = XML_ParserCreate("UTF-8");
  pagina.ben_formata =
      chiusa && XML_Parse(parser, svg.data(), static_cast<int>(svg.size()), 1) == XML_STATUS_OK;
  XML_ParserFree(parser);
#else
  pagina.ben_formata = chiusa && svg.starts_with("<?xml") && svg.ends_with("</svg>\n");
#endif
  return pagina;
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
