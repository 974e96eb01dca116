// The pictures of the graph toolbar's twelve buttons, drawn with the painter: the linkage
// (data), a peak with its marker (maximum), a curve under a cursor line (reader), a table,
// two crossed arrows (reverse function), the legend, a palette (colours), a folder (open),
// two curves (compare), a diskette (save), a printer and an open door (close).
#pragma once

#include <QIcon>

namespace kelvra {

// Button `indice` (0..11) at `lato` pixels square; an empty icon for any other index.
QIcon IconaPulsantiera(int indice, int lato);

} // namespace kelvra
