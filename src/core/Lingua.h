// The language texts: one table of lines per language section, read by line number.
// Texts are bytes in the language file's code page; a line that is not loaded reads as "".
#pragma once

#include <string>
#include <vector>

namespace kelvra {

using SezioneTesti = std::vector<std::string>;

extern SezioneTesti Messaggi;              // "MsgBox"
extern SezioneTesti TestiCommon;           // "Common"
extern SezioneTesti TestiQuantity;         // "Quantity"
extern SezioneTesti TestiUnita;            // "Unità"
extern SezioneTesti TestiLingua;           // "Lingua"
extern SezioneTesti TestiToolbar;          // "Toolbar"
extern SezioneTesti TestiInsGeo01;         // "InsGeo01"
extern SezioneTesti TestiFrmMenu;          // "FrmMenu"
extern SezioneTesti TestiInsMolla;         // "InsMolla"
extern SezioneTesti TestiInsTampone;       // "InsTampone"
extern SezioneTesti TestiInsAmmortizzatore; // "InsAmmortizzatore"
extern SezioneTesti TestiFrmPLoad;         // "FrmPLoad"
extern SezioneTesti TestiCurve;            // "Curve"
extern SezioneTesti TestiFunzioni;         // "Funzioni"
extern SezioneTesti TestiLettore;          // "Lettore"
extern SezioneTesti TestiTabelle;          // "Tabelle"
extern SezioneTesti TestiFrmAcquisizione;  // "FrmAcquisizione"
extern SezioneTesti TestiMain;             // "Main"
extern SezioneTesti TestiAboutBox;         // "AboutBox"

// Line `riga` of a section, or "" when the section has no such line.
const std::string& Riga(const SezioneTesti& sezione, int riga);

} // namespace kelvra
