// Two drawings of the same lines compared pixel by pixel: one drawn a line at a time, the
// other in runs of joined lines. A wide pen's joins may land an edge pixel apart; a piece of
// line missing, stray or in the wrong colour may not.
#pragma once

#include "platform/Immagine.h"

#include <QImage>
#include <span>

namespace kelvra::test {

// An offscreen surface that draws every run of lines a line at a time.
class LineaPerLinea : public ImmagineSuperficie {
  public:
    using ImmagineSuperficie::ImmagineSuperficie;
    void Polilinea(std::span<const PuntoScala> punti, long colore) override {
        Superficie::Polilinea(punti, colore);
    }
};

struct Confronto {
    int disegnati = 0; // pixels of the expected drawing not in the back colour
    int diversi = 0;   // pixels that differ
    int staccati = 0;  // differing pixels whose colour the other drawing lacks all around
};

inline Confronto Confronta(const ImmagineSuperficie& attesa, const ImmagineSuperficie& ottenuta) {
    const QImage& a = attesa.Immagine();
    const QImage& b = ottenuta.Immagine();
    const QRgb sfondo = ColoreQt(attesa.ColoreSfondo()).rgb();
    const auto pixel = [](const QImage& im, int x, int y) { return im.pixel(x, y) | 0xFF000000u; };
    // Whether the image has a pixel of colour c in the 3 x 3 square about (x, y).
    const auto vicino = [&pixel](const QImage& im, int x, int y, QRgb c) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (im.valid(x + dx, y + dy) && pixel(im, x + dx, y + dy) == c) return true;
        return false;
    };
    Confronto r;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = pixel(a, x, y), pb = pixel(b, x, y);
            r.disegnati += pa != sfondo;
            if (pa == pb) continue;
            ++r.diversi;
            r.staccati +=
                (pa != sfondo && !vicino(b, x, y, pa)) || (pb != sfondo && !vicino(a, x, y, pb));
        }
    return r;
}

} // namespace kelvra::test
