// Numeric helpers over curves and force tables: extremes of a stretch of a curve, straight-line
// interpolation, and reading a tabulated curve at any abscissa.
//
// Every helper takes the curve as a span of its table, so that no count it is given can make
// it read outside the table: points that would fall below index 0 or past the table's last
// index are left out. The project forms take a table of Progetto (a member such as
// &Progetto::Leveraggio) and a project number 1..6.
#pragma once

#include "core/Progetti.h"

#include <cstdint>
#include <span>

namespace kelvra {

// Smallest / largest of fattore * curva(k + offset) for k = primo..ultimo, each value held as
// a 4-byte real; k + offset is rounded to the nearest point, halves to even. Ties keep the
// earlier point. When ultimo < primo + 1 the value at the first point is given. When no point
// lies in the table the result is 0.
float MinimoCurva(std::span<const double> curva, float fattore, float offset, int16_t primo,
                  int16_t ultimo);
float MassimoCurva(std::span<const double> curva, float fattore, float offset, int16_t primo,
                   int16_t ultimo);

// The same over a project's curve, with the k at which the extreme lies in `indice` (the
// first point that lies in the table, when none is better).
float MinimoCurvaTabella(std::span<const double> curva, float fattore, float offset, double primo,
                         double ultimo, int16_t& indice);
float MassimoCurvaTabella(std::span<const double> curva, float fattore, float offset, double primo,
                          double ultimo, int16_t& indice);

template <std::size_t N>
float MinimoCurvaTabella(std::array<double, N> Progetto::*tabella, float fattore, float offset,
                         double primo, double ultimo, int16_t progetto, int16_t& indice) {
    if (!ProgettoValido(progetto)) return 0.0f;
    return MinimoCurvaTabella(std::span<const double>(Progetti[progetto].*tabella), fattore, offset,
                              primo, ultimo, indice);
}
template <std::size_t N>
float MassimoCurvaTabella(std::array<double, N> Progetto::*tabella, float fattore, float offset,
                          double primo, double ultimo, int16_t progetto, int16_t& indice) {
    if (!ProgettoValido(progetto)) return 0.0f;
    return MassimoCurvaTabella(std::span<const double>(Progetti[progetto].*tabella), fattore,
                               offset, primo, ultimo, indice);
}

// y on the straight line through (x0, y0) and (x1, y1) at x; y0 when x1 = x0. The slope is
// held as a 4-byte real.
double InterpolaLineare(double x0, double y0, double x1, double y1, double x);

// y at x on segment i..i+1 of a tabulated curve (abscissae X, ordinates Y); Y(i) when the
// segment has no length; 0 when the segment is not in the tables.
double InterpolaTabella(std::span<const double> Y, std::span<const double> X, double x, int i);

// The curve's value at x within its points 1..n: Y(1) when x and X(1) have the same whole
// part (segment 1), Y(n) when x and X(n) have (segment n), else the first segment i = 0..n-1
// with X(i) <= x <= X(i+1), interpolated (segment i); 0 when no segment holds x. n is the
// last point of the curve, kept within the tables.
float CercaValoreTabella(std::span<const double> Y, std::span<const double> X, int n, double x,
                         int16_t& segmento);

// The curve's value at x anywhere: as CercaValoreTabella within X(1)..X(n), else extended
// along the last segment (above) or along segment 1..2 (below).
float ValoreTabella(std::span<const double> Y, std::span<const double> X, int n, double x,
                    int16_t& segmento);

// Project forms: Y and X are tables of Progetto, N the member holding the last point.
template <class TY, class TX>
float CercaValoreTabella(TY Progetto::*Y, TX Progetto::*X, int16_t Progetto::*N, double x,
                         int16_t progetto, int16_t& segmento) {
    if (!ProgettoValido(progetto)) return 0.0f;
    const Progetto& p = Progetti[progetto];
    return CercaValoreTabella(std::span<const double>(p.*Y), std::span<const double>(p.*X), p.*N, x,
                              segmento);
}
template <class TY, class TX>
float ValoreTabella(TY Progetto::*Y, TX Progetto::*X, int16_t Progetto::*N, double x,
                    int16_t progetto, int16_t& segmento) {
    if (!ProgettoValido(progetto)) return 0.0f;
    const Progetto& p = Progetti[progetto];
    return ValoreTabella(std::span<const double>(p.*Y), std::span<const double>(p.*X), p.*N, x,
                         segmento);
}

} // namespace kelvra
