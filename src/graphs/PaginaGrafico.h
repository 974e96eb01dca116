// The chart as a printed page, drawn afresh rather than copied from the screen: the kind shown,
// with its zoom, ranges and hidden curves, laid out on a page of the printer's size at the
// printer's resolution, in the colours of paper.
#pragma once

#include <QImage>
#include <QString>
#include <cstdint>

namespace kelvra {

// The chart kind Grafico.TipoGrafico on a white page of `larghezza` x `altezza` pixels at
// `dpi`: the title on top, the Y tick labels left of the plot, the X tick labels and the X
// title under it. Axes and texts are black, the grid grey, each curve in its project's colour
// (a light colour darkened so that it shows on white). The plot's pens keep their screen
// weight. The graph state and the colours are left as they were.
QImage PaginaGrafico(int larghezza, int altezza, double dpi, bool griglia,
                     const QString& faceTitoli);

// A curve colour as printed: colours too light for white paper darkened, others as they are.
int32_t ColoreSuCarta(int32_t colore);

} // namespace kelvra
