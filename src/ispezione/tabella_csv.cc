#include "ispezione/tabella_csv.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <vector>

#include "base/testo_visibile.h"
#include "ispezione/tabella_elementi.h"

namespace scenario {

namespace {

// One row at a time, into a buffer that the rows share.
class scrittore_csv {
 public:
  explicit scrittore_csv(std::ostream& uscita) : uscita_(uscita) {}

  void campo(std::string_view testo) {
    if (!primo_) riga_ += ',';
    primo_ = false;
    riga_ += campo_csv(testo);
  }
  void valore(const valore_rapporto& v) {
    const std::string* s = std::get_if<std::string>(&v);
    campo(s != nullptr ? testo_visibile(*s) : testo_valore(v));
  }
  void fine_riga() {
    riga_ += '\n';
    uscita_.write(riga_.data(), static_cast<std::streamsize>(riga_.size()));
    riga_.clear();
    primo_ = true;
  }
  void intestazione(const std::vector<std::string>& colonne) {
    for (const std::string& c : colonne) campo(c);
    fine_riga();
  }

 private:
  std::ostream& uscita_;
  std::string riga_;
  bool primo_ = true;
};

// The part of the table that record `k` belongs to, by the names of the
// element report's tables and header values.
const char* parte_elemento(const modello& m, const parti_tabella& parti, int k) {
  if (k >= 1 && k <= parti.n_stazioni) return "stazione";
  if (k >= parti.primo_testo && k <= primo_elemento_testo) return "testo";
  if (k >= elemento_progressiva_tre && k <= elemento_progressiva_uno) return "progressiva";
  if (k == elemento_linea) return "linea";
  if (k == elemento_testata_percorso) return "testata_percorso";
  if (k == elemento_testata_treno) return "testata_treno";
  return elemento_vuoto(m.elementi[static_cast<size_t>(k)]) ? "libero" : "altro";
}

void scrivi_elementi(scrittore_csv& csv, const modello& m) {
  const std::vector<std::string>& colonne = colonne_elemento();
  std::vector<std::string> intestazione = {colonne.front(), "parte"};
  intestazione.insert(intestazione.end(), colonne.begin() + 1, colonne.end());
  csv.intestazione(intestazione);
  parti_tabella parti = dividi_tabella(m);
  for (int k = 0; k < numero_elementi; ++k) {
    std::vector<valore_rapporto> riga = riga_elemento(m.elementi[static_cast<size_t>(k)], k);
    csv.valore(riga.front());
    csv.campo(parte_elemento(m, parti, k));
    for (size_t i = 1; i < riga.size(); ++i) csv.valore(riga[i]);
    csv.fine_riga();
  }
}

void scrivi_celle(scrittore_csv& csv, const modello& m, const intervallo_metri& intervallo) {
  csv.intestazione(colonne_celle());
  for (size_t i = 0; i < m.celle.size(); ++i) {
    if (!cella_nell_intervallo(i, intervallo)) continue;
    for (const valore_rapporto& v : riga_cella(m.celle[i], i)) csv.valore(v);
    csv.fine_riga();
  }
}

// An integer as it is, a double as the shortest text that reads back as the
// same double, an empty metre as an empty field.
std::string coordinata_in_testo(const coordinata_planimetria& c, size_t metro) {
  switch (c.tipo(metro)) {
    case coordinata_planimetria::intero:
      return std::to_string(static_cast<int64_t>(c.numero(metro)));
    case coordinata_planimetria::reale: {
      char b[32];
      auto [fine, errore] = std::to_chars(b, b + sizeof b, c.numero(metro));
      return errore == std::errc() ? std::string(b, fine) : std::string();
    }
    default:
      return {};
  }
}

void scrivi_planimetria(scrittore_csv& csv, const modello& m, const intervallo_metri& intervallo) {
  csv.intestazione({"metro", "x", "y"});
  const coordinata_planimetria& x = m.planimetria[0];
  const coordinata_planimetria& y = m.planimetria[1];
  int64_t metri = static_cast<int64_t>(std::min(x.size(), y.size()));
  int64_t da = intervallo.da.value_or(0);
  int64_t a = std::min(intervallo.a.value_or(metri - 1), metri - 1);
  for (int64_t metro = std::max<int64_t>(da, 0); metro <= a; ++metro) {
    csv.campo(std::to_string(metro));
    csv.campo(coordinata_in_testo(x, static_cast<size_t>(metro)));
    csv.campo(coordinata_in_testo(y, static_cast<size_t>(metro)));
    csv.fine_riga();
  }
}

}  // namespace

std::string campo_csv(std::string_view testo) {
  if (testo.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(testo);
  std::string citato = "\"";
  for (char c : testo) {
    if (c == '"') citato += '"';
    citato += c;
  }
  return citato + "\"";
}

void scrivi_tabella_csv(std::ostream& uscita, const modello& m, tipo_file_compilato tipo,
                        const intervallo_metri& intervallo) {
  scrittore_csv csv(uscita);
  switch (tipo) {
    case tipo_file_compilato::planimetria:
      scrivi_planimetria(csv, m, intervallo);
      return;
    case tipo_file_compilato::elementi:
      scrivi_elementi(csv, m);
      return;
    case tipo_file_compilato::celle:
      scrivi_celle(csv, m, intervallo);
      return;
  }
}

}  // namespace scenario
