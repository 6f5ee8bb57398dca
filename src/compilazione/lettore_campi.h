#pragma once

// Reads a description file as a stream of fields, by the rules of both
// description formats:
// - a field ends at a comma or a line end (CR LF, LF or a lone CR), which is
//   consumed with it; blanks (spaces, tabs) before a field are skipped;
// - a text field runs to the next comma or line end and keeps its inner
//   blanks, losing those at its end; a text that begins with a double quote
//   runs to the closing quote, whatever it holds, and anything after the
//   quote up to the next comma or line end is dropped;
// - a number is an optional minus and digits and ends at a blank, comma or
//   line end; the blanks after it and one following comma or line end belong
//   to it, so numbers may be separated by blanks alone. An empty field, or a
//   field whose text is not a number, reads as 0; so do blanks after the last
//   comma or line end of the file, with or without a line end after them;
// - a number that does not fit the width asked for, and any read once the
//   end has been reached, is a run-time failure (errore_esecuzione);
// - within a row (inizia_riga) a read of another width than the grammar's
//   for its field, or past the row's last field, is a fault of the program
//   (std::logic_error), in every build;
// - the end is reached once the last field and its line end have been read;
// - a field begins at its first character after the blanks; its place is the
//   line (a CR LF, an LF or a lone CR ends one) and the column of that
//   character, both from 1.

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "compilazione/grammatica.h"
#include "modello/diagnostica.h"

namespace scenario {

// The most a description file may hold. A route of 1000000 m with every list
// full takes well under 1 MiB: a file this large is no description, and
// reading it whole would only exhaust the memory.
constexpr uint64_t massimo_byte_descrizione = uint64_t{64} << 20;

// The bytes of the description file at `percorso`, read whole; one that is
// not a regular file or is larger than massimo_byte_descrizione is refused
// unread. A failure is an errore_file.
std::string leggi_descrizione(const std::filesystem::path& percorso);

class lettore_campi {
 public:
  // `contenuto` holds the file's bytes, Windows-1252; `nome` names it in the
  // places of errors.
  explicit lettore_campi(std::string contenuto, std::string nome = {});

  // The bytes of a whole file, as leggi_descrizione reads them; a file that
  // cannot be read is a run-time failure.
  static std::string leggi_file(const std::filesystem::path& percorso);
  // Reads the whole file, named by its path.
  static lettore_campi da_file(const std::filesystem::path& percorso);

  // The next field as text, converted to UTF-8.
  std::string leggi_testo();
  // The values read from here on are those of a row of kind `v`: its fields
  // name them in the reasons of failures and warnings, and it says which may
  // be left blank or hold a text that reads as 0.
  void inizia_riga(const grammatica::voce& v) {
    // A keyword that holds several kinds keeps its own place for all.
    if (voce_ == nullptr) {
      offset_voce_ = inizio_campo_;
      riga_corta_avvisata_ = false;
      valori_fuori_posto_ = false;
    }
    voce_ = &v;
    indice_campo_ = 0;
  }
  // Where the keyword of the current row and its i-th value begin.
  size_t offset_voce() const { return offset_voce_; }
  size_t offset_campo(size_t i) const {
    return i < offset_campi_.size() ? offset_campi_[i] : inizio_campo_;
  }
  // The row's last value is read: a field still on its line is reported
  // (warning campi_in_piu). Nothing to do after a keyword that read no value.
  void chiudi_riga();
  // Warnings of the reading (a value that is not a number, an empty value,
  // fields left on a row's line) are recorded in `registro`; without one
  // they are not recorded.
  void avvisa_in(const registro_diagnostiche& registro) { registro_ = registro; }
  // Warns (testo_utf8), at its first character outside ASCII, of a file
  // whose every such character is a UTF-8 sequence: a file saved as UTF-8,
  // whose letters would reach the compiled files as two or three each.
  void avvisa_se_utf8() const;
  // `suggerimento`: the word probably meant, for a word the grammar lacks.
  void avvisa(int32_t codice, size_t offset, std::string motivo,
              std::string suggerimento = {}) const;
  // The text from `offset` to the end of its line, without its end blanks,
  // shortened for a message.
  std::string testo_da(size_t offset) const;
  // Whether a warning has said that the current row's values were misread
  // (taken from the next line, moved by a unit or a decimal comma): what the
  // compile makes of them is no further fault of their own.
  bool valori_fuori_posto() const { return valori_fuori_posto_; }
  // Whether the last field read is the first of its line.
  bool a_inizio_riga() const;
  int32_t leggi_i32();
  int16_t leggi_i16();
  uint8_t leggi_u8();

  // True once the last field of the file has been read.
  bool fine() const { return posizione_ >= contenuto_.size(); }
  // A read once the end has been reached: the run-time failure it is.
  void richiedi_campo() const;

  // Where the last field read begins, as a byte offset, and the place of such
  // an offset. The offset costs nothing to keep; the place is counted only
  // for the errors that need it.
  size_t inizio_campo() const { return inizio_campo_; }
  luogo_sorgente luogo(size_t offset) const;
  luogo_sorgente luogo_campo() const { return luogo(inizio_campo_); }
  const std::string& nome() const { return nome_; }
  // The file's bytes, as given.
  std::string_view contenuto() const { return contenuto_; }
  // The file as a whole (line 0), for what no single row causes.
  luogo_sorgente luogo_file() const { return {nome_, 0, 0}; }

 private:
  int64_t leggi_numero(int64_t minimo, int64_t massimo);
  // Whether the byte at `i` ends a line.
  bool fine_di_riga(size_t i) const;
  std::string testo_del_campo();
  void salta_spazi();
  bool a_fine_riga() const;
  bool consuma_separatore();
  [[noreturn]] void fallisci(const std::string& motivo) const;
  // Once a row is begun, every read must be of the width that the grammar
  // gives its field: any other is a fault of the compiler, not of the file.
  void secondo_la_grammatica(grammatica::larghezza tipo) const;
  // The field of the current row about to be read, or nullptr.
  const grammatica::campo* campo_corrente() const;
  std::string nome_del_campo(const grammatica::campo* c) const;
  void conta_campo();
  void avvisa_non_numero(const grammatica::campo* c, const std::string& testo);
  // Whether the field about to be read is a value of the current row that
  // stands on a later line than the row's field before it.
  bool su_altra_riga() const { return voce_ != nullptr && fine_riga_consumata_; }
  void avvisa_riga_corta(size_t fine_precedente, const grammatica::campo* c,
                         const std::string& testo, bool numero);
  // A field left after the row's last value that says more than "a field
  // too many": a unit, or the half of a number split at a decimal comma.
  // Returns whether it warned.
  bool avvisa_resto_della_riga(size_t offset, const grammatica::voce& v);

  std::string contenuto_;
  std::string nome_;
  size_t posizione_ = 0;
  size_t inizio_campo_ = 0;
  // Where the text of the last field read ends, its end blanks left out.
  size_t fine_campo_ = 0;
  bool riga_corta_avvisata_ = false;
  bool valori_fuori_posto_ = false;
  // Whether the last separator consumed was a line end.
  bool fine_riga_consumata_ = true;
  const grammatica::voce* voce_ = nullptr;
  size_t indice_campo_ = 0;
  size_t offset_voce_ = 0;
  std::array<size_t, grammatica::massimo_campi_riga> offset_campi_{};
  std::optional<registro_diagnostiche> registro_;
  // The place of the last offset counted, to count on from there.
  mutable size_t offset_contato_ = 0;
  mutable int32_t riga_contata_ = 1;
  mutable size_t inizio_riga_contata_ = 0;
};

// A field already read, kept as its reader and offset: a step that refuses a
// row records the place of the field from it, and a row that is accepted
// never counts lines. An empty one is no place.
struct campo_letto {
  const lettore_campi* file = nullptr;
  size_t inizio = 0;

  static campo_letto ultimo(const lettore_campi& file) { return {&file, file.inizio_campo()}; }
  luogo_sorgente luogo() const { return file != nullptr ? file->luogo(inizio) : luogo_sorgente{}; }
};

// Reads a 32-bit value and keeps where it stood in `campo`.
inline int32_t leggi_i32(lettore_campi& file, campo_letto& campo) {
  int32_t valore = file.leggi_i32();
  campo = campo_letto::ultimo(file);
  return valore;
}

// The places of the row being placed: its keyword and its values, as its
// reader keeps them until the next row. Empty: no places (a step called
// from a test).
struct luoghi_riga {
  const lettore_campi* file = nullptr;

  campo_letto voce() const { return {file, file != nullptr ? file->offset_voce() : 0}; }
  campo_letto campo(size_t i) const { return {file, file != nullptr ? file->offset_campo(i) : 0}; }
};

}  // namespace scenario
