#include "ispezione/rapporto.h"

#include <algorithm>
#include <cstdio>
#include <nlohmann/json.hpp>
#include <stdexcept>

#include "base/testo_visibile.h"

namespace scenario {

namespace {

using json = nlohmann::ordered_json;

std::string reale_in_testo(const numero_reale& r) {
  char b[64];
  std::snprintf(b, sizeof b, "%.*f", r.decimali, r.valore);
  return b;
}

json in_json(const valore_rapporto& v) {
  if (const int64_t* i = std::get_if<int64_t>(&v)) return *i;
  if (const numero_reale* r = std::get_if<numero_reale>(&v)) return r->valore;
  if (const std::string* s = std::get_if<std::string>(&v)) return *s;
  json oggetto = json::object();
  for (const auto& [nome, numero] : std::get<campi_nominati>(v)) oggetto[nome] = numero;
  return oggetto;
}

bool a_destra(const valore_rapporto& v) {
  return std::holds_alternative<int64_t>(v) || std::holds_alternative<numero_reale>(v);
}

void scrivi_testo(std::ostream& uscita, const rapporto_file& r) {
  size_t larghezza = 0;
  for (const auto& [nome, valore] : r.valori) larghezza = std::max(larghezza, nome.size());
  for (const auto& [nome, valore] : r.valori) {
    uscita << nome << ':' << std::string(larghezza - nome.size() + 1, ' ')
           << testo_visibile(testo_valore(valore)) << '\n';
  }
  for (const tabella_rapporto& t : r.tabelle) {
    uscita << '\n' << t.nome << " (" << t.righe.size() << ")\n";
    if (t.righe.empty()) continue;
    std::vector<size_t> larghezze;
    for (const std::string& c : t.colonne) larghezze.push_back(c.size());
    std::vector<std::vector<std::string>> testi;
    for (const auto& riga : t.righe) {
      std::vector<std::string> celle;
      for (size_t k = 0; k < riga.size(); ++k) {
        // Names read from a file may hold anything; none reaches the
        // terminal as a control.
        celle.push_back(testo_visibile(testo_valore(riga[k])));
        larghezze[k] = std::max(larghezze[k], colonne_testo(celle.back()));
      }
      testi.push_back(std::move(celle));
    }
    std::string linea;
    for (size_t k = 0; k < t.colonne.size(); ++k) {
      linea +=
          (k ? "  " : "") + t.colonne[k] + std::string(larghezze[k] - t.colonne[k].size(), ' ');
    }
    while (!linea.empty() && linea.back() == ' ') linea.pop_back();
    uscita << linea << '\n';
    for (size_t i = 0; i < testi.size(); ++i) {
      linea.clear();
      for (size_t k = 0; k < testi[i].size(); ++k) {
        std::string spazio(larghezze[k] - colonne_testo(testi[i][k]), ' ');
        linea += k ? "  " : "";
        linea += a_destra(t.righe[i][k]) ? spazio + testi[i][k] : testi[i][k] + spazio;
      }
      while (!linea.empty() && linea.back() == ' ') linea.pop_back();
      uscita << linea << '\n';
    }
  }
}

json rapporto_json(const rapporto_file& r) {
  json oggetto = json::object();
  for (const auto& [nome, valore] : r.valori) oggetto[nome] = in_json(valore);
  json tabelle = json::object();
  for (const tabella_rapporto& t : r.tabelle) {
    json righe = json::array();
    for (const auto& riga : t.righe) {
      json o = json::object();
      for (size_t k = 0; k < riga.size(); ++k) o[t.colonne[k]] = in_json(riga[k]);
      righe.push_back(std::move(o));
    }
    tabelle[t.nome] = std::move(righe);
  }
  oggetto["tabelle"] = std::move(tabelle);
  return oggetto;
}

}  // namespace

std::string testo_valore(const valore_rapporto& v) {
  if (const int64_t* i = std::get_if<int64_t>(&v)) return std::to_string(*i);
  if (const numero_reale* r = std::get_if<numero_reale>(&v)) return reale_in_testo(*r);
  if (const std::string* s = std::get_if<std::string>(&v)) return *s;
  std::string testo;
  for (const auto& [nome, numero] : std::get<campi_nominati>(v)) {
    testo += (testo.empty() ? "" : " ") + nome + "=" + std::to_string(numero);
  }
  return testo;
}

void scrivi_rapporti(std::ostream& uscita, const std::vector<rapporto_file>& originali,
                     formato_rapporto formato) {
  // The file and its kind lead the values.
  std::vector<rapporto_file> rapporti = originali;
  for (rapporto_file& r : rapporti) {
    r.valori.insert(r.valori.begin(), {"tipo", r.tipo});
    if (!r.file.empty()) r.valori.insert(r.valori.begin(), {"file", r.file});
  }
  if (formato == formato_rapporto::json) {
    json tutti = json::array();
    for (const rapporto_file& r : rapporti) tutti.push_back(rapporto_json(r));
    uscita << tutti.dump(2, ' ', false, json::error_handler_t::replace) << '\n';
    return;
  }
  if (formato != formato_rapporto::testo) {
    throw std::logic_error("a CSV table is written from the file, not from its report");
  }
  for (size_t i = 0; i < rapporti.size(); ++i) {
    if (i > 0) uscita << '\n';
    scrivi_testo(uscita, rapporti[i]);
  }
}

}  // namespace scenario
