// An offscreen drawing surface: the same renderer as the picture box, over a QImage of a
// chosen pixel size and resolution. Tests draw into it and check pixels; it can also
// stand for a picture whose drawing is wanted without a window.
#pragma once

#include "platform/SuperficieQt.h"

namespace kelvra {

class ImmagineSuperficie : public SuperficieQt {
  public:
    // Inner area larghezza x altezza pixels at `dpi`; `bordo` pixels of border on every
    // side count in the outer size (a picture box has BORDO_PICTURE).
    ImmagineSuperficie(int larghezza, int altezza, double dpi = 96.0, int bordo = 0);

    // The colour number of the pixel at (x, y) of the inner area; -1 outside it.
    long ColorePixel(int x, int y) const;
    // Pixels of the inner area in the given colour number.
    int ContaPixel(long colore) const;

    void CambiaDimensioni(int larghezza, int altezza) { Ridimensiona(larghezza, altezza); }
};

} // namespace kelvra
