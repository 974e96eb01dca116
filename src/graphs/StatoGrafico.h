// The graph window's state: one record for the single graph window, read and written by the
// redraw, the axis scaling and the graph tools. Axis values are in shown units: an X value is
// the stored value times the length factor, a Y value the stored value times the chart
// kind's factor. Flags hold -1 (true) or 0 (false).
#pragma once

#include "core/Progetti.h"

#include <array>
#include <cstdint>
#include <string>

namespace kelvra {

// Mouse modes of the plot: rectangle zoom (the default) and typed range.
inline constexpr const char* ZOOM_FINESTRA = "FINESTRA";
inline constexpr const char* ZOOM_RANGE = "RANGE";

using PerProgettoGrafico = std::array<double, MAX_PROGETTI + 1>; // element 0 stays 0

struct StatoGrafico {
    int16_t TipoGrafico = 1;   // chart kind 1..14 shown
    std::string TestoPulsante; // tag of the last chart button clicked
    int16_t GraficoAttivo = FALSO;

    // The Y quantity of the kind shown.
    std::string UnitaY, SiglaY, TitoloY, FormatoY;
    float FattoreY = 1.0f;
    float ArrotondamentoY = 1.0f;

    // Axes: ends, steps and divisions (ticks 0..n).
    double XMin = 0, XMax = 0;
    double YMin = 0, YMax = 0;
    double YMinDati = 0; // lower Y end before rounding
    float PassoX = 0, PassoY = 0;
    int16_t DivisioniX = 10, DivisioniY = 10;
    float ScalaX = 0, ScalaY = 0; // data units per plot unit

    // Plot area in the plot's millimetres.
    float MargineSinistro = 1, MargineAlto = 0;
    float BordoDestro = 0, LarghezzaGrafico = 0;
    float BordoInferiore = 0, AltezzaGrafico = 0;

    // Per project: the points taken into the axes and the extremes found there.
    std::array<float, MAX_PROGETTI + 1> PrimoPunto{}, UltimoPunto{};
    PerProgettoGrafico XMinProgetto{}, XMaxProgetto{}, YMinProgetto{}, YMaxProgetto{};
    PerProgettoGrafico AscissaMassimo{}, AscissaMinimo{};

    int32_t ColoreCorrente = 0;
    // Curves hidden through the legend: not traced, still counted in the extremes.
    std::array<int16_t, MAX_PROGETTI + 1> CurvaEsclusa{};

    // Requested ranges (zoom, typed range) and what is in force.
    double XMinRichiesto = 0, XMaxRichiesto = 0, YMinRichiesto = 0, YMaxRichiesto = 0;
    int16_t RangeXFisso = FALSO, RangeYFisso = FALSO;
    int16_t ZoomIndietro = FALSO; // a zoom is in force
    std::string ModoZoom = ZOOM_FINESTRA;
    // The X-axis choices: wheel travel (set once an automatic X axis was built), spring
    // deflection and shock absorber stroke (never set).
    int16_t AsseX1 = FALSO, AsseX2 = FALSO, AsseX3 = FALSO;
    int16_t InfoAttivo = FALSO;

    // The graph tools: the rubber band being dragged and where it started (plot units), what
    // the range panel applies to, the maximum markers, and the tool window's panel in use.
    int16_t ZoomAttivo = FALSO;
    float ZoomInizioX = 0, ZoomInizioY = 0;
    std::string DestinazioneRange;
    int16_t MassimiAttivi = FALSO;
    int16_t ModoPannello = 0;

    // Stored fixed ranges per X-axis choice (1..3) and per chart kind (1..14); the fixed-range
    // writers keep the X maximum doubled.
    std::array<float, 4> XMinFisso{}, XMaxFisso{};
    std::array<float, 15> YMinFisso{}, YMaxFisso{};
};

extern StatoGrafico Grafico;

// The whole state back to its values before the window first opened.
void ReimpostaGrafico();

// The stored fixed ranges of the first X-axis choice and of the kind shown put in force (or,
// all being zero, automatic axes).
void ImpostaRangeFissi();

} // namespace kelvra
