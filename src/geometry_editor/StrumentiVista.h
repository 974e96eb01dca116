// The view tools of the geometry editor: the grid step, the choice of what the mouse does on
// the drawing (ModoEdit), the window zoom with its rubber rectangle and the pan with its rubber
// line. They change how the linkage is shown, never the linkage.
//
// A pan moves the view of the last fit or window zoom by the drag: the drawing follows the
// mouse, and a second pan replaces the first rather than adding to it.
//
// A pan (mode 3) and a change of point of view (mode 4) keep the displayed coordinates: the
// display origin stays on the same world point while the drawing moves, in whichever
// direction, and the view counts as the user's own (ZoomUtente), so the drawing keeps the
// origin relative to the new window corner. A point typed or clicked afterwards, or an element
// modified, is read back in the same view it was shown in, and lands where the user put it.
#pragma once

#include "geometry_editor/ControlliEditor.h"

namespace kelvra {

class StrumentiVista {
  public:
    explicit StrumentiVista(ControlliEditor& finestra) : f_(finestra) {}

    // Where the left button went down for a pan or a window zoom, picture mm.
    float InizioTrascinamentoX = 0;
    float InizioTrascinamentoY = 0;

    // View menu: 3 dolly zoom (mode 1), 4 window zoom (2), 6 pan (3), 7 change of point of
    // view (4); other items leave the mode.
    void VistaItem_Click(int Index);
    // Grid submenu: 1 none, 2 50 mm, 3 100 mm, 4 250 mm, 5 500 mm; redraws and ticks the item.
    void GrigliaItem_Click(int Index);

    // A zoom or a pan starts only with the left button (1).
    void ZoomFinestraMouseDown(int Button, int Shift, double X, double Y);
    void ZoomFinestraMouseMove(int Button, int Shift, double X, double Y);
    // Applies the rubber rectangle; a rectangle without width or height (a click) is refused
    // and the view stays as it was.
    void ZoomFinestraMouseUp(int Button, int Shift, double X, double Y);

    void PanMouseDown(int Button, int Shift, double X, double Y);
    void PanMouseMove(int Button, int Shift, double X, double Y);
    void PanMouseUp(int Button, int Shift, double X, double Y);

  private:
    ControlliEditor& f_;
    // The window corner of the view a pan moves (the last fit or zoom), and the corner the
    // last pan left.
    float angoloBaseX_ = 0;
    float angoloBaseY_ = 0;
    float angoloPanX_ = 0;
    float angoloPanY_ = 0;
    bool panFatto_ = false;
};

// The grid steps of GrigliaItem(1..5), mm; -1 for any other item.
int PassoGrigliaItem(int Index);

} // namespace kelvra
