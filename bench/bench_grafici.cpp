// Time of one full redraw of the graph window: six projects of 750 points each, the wheel
// load chart, the window 1600 x 1000 pixels (plot, axes, grid, tick labels and titles); and
// of the plot alone on an offscreen image of the plot's size; and of one frame of the tools
// that paint over the retained plot: the reader moved to a new abscissa, the zoom band
// dragged a step further.
#include "core/Impostazioni.h"
#include "core/Progetti.h"
#include "core/Unita.h"
#include "graphs/Curve01.h"
#include "graphs/DisegnoGrafico.h"
#include "graphs/Lettore.h"
#include "graphs/Sovrapposizione.h"
#include "graphs/StatoGrafico.h"
#include "graphs/Strumenti.h"
#include "platform/Immagine.h"
#include "support/RisposteDialoghi.h"

#include <QApplication>
#include <QLineEdit>
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

// The window drawn once with the wheel load of six projects, shown.
struct FinestraPronta {
    CURVE01 finestra;
    FinestraPronta() {
        SeiProgetti();
        finestra.resize(1600, 1000);
        finestra.show();
        QCoreApplication::processEvents();
        Grafico.TipoGrafico = 13;
        finestra.DisegnaGrafico();
    }
};

void FotogrammaLettore(benchmark::State& stato) {
    FinestraPronta pronta;
    RisposteDialoghi modali; // the reader's modal show returns at once
    LETTORE lettore;
    lettore.Apri(pronta.finestra, 10);
    int x = 0;
    for (auto _ : stato) {
        x = (x + 7) % 700;
        lettore.TxTInfoCurva->setText(QString::number(x));
        pronta.finestra.Sovrapposizione->repaint();
    }
    if (!pronta.finestra.Sovrapposizione->LineInfo[LINEA_CURSORE].visibile)
        stato.SkipWithError("the reader drew no cursor");
}

void FotogrammaBanda(benchmark::State& stato) {
    FinestraPronta pronta;
    CURVE01& f = pronta.finestra;
    InizioZoom(1, 0, 20, 20, f);
    float x = 30;
    for (auto _ : stato) {
        x = x > 200 ? 30 : x + 3;
        TrascinaZoom(1, 0, x, 20 + x / 2, f);
        f.Sovrapposizione->repaint();
    }
    if (!f.Sovrapposizione->bandaVisibile) stato.SkipWithError("no band was shown");
}

} // namespace

BENCHMARK(FotogrammaLettore)->Unit(benchmark::kMillisecond);
BENCHMARK(FotogrammaBanda)->Unit(benchmark::kMillisecond);
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
