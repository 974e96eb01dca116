// The user settings: graph colours, unit system and annotation mode of the geometry drawing,
// kept in the settings file "Kelvra.INI" of the program folder as one 92-byte record.
//
// Record layout, little-endian, no header:
//   0   8  double  ColoreSfondo
//   8  48  double  ColoreCurva of projects 1..6
//  56   8  double  ColoreAssi
//  64   8  double  ColoreEtichetteAssi
//  72   8  double  ColoreTitoli
//  80   8  double  ColoreGriglia
//  88   2  int16   SistemaUnita
//  90   2  int16   ModoQuote
// Colours are 24-bit numbers with red in the low byte, stored as doubles holding the integer.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kelvra {

extern int32_t ColoreSfondo;               // chart and panel background
extern std::array<int32_t, 7> ColoreCurva; // curve colour of projects 1..6 (0 unused)
extern int32_t ColoreAssi;                 // axis lines
extern int32_t ColoreEtichetteAssi;        // axis tick labels
extern int32_t ColoreTitoli;               // chart titles
extern int32_t ColoreGriglia;              // grid lines and the zoom rectangle
extern int16_t ModoQuote;                  // 1 coordinates, 2 dimensions, 0 none
// The unit system SistemaUnita (1 metric, 2 imperial) is declared in core/Unita.h.

// Defaults.
inline constexpr int32_t ColoreSfondoPredefinito = 0;
inline constexpr std::array<int32_t, 7> ColoreCurvaPredefinito = {
    0, 0xFF, 0xFF00, 0xFFFF00, 0x80FF, 0xFF0000, 0xFF00FF};
inline constexpr int32_t ColoreAssiPredefinito = 0xFFFFFF;
inline constexpr int32_t ColoreEtichetteAssiPredefinito = 0xFF00;
inline constexpr int32_t ColoreTitoliPredefinito = 0xFF8080;
inline constexpr int32_t ColoreGrigliaPredefinito = 0xC0C0C0;
inline constexpr int16_t SistemaUnitaPredefinito = 1;
inline constexpr int16_t ModoQuotePredefinito = 1;

inline constexpr int LunghezzaRecordImpostazioni = 92;
inline constexpr const char* NomeFileImpostazioni = "Kelvra.INI";

using RecordImpostazioniByte = std::array<unsigned char, LunghezzaRecordImpostazioni>;

// PercorsoApplicazione & "Kelvra.INI".
std::string RecordImpostazioni();

// Every setting to its default.
void ImpostaINIDefault();
// The chart colours alone back to their defaults (the graph window's "original colours").
void ImpostaColoriPredefiniti();

// The record of the current settings.
RecordImpostazioniByte CodificaImpostazioni();

// Takes the settings from the bytes of a settings file; bytes missing at the end read as
// zeros. A record whose unit system is 0 holds no settings: every default is set and the
// result is false. Otherwise a unit system other than 1 or 2 becomes metric, a colour that
// is not a whole 24-bit colour number takes its default, and an annotation mode other than
// 0, 1 or 2 becomes 1.
bool DecodificaImpostazioni(const unsigned char* dati, size_t lunghezza);

// Lines of section MsgBox that tell the user the settings file could not be read (the
// defaults are used) or written; the file's path follows the text.
inline constexpr int RigaImpostazioniNonScritte = 49;
inline constexpr int RigaImpostazioniNonLette = 50;

// Reads the settings file: its first 92 bytes, and only from a regular file. A missing file
// sets the defaults; so does a file that cannot be read (a folder or FIFO in its place, no
// permission), after telling the user. True when the file held settings.
bool LeggiFileIni();

// Writes the settings file as exactly one 92-byte record, replacing the old file only once
// the new one is complete. When it cannot be written (a read-only file, a folder in its
// place) the old file is left as it was, the user is told, and the result is false.
bool ScriviFileIni();

} // namespace kelvra
