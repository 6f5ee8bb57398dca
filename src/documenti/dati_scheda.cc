#include "documenti/dati_scheda.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "documenti/tabella_documento.h"
#include "descrizioni_incorporate/luoghi.h"

namespace scenario {

namespace {

// Lim., Marc., Progr Km, No Rs, Localita' di Servizio, Orario, Rec.
constexpr std::array<size_t, 7> larghezze = {5, 5, 10, 5, 28, 16, 5};

enum class forma_orario { nessuno, partenza, unico, arrivo_partenza, arrivo_marcato, arrivo };

// Times as hhmm: 1830 is written "18.30".
struct orario {
  forma_orario forma = forma_orario::nessuno;
  int primo = 0;
  int secondo = 0;
};

constexpr orario partenza(int ora) { return {forma_orario::partenza, ora}; }
constexpr orario unico(int ora) { return {forma_orario::unico, ora}; }
constexpr orario arrivo_partenza(int a, int p) { return {forma_orario::arrivo_partenza, a, p}; }
// The arrival carries the mark "+".
constexpr orario arrivo_marcato(int a, int p) { return {forma_orario::arrivo_marcato, a, p}; }
constexpr orario arrivo(int ora) { return {forma_orario::arrivo, ora}; }

enum class forma_localita { nessuna, luogo, nota };

struct localita {
  forma_localita forma = forma_localita::nessuna;
  std::string_view testo;
  bool maiuscole = false;
};

constexpr localita in_maiuscolo(std::string_view nome) {
  return {forma_localita::luogo, nome, true};
}
constexpr localita in_misto(std::string_view nome) { return {forma_localita::luogo, nome}; }
// A block post carries a time, so it stands where the locations stand.
constexpr localita posto(std::string_view testo) { return {forma_localita::luogo, testo}; }
// A kilometre-post note, set further in than a location.
constexpr localita nota(std::string_view testo) { return {forma_localita::nota, testo}; }

// Speeds 0 and recovery 0 are blank cells; a row lists its cells from the left
// and leaves the rest blank.
struct riga_scheda {
  constexpr riga_scheda(int limite = 0, int marcia = 0, std::optional<int32_t> progressiva = {},
                        int rs = 0, localita luogo = {}, orario ore = {}, int recupero = 0)
      : limite(limite),
        marcia(marcia),
        progressiva(progressiva),
        rs(rs),
        luogo(luogo),
        ore(ore),
        recupero(recupero) {}

  int limite;
  int marcia;
  std::optional<int32_t> progressiva;  // metres
  int rs;
  localita luogo;
  orario ore;
  int recupero;  // tenths of a minute
};

constexpr auto& st = luoghi::stazioni;

// The kilometre positions are the posts printed on the sheet, not metres from
// the route's origin: they restart and run backwards, and stay as they are.
constexpr std::array<riga_scheda, 34> righe_orario = {{
    // Lim., Marc., Progr Km (m), No Rs, location, times, Rec (tenths)
    {30, 30, 0, 30, in_maiuscolo(luoghi::origine_breve), partenza(1830)},
    {105, 60, {}, 105, nota("C.C.Km.0,900")},
    {60, 0, 2050, 60, in_maiuscolo(st[1].nome), unico(1833)},
    {85, 0, 3250, 85, in_maiuscolo(st[2].nome), unico(1836), 10},
    {0, 0, 5750},
    {},
    {0, 0, 3250, 0, in_maiuscolo(st[3].nome), arrivo_partenza(1840, 1842), 10},
    {0, 0, 3750},
    {},
    {140, 80, {}, 120, nota("Cippo Km.6,000")},
    {105, 0, {}, 105, nota("Cippo Km.10,000")},
    {140, 90, 12250, 120, in_maiuscolo(st[4].nome), arrivo_partenza(1850, 1851), 30},
    {0, 0, 15900, 0, in_misto(st[5].nome), unico(1855), 10},
    {0, 0, 19600, 0, in_maiuscolo(st[6].nome), arrivo_partenza(1858, 1859), 5},
    {0, 0, 24450, 0, in_misto(st[7].nome), unico(1904), 15},
    {0, 0, 27000, 0, in_maiuscolo(st[8].nome), unico(1907), 15},
    {0, 0, 31550, 0, in_maiuscolo(st[9].nome), unico(1909), 5},
    {65, 65, 33500, 65, in_maiuscolo(st[10].nome), arrivo_partenza(1912, 1914), 5},
    {0, 0, 64600},
    {},
    {110, 110, {}, 110, nota("Cippo Km.63,000")},
    {120, 120, 59550, 120, in_maiuscolo(st[11].nome), arrivo_partenza(1919, 1920)},
    {0, 110, 53750, 0, in_misto(st[12].nome), arrivo_marcato(1924, 1925)},
    {0, 120, 49850, 0, in_maiuscolo(st[13].nome), arrivo_marcato(1929, 1930), 5},
    {0, 0, 42900, 0, in_maiuscolo(st[14].nome), arrivo_partenza(1935, 1936)},
    {0, 110, 39000, 0, in_misto(st[15].nome), arrivo_marcato(1939, 1940)},
    {0, 120, 33500, 0, in_maiuscolo(st[16].nome), arrivo_partenza(1945, 1946), 5},
    {0, 0, 25950, 0, in_maiuscolo(st[17].nome), arrivo_partenza(1952, 1953)},
    {0, 0, 17150, 0, in_maiuscolo(st[18].nome), arrivo_partenza(1959, 2000)},
    {105, 105, {}, 105, nota("Cippo Km.13,000")},
    {120, 120, 10850, 120, in_maiuscolo(st[19].nome), arrivo_partenza(2005, 2006)},
    {0, 0, 5240, 0, posto("P.M. Km.5,240"), unico(2010)},
    {60, 60, {}, 60, nota("Cippo Km.2,000")},
    {0, 0, 0, 0, in_maiuscolo(st[20].nome), arrivo(2015), 15},
}};

std::string maiuscolo_ascii(std::string_view testo) {
  std::string uscita(testo);
  for (char& c : uscita) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return uscita;
}

std::string cella_velocita(int velocita) {
  return velocita == 0 ? "" : a_destra(std::to_string(velocita), 4) + " ";
}

std::string cella_progressiva(std::optional<int32_t> metri) {
  return metri ? a_destra(con_decimali(*metri, 3), 9) + " " : "";
}

std::string cella_localita(const localita& l) {
  switch (l.forma) {
    case forma_localita::luogo:
      return " " + (l.maiuscole ? maiuscolo_ascii(l.testo) : std::string(l.testo));
    case forma_localita::nota:
      return "     " + std::string(l.testo);
    case forma_localita::nessuna:
      break;
  }
  return "";
}

std::string due_cifre(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

std::string ora(int hhmm) { return due_cifre(hhmm / 100) + "." + due_cifre(hhmm % 100); }

std::string cella_orario(const orario& o) {
  switch (o.forma) {
    case forma_orario::partenza:
      return std::string(10, ' ') + ora(o.primo) + " ";
    case forma_orario::unico:
      return std::string(6, ' ') + ora(o.primo) + std::string(5, ' ');
    case forma_orario::arrivo_partenza:
      return " " + ora(o.primo) + "    " + ora(o.secondo) + " ";
    case forma_orario::arrivo_marcato:
      return " " + ora(o.primo) + "+   " + ora(o.secondo) + " ";
    case forma_orario::arrivo:
      return " " + ora(o.primo) + std::string(10, ' ');
    case forma_orario::nessuno:
      break;
  }
  return "";
}

std::string cella_recupero(int decimi) {
  return decimi == 0 ? "" : " " + con_decimali(decimi, 1) + " ";
}

std::string riga_orario(const riga_scheda& r) {
  const std::array<std::string, 7> celle = {
      cella_velocita(r.limite),  cella_velocita(r.marcia), cella_progressiva(r.progressiva),
      cella_velocita(r.rs),      cella_localita(r.luogo),  cella_orario(r.ore),
      cella_recupero(r.recupero)};
  return riga_tabella(larghezze, celle);
}

// The middle of the header band, between the left and the right box.
std::string campo_centrale(std::string_view testo) { return a_sinistra(testo, 45); }

}  // namespace

void dati_scheda(const std::filesystem::path& percorso) {
  const std::string da = std::string(19, ' ') + "da: " + std::string(luoghi::origine_breve);
  const std::string a = std::string(20, ' ') + "a: " + std::string(luoghi::stazioni.back().nome);

  std::vector<std::string> righe = {
      "",
      "",
      "  ___________________                                               ______________",
      " |                   |" + campo_centrale(std::string(20, ' ') + "SCHEDA") +
          "|              |",
      " |   TRENO n.27364   |" + campo_centrale(da) + "|    V140 B    |",
      " |___________________|" + campo_centrale(a) + "|     105%     |",
      std::string(67, ' ') + "|______________|",
      "  ___________________                ___________________",
      // The seven trailing spaces belong to the printed sheet.
      " |  CLASSIFICAZIONE  |              |  MASSA BLOCCATA   |       ",
      " |         R         |              |      250T         |",
      " |___________________|              |___________________|",
      "",
      riga_copertura(larghezze),
      " | Vel.| Vel.| Progr Km |  No |   Localita' di  Servizio   |     Orario     | Rec |",
      " | Lim.|Marc.|          |  Rs |                            |                |     |",
      riga_filetto(larghezze),
  };
  for (const riga_scheda& r : righe_orario) righe.push_back(riga_orario(r));
  righe.push_back(riga_filetto(larghezze));
  righe.push_back("");

  scrivi_documento(percorso, righe);
}

}  // namespace scenario
