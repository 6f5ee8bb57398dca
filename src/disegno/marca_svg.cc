#include "disegno/marca_svg.h"

#include <cstdio>
#include <map>

#include "disegno/generi_disegnati.h"

namespace scenario {

namespace {

std::string percento(double v) {
  char b[16];
  std::snprintf(b, sizeof b, "%g%%", v * 100);
  return b;
}

}  // namespace

// Cairo writes a colour as "rgb(80%,0%,20%)": a path painted in a kind's
// marker colour gets that kind's class and id.
std::string marca_generi(const std::string& svg) {
  std::map<std::string, const genere_disegnato*> per_colore;
  for (const genere_disegnato& g : genere::tutti) {
    per_colore["rgb(" + percento(g.c.r) + "," + percento(g.c.g) + "," + percento(g.c.b) + ")"] = &g;
  }
  std::map<std::string, int> contati;
  std::string uscita;
  size_t da = 0;
  for (size_t k; (k = svg.find("<path ", da)) != std::string::npos;) {
    uscita.append(svg, da, k - da);
    size_t fine = svg.find('>', k);
    if (fine == std::string::npos) break;
    std::string elemento = svg.substr(k, fine - k);
    uscita += "<path ";
    for (const auto& [rgb, g] : per_colore) {
      if (elemento.find("fill:" + rgb) == std::string::npos &&
          elemento.find("stroke:" + rgb) == std::string::npos) {
        continue;
      }
      uscita += "class=\"" + std::string(g->nome) + "\" id=\"" + g->nome + "-" +
                std::to_string(++contati[g->nome]) + "\" ";
      break;
    }
    da = k + 6;
  }
  uscita.append(svg, da, std::string::npos);
  return uscita;
}

}  // namespace scenario
