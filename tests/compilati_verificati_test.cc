// Whatever the compile writes without an error passes the check of
// `ispeziona --verifica`: the check accepts every mark that the compile's own
// rules put over a station's marks.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "cartella_temporanea.h"
#include "descrizioni_incorporate/dati_linea.h"
#include "descrizioni_incorporate/dati_treno.h"
#include "generazione/memorizza_percorso.h"
#include "generazione/nomi_file.h"
#include "ispezione/verifica.h"
#include "modello/numeri_errore.h"
#include "scenario_di_prova.h"
#include "varianti_descrizione.h"

namespace scenario {
namespace {

struct esito_verificato {
  int32_t n_errore = 0;
  bool scritto = false;
  std::vector<int32_t> avvisi;
  std::vector<std::string> differenze;
};

// Compiles the pair as `generatore compila` does, in memory, and checks the
// bytes it would write as `ispeziona --verifica` checks the files.
esito_verificato compila_e_verifica(const std::string& linea, const std::string& treno) {
  auto m = std::make_unique<modello>();
  m->linea = "Prova";
  m->treno = "1";
  const esito_percorso esito =
      compila_percorso(*m, {nome_descrizione_linea(m->linea), linea},
                       {nome_descrizione_treno(m->linea, m->treno), treno}, 1);
  esito_verificato c;
  c.n_errore = compilazione_fallita(*m) ? std::max(m->n_errore, 1) : 0;
  for (const diagnostica& d : m->diagnostiche) {
    if (d.livello == gravita::avviso) c.avvisi.push_back(d.numero);
  }
  if (!esito.da_scrivere || c.n_errore != 0) return c;
  c.scritto = true;
  const file_letti nomi{nome_planimetria(m->linea), nome_elementi(m->linea, m->treno),
                        nome_celle(m->linea, m->treno)};
  c.differenze = differenze_dei_byte(nomi, codifica_file_planimetria(*m),
                                     codifica_file_elementi(*m), codifica_file_celle(*m));
  return c;
}

std::string elenco(const std::vector<std::string>& righe) {
  std::string testo;
  for (const std::string& r : righe) testo += "\n  " + r;
  return testo;
}

struct coppia {
  const char* nome;
  std::string linea, treno;
};

std::vector<coppia> coppie_di_prova() {
  prova::cartella_temporanea cartella;
  dati_linea(cartella / "l.txt");
  dati_treno(cartella / "t.txt");
  return {
      {"built-in", prova::leggi_file(cartella / "l.txt"), prova::leggi_file(cartella / "t.txt")},
      {"small", prova::linea_minuscola, prova::treno_minuscolo}};
}

TEST(CompilatiVerificati, TheTestPairsAndTheirVariantsPass) {
  for (const coppia& c : coppie_di_prova()) {
    SCOPED_TRACE(c.nome);
    const esito_verificato originale = compila_e_verifica(c.linea, c.treno);
    ASSERT_TRUE(originale.scritto);
    EXPECT_EQ(originale.differenze, std::vector<std::string>{}) << elenco(originale.differenze);
    for (const prova::variante& v : prova::varianti()) {
      SCOPED_TRACE(v.nome);
      auto linea = prova::applica(c.linea, prova::file_descrizione::linea, true, v);
      auto treno = prova::applica(c.treno, prova::file_descrizione::treno, true, v);
      if (!linea && !treno) continue;
      const esito_verificato variata =
          compila_e_verifica(linea.value_or(c.linea), treno.value_or(c.treno));
      EXPECT_TRUE(variata.scritto);
      EXPECT_EQ(variata.differenze, std::vector<std::string>{}) << elenco(variata.differenze);
    }
  }
}

// Pairs made from a seed: stations of every kind of zone, and signals at
// every distance before and inside them, written before or after them in
// the file, with codes inside and outside the documented values.
class generatore_coppie {
 public:
  explicit generatore_coppie(uint32_t seme) : caso_(seme) {}

  coppia crea() {
    const int32_t lunghezza = 8000 + 500 * tra(0, 16);
    linea_ = "[generale]\nlunghezza percorso, " + std::to_string(lunghezza) +
             "\n[pendenze]\npendenza, 0, 0\n[fine]\n";
    std::vector<std::string> stazioni, segnali;
    int32_t fine_precedente = -1000000;
    int32_t posizione = 50 * tra(0, 30);
    while (stazioni.size() < 5) {
      static constexpr int tipi[] = {1, 5, 6, 7, 8, 12, 12, 25};
      int tipo = tipi[tra(0, 7)];
      // Now and then a negative length: the zone then ends before it begins.
      int32_t metri = 100 * (tra(0, 19) == 0 ? -tra(1, 3) : tra(0, 12));
      const int dato_c = tra(0, 1);
      if (!stazioni.empty() && tra(0, 4) == 0) {
        // A zone that ends near the previous one's end, after it in the file.
        tipo = 7;
        metri = -300;
        posizione = fine_precedente + 50 * tra(-2, 4) - metri;
      }
      int32_t inizio, fine;
      if (tipo == 5 || tipo == 6) {
        inizio = posizione - metri;
        fine = posizione + 150;
      } else if (tipo == 7 || tipo == 8) {
        inizio = posizione - metri;
        fine = posizione + metri;
      } else {
        inizio = posizione - metri / 2;
        fine = posizione + metri / 2 + (dato_c != 0 && !stazioni.empty() ? 50 : 0);
      }
      if (inizio - 350 < fine_precedente) {
        posizione += 50 * tra(1, 8);
        continue;
      }
      if (posizione + 800 > lunghezza) break;
      stazioni.push_back("stazione, " + std::to_string(posizione) + ", " + std::to_string(tipo) +
                         ", " + std::to_string(metri) + ", 0, 0, " + std::to_string(dato_c) +
                         ", 0, 0, 0, 0, 0, 0, 0, 10, 0, 0, S" +
                         std::to_string(stazioni.size() + 1) + "\n");
      for (int n = tra(0, 2); n > 0; --n) segnali.push_back(segnale(fine - 25 * tra(-4, 24)));
      fine_precedente = fine;
      posizione = std::max(posizione, fine) + 50 * tra(8, 40);
    }
    for (int n = tra(0, 3); n > 0; --n) segnali.push_back(segnale(50 * tra(0, lunghezza / 50 - 3)));
    // The stations keep their order, the signals fall anywhere among them.
    std::vector<std::string> righe = stazioni;
    for (const std::string& s : segnali) {
      righe.insert(righe.begin() + tra(0, static_cast<int>(righe.size())), s);
    }
    std::string treno = "[generale]\nvelocita, 0, 100\naderenza, 0, 100\n";
    for (const std::string& r : righe) treno += r;
    return {"generated", linea_, treno + "[fine]\n"};
  }

 private:
  int tra(int minimo, int massimo) {
    return std::uniform_int_distribution<int>(minimo, massimo)(caso_);
  }

  std::string segnale(int32_t posizione) {
    static constexpr int sx[] = {1, 2, 2, 1, 3, -1, 90};
    static constexpr int dx[] = {0, 0, 1, 2, 2, 7, -5};
    static constexpr int rapp[] = {0, 1, 0, 1, 2, -3, 1000};
    return "segnale, " + std::to_string(posizione) + ", " + std::to_string(sx[tra(0, 6)]) +
           ", 5, 6, 1, " + std::to_string(rapp[tra(0, 6)]) + ", " + std::to_string(dx[tra(0, 6)]) +
           ", 0, 0, 0, " + std::to_string(tra(0, 1) * 150) + "\n";
  }

  std::mt19937 caso_;
  std::string linea_;
};

TEST(CompilatiVerificati, GeneratedPairsWithSignalsAtAndBeforeStationsPass) {
  int scritte = 0, con_marche_sostituite = 0;
  constexpr int casi = 400;
  for (uint32_t seme = 1; seme <= casi; ++seme) {
    const coppia c = generatore_coppie(seme).crea();
    const esito_verificato esito = compila_e_verifica(c.linea, c.treno);
    if (!esito.scritto) continue;
    ++scritte;
    if (std::count(esito.avvisi.begin(), esito.avvisi.end(),
                   numero_avviso::marche_stazione_sostituite) > 0) {
      ++con_marche_sostituite;
    }
    EXPECT_EQ(esito.differenze, std::vector<std::string>{})
        << "seed " << seme << elenco(esito.differenze) << "\n"
        << c.treno;
  }
  // The generator keeps to pairs that compile, most of them with marks
  // replaced, or the property would hold by having nothing to check.
  EXPECT_GT(scritte, casi / 2);
  EXPECT_GT(con_marche_sostituite, casi / 4);
}

}  // namespace
}  // namespace scenario
