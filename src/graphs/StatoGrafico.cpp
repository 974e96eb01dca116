#include "graphs/StatoGrafico.h"

namespace kelvra {

StatoGrafico Grafico;

void ReimpostaGrafico() {
    Grafico = StatoGrafico{};
}

void ImpostaRangeFissi() {
    StatoGrafico& g = Grafico;
    g.RangeXFisso = (g.XMinFisso[1] != 0 || g.XMaxFisso[1] != 0) ? VERO : FALSO;
    if (Vero(g.RangeXFisso)) {
        g.XMinRichiesto = g.XMinFisso[1];
        g.XMaxRichiesto = g.XMaxFisso[1];
    }
    if (g.TipoGrafico < 1 || g.TipoGrafico > 14) return;
    const auto t = static_cast<size_t>(g.TipoGrafico);
    g.RangeYFisso = (g.YMinFisso[t] != 0 || g.YMaxFisso[t] != 0) ? VERO : FALSO;
    if (Vero(g.RangeYFisso)) {
        g.YMinRichiesto = g.YMinFisso[t];
        g.YMaxRichiesto = g.YMaxFisso[t];
    }
}

} // namespace kelvra
