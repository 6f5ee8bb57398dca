#include "documenti/dati_rallentamenti.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "documenti/tabella_documento.h"
#include "descrizioni_incorporate/luoghi.h"

namespace scenario {

namespace {

// N., FRA LE STAZIONI, Inizio dopo il cippo, Velocita', Lunghezza, Prescrizioni.
constexpr std::array<size_t, 6> larghezze = {3, 28, 12, 10, 9, 12};

struct rallentamento {
  int numero;
  std::string_view da;
  std::string_view a;
  int cippo;  // km post after which it begins
  int velocita;
  int lunghezza;                  // metres
  std::string_view prescrizioni;  // letters of the legend, none for "---"
};

constexpr auto& st = luoghi::stazioni;

// Fixed text, not taken from the train description: of its six slow-downs the
// order lists all but the 15 km/h one over 100 m.
constexpr std::array<rallentamento, 5> rallentamenti = {{
    {1, "Valcand.", "C.vieri", 7, 40, 450, "A"},
    {2, st[10].nome, st[11].nome, 63, 25, 950, ""},
    {3, st[12].nome, "Pratom. L.", 53, 70, 50, "ADE"},
    {4, st[15].nome, st[16].nome, 38, 30, 1500, ""},
    {5, st[18].nome, st[19].nome, 16, 75, 3450, "A"},
}};

std::string prescrizioni(std::string_view lettere) {
  if (lettere.empty()) return "---";
  std::string unite;
  for (char lettera : lettere) {
    if (!unite.empty()) unite += '-';
    unite += lettera;
  }
  return unite;
}

std::string riga_rallentamento(const rallentamento& r) {
  const std::array<std::string, 6> celle = {
      " " + std::to_string(r.numero) + " ",
      " " + std::string(r.da) + "-" + std::string(r.a),
      a_destra(std::to_string(r.cippo), 7) + std::string(5, ' '),
      a_destra(std::to_string(r.velocita), 6) + std::string(4, ' '),
      a_destra(std::to_string(r.lunghezza), 6) + std::string(3, ' '),
      centrato(prescrizioni(r.prescrizioni), larghezze[5])};
  return riga_tabella(larghezze, celle);
}

}  // namespace

void dati_rallentamenti(const std::filesystem::path& percorso) {
  std::vector<std::string> righe = {
      "",
      "                               Modulo M. 3",
      "                           ORDINE DI RALLENTAMENTO",
      " " + std::string(80, '_'),
      "  Linea  " + std::string(luoghi::origine_breve) + "-" +
          std::string(luoghi::stazioni.back().nome),
      "",
      "  Si ordina al macchinista del treno 27364 di effettuare i seguenti rallentamenti",
      riga_copertura(larghezze),
      " |   |                            |Inizio dopo |          |         |            |",
      " | N.|      FRA LE STAZIONI       | il cippo   | Velocita'|Lunghezza|Prescrizioni|",
      " |   |   (o nelle Stazioni di)    |chilometrico|  (Km/h)  |  metri  | specifiche |",
      riga_filetto(larghezze),
  };
  for (const rallentamento& r : rallentamenti) righe.push_back(riga_rallentamento(r));
  // The form leaves room for slow-downs written in by hand.
  for (int i = 0; i < 19; ++i) righe.push_back(riga_tabella(larghezze, {}));
  righe.push_back(riga_filetto(larghezze));
  righe.insert(righe.end(), {
                                "",
                                "              Prescrizioni specifiche",
                                " A - Da rispettare con tutto il treno (per i treni viaggiatori)",
                                " B - Interessa anche la stazione di.......",
                                // The printed form's own spelling.
                                " C - Rallentamneto N. ... e N. ...  sono contigui",
                                " D - Da rispettare dalle ore 7.00  alle ore 21.00 di tutti",
                                "     i giorni.",
                                " E - Segnale di avviso non preceduto da pannelli distanziometrici",
                                " F - Preceduto da fermata",
                                " G - Con pilotaggio e fermata anche dopo il rallentamento",
                            });

  scrivi_documento(percorso, righe);
}

}  // namespace scenario
