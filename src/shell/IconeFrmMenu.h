// The start screen's pictures, drawn by the program: the 25 button pictures, their greyed
// copies for the inactive twins, and the grey tile of the background.
#pragma once

#include <QImage>

namespace kelvra {

// Side of a button picture, in pixels.
inline constexpr int LATO_ICONA = 21;

// The picture of button `indice` (0..24): in each group of four (file, schema, shock absorber,
// spring, bump stop) a blank page, an open folder, a floppy disk and a chart with a red and a
// blue curve, drawn in the group's colour; then a triangle (preload), a line chart (graphs),
// a grid (tables), a red question mark (help) and an exit door with an arrow. An empty image
// for any other index.
QImage IconaPulsante(int indice);

// A greyed, lighter copy of a picture, transparency kept.
QImage IconaGrigia(const QImage& icona);

// The background tile: 89 x 74 pixels of grey.
QImage TesseraSfondo();

} // namespace kelvra
