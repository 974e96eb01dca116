// The graph window's toolbar and File menu: what each of the twelve toolbar buttons shows and
// runs, and the File commands that change the set of projects shown (new project, open,
// compare, close the last project, save as), set up the printer, print the chart and close
// the window. The window's handlers forward here with the button's or item's index.
#pragma once

#include <array>
#include <cstdint>

namespace kelvra {

class CURVE01;

inline constexpr int NUMERO_PULSANTI_GRAFICO = 12;

// The language section a toolbar caption comes from.
enum class SezionePulsante { Common, Curve };

struct PulsanteBarra {
    SezionePulsante sezione;
    int rigaCaption;
    // The File item the button runs; 0 when it runs `comando` instead.
    int voceFile;
    void (*comando)(CURVE01& form); // nullptr: the button does nothing
};

// Buttons 0..11 in the strip's order; button i's hint is line 23 + i of section Toolbar.
extern const std::array<PulsanteBarra, NUMERO_PULSANTI_GRAFICO> PULSANTI_BARRA;
inline constexpr int PRIMO_SUGGERIMENTO_BARRA = 23;

// A toolbar button (body of CmdPulsantiera_Click): the info mode goes off, then the button's
// command runs. Indexes outside 0..11 do nothing.
void ComandoPulsantiera(int Index, CURVE01& form);
// A File item (body of FileItem_Click): 1 new project, 2 open, 3 compare, 4 close the last
// project, 7 save as, 10 printer set-up, 11 print, 22 close the window; others do nothing.
void ComandoFileGrafici(int Index, CURVE01& form);

// The data button: the geometry editor, modeless, when the main window has shown it once.
void CambiaDati(int16_t editorAperto);
// Close the last project: with two or more held the newest goes and the chart starts afresh
// on those left; with one nothing happens.
void TogliUltimoProgetto(CURVE01& form);
// The printer set-up dialog of every window; false when it was cancelled.
bool ImpostaStampanteGrafico();
// Prints the chart on one page, drawn afresh at the printer's resolution.
void StampaGrafico(CURVE01& form);

// The Options menu's Reverse function item runs the toolbar's Reverse function button.
inline constexpr int PULSANTE_FUNZIONE_INVERSA = 4;
inline constexpr int OPZIONE_FUNZIONE_INVERSA = 5;

// Compare is offered while fewer than six projects are held; the buttons that run a File
// item are enabled as that item is, and the Reverse function item as its button is.
void AllineaPulsantiera(CURVE01& form);

} // namespace kelvra
