// The geometry editor's entry boxes as the editor's procedures see them: the coordinate
// boxes of the four entry panels, the wheel radius, the maximum travel and the option boxes,
// with the few window actions those procedures run (confirming a panel, redrawing, resetting
// the view, solving). The window implements it over its controls; tests implement it over
// plain texts, so filling panels, undo, unit changes and the ground-line re-basing are
// exercised without widgets.
#pragma once

#include <cstdint>
#include <string>

namespace kelvra {

// Text boxes of the editor, named after the controls.
enum class Casella : int {
    ForcelloneX0, // pivot
    ForcelloneX1, // wheel axle
    ForcelloneX2, // linkage attachment
    ForcelloneY0,
    ForcelloneY1,
    ForcelloneY2,
    Raggio,    // TxtRaggio, wheel radius
    AstaPrecX, // LblAstaPrecX, link start (read-only)
    AstaPrecY,
    AstaX, // link end
    AstaY,
    ElemPrecX, // LblElemPrecX, rocker vertex 1 (read-only)
    ElemPrecY,
    SquadrettaX0, // rocker vertex 2
    SquadrettaY0,
    SquadrettaX1, // rocker vertex 3
    SquadrettaY1,
    MollaPrecX, // LblMollaPrecX, shock chain end (read-only)
    MollaPrecY,
    MollaX, // shock other mount
    MollaY,
    MaxEsc, // TxtMaxEsc, maximum wheel travel
    Numero
};

// Option and check boxes. ChkModify and ChkFix hold 1 ticked / 0 clear; OptFix holds
// -1 selected / 0 not.
enum class Opzione : int { ModifyAsta, ModifySquadretta, OptFix0, OptFix1, ChkFix, Numero };

// Element kinds as the confirm buttons and the undo number them.
enum TipoPannello : int {
    PANNELLO_FORCELLONE = 1,
    PANNELLO_ASTA = 2,
    PANNELLO_SQUADRETTA = 3,
    PANNELLO_MOLLA = 4
};

class EditorGeometria {
  public:
    virtual ~EditorGeometria() = default;

    virtual std::string Testo(Casella c) const = 0;
    // A write by the program. Writing the radius box with `eventi` runs its change
    // handler (the ground-line re-basing) when the text actually changes; no other box has
    // a handler of its own.
    virtual void Scrivi(Casella c, const std::string& testo, bool eventi = true) = 0;

    virtual int16_t Valore(Opzione o) const = 0;
    // Sets an option without running its click handler.
    virtual void ImpostaValore(Opzione o, int16_t valore) = 0;

    // The program's confirm of a panel (a click on the drawing, the undo replay, the
    // re-basing): what the panel's confirm button does once its boxes are accepted. In modify
    // mode it modifies the chosen element, otherwise it commits into the last slot.
    virtual void Conferma(int tipo) = 0;
    // Clears the drawing and draws the grid and the chain of the newest project.
    virtual void Ridisegna() = 0;
    // The right-button view reset: fit 1600 x 1600 mm, no zoom, mode 0, redraw.
    virtual void ReimpostaVista() = 0;
    // The chain check and, when it passes, the solver and the menu enabling (what the
    // shock absorber's confirmation does after storing).
    virtual void RisolviCatena() = 0;
};

} // namespace kelvra
