// The redraw of the graph window's plot, with no window: the chart kind's settings, both
// axes, the grid, the zero line and the curve of every project held, clipped at the plot's
// window, drawn on any drawing surface in millimetres; and the texts of the tick labels and
// titles, which the window places around the plot.
#pragma once

#include "core/Superficie.h"
#include "graphs/TipiGrafico.h"

#include <array>
#include <cstdint>
#include <string>

namespace kelvra {

// Tick labels 0..10 of each axis.
constexpr int MASSIMO_ETICHETTE = 10;

struct TestiGrafico {
    std::string Titolo;      // over the plot
    std::string TitoloBasso; // under the X labels
    std::string DisplayY;    // the Y read-out, zero in the kind's format
    std::array<std::string, MASSIMO_ETICHETTE + 1> X{}, Y{};
    int16_t NumeroX = 0, NumeroY = 0; // labels 0..n are in use
    bool tipoValido = false;          // the kind is one of the fourteen
};

// Takes the kind's factor, rounding, unit texts and read-out format into the graph state.
void ImpostaDatiTipo(const TipoGrafico& tipo);

// The whole redraw of the kind Grafico.TipoGrafico: clears `pic`, scales both axes, draws
// the axis lines, the grid (when `griglia`), the zero line when the Y axis runs below zero,
// and the visible curves, and fills `testi`. Surfaces too small to hold a plot get the axis
// texts and nothing drawn.
void DisegnaGraficoSu(Superficie& pic, bool griglia, TestiGrafico& testi);

} // namespace kelvra
