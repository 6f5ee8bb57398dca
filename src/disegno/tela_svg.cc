#include "disegno/tela_svg.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <map>

namespace scenario {

std::string numero_svg(double v) {
  if (!std::isfinite(v)) return "0";
  char b[400];
  auto [fine, errore] = std::to_chars(b, b + sizeof b, v, std::chars_format::fixed, 2);
  if (errore != std::errc()) return "0";
  std::string s(b, fine);
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

namespace {

std::string esadecimale(colore c) {
  constexpr char cifre[] = "0123456789abcdef";
  std::string s = "#";
  for (double v : {c.r, c.g, c.b}) {
    long k = std::lround(std::clamp(v, 0.0, 1.0) * 255);
    s += cifre[k / 16];
    s += cifre[k % 16];
  }
  return s;
}

void aggiungi_xml(std::string& uscita, std::string_view testo) {
  for (char c : testo) {
    switch (c) {
      case '&': uscita += "&amp;"; break;
      case '<': uscita += "&lt;"; break;
      case '>': uscita += "&gt;"; break;
      case '"': uscita += "&quot;"; break;
      default: uscita += c;
    }
  }
}

class tela_svg : public tela {
 public:
  explicit tela_svg(std::string& uscita) : s_(uscita) {}

  void apri(const genere_disegnato& g) override {
    s_ += "<g class=\"";
    s_ += g.nome;
    s_ += "\" id=\"";
    s_ += g.nome;
    s_ += '-';
    s_ += std::to_string(++contati_[g.nome]);
    s_ += "\">\n";
  }
  void chiudi() override { s_ += "</g>\n"; }

  void spezzata(std::span<const punto> punti, const pennello& p) override {
    if (punti.empty()) return;
    s_ += "<path d=\"";
    percorso(punti);
    s_ += '"';
    pittura(p, false);
    s_ += "/>\n";
  }
  void poligono(std::span<const punto> punti, const pennello& p) override {
    if (punti.empty()) return;
    s_ += "<path d=\"";
    percorso(punti);
    s_ += "Z\"";
    pittura(p, true);
    s_ += "/>\n";
  }
  void rettangolo(double x, double y, double larghezza, double altezza,
                  const pennello& p) override {
    s_ += "<rect x=\"" + numero_svg(x) + "\" y=\"" + numero_svg(y) + "\" width=\"" +
          numero_svg(larghezza) + "\" height=\"" + numero_svg(altezza) + '"';
    pittura(p, true);
    s_ += "/>\n";
  }
  void cerchio(punto centro, double raggio, const pennello& p) override {
    s_ += "<circle cx=\"" + numero_svg(centro.x) + "\" cy=\"" + numero_svg(centro.y) +
          "\" r=\"" + numero_svg(raggio) + '"';
    pittura(p, true);
    s_ += "/>\n";
  }
  void scrivi(const scritta& t) override {
    const std::string x = numero_svg(t.a.x), y = numero_svg(t.a.y);
    s_ += "<text x=\"" + x + "\" y=\"" + y + "\" font-size=\"" + numero_svg(t.corpo) + '"';
    if (t.grassetto) s_ += " font-weight=\"bold\"";
    if (t.allinea == ancoraggio::centro) s_ += " text-anchor=\"middle\"";
    if (t.allinea == ancoraggio::fine) s_ += " text-anchor=\"end\"";
    if (t.rotazione != 0) {
      s_ += " transform=\"rotate(" + std::to_string(t.rotazione) + ' ' + x + ' ' + y + ")\"";
    }
    if (esadecimale(t.c) != "#1a1a1a") s_ += " fill=\"" + esadecimale(t.c) + '"';
    s_ += '>';
    aggiungi_xml(s_, testo_disegnabile(t.testo));
    s_ += "</text>\n";
  }

 private:
  void percorso(std::span<const punto> punti) {
    s_ += 'M';
    for (size_t k = 0; k < punti.size(); ++k) {
      if (k == 1) s_ += 'L';
      if (k > 1) s_ += ' ';
      s_ += numero_svg(punti[k].x);
      s_ += ' ';
      s_ += numero_svg(punti[k].y);
    }
  }
  void pittura(const pennello& p, bool chiusa) {
    s_ += " fill=\"";
    s_ += p.riempimento ? esadecimale(*p.riempimento) : "none";
    s_ += '"';
    if (p.riempimento && p.opacita_riempimento < 1) {
      s_ += " fill-opacity=\"" + numero_svg(p.opacita_riempimento) + '"';
    }
    if (!p.tratto) return;
    s_ += " stroke=\"" + esadecimale(*p.tratto) + "\" stroke-width=\"" + numero_svg(p.spessore) +
          '"';
    if (p.opacita_tratto < 1) s_ += " stroke-opacity=\"" + numero_svg(p.opacita_tratto) + '"';
    if (p.tratteggio > 0) s_ += " stroke-dasharray=\"" + numero_svg(p.tratteggio) + '"';
    if (!chiusa) s_ += " stroke-linejoin=\"round\" stroke-linecap=\"round\"";
  }

  std::string& s_;
  std::map<std::string, int> contati_;
};

}  // namespace

std::string svg_della_pagina(const pagina_disegno& pagina) {
  const std::string w = numero_svg(pagina.larghezza), h = numero_svg(pagina.altezza);
  std::string s =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
      w + "pt\" height=\"" + h + "pt\" viewBox=\"0 0 " + w + ' ' + h +
      "\" font-family=\"DejaVu Sans, Verdana, sans-serif\" fill=\"#1a1a1a\">\n<title>";
  aggiungi_xml(s, testo_disegnabile(pagina.titolo));
  s += "</title>\n<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
  tela_svg t(s);
  pagina.disegna(t);
  s += "</svg>\n";
  return s;
}

}  // namespace scenario
