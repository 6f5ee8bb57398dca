#include "modello/numeri_errore.h"

namespace scenario {

namespace {

constexpr voce_errore voci[] = {
    {numero_errore::lunghezza_eccessiva, "route length below 0 or above 1000000 m", false,
     "The 'lunghezza percorso' row of the line description gives a length below 0 or above "
     "1000000 m. The compile stops: nothing after it is read. Give the length of the route in "
     "metres, from 0 to 1000000."},
    {numero_errore::progressiva_non_multipla,
     "a kilometric progressive whose start or chainage is not a multiple of 50", false,
     "Once the train description is read, the three 'progressiva chilometrica' rows of the line "
     "description are checked: each start and each chainage must be a multiple of 50 (the flag "
     "adds 100, which keeps it so). The error names the line description as a whole, since the "
     "rows have been sorted by then. Round the starts and chainages to 50 m."},
    {numero_errore::ripetizione_inizio_non_multiplo,
     "start of the repeated-signal zone not a multiple of 50", false,
     "The first value of the 'ripetizione segnali' row is not a multiple of 50. The compile "
     "stops. Move the start of the zone to a multiple of 50 m."},
    {numero_errore::ripetizione_fine_non_multipla,
     "end of the repeated-signal zone not a multiple of 50", false,
     "The second value of the 'ripetizione segnali' row is not a multiple of 50. The compile "
     "stops. Move the end of the zone to a multiple of 50 m, or write 0 for no zone."},
    {numero_errore::ripetizione_senza_codici, "repeated-signal keyword holds neither 4 nor 9",
     false,
     "The keyword of the 'ripetizione segnali' row says how many codes the cab repeats with the "
     "digit 4 or 9 ('ripetizione segnali 4 codici'); it holds neither. The compile stops. Write "
     "4 or 9 in the keyword."},
    {numero_errore::cartello_su_cella_occupata, "sign board on an occupied cell", true,
     "A 'cartello_indicatore' falls in a 50 m cell (its position / 50 + 1) that already holds a "
     "board; a note names that board and points at its row. The compile stops. Move one of the "
     "two boards into another 50 m cell."},
    {numero_errore::abbattimento_su_cella_occupata, "code point on an occupied cell", true,
     "An 'abbattimento' row falls in a 50 m cell (its position / 50) that already holds a "
     "signal, a slow-down point or another code point; a note names that item and points at "
     "the row that placed it. The compile stops. Move the code point to a free cell."},
    {numero_errore::stazione_non_multipla, "station position not a multiple of 50", true,
     "The first value of a 'stazione' row is not a multiple of 50. The compile stops. Give the "
     "station's position as a multiple of 50 m."},
    {numero_errore::lunghezza_stazione_non_multipla, "station length not a multiple of 100", true,
     "The third value of a 'stazione' row, its length, is not a multiple of 100. The compile "
     "stops. Give the length as a multiple of 100 m."},
    {numero_errore::troppe_stazioni, "no element record left for the next station", false,
     "Stations and sign-board texts share the 80 records of the element table: stations from "
     "the bottom, texts from the top. This station has no record left. The compile stops. Use "
     "fewer stations or fewer sign boards."},
    {numero_errore::segnale_prima_di_avviso_senza_posto,
     "no cell for a code point before a signal ahead of a slow-down warning point", true,
     "The finishing pass puts a code point in one of the two cells before every signal that "
     "stands up to 20 cells (1000 m) before a slow-down's warning point; both cells are taken "
     "by other items. The error names the slow-down's row; the position is the signal's, and "
     "notes point at the signal's row and at the rows of the two items before it. Move the "
     "signal or the items just before it by 50 m."},
    {numero_errore::gruppo_codici_senza_posto,
     "no cell for a code point group ahead of a slow-down start", true,
     "The finishing pass puts three code points ahead of every slow-down start, each in one of "
     "three cells (5 to 7, 11 to 13, 18 to 20 cells before it); all three cells of one group are "
     "taken. The error names the slow-down's row, and a note for each of the three cells "
     "points at the row of the item in it. Move the items that crowd the stretch before the "
     "slow-down."},
    {numero_errore::codice_senza_posto, "no cell for a code point inside or after a slow-down",
     true,
     "The finishing pass puts a code point every 8 cells inside a slow-down below 110 km/h, and "
     "one before the first signal within 12 cells after its end; the cell and its neighbours "
     "are taken. The error names the slow-down's row; notes point at the rows of the items in "
     "those cells and, after the end, of the signal. Move the items that crowd that cell."},
    {numero_errore::oltre_la_griglia, "an entry lies beyond the cell grid", true,
     "A row's position plus 100 m (plus 800 m for a station) lies past the end of the cell "
     "grid, which covers the route length plus 7000 m; a board before the first cell counts "
     "too. The rest of that file is not read, and in the train description the first signal or "
     "slow-down stops the compile. Correct the position, or lengthen the route."},
    {numero_errore::segnale_su_cella_occupata, "signal on an occupied cell", true,
     "A 'segnale' falls in a 50 m cell (its position / 50 + 1) that already holds an item. The "
     "compile stops. A note names that item, its cell and position, and points at the row that "
     "placed it. Move the signal, or the item before it, to another cell."},
    {numero_errore::avviso_su_cella_occupata, "slow-down warning point on an occupied cell", true,
     "A slow-down beyond 1500 m has a warning point 1200 m before its start; that cell already "
     "holds an item; a note names it and points at the row that placed it, since the position "
     "shown is the slow-down's. The compile stops. Move the slow-down or the item in the way."},
    {numero_errore::inizio_rallentamento_occupato, "slow-down start on an occupied cell", true,
     "The cell of a slow-down's start (its position / 50 + 1) already holds an item. The compile "
     "stops; a note names the item and points at the row that placed it. Move the slow-down or "
     "the item in the way."},
    {numero_errore::fine_rallentamento_occupata, "slow-down end on an occupied cell", true,
     "The cell of a slow-down's end (start plus length, / 50 + 1) already holds an item. The "
     "compile stops; a note names the item and points at the row that placed it. Change the "
     "slow-down's length or move the item in the way."},
    {numero_errore::tabelle_distanziometriche_occupate,
     "slow-down distance board on an occupied cell", true,
     "A slow-down that asks for distance boards (its fifth value not 0) needs the four cells "
     "before its warning point free; one is taken, and a note for each taken cell points at "
     "the row that placed its item. Its start, end and warning point stay placed, and the "
     "compile stops. Move the item in the way, or write 0 for no boards."},
    {numero_errore::indicatore_su_cella_occupata, "speed indicator board on an occupied cell", true,
     "An 'indicatori_vmax' board falls in a 50 m cell (its position / 50 + 1) that already "
     "holds a board; a note names that board and points at its row. The compile stops. Move "
     "one of the boards into another cell."},
    {numero_errore::stazioni_troppo_vicine,
     "station less than 350 m after the end of the previous one", true,
     "A station's zone (from its position, type and length) begins less than 350 m after the "
     "zone of the station before it ends. The compile stops. Move the station, shorten one of "
     "the two, or check that the rows are in order of position."},
    {numero_errore::stazione_troppo_corta, "station of type below 25 ending within the first 100 m",
     false,
     "A station of type below 25 gets a stop mark in the cell before its zone's end; a zone "
     "that ends within the first 100 m of the line leaves no cell for it. The compile stops. "
     "Move the station further along the line, or lengthen it."},
    {numero_errore::errore_esecuzione, "run-time failure while reading a description file", false,
     "The reading failed: a value that does not fit its field (an 8-bit field takes 0 to 255, "
     "a 16-bit one -32768 to 32767), a file that ends in the middle of a row, a file that cannot "
     "be opened or read, or no route length before the item rows. The reason says which. Both "
     "description files are deleted in the built-in run and the compile stops. Correct the "
     "value or the file as the reason says."},
    {numero_errore::troppe_gallerie, "more than 80 tunnels", true,
     "The line description has room for 80 'montagna' rows; this is the 81st. The compile "
     "stops. Join neighbouring tunnels into one row."},
    {numero_errore::testi_esauriti, "more than 80 sign boards: no element record left for the text",
     true,
     "Every sign board keeps its text in one of the 80 records of the element table, counting "
     "down from 80; this board finds none left. The compile stops. Use at most 80 sign boards, "
     "fewer when the train description has stations."},
    {numero_errore::cella_fuori_griglia,
     "signal, slow-down, code point or station stop mark outside the cell grid", true,
     "A signal or code point before the first cell, a slow-down whose start or end falls off the "
     "grid, or a station whose stop mark would fall past the last cell. The compile stops. "
     "Correct the position or the length, or lengthen the route."},
    {numero_errore::byte_non_di_testo, "a byte that no description text holds", false,
     "The file holds a NUL or another control character (other than a tab and the line ends), "
     "which no text written in an editor holds: it is a binary file, or not the file meant. "
     "Nothing is compiled. The error points at the first such byte; give compila the "
     "description files themselves."},
    {numero_errore::generale_treno_mancante, "train description file without [generale]", false,
     "The train description has no field holding '[generale]' before its last field: there is "
     "no train to compile. Begin the file with a line '[generale]', and check that the file "
     "given as the train is the train description."},
    {numero_errore::linea_come_treno, "a line description given as the train description",
     false,
     "The file given as the train description has a 'lunghezza percorso' row, which only a line "
     "description has: the two files were given the wrong way round, or the same file twice. "
     "Nothing is compiled. Give the line description first and the train description second."},
    {numero_errore::file_linea_mancante, "line description file not found", false,
     "The line description file named does not exist. Nothing is compiled. Check the path."},
    {numero_errore::generale_mancante, "line description file without [generale]", false,
     "The line description has no field holding '[generale]' before its last field: there is "
     "nothing to compile. Begin the file with a line '[generale]'."},
    {numero_errore::curva_errata, "curve without class digit, or track plan past metre 1000000",
     false,
     "A 'curva' keyword holds none of the class digits 1 to 6 ('curvad5', 'curvas6'), or the "
     "track plan, drawn metre by metre, passes metre 1000000 inside a curve. The compile stops. "
     "Write the class in the keyword, or correct the curve's start and length."},
    {numero_errore::griglia_mancante, "no route length read: the compile left no cell grid", false,
     "The compile ended without a route length, so there is no cell grid to finish or write. "
     "Give the line description a 'lunghezza percorso' row in its general section."},
    {numero_errore::valori_riservati_occupati,
     "reserved header values already filled before the check codes", false,
     "The check codes go into values that must still be 0 when they are filled: two in the "
     "route header, and the first two values of cell 1, the cell at the very start of the "
     "route. An item placed in cell 1 with a first value fills one: a signal, a speed "
     "indicator board or a sign board at 0 m, a code point at 50 m, or any of them whose "
     "position reads as 0 through a typo (warning 201). No compiled file is written. The "
     "error points at the row of the item: move the item further along the route, since "
     "nothing can stand in cell 1."},
    {numero_errore::codici_controllo_occupati,
     "check code slots already filled before the check codes", false,
     "The check codes go into two slots that must still be 0 when they are filled: one in the "
     "route header and the second value of cell 1, the cell at the very start of the route. "
     "An item placed in cell 1 whose first value is 0 and second is not fills it: a signal or "
     "a speed indicator board at 0 m, or at a position that reads as 0 through a typo "
     "(warning 201), with such values. (With a first value it would be error 1250.) No "
     "compiled file is written. "
     "The error points at the row of the item: move the item further along the route, since "
     "nothing can stand in cell 1."},
};

// Warnings are never shown with a position of their own: their reason says
// what they are about.
constexpr voce_errore avvisi[] = {
    {numero_avviso::non_numerico, "a field that is not a whole number reads as 0", false,
     "A value of a row holds text that is not a whole number (an optional minus and digits): "
     "'1.5', '12m', '+5', a word. It reads as 0 and the row is compiled with 0 there. Write a "
     "whole number. The code of a code point is the exception: a text there is the way to ask "
     "for a code point without code."},
    {numero_avviso::campo_vuoto, "an empty field reads as 0", false,
     "A value of a row is empty (nothing between two commas, or a row that ends early with a "
     "comma). It reads as 0. Write the value, or 0. Only the values of a speed indicator board "
     "may be left blank without a warning: a blank group is how a board shows speeds on one "
     "side only."},
    {numero_avviso::parola_sconosciuta, "a row whose keyword is not known here is ignored", false,
     "The first field of a line is not the keyword of any row that this place of the file "
     "reads: the row is skipped, and its values come back as fields that match nothing. "
     "Misspelt keywords, capitals in the line description's general keywords (case counts "
     "there), general rows after the general section and rows of the other description all "
     "land here; the reason says which. A keyword within two edits of one that this place "
     "reads (fewer than half its letters: a letter added, dropped, changed, or two neighbours "
     "swapped, case ignored) is suggested ('stazoine': did you mean 'stazione'?); failing "
     "that, one of another place, and the reason says where that belongs. Correct the keyword "
     "or move the row."},
    {numero_avviso::campi_in_piu, "fields after the last value of a row are read as keywords",
     false,
     "A row holds more values than its kind reads. The description is read as a stream of "
     "fields: whatever follows the last value is examined as the next keyword, and a keyword "
     "word in it starts a row of its own. A comma in a station's name or a sign text does this "
     "too. Remove the extra fields, or the comma."},
    {numero_avviso::prima_di_generale, "fields before [generale] are ignored", false,
     "The reading begins after the first field holding '[generale]'; everything before it is "
     "passed over. A train description without '[generale]' is ignored whole. Move the rows "
     "after '[generale]', or add it."},
    {numero_avviso::ultimo_campo, "the last field of the file is never examined", false,
     "The last field of a description is never examined as a keyword: the files end with "
     "'[fine]' for that. A row whose keyword is the last field is lost. End the file with a "
     "line '[fine]'."},
    {numero_avviso::campo_con_trattino,
     "a field holding '-' where a keyword is expected is skipped", false,
     "Where a keyword is expected, a field holding a dash is skipped and the field after it is "
     "examined in its place (up to ten in a row in the line description's general section, two "
     "elsewhere). A keyword written with a dash ('cartello-indicatore') loses its row. Keywords "
     "hold no dash: use the underscore."},
    {numero_avviso::marche_segnale_perse, "approach marks of a signal before cell 0 are dropped",
     false,
     "A signal marks the cells 2, 4, 6 and 8 before its own; for a signal within the first "
     "400 m some of them fall before cell 0 and are not written. The signal itself is placed. "
     "Move the signal further along if the marks matter."},
    {numero_avviso::profilo_oltre_la_griglia,
     "speed or adhesion rows crowd past the last cell: values dropped", false,
     "Each speed or adhesion row writes at least one cell, even when its position does not lie "
     "beyond the cells already written; rows crowding the end of the line push the fill past "
     "the last cell, and what would fall there is dropped. Keep the rows in order of position, "
     "at most one per 50 m."},
    {numero_avviso::pendenze_oltre_la_griglia,
     "gradient rows crowd past the last cell: values dropped", false,
     "Each gradient row writes at least one cell; rows crowding the end of the line (or out of "
     "order) push the fill past the last cell, and what would fall there is dropped. Keep the "
     "gradient rows in order of position, at most one per 50 m."},
    {numero_avviso::galleria_fuori_griglia, "tunnel cells outside the grid are not drawn", false,
     "Only a tunnel's start is checked against the grid; the cells of a tunnel that begin before "
     "cell 0 or run past the last cell are not drawn. Correct the tunnel's start or end."},
    {numero_avviso::galleria_vuota, "a tunnel that ends before its first cell draws no cell", false,
     "A tunnel covers the cells from its start / 50 to its end / 50 - 1; an end at or before "
     "the start leaves none. The tunnel is still counted. Check that the end is after the "
     "start."},
    {numero_avviso::galleria_tipo_3, "a tunnel within 150 m of the previous one takes type 3",
     false,
     "A tunnel that begins at most 150 m after the previous tunnel ends is stored with type 3, "
     "whatever its row says. Leave more than 150 m between the tunnels, or join them."},
    {numero_avviso::curva_tagliata, "a curve running past the last metre of the plan is clipped",
     false,
     "The track plan covers the route length plus 7000 m; a curve whose start plus length runs "
     "past that is drawn up to the plan's last metre and no further. Shorten the curve."},
    {numero_avviso::progressive_azzerate, "kilometric progressives cleared", false,
     "The three 'progressiva chilometrica' rows are sorted by start; when two share the "
     "greatest start, or the starts add up to 0 and no chainage is above 0, the order cannot be "
     "told and all three are cleared to 0. Give each progressive a start of its own."},
    {numero_avviso::valore_troncato, "value outside its range kept by its low 8 bits", false,
     "A gradient outside -100 to 155, a tunnel type or an adhesion outside 0 to 255 is stored "
     "in one byte: only its low 8 bits are kept, and the simulator reads another value. Keep "
     "the value in its range."},
    {numero_avviso::tabelle_senza_avviso,
     "a slow-down at or before 1500 m gets no warning point nor distance boards", false,
     "A slow-down starting within the first 1500 m has no room for its warning point 1200 m "
     "before it, and so none for the distance boards that its fifth value asks for. Write 0 "
     "there, or move the slow-down."},
    {numero_avviso::fine_nella_cella_di_inizio,
     "a slow-down's end falls in its own start cell and is not marked", false,
     "A slow-down shorter than about 50 m has its end in the cell of its start; the start is "
     "written over it, and the finishing pass then looks for the end of a later slow-down. "
     "Give the slow-down a length of 50 m or more."},
    {numero_avviso::marche_stazione_sostituite,
     "a signal's approach marks replace a station's approach marks", false,
     "A signal writes its marks into the cells 2, 4, 6 and 8 before its own, over whatever they "
     "hold: a station written earlier in the file loses its approach marks (81 to 84) in those "
     "cells, which then hold the signal's. The station's stop mark is never replaced. Move the "
     "signal so that its marks miss the four cells before the stop mark; written before the "
     "station, the signal keeps the station's marks and loses its own there instead."},
    {numero_avviso::riga_corta, "a row short of values takes them from the next line", false,
     "A row ends before its last value, and the reading goes on to the next line for the values "
     "it lacks: the next row's keyword and values are read as this row's, and that row is lost "
     "(its remaining fields are examined as keywords). The warning stands just after the short "
     "row's last value. Write the values the row lacks; an empty field between commas reads as "
     "0."},
    {numero_avviso::testo_utf8, "a file saved as UTF-8: descriptions are Windows-1252", false,
     "The file holds characters written as UTF-8, which a description never does: each of their "
     "bytes is read as a Windows-1252 character of its own, so an accented letter becomes two "
     "characters in the compiled files (a 'u' with a grave accent becomes an 'A' with a tilde "
     "and a superscript 1). The warning stands at the first such character. Save the file in the "
     "Windows-1252 encoding (called 'Western European' or "
     "'ANSI' by many editors)."},
    {numero_avviso::unita_di_misura, "a unit after a number: units are not written", false,
     "A number is followed by a unit ('1500 m', '60 km/h'): the number is read, but the unit is "
     "a field of its own, read as the next value (as 0) or left after the row's last value, so "
     "the values after it move by one. Positions and lengths are metres, speeds km/h and "
     "gradients per mille, always without a unit: write the number alone."},
    {numero_avviso::numero_decimale, "a decimal point or comma: values are whole numbers", false,
     "A value is written with a decimal point ('12.5'), which reads as 0, or with a decimal "
     "comma ('9,5'), which splits it into two values, so the values after it move by one and "
     "the row has one too many. Positions and values are whole numbers: round them."},
    {numero_avviso::fuori_ordine, "a row out of order along the route", false,
     "Curves, gradients, tunnels, speed and adhesion rows and stations are compiled in the "
     "order they are written, each from where the one before it left off: a row placed before "
     "the previous row of its kind does not take effect where it says (a gradient or profile "
     "row writes one cell and then holds from where the fill stands, a curve is drawn from "
     "where the plan stands, a tunnel is compared with the wrong neighbour). The warning names "
     "the previous row. Write the rows of each kind in order of position."},
    {numero_avviso::fermata_sopra_elemento, "a station's stop mark replaces an item on the grid",
     false,
     "A station puts its stop mark in the cell before the end of its zone, over whatever that "
     "cell holds: a signal, a slow-down's point, a board or a code point written before it in "
     "the file is lost. A note names the item and its row. Move the station, or the item, so "
     "that the stop mark falls on a free cell."},
    {numero_avviso::marche_segnale_sostituite,
     "a station's approach marks replace a signal's marks", false,
     "A station puts its approach marks 81 to 84 in the four cells before its stop mark, over "
     "the marks that a signal written before it in the file left there: the signal loses them. "
     "A note names the signal's row. Move the signal so that its marks miss those four cells; "
     "written after the station, the signal keeps its own marks and the station loses its "
     "(warning 219)."},
    {numero_avviso::intestazione_sconosciuta, "a section header that the format does not have",
     false,
     "A bracketed field that begins its line is read as a section header, and this one is none "
     "of its description's: [generale], [curve], [pendenze], [montagne], [cartelli], "
     "[indicazioni] and [fine] for a line description; [generale], [aderenze], [vel_limite], "
     "[stazioni], [rallentamenti], [segnali], [codici] and [fine] for a train description "
     "(case does not count). After [generale] the rows are read whatever the sections are "
     "called, but a misspelt [generale] loses every row before the real one (warning 205). "
     "Where the header is a likely typo, the nearest header of the format is suggested. "
     "Correct the header."},
};

}  // namespace

std::span<const voce_errore> tabella_errori() { return voci; }

std::span<const voce_errore> tabella_avvisi() { return avvisi; }

const voce_errore* cerca_voce(int32_t numero) {
  for (std::span<const voce_errore> t : {tabella_errori(), tabella_avvisi()}) {
    for (const voce_errore& v : t) {
      if (v.numero == numero) return &v;
    }
  }
  return nullptr;
}

const char* significato_errore(int32_t numero) {
  for (const voce_errore& v : voci) {
    if (v.numero == numero) return v.significato;
  }
  return nullptr;
}

bool errore_con_posizione(int32_t numero) {
  for (const voce_errore& v : voci) {
    if (v.numero == numero) return v.con_posizione;
  }
  return false;
}

}  // namespace scenario
