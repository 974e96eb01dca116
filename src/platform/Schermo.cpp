#include "platform/Schermo.h"

#include <algorithm>
#include <cmath>

namespace kelvra {

namespace {

// The whole factor used for integer division, never below 1.
int FattoreIntero(double twipsPerPixel) {
    return std::max(1, static_cast<int>(std::lround(twipsPerPixel)));
}

} // namespace

int PixelDaTwipsX(int twips) {
    return twips / FattoreIntero(TwipsPerPixelX());
}
int PixelDaTwipsY(int twips) {
    return twips / FattoreIntero(TwipsPerPixelY());
}

int TwipsDaPixelX(int pixel) {
    return static_cast<int>(std::lround(pixel * TwipsPerPixelX()));
}
int TwipsDaPixelY(int pixel) {
    return static_cast<int>(std::lround(pixel * TwipsPerPixelY()));
}

} // namespace kelvra
