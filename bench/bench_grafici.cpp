// Time of one full redraw of the graph window: six projects of 750 points each, the wheel
// load chart, the window 1600 x 1000 pixels (plot, axes, grid, tick labels and titles); and
// of the plot alone on an offscreen image of the plot's size.
#include "core/Impostazioni.h"
#include "core/Progetti.h"
#include "core/Unita.h"
#include "graphs/Curve01.h"
#include "graphs/DisegnoGrafico.h"
#include "graphs/StatoGrafico.h"
#include "platform/Immagine.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>

using namespace kelvra;

namespace {

void SeiProgetti() {
    AzzeraTabelle();
    ImpostaINIDefault();
    SistemaUnita = SISTEMA_METRICO;
    ImpostaUnitaMisura(SISTEMA_METRICO);
    for (int p = 1; p <= MAX_PROGETTI; ++p) {
        Progetto& pr = Progetti[p];
        for (int i = 0; i <= MAX_PUNTI; ++i) {
            pr.AsseCorsaRuota[i] = i;
            pr.CaricoRuota[i] = 400.0 * p + 3.0 * i + 150.0 * std::sin(i / (40.0 + 5 * p));
        }
        pr.NumPunti = MAX_PUNTI;
        pr.StatoDatiProgetto = 15;
        pr.GeometriaInserita = VERO;
    }
    NumeroProgetti = ProgettoSelezionato = MAX_PROGETTI;
}

void RidisegnoFinestra(benchmark::State& stato) {
    SeiProgetti();
    CURVE01 finestra;
    finestra.resize(1600, 1000);
    finestra.show();
    QCoreApplication::processEvents();
    Grafico.TipoGrafico = 13;
    for (auto _ : stato) {
        finestra.DisegnaGrafico();
        benchmark::DoNotOptimize(finestra.PicGrafico->Immagine().constBits());
    }
    if (finestra.Testi().NumeroY < 1) stato.SkipWithError("no axis was drawn");
}

void RidisegnoGrafico(benchmark::State& stato) {
    SeiProgetti();
    ReimpostaGrafico();
    Grafico.TipoGrafico = 13;
    ImmagineSuperficie pic(1234, 700);
    TestiGrafico testi;
    for (auto _ : stato) {
        DisegnaGraficoSu(pic, true, testi);
        benchmark::DoNotOptimize(pic.Immagine().constBits());
    }
}

} // namespace

BENCHMARK(RidisegnoFinestra)->Unit(benchmark::kMillisecond);
BENCHMARK(RidisegnoGrafico)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
