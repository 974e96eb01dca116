#include "core/Curve.h"

#include "core/Formato.h"

#include <algorithm>
#include <cmath>

namespace kelvra {

namespace {

// Estremo for whole positions: no offset and a whole first point, as a graph's redraw asks.
// The points named are then a plain run of the table, walked without any rounding.
template <class Migliore>
float EstremoInteri(std::span<const double> curva, float fattore, double primo, double ultimo,
                    int16_t& indice, Migliore migliore) {
    const double ultimoPunto = static_cast<double>(curva.size() - 1);
    const double inizio = std::max(primo, 0.0);
    double fine = std::isnan(ultimo) ? -1.0 : std::min(std::floor(ultimo), ultimoPunto);
    if (inizio == primo) fine = std::max(fine, inizio); // the first point is always taken
    fine = std::min(fine, ultimoPunto);
    if (fine < inizio) return 0.0f;
    const size_t a = static_cast<size_t>(inizio), b = static_cast<size_t>(fine);
    float m = static_cast<float>(fattore * curva[a]);
    size_t dove = a;
    for (size_t i = a + 1; i <= b; ++i) {
        const float v = static_cast<float>(fattore * curva[i]);
        if (migliore(v, m)) {
            m = v;
            dove = i;
        }
    }
    indice = static_cast<int16_t>(std::min<size_t>(dove, 32767));
    return m;
}

// The extreme of fattore * curva(k + offset) for k = primo, primo + 1, .. ultimo (the first
// point always taken), leaving out points outside the table. `migliore(v, m)` says whether v
// replaces m.
template <class Migliore>
float Estremo(std::span<const double> curva, float fattore, float offset, double primo,
              double ultimo, int16_t& indice, Migliore migliore) {
    indice = CInt(primo);
    if (curva.empty() || std::isnan(primo) || std::isnan(offset)) return 0.0f;
    if (offset == 0.0f && primo == std::floor(primo) && std::fabs(primo) < 1e9)
        return EstremoInteri(curva, fattore, primo, ultimo, indice, migliore);
    const double ultimoPunto = static_cast<double>(curva.size() - 1);
    // Later points only lie further on, so the walk starts at the first k whose point is not
    // below 0 and stops at the first past the end.
    double k = primo;
    if (k + offset < -0.5) k += std::ceil(-0.5 - offset - k);
    bool trovato = false;
    float m = 0.0f;
    for (; k == primo || k <= ultimo; k += 1.0) {
        double posizione = k + offset;
        if (posizione > ultimoPunto + 0.5) break;
        int32_t punto = CLng(posizione);
        if (punto < 0) continue;
        if (punto > static_cast<int32_t>(ultimoPunto)) break;
        float v = static_cast<float>(fattore * curva[static_cast<size_t>(punto)]);
        if (!trovato || migliore(v, m)) {
            m = v;
            indice = CInt(k);
            trovato = true;
        }
    }
    return m;
}

int UltimoPunto(std::span<const double> Y, std::span<const double> X, int n) {
    int ultimo = static_cast<int>(std::min(Y.size(), X.size())) - 1;
    return std::min(n, ultimo);
}

} // namespace

float MinimoCurva(std::span<const double> curva, float fattore, float offset, int16_t primo,
                  int16_t ultimo) {
    int16_t indice = 0;
    return Estremo(curva, fattore, offset, primo, ultimo, indice,
                   [](float v, float m) { return v < m; });
}

float MassimoCurva(std::span<const double> curva, float fattore, float offset, int16_t primo,
                   int16_t ultimo) {
    int16_t indice = 0;
    return Estremo(curva, fattore, offset, primo, ultimo, indice,
                   [](float v, float m) { return v > m; });
}

float MinimoCurvaTabella(std::span<const double> curva, float fattore, float offset, double primo,
                         double ultimo, int16_t& indice) {
    return Estremo(curva, fattore, offset, primo, ultimo, indice,
                   [](float v, float m) { return v < m; });
}

float MassimoCurvaTabella(std::span<const double> curva, float fattore, float offset, double primo,
                          double ultimo, int16_t& indice) {
    return Estremo(curva, fattore, offset, primo, ultimo, indice,
                   [](float v, float m) { return v > m; });
}

double InterpolaLineare(double x0, double y0, double x1, double y1, double x) {
    if (x1 - x0 == 0.0) return y0;
    float pendenza = static_cast<float>((y1 - y0) / (x1 - x0));
    return y0 + pendenza * (x - x0);
}

double InterpolaTabella(std::span<const double> Y, std::span<const double> X, double x, int i) {
    if (i < 0 || static_cast<size_t>(i) >= Y.size() || static_cast<size_t>(i) >= X.size())
        return 0.0;
    const size_t a = static_cast<size_t>(i);
    if (a + 1 >= Y.size() || a + 1 >= X.size()) return Y[a];
    double larghezza = X[a + 1] - X[a];
    if (larghezza == 0.0) return Y[a];
    double pendenza = (Y[a + 1] - Y[a]) / larghezza;
    return pendenza * (x - X[a]) + Y[a];
}

float CercaValoreTabella(std::span<const double> Y, std::span<const double> X, int n, double x,
                         int16_t& segmento) {
    n = UltimoPunto(Y, X, n);
    if (n < 1) return 0.0f;
    const size_t ultimo = static_cast<size_t>(n);
    if (Fix(x) == Fix(X[1])) {
        segmento = 1;
        return static_cast<float>(Y[1]);
    }
    if (Fix(x) == Fix(X[ultimo])) {
        segmento = static_cast<int16_t>(n);
        return static_cast<float>(Y[ultimo]);
    }
    for (int i = 0; i < n; ++i) {
        const size_t a = static_cast<size_t>(i);
        if (X[a] <= x && x <= X[a + 1]) {
            segmento = static_cast<int16_t>(i);
            return static_cast<float>(InterpolaTabella(Y, X, x, i));
        }
    }
    return 0.0f;
}

float ValoreTabella(std::span<const double> Y, std::span<const double> X, int n, double x,
                    int16_t& segmento) {
    n = UltimoPunto(Y, X, n);
    if (n < 1) return 0.0f;
    const size_t ultimo = static_cast<size_t>(n);
    if (X[1] <= x && x <= X[ultimo]) return CercaValoreTabella(Y, X, n, x, segmento);
    if (x > X[ultimo]) {
        segmento = static_cast<int16_t>(n - 1);
        return static_cast<float>(InterpolaTabella(Y, X, x, n - 1));
    }
    // Below the first point: along segment 1..2, or 0..1 when the curve has no point 2.
    segmento = n >= 2 ? 1 : 0;
    return static_cast<float>(InterpolaTabella(Y, X, x, segmento));
}

} // namespace kelvra
