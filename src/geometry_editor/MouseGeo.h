// The mouse on the geometry editor's drawing: the pointer readouts (displayed coordinates,
// length and angle from the last chain point), entering a point by clicking (the click fills
// the panel of the last element, or of the element being modified, and runs its confirm
// button), the dolly redraw, the dispatch to the zoom and pan tools by ModoEdit, and the view
// reset of the right button.
#pragma once

#include "geometry_editor/ControlliEditor.h"
#include "geometry_editor/StrumentiVista.h"

namespace kelvra {

// The texts the pointer readouts show for a pointer at picture position (x, y) mm.
struct LetturaPuntatore {
    std::string X;
    std::string Y;
    std::string Lunghezza;
    std::string Angolo;
};
LetturaPuntatore LeggiPuntatore(double x, double y);

class MouseGeo {
  public:
    MouseGeo(ControlliEditor& finestra, StrumentiVista& strumenti)
        : f_(finestra), strumenti_(strumenti) {}

    // Button: 1 left, 2 right, 4 middle (held buttons for a move); X, Y picture mm.
    void PicGeo_MouseDown(int Button, int Shift, double X, double Y);
    void PicGeo_MouseMove(int Button, int Shift, double X, double Y);
    void PicGeo_MouseUp(int Button, int Shift, double X, double Y);

    // The right-button view reset: mode 0 (5 while an element is being modified), corrections
    // 0, fit 1600 x 1600 mm, chain and grid redrawn, no user zoom, no rubber rectangle or line
    // left on the drawing.
    void ReimpostaVista();

  private:
    // Fills the panel of element kind `tipo` with the clicked point and confirms it.
    void InserisciPunto(int tipo, double cx, double cy, bool conUndo);
    // A view tool given up: entry mode, or modify mode while an element is being modified.
    void LasciaStrumento();

    ControlliEditor& f_;
    StrumentiVista& strumenti_;
};

} // namespace kelvra
