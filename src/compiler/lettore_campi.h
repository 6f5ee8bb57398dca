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
// - the end is reached once the last field and its line end have been read;
// - a field begins at its first character after the blanks; its place is the
//   line (a CR LF, an LF or a lone CR ends one) and the column of that
//   character, both from 1.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "model/diagnostica.h"

namespace scenario {

class lettore_campi {
 public:
  // `contenuto` holds the file's bytes, Windows-1252; `nome` names it in the
  // places of errors.
  explicit lettore_campi(std::string contenuto, std::string nome = {});

  // The bytes of a whole file; a file that cannot be read is a run-time
  // failure.
  static std::string leggi_file(const std::filesystem::path& percorso);
  // Reads the whole file, named by its path.
  static lettore_campi da_file(const std::filesystem::path& percorso);

  // The next field as text, converted to UTF-8.
  std::string leggi_testo();
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

 private:
  int64_t leggi_numero(int64_t minimo, int64_t massimo);
  std::string testo_del_campo();
  void salta_spazi();
  bool a_fine_riga() const;
  bool consuma_separatore();
  [[noreturn]] void fallisci(const std::string& motivo) const;

  std::string contenuto_;
  std::string nome_;
  size_t posizione_ = 0;
  size_t inizio_campo_ = 0;
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

}  // namespace scenario
