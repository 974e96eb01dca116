#include "geometry_editor/StrumentiVista.h"

#include "core/Disegno.h"
#include "core/Progetti.h"
#include "core/Vista.h"

#include <cmath>

namespace kelvra {

namespace {

void DisegnaCatena(ControlliEditor& f) {
    DisegnaSchema(&f.Disegno(), f.Disegno().PicGeo(), NumeroProgetti, VisualizzaCoordinate,
                  VisualizzaDimensioni);
}

} // namespace

int PassoGrigliaItem(int Index) {
    switch (Index) {
    case 1:
        return 0;
    case 2:
        return 50;
    case 3:
        return 100;
    case 4:
        return 250;
    case 5:
        return 500;
    default:
        return -1;
    }
}

void StrumentiVista::VistaItem_Click(int Index) {
    switch (Index) {
    case 3:
        ModoEdit = 1;
        break;
    case 4:
        ModoEdit = 2;
        break;
    case 6:
        ModoEdit = 3;
        break;
    case 7:
        ModoEdit = 4;
        break;
    default:
        break; // the grid submenu and the separators
    }
}

void StrumentiVista::GrigliaItem_Click(int Index) {
    const int passo = PassoGrigliaItem(Index);
    if (passo >= 0) PassoGriglia = static_cast<int16_t>(passo);
    Superficie& pic = f_.Disegno().PicGeo();
    pic.Cancella();
    DisegnaGrigliaSchema(PassoGriglia, pic);
    DisegnaCatena(f_);
    for (int i = 1; i <= 5; ++i) f_.SpuntaGrigliaItem(i, false);
    if (passo >= 0) f_.SpuntaGrigliaItem(Index, true);
}

// ---- window zoom ------------------------------------------------------------------------------

void StrumentiVista::ZoomFinestraMouseDown(int Button, int, double X, double Y) {
    if (Button != 1) return; // the other buttons never start a rectangle
    InizioTrascinamentoX = static_cast<float>(X);
    InizioTrascinamentoY = static_cast<float>(Y);
    f_.ImpostaRettangoloShape1({X, Y, 0, 0});
    f_.MostraShape1(true);
}

void StrumentiVista::ZoomFinestraMouseMove(int Button, int, double X, double Y) {
    if (Button != 1) return;
    f_.MostraShape1(false);
    RettangoloZoom r = f_.RettangoloShape1();
    const double x0 = InizioTrascinamentoX;
    const double y0 = InizioTrascinamentoY;
    // Across: the rectangle never leaves the drawing area.
    r.Left = X < x0 ? X + 1 : x0;
    if (X <= AreaDestra) {
        if (X >= AreaSinistra) {
            r.Width = std::fabs(X - x0);
        } else {
            r.Width = x0 - AreaSinistra + 1;
            r.Left = AreaSinistra;
        }
    } else {
        r.Width = AreaDestra - r.Left;
    }
    // Down.
    r.Top = Y < y0 ? Y + 1 : y0;
    if (Y <= AreaSotto) {
        if (Y >= AreaSopra) {
            r.Height = std::fabs(Y - y0);
        } else {
            r.Height = y0 - AreaSopra + 1;
            r.Top = AreaSopra;
        }
    } else {
        r.Height = AreaSotto - r.Top;
    }
    f_.ImpostaRettangoloShape1(r);
    f_.MostraShape1(true);
}

void StrumentiVista::ZoomFinestraMouseUp(int, int, double, double) {
    const RettangoloZoom r = f_.RettangoloShape1();
    const float L = static_cast<float>(r.Left);
    const float R = static_cast<float>(r.Left + r.Width);
    const float T = static_cast<float>(r.Top);
    const float B = static_cast<float>(r.Top + r.Height);
    // A click without a drag (no width or height, or the 1 mm left by a click) is not a
    // rectangle: the view stays as it was.
    const bool degenere = !(r.Width > 0) || !(r.Height > 0) || R - 1 == L || T + 1 == B;
    Superficie& pic = f_.Disegno().PicGeo();
    if (degenere || !ApplicaZoomFinestra(L, R, B, T, pic)) {
        f_.MostraShape1(false);
        return;
    }
    pic.Cancella();
    ZoomUtente = VERO;
    DisegnaCatena(f_);
    f_.MostraShape1(false);
}

// ---- pan and change of point of view ----------------------------------------------------------

void StrumentiVista::PanMouseDown(int Button, int, double X, double Y) {
    if (Button != 1) return; // the other buttons never start a pan
    InizioTrascinamentoX = static_cast<float>(X);
    InizioTrascinamentoY = static_cast<float>(Y);
    f_.ImpostaLineaLine1({X, Y, X, Y});
    f_.MostraLine1(true);
}

void StrumentiVista::PanMouseMove(int Button, int, double X, double Y) {
    if (Button != 1) {
        f_.MostraLine1(false);
        return;
    }
    LineaPan l = f_.LineaLine1();
    l.X2 = X;
    l.Y2 = Y;
    f_.ImpostaLineaLine1(l);
}

void StrumentiVista::PanMouseUp(int, int, double, double) {
    const LineaPan l = f_.LineaLine1();
    const double dx = l.X2 - l.X1;
    // A click without a drag moves nothing.
    if (dx == 0 && l.Y2 == l.Y1) {
        f_.MostraLine1(false);
        return;
    }
    // The world point the displayed coordinates are measured from, before the move.
    const double origineMondoX = static_cast<double>(OrigineX) + FinestraX1;
    const double origineMondoY = static_cast<double>(OrigineY) + FinestraY1;
    // The view the drag moves: the last fit or window zoom. A corner that a previous pan
    // left is replaced, not added to.
    if (!(panFatto_ && FinestraX1 == angoloPanX_ && FinestraY1 == angoloPanY_)) {
        angoloBaseX_ = FinestraX1;
        angoloBaseY_ = FinestraY1;
    }
    Superficie& pic = f_.Disegno().PicGeo();
    // The new window corner is that view's corner less the drag in world mm: the drawing
    // follows the mouse.
    if (!ConvertiTrascinamento(l.X1, l.X1 - dx, l.Y2, l.Y1, pic)) {
        f_.MostraLine1(false);
        return;
    }
    FinestraX1 += angoloBaseX_;
    FinestraY1 += angoloBaseY_;
    angoloPanX_ = FinestraX1;
    angoloPanY_ = FinestraY1;
    panFatto_ = true;
    pic.Cancella();
    // The origin follows the corner by its signed value and stays on the same world point,
    // whichever way the drag went: the shown and the typed coordinates keep their meaning.
    OrigineX = origineMondoX - FinestraX1;
    OrigineY = origineMondoY - FinestraY1;
    // The panned view is the user's own: every later drawing (the one below, the one of a
    // modification, an animation's frames) keeps the origin relative to this corner instead
    // of taking it as if the corner were still that of a fit.
    ZoomUtente = VERO;
    DisegnaCatena(f_);
    DisegnaLineeRiferimento(OrigineX, OrigineY, pic);
    f_.MostraLine1(false);
    f_.RicaricaElementoInModifica();
}

} // namespace kelvra
