// Axis scaling of the graph window: the ends, the number of divisions and the tick step of
// both axes, so that the lower end is a round number, the span is rounded up and the step is
// 1, 1.5, 2, 2.5, 3, 3.5, 4, 4.5, 5 or 7.5 times a power of ten. Three cases: the automatic
// axis over every curve held (it always includes zero), a fixed range, and a zoomed range.
//
// Spans, steps, factors and the working values of the tick search are 4-byte reals and are
// compared as such; axis ends are 8-byte reals. Everything here is plain arithmetic over the
// graph state (Grafico) and the project tables, with no window.
//
// An axis whose span is zero (no geometry, a curve that is zero everywhere, equal ends) keeps
// ten divisions with a nominal step of 1, so that nothing downstream divides by zero.
#pragma once

#include "graphs/TipiGrafico.h"

#include <cstdint>

namespace kelvra {

// The tick search: how many divisions (about `Divisioni`) split `Ampiezza` into short steps.
// `Ampiezza` comes in as the span to divide and goes out as the span used (widened when
// `Adatta`, until it covers AsseMax - AsseMin rounded by `Fattore`); the caller divides it
// by the result to get the step. A `Fattore` of 0 is written back as 10. A span of 0.001 or
// less returns `Divisioni` and changes nothing. The search is bounded: past a thousand
// passes it settles on `Divisioni` with the span rounded up to half a unit of its decade.
int16_t CalcolaTacche(double AsseMax, double AsseMin, float& Ampiezza, float& Fattore,
                      int16_t Divisioni, bool Adatta);

// The lower end rounded down to few significant digits (-12 gives -20, 283.7 gives 283).
float ArrotondaEstremo(float x);
// The span rounded up (23 gives 25, 7.31 gives 7.4, 640 gives 640).
float ArrotondaPasso(float x);

// The automatic rounded axis over [AsseMin, AsseMax]. X marks the first X-axis choice as in
// use and rounds with factor 100; Y rounds with the kind's ArrotondamentoY.
void ScalaArrotondataX(double AsseMax, double AsseMin, double& MinimoArrotondato, float& PassoTacca,
                       int16_t& Divisioni);
void ScalaArrotondataY(double AsseMax, double AsseMin, double& MinimoArrotondato, float& PassoTacca,
                       int16_t& Divisioni);

// The axes of a redraw of chart kind `tipo`. PrimoPunto/UltimoPunto are set first (the
// redraw's X step does it); ScalaAsseX takes the X extremes of every project held,
// CalcolaEstremiY the Y extremes (hidden curves included), ScalaAsseY then scales Y.
void ScalaAsseX(const TipoGrafico& tipo);
void CalcolaEstremiY(const TipoGrafico& tipo);
void ScalaAsseY(const TipoGrafico& tipo);

// The axes of a zoomed range (ZoomIndietro in force), from the requested ends; in the typed
// range mode the Y ends are the working project's curve at the two X ends.
void ArrotondaRangeX();
void ArrotondaRangeY(const TipoGrafico& tipo);

} // namespace kelvra
