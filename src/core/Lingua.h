// The language texts: one table of lines per language section, read by line number.
// Texts are bytes in the language file's code page (Windows-1252, or Windows-1250 for the
// Slovenian language); a line that is not loaded reads as "".
//
// At start-up `CaricaLingua` descrambles "Kelvra3.lng" of the program folder into the plain
// file "Kelvra3@@.lng" beside it, keeps the decoded lines in memory (the menu reader uses
// them) and loads the nineteen text sections from the plain file. `EliminaFileLingua` removes
// the plain file at exit.
#pragma once

#include <string>
#include <vector>

namespace kelvra {

using SezioneTesti = std::vector<std::string>;

extern SezioneTesti Messaggi;               // "MsgBox"
extern SezioneTesti TestiCommon;            // "Common"
extern SezioneTesti TestiQuantity;          // "Quantity"
extern SezioneTesti TestiUnita;             // "Unità"
extern SezioneTesti TestiLingua;            // "Lingua"
extern SezioneTesti TestiToolbar;           // "Toolbar"
extern SezioneTesti TestiInsGeo01;          // "InsGeo01"
extern SezioneTesti TestiFrmMenu;           // "FrmMenu"
extern SezioneTesti TestiInsMolla;          // "InsMolla"
extern SezioneTesti TestiInsTampone;        // "InsTampone"
extern SezioneTesti TestiInsAmmortizzatore; // "InsAmmortizzatore"
extern SezioneTesti TestiFrmPLoad;          // "FrmPLoad"
extern SezioneTesti TestiCurve;             // "Curve"
extern SezioneTesti TestiFunzioni;          // "Funzioni"
extern SezioneTesti TestiLettore;           // "Lettore"
extern SezioneTesti TestiTabelle;           // "Tabelle"
extern SezioneTesti TestiFrmAcquisizione;   // "FrmAcquisizione"
extern SezioneTesti TestiMain;              // "Main"
extern SezioneTesti TestiAboutBox;          // "AboutBox"

// Line `riga` of a section, or "" when the section has no such line.
const std::string& Riga(const SezioneTesti& sezione, int riga);

// ---- the language files ---------------------------------------------------------------

// Scrambled file: records of this many bytes, each one line ended by the code 145.
inline constexpr int LunghezzaRecordLingua = 110;
inline constexpr unsigned char FineRigaLingua = 145;
// A section keeps at most this many lines (0..110), each cut to this many characters.
inline constexpr int MassimoRigheSezione = 111;
inline constexpr int MassimaLunghezzaRiga = 110;

// The most records a language file may hold: every section the program reads (nineteen text
// sections and four menu sections) at its full 111 lines with its header and closing blank
// line, and as much again for comments. A longer file is refused, so that a file that never
// ends cannot fill the memory.
inline constexpr int MassimoRecordLingua = 2 * 23 * (MassimoRigheSezione + 2);

// Name of the scrambled language file without extension, in the program folder.
inline constexpr const char* NomeLingua = "Kelvra3";

// The plain language file: PercorsoApplicazione & "Kelvra3@@.lng", set by CaricaLingua.
extern std::string FileLingua;

// The lines of the plain language file as decoded at start-up, kept in memory.
extern std::vector<std::string> LineeLingua;

// Fixed messages of a missing or damaged language file (shown as they stand).
inline constexpr const char* MsgErroreFormatoLingua = "Language file Format error";
inline constexpr const char* MsgFileNonTrovato = ": File not Found!";
inline constexpr const char* MsgSezioneNonTrovata = " section not Found!";
inline constexpr const char* MsgErroreAccesso = ": Error accessing File!";

// The 110-character scrambling key, shared by the decoder and the tool that writes the files.
const std::string& ChiaveLingua();

// Character i of the result is character i of `testo` xor character i of `chiave`
// (`chiave` must be at least as long as `testo`).
std::string ApplicaXor(const std::string& testo, const std::string& chiave);

// The start-up entry: sets FileLingua from PercorsoApplicazione, deletes a stale plain file,
// descrambles "Kelvra3.lng" and loads the nineteen text sections. On failure the fixed
// message has been shown through MsgBox (OK only, no icon) and the result is false: the
// caller must end the program.
bool CaricaLingua();

// Descrambles nome & ".lng" into nome & "@@.lng" and keeps the lines in LineeLingua. A missing
// scrambled file gives an empty plain file. False (after the format-error message) when the
// scrambled file cannot be read (not a regular file, longer than MassimoRecordLingua records)
// or the plain file cannot be written.
bool DecodificaFileLingua(const std::string& nome);

// Loads the nineteen sections from FileLingua in their fixed order; stops at the first
// failure (message shown) and returns false.
bool CaricaTestiLingua();

// Fills `tabella` with the lines of section `sezione` of FileLingua. False after showing the
// not-found, missing-section or access-error message (a plain file that is not a regular
// file, or longer than MassimoRecordLingua lines can make it, cannot be accessed).
bool LeggiSezioneLingua(const std::string& sezione, SezioneTesti& tabella);

// Deletes the plain language file; a missing file or a failing delete is ignored.
void EliminaFileLingua();

// Empties every text table and the decoded lines (tests, and before a new load).
void AzzeraLingua();

// ---- code pages ---------------------------------------------------------------------

// 1250 when the loaded language is Slovenian (line 0 of section Lingua, upper-cased, reads
// "SLOVENO"), otherwise 1252.
int CodicePaginaLingua();

// A message that names a file, to be shown with TESTO_UTF8 in its style: the language text
// `testo` in UTF-8, then the path on a line of its own, as the file system names it.
std::string TestoConPercorso(const std::string& testo, const std::string& percorso);

// Bytes of code page 1252 or 1250 as UTF-8, for display.
std::string InUtf8(const std::string& testo, int codicePagina);
// The same with the code page of the loaded language.
std::string InUtf8(const std::string& testo);

// UTF-8 text as bytes of code page 1252 or 1250; false when a character has no byte there
// or the UTF-8 is malformed.
bool DaUtf8(const std::string& utf8, int codicePagina, std::string& risultato);

// Scrambles a readable language source (UTF-8 text lines, sections as in the plain file) into
// the bytes of a scrambled language file. The code page is 1250 when the source's section
// Lingua names the Slovenian language, otherwise 1252. False with a reason in `errore` when a
// line does not fit a record or holds a character that cannot be written.
bool CodificaSorgenteLingua(const std::string& sorgente, std::string& codificato,
                            std::string& errore);

} // namespace kelvra
