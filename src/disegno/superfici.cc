#include "disegno/superfici.h"

#include <cairo-pdf.h>
#include <cairo-svg.h>

#include <cmath>
#include <stdexcept>

#include "disegno/pagina.h"

namespace scenario {

namespace {

cairo_status_t accoda(void* destinazione, const unsigned char* dati, unsigned int n) {
  static_cast<std::string*>(destinazione)->append(reinterpret_cast<const char*>(dati), n);
  return CAIRO_STATUS_SUCCESS;
}

}  // namespace

std::string disegna_pagine(const std::vector<disegno_pagina>& pagine, formato_disegno formato,
                           int larghezza_png) {
  std::string byte;
  cairo_surface_t* superficie = nullptr;
  double scala = 1;
  if (formato == formato_disegno::pdf) {
    superficie =
        cairo_pdf_surface_create_for_stream(accoda, &byte, larghezza_pagina, altezza_pagina);
  } else if (formato == formato_disegno::svg) {
    superficie =
        cairo_svg_surface_create_for_stream(accoda, &byte, larghezza_pagina, altezza_pagina);
  } else {
    scala = larghezza_png / larghezza_pagina;
    superficie = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, larghezza_png,
                                            static_cast<int>(std::lround(altezza_pagina * scala)));
  }
  cairo_t* cr = cairo_create(superficie);
  for (const disegno_pagina& pagina : pagine) {
    cairo_save(cr);
    cairo_scale(cr, scala, scala);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    pagina(cr);
    cairo_restore(cr);
    cairo_show_page(cr);
  }
  cairo_destroy(cr);
  if (formato == formato_disegno::png) {
    cairo_surface_write_to_png_stream(superficie, accoda, &byte);
  }
  cairo_surface_finish(superficie);
  cairo_status_t stato = cairo_surface_status(superficie);
  cairo_surface_destroy(superficie);
  if (stato != CAIRO_STATUS_SUCCESS) {
    throw std::runtime_error(std::string("drawing failed: ") + cairo_status_to_string(stato));
  }
  return byte;
}

}  // namespace scenario
