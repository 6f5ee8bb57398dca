// The pictures that the documentation shows are those that `disegna --formato
// svg` draws today, byte for byte. After a change to the drawing, write them
// again with
//
//   AGGIORNA_IMMAGINI=1 ./build/prove --gtest_filter='ImmaginiDocumentazione.*'
//
// and look at them before committing.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "cartella_temporanea.h"
#include "disegno/disegna.h"
#include "file_compilati/file_compilati.h"
#include "file_compilati/lettura_file_compilati.h"
#include "scenari_disegnati.h"

namespace scenario {
namespace {

// `m` as `disegna` sees it: written to its three files and read back.
std::unique_ptr<modello> come_letto(const modello& m) {
  auto letto = std::make_unique<modello>();
  decodifica_file_planimetria(*letto, codifica_file_planimetria(m), "p");
  decodifica_file_elementi(*letto, codifica_file_elementi(m), "e");
  decodifica_file_celle(*letto, codifica_file_celle(m), "c");
  return letto;
}

TEST(ImmaginiDocumentazione, AreThoseTheProgramDraws) {
  const std::filesystem::path immagini =
      std::filesystem::path(CARTELLA_PROGETTO) / "docs" / "immagini";
  const bool aggiorna = std::getenv("AGGIORNA_IMMAGINI") != nullptr;
  const struct {
    std::unique_ptr<modello> (*scenario)();
    std::string base;
    std::vector<std::string> mostrate;
  } casi[] = {
      {prova::scenario_predefinito,
       "Lorvento-Basalto_27364",
       {"Lorvento-Basalto_27364_pianta.svg", "Lorvento-Basalto_27364_profilo.svg"}},
      {prova::scenario_diramazione,
       "Cervolano-Sassolvento_6731",
       {"Cervolano-Sassolvento_6731_pianta.svg", "Cervolano-Sassolvento_6731_profilo.svg"}},
      {prova::scenario_mille_km,
       "Mille_27364",
       {"Mille_27364_pianta.svg", "Mille_27364_profilo_10.svg"}},
  };
  for (const auto& c : casi) {
    const std::unique_ptr<modello> m = come_letto(*c.scenario());
    prova::cartella_temporanea cartella;
    opzioni_disegno o;
    o.formato = formato_disegno::svg;
    disegna(*m, cartella.percorso(), c.base, o);
    for (const std::string& nome : c.mostrate) {
      const std::string disegnato = prova::leggi_file(cartella.percorso() / nome);
      if (aggiorna) {
        std::filesystem::create_directories(immagini);
        std::ofstream(immagini / nome, std::ios::binary) << disegnato;
        continue;
      }
      ASSERT_TRUE(std::filesystem::exists(immagini / nome)) << nome;
      EXPECT_TRUE(prova::leggi_file(immagini / nome) == disegnato)
          << "docs/immagini/" << nome
          << " is not what the program draws: write it again (see this test's first lines)";
    }
  }
}

}  // namespace
}  // namespace scenario
