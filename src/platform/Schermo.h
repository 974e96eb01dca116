// Whole-pixel conversions of twips for code that works on raw pixels (copying bitmap
// blocks): the twips-per-pixel factors and the screen size in twips are those of
// platform/Posizione.h, 15 twips per pixel at 96 dots per inch.
#pragma once

#include "platform/Posizione.h"

namespace kelvra {

// Pixels from twips by integer division by the whole twips-per-pixel factor of the primary
// screen (rounding toward zero), and twips from pixels.
int PixelDaTwipsX(int twips);
int PixelDaTwipsY(int twips);
int TwipsDaPixelX(int pixel);
int TwipsDaPixelY(int pixel);

} // namespace kelvra
