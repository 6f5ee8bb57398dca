#include "run/nomi_file.h"

namespace scenario {

std::string nome_descrizione_linea(const std::string& linea) { return linea + "_linea.txt"; }

std::string nome_descrizione_treno(const std::string& linea, const std::string& treno) {
  return linea + "_" + treno + "-.txt";
}

std::string nome_scheda_treno(const std::string& linea, const std::string& treno) {
  return linea + "_" + treno + "_" + "scheda_treno.txt";
}

std::string nome_rallentamenti(const std::string& linea, const std::string& treno) {
  return linea + "_" + treno + "_" + "rallentamenti.txt";
}

std::string nome_note(const std::string& linea, const std::string& treno) {
  return linea + "_" + treno + "_" + "note.txt";
}

std::string nome_planimetria(const std::string& linea) { return linea + "_linea.dat"; }

std::string nome_elementi(const std::string& linea, const std::string& treno) {
  return linea + "_" + treno + ".sim";
}

std::string nome_celle(const std::string& linea, const std::string& treno) {
  return linea + "_" + treno + ".dat";
}

std::vector<std::string> nomi_file_esecuzione(const std::string& linea, const std::string& treno) {
  return {nome_descrizione_linea(linea),   nome_descrizione_treno(linea, treno),
          nome_scheda_treno(linea, treno), nome_rallentamenti(linea, treno),
          nome_note(linea, treno),         nome_planimetria(linea),
          nome_elementi(linea, treno),     nome_celle(linea, treno)};
}

percorsi_scenario percorsi_in(const std::filesystem::path& cartella, const std::string& linea,
                              const std::string& treno) {
  return {cartella / nome_descrizione_linea(linea),  cartella / nome_descrizione_treno(linea, treno),
          cartella / nome_scheda_treno(linea, treno), cartella / nome_rallentamenti(linea, treno),
          cartella / nome_note(linea, treno),         cartella / nome_planimetria(linea),
          cartella / nome_elementi(linea, treno),     cartella / nome_celle(linea, treno)};
}

}  // namespace scenario
