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
// title under it, and under them the legend: each project whose curve is drawn, by name, in
// its curve's colour beside a stroke of that colour. Axes and texts are black, the grid grey, each
// curve in its project's colour (a light colour darkened so that it shows on white). The plot's
// pens keep their screen weight. The graph state and the colours are left as they were.
QImage PaginaGrafico(int larghezza, int altezza, double dpi, bool griglia,
                     const QString& faceTitoli);

// A curve colour as printed: colours too light for white paper darkened, others as they are.
int32_t ColoreSuCarta(int32_t colore);

// The name the legends give project `progetto`: the name of the file it was last loaded from
// as the file system spells it (UTF-8), without folder and extension, or for one never loaded
// the word for a project and its number ("Project: 03").
QString NomeLegenda(int progetto);

} // namespace kelvra
