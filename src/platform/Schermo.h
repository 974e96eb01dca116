// The screen in twips (1/1440 inch): window sizes and positions are kept in twips and
// turned into pixels with the screen's twips-per-pixel factors, 15 at 96 dots per inch.
#pragma once

namespace kelvra {

constexpr double TWIPS_PER_POLLICE = 1440.0;

// The primary screen's logical dots per inch (96 when there is no screen).
double DpiSchermoX();
double DpiSchermoY();
// Twips per pixel: 1440 / logical dpi.
double TwipsPerPixelX();
double TwipsPerPixelY();
// The primary screen's full size in twips.
int LarghezzaSchermo();
int AltezzaSchermo();

// Pixels from twips by integer division by the whole twips-per-pixel factor (rounding
// toward zero), and twips from pixels.
int PixelDaTwipsX(int twips);
int PixelDaTwipsY(int twips);
int TwipsDaPixelX(int pixel);
int TwipsDaPixelY(int pixel);

} // namespace kelvra
