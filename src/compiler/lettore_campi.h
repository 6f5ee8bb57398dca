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
// - the end is reached once the last field and its line end have been read.

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace scenario {

class lettore_campi {
 public:
  // `contenuto` holds the file's bytes, Windows-1252.
  explicit lettore_campi(std::string contenuto);

  // Reads the whole file; a file that cannot be read is a run-time failure.
  static lettore_campi da_file(const std::filesystem::path& percorso);

  // The next field as text, converted to UTF-8.
  std::string leggi_testo();
  int32_t leggi_i32();
  int16_t leggi_i16();
  uint8_t leggi_u8();

  // True once the last field of the file has been read.
  bool fine() const { return posizione_ >= contenuto_.size(); }

 private:
  int64_t leggi_numero(int64_t minimo, int64_t massimo);
  std::string testo_del_campo();
  void salta_spazi();
  bool a_fine_riga() const;
  bool consuma_separatore();
  void richiedi_campo() const;

  std::string contenuto_;
  size_t posizione_ = 0;
};

}  // namespace scenario
