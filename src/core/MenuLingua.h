// Menu captions from the language texts. A menu section holds one line per top-level menu:
//   Caption=Item 1,Item 2,,Item 4
// The caption is the text up to the first "="; the items are the pieces after it split at
// ",", spaces kept (an empty piece is a separator line). A line without "=" is a caption
// with no items; a line whose caption repeats the previous one continues that menu. At most
// 20 menus of 30 items; every cell is a 40-character text, cut or padded with spaces.
//
// The sections are read from the language lines decoded at start-up and held in memory.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kelvra {

inline constexpr int MassimoMenu = 20;
inline constexpr int MassimoVociMenu = 30;
inline constexpr int LunghezzaCellaMenu = 40;

// TabellaMenu[r][0] is the caption of menu r (1..20), TabellaMenu[r][k] its item k (1..30).
// Row 0 is not used.
extern std::array<std::array<std::string, MassimoVociMenu + 1>, MassimoMenu + 1> TabellaMenu;
extern std::array<int16_t, MassimoMenu + 1> NumeroVociMenu;
extern int16_t NumeroMenu;

// Collects into `uscita` the characters of `testo` from position `posizione` (from 1) up to
// and without the first `separatore`; `posizione` is left just after the last character
// examined. True when more text follows (the position is still within the text trimmed of
// spaces).
bool EstraiCampo(const std::string& testo, char separatore, int16_t& posizione,
                 std::string& uscita);

// Fills TabellaMenu, NumeroVociMenu and NumeroMenu from a menu section of the language
// lines in memory. A missing section leaves the table empty (NumeroMenu 0) and gives false.
bool LeggiMenuLingua(const std::string& sezione);

// The text of a cell trimmed of spaces, "" outside the table.
std::string VoceMenu(int riga, int voce);

} // namespace kelvra
