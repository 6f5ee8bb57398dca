#include "disegno/tela_cairo.h"

#include <cairo-pdf.h>
#include <cairo.h>
#include <png.h>

#include <cmath>
#include <numbers>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace scenario {

namespace {

class tela_cairo : public tela {
 public:
  explicit tela_cairo(cairo_t* cr) : cr_(cr) {
    // Text set at the table's advances, unrounded, as the layout measured it.
    cairo_font_options_t* o = cairo_font_options_create();
    cairo_font_options_set_hint_metrics(o, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr_, o);
    cairo_font_options_destroy(o);
  }

  void apri(const genere_disegnato&) override {}
  void chiudi() override {}

  void spezzata(std::span<const punto> punti, const pennello& p) override {
    if (punti.empty()) return;
    traccia(punti);
    pittura(p);
  }
  void poligono(std::span<const punto> punti, const pennello& p) override {
    if (punti.empty()) return;
    traccia(punti);
    cairo_close_path(cr_);
    pittura(p);
  }
  void rettangolo(double x, double y, double larghezza, double altezza,
                  const pennello& p) override {
    cairo_rectangle(cr_, x, y, larghezza, altezza);
    pittura(p);
  }
  void cerchio(punto centro, double raggio, const pennello& p) override {
    cairo_new_sub_path(cr_);
    cairo_arc(cr_, centro.x, centro.y, raggio, 0, 2 * std::numbers::pi);
    pittura(p);
  }
  void scrivi(const scritta& t) override {
    const std::string testo = testo_disegnabile(t.testo);
    const double w = larghezza_testo(testo, t.corpo, t.grassetto);
    cairo_save(cr_);
    cairo_select_font_face(cr_, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           t.grassetto ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr_, t.corpo);
    cairo_translate(cr_, t.a.x, t.a.y);
    cairo_rotate(cr_, t.rotazione * std::numbers::pi / 180);
    cairo_move_to(cr_, t.allinea == ancoraggio::inizio   ? 0
                       : t.allinea == ancoraggio::centro ? -w / 2
                                                         : -w,
                  0);
    cairo_set_source_rgb(cr_, t.c.r, t.c.g, t.c.b);
    cairo_show_text(cr_, testo.c_str());
    cairo_restore(cr_);
    // Showing text leaves a current point, which the next path would start from.
    cairo_new_path(cr_);
  }

 private:
  void traccia(std::span<const punto> punti) {
    cairo_move_to(cr_, punti[0].x, punti[0].y);
    for (size_t k = 1; k < punti.size(); ++k) cairo_line_to(cr_, punti[k].x, punti[k].y);
  }
  void pittura(const pennello& p) {
    if (p.riempimento) {
      const colore& c = *p.riempimento;
      cairo_set_source_rgba(cr_, c.r, c.g, c.b, p.opacita_riempimento);
      if (p.tratto) {
        cairo_fill_preserve(cr_);
      } else {
        cairo_fill(cr_);
      }
    }
    if (p.tratto) {
      const colore& c = *p.tratto;
      cairo_set_source_rgba(cr_, c.r, c.g, c.b, p.opacita_tratto);
      cairo_set_line_width(cr_, p.spessore);
      cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
      cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
      if (p.tratteggio > 0) {
        cairo_set_dash(cr_, &p.tratteggio, 1, 0);
        cairo_set_line_cap(cr_, CAIRO_LINE_CAP_BUTT);
      }
      cairo_stroke(cr_);
      cairo_set_dash(cr_, nullptr, 0, 0);
    }
    cairo_new_path(cr_);
  }

  cairo_t* cr_;
};

cairo_status_t accoda(void* destinazione, const unsigned char* dati, unsigned int n) {
  static_cast<std::string*>(destinazione)->append(reinterpret_cast<const char*>(dati), n);
  return CAIRO_STATUS_SUCCESS;
}

void disegna_su(cairo_t* cr, const pagina_disegno& pagina, double scala) {
  cairo_save(cr);
  cairo_scale(cr, scala, scala);
  cairo_set_source_rgb(cr, 1, 1, 1);
  cairo_paint(cr);
  tela_cairo t(cr);
  pagina.disegna(t);
  cairo_restore(cr);
}

void concludi(cairo_surface_t* superficie) {
  cairo_surface_finish(superficie);
  cairo_status_t stato = cairo_surface_status(superficie);
  cairo_surface_destroy(superficie);
  if (stato != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error(std::string("drawing failed: ") + cairo_status_to_string(stato));
  }
}

void accoda_png(png_structp png, png_bytep dati, png_size_t n) {
  static_cast<std::string*>(png_get_io_ptr(png))->append(reinterpret_cast<const char*>(dati), n);
}

// The pixels of an opaque image surface as an RGB PNG. libpng, not cairo's own
// writer: the compression is chosen here. zlib's fastest, each row told from
// the one above, writes the large flat areas of a page three times as fast
// as cairo's default, for a file about a third larger.
std::string codifica_png(cairo_surface_t* superficie) {
  cairo_surface_flush(superficie);
  const int w = cairo_image_surface_get_width(superficie);
  const int h = cairo_image_surface_get_height(superficie);
  const int passo = cairo_image_surface_get_stride(superficie);
  const unsigned char* pixel = cairo_image_surface_get_data(superficie);
  std::string byte;
  std::vector<png_byte> riga(static_cast<size_t>(w) * 3);
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png == nullptr ? nullptr : png_create_info_struct(png);
  if (info == nullptr || setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    throw std::runtime_error("drawing failed: the PNG could not be written");
  }
  png_set_write_fn(png, &byte, accoda_png, nullptr);
  png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), 8,
               PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 1);
  png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
  png_write_info(png, info);
  for (int y = 0; y < h; ++y) {
    // cairo keeps a pixel as one 32-bit word, red in bits 16 to 23.
    const auto* parole = reinterpret_cast<const uint32_t*>(pixel + static_cast<ptrdiff_t>(y) * passo);
    for (int x = 0; x < w; ++x) {
      riga[static_cast<size_t>(x) * 3] = static_cast<png_byte>(parole[x] >> 16);
      riga[static_cast<size_t>(x) * 3 + 1] = static_cast<png_byte>(parole[x] >> 8);
      riga[static_cast<size_t>(x) * 3 + 2] = static_cast<png_byte>(parole[x]);
    }
    png_write_row(png, riga.data());
  }
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return byte;
}

}  // namespace

std::string pdf_delle_pagine(const std::vector<pagina_disegno>& pagine, const metadati_pdf& m) {
  std::string byte;
  const double w = pagine.empty() ? 1 : pagine[0].larghezza;
  const double h = pagine.empty() ? 1 : pagine[0].altezza;
  cairo_surface_t* superficie = cairo_pdf_surface_create_for_stream(accoda, &byte, w, h);
  cairo_pdf_surface_set_metadata(superficie, CAIRO_PDF_METADATA_TITLE, m.titolo.c_str());
  cairo_pdf_surface_set_metadata(superficie, CAIRO_PDF_METADATA_SUBJECT, m.soggetto.c_str());
  cairo_pdf_surface_set_metadata(superficie, CAIRO_PDF_METADATA_CREATOR, "generatore");
  cairo_t* cr = cairo_create(superficie);
  for (const pagina_disegno& pagina : pagine) {
    cairo_pdf_surface_set_size(superficie, pagina.larghezza, pagina.altezza);
    disegna_su(cr, pagina, 1);
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  concludi(superficie);
  return byte;
}

std::string png_della_pagina(const pagina_disegno& pagina, int larghezza) {
  const double scala = larghezza / pagina.larghezza;
  cairo_surface_t* superficie = cairo_image_surface_create(
      CAIRO_FORMAT_RGB24, larghezza, static_cast<int>(std::lround(pagina.altezza * scala)));
  cairo_t* cr = cairo_create(superficie);
  disegna_su(cr, pagina, scala);
  cairo_destroy(cr);
  std::string byte;
  if (cairo_surface_status(superficie) == CAIRO_STATUS_SUCCESS) byte = codifica_png(superficie);
  concludi(superficie);
  return byte;
}

}  // namespace scenario
