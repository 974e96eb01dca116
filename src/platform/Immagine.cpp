#include "platform/Immagine.h"

namespace kelvra {

ImmagineSuperficie::ImmagineSuperficie(int larghezza, int altezza, double dpi, int bordo)
    : SuperficieQt(larghezza, altezza, dpi, bordo) {}

long ImmagineSuperficie::ColorePixel(int x, int y) const {
    if (!Immagine().valid(x, y)) return -1;
    return NumeroColore(Immagine().pixelColor(x, y));
}

int ImmagineSuperficie::ContaPixel(long colore) const {
    const QImage& im = Immagine();
    const QRgb cercato = ColoreQt(colore).rgb();
    int n = 0;
    for (int y = 0; y < im.height(); ++y) {
        const auto* riga = reinterpret_cast<const QRgb*>(im.constScanLine(y));
        for (int x = 0; x < im.width(); ++x)
            if ((riga[x] | 0xFF000000u) == cercato) ++n;
    }
    return n;
}

} // namespace kelvra
