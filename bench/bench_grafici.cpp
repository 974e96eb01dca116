// What the user waits for in the graph window: six projects of 750 points each, the wheel
// load chart, the window 1600 x 1000 pixels. One full redraw (plot, axes, grid, tick labels
// and titles) with the window's paint; the plot alone on an offscreen image of its size; and
// one frame of each tool that paints over the retained plot (the reader moved to a new
// abscissa, the zoom band dragged a step further), with the paint of the picture box and of
// the layer over it. The frames compare with bare Qt doing the same visible work in the same
// run: a plain widget of the plot's size that blits the retained picture and draws one line.
// The full redraw and the plot alone compare in the same way with bare Qt drawing the six
// curves, all their points, as one polyline each into an image of the plot's size (and, for
// the full redraw, painting it in a widget of the window's size): with the plot's own pen,
// 2 pixels with round ends, and with the rasteriser's cheapest, a 1-pixel pen. The run ends
// with the ratios of the medians (run with --benchmark_repetitions=N for N of them).
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
#include <QPainter>
#include <QPolygonF>
#include <QWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <unistd.h>

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
        finestra.repaint();
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

// Bare Qt's redraw: the six curves cleared and drawn as one polyline each into the retained
// image of the plot's size, in the plot's colours, then the window-sized widget painted with
// it. The pen is the plot's, 2 pixels with round ends, or 1 pixel.
class CurveNude : public QWidget {
  public:
    CurveNude(QSize finestra, QSize grafico, int spessore)
        : immagine_(grafico, QImage::Format_RGB32), spessore_(spessore) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(finestra);
    }
    void Disegna() {
        immagine_.fill(Qt::black);
        QPainter p(&immagine_);
        QPen penna;
        penna.setWidth(spessore_);
        penna.setCapStyle(Qt::RoundCap);
        penna.setJoinStyle(Qt::BevelJoin); // as the plot's runs of lines join
        double minimo = 1e300, massimo = -1e300;
        for (int k = 1; k <= MAX_PROGETTI; ++k)
            for (int i = 0; i <= Progetti[k].NumPunti; ++i) {
                minimo = std::min(minimo, Progetti[k].CaricoRuota[i]);
                massimo = std::max(massimo, Progetti[k].CaricoRuota[i]);
            }
        const double sx = (immagine_.width() - 1) / static_cast<double>(MAX_PUNTI);
        const double sy = (immagine_.height() - 1) / (massimo - minimo);
        QPolygonF curva(MAX_PUNTI + 1);
        for (int k = 1; k <= MAX_PROGETTI; ++k) {
            const Progetto& pr = Progetti[k];
            for (int i = 0; i <= pr.NumPunti; ++i)
                curva[i] = QPointF(std::floor(pr.AsseCorsaRuota[i] * sx) + 0.5,
                                   std::floor((massimo - pr.CaricoRuota[i]) * sy) + 0.5);
            const long c = ColoreCurva[static_cast<size_t>(k)];
            penna.setColor(QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
            p.setPen(penna);
            p.drawPolyline(curva);
        }
    }
    const QImage& Immagine() const { return immagine_; }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        p.drawImage(0, 0, immagine_);
    }

  private:
    QImage immagine_;
    int spessore_;
};

// The window and the bare widget of its size, side by side; the argument is the bare pen.
struct NudoPronto {
    CURVE01 finestra;
    std::unique_ptr<CurveNude> nudo;
    explicit NudoPronto(const benchmark::State& stato) {
        SeiProgetti();
        finestra.resize(1600, 1000);
        finestra.show();
        QCoreApplication::processEvents();
        nudo = std::make_unique<CurveNude>(finestra.size(), finestra.PicGrafico->Immagine().size(),
                                           static_cast<int>(stato.range(0)));
        nudo->show();
        QCoreApplication::processEvents();
    }
};

void RidisegnoNudo(benchmark::State& stato) {
    NudoPronto pronto(stato);
    for (auto _ : stato) {
        pronto.nudo->Disegna();
        pronto.nudo->repaint();
    }
}

void DisegnoNudo(benchmark::State& stato) {
    NudoPronto pronto(stato);
    for (auto _ : stato) {
        pronto.nudo->Disegna();
        benchmark::DoNotOptimize(pronto.nudo->Immagine().constBits());
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

// Bare Qt: the retained picture blitted and one line drawn over it, nothing else.
class BlitNudo : public QWidget {
  public:
    explicit BlitNudo(const QImage& immagine) : immagine_(immagine) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        resize(immagine.size());
    }
    int x = 0;

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.drawImage(0, 0, immagine_);
        p.setPen(Qt::white);
        p.drawLine(x, 0, x, height() - 1);
    }

  private:
    QImage immagine_;
};

// Every frame ends as the user's does: the event loop paints what the step asked for.
void Dipingi() {
    QCoreApplication::processEvents();
}

void BlitRiferimento(benchmark::State& stato) {
    FinestraPronta pronta;
    BlitNudo nudo(pronta.finestra.PicGrafico->Immagine());
    nudo.show();
    Dipingi();
    for (auto _ : stato) {
        nudo.x = (nudo.x + 7) % nudo.width();
        nudo.update();
        Dipingi();
    }
}

// The reader open, at its first abscissa.
struct LettorePronto : FinestraPronta {
    RisposteDialoghi modali; // the reader's modal show returns at once
    LETTORE lettore;
    LettorePronto() {
        lettore.Apri(finestra, 10);
        Dipingi();
    }
};

// The whole picture box painted with the reader's lines over it (the plot exposed again).
void PitturaGrafico(benchmark::State& stato) {
    LettorePronto pronto;
    for (auto _ : stato) {
        pronto.finestra.PicGrafico->update();
        Dipingi();
    }
}

void FotogrammaLettore(benchmark::State& stato) {
    LettorePronto pronto;
    int x = 0;
    for (auto _ : stato) {
        x = (x + 7) % 700;
        pronto.lettore.TxTInfoCurva->setText(QString::number(x));
        Dipingi();
    }
    if (!pronto.finestra.Sovrapposizione->LineInfo[LINEA_CURSORE].visibile)
        stato.SkipWithError("the reader drew no cursor");
}

void FotogrammaBanda(benchmark::State& stato) {
    FinestraPronta pronta;
    CURVE01& f = pronta.finestra;
    InizioZoom(1, 0, 20, 20, f);
    Dipingi();
    float x = 30;
    for (auto _ : stato) {
        x = x > 200 ? 30 : x + 3;
        TrascinaZoom(1, 0, x, 20 + x / 2, f);
        Dipingi();
    }
    if (!f.Sovrapposizione->bandaVisibile) stato.SkipWithError("no band was shown");
}

} // namespace

BENCHMARK(BlitRiferimento)->Unit(benchmark::kMillisecond);
BENCHMARK(PitturaGrafico)->Unit(benchmark::kMillisecond);
BENCHMARK(FotogrammaLettore)->Unit(benchmark::kMillisecond);
BENCHMARK(FotogrammaBanda)->Unit(benchmark::kMillisecond);
BENCHMARK(RidisegnoFinestra)->Unit(benchmark::kMillisecond);
BENCHMARK(RidisegnoGrafico)->Unit(benchmark::kMillisecond);
BENCHMARK(RidisegnoNudo)->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(DisegnoNudo)->Arg(2)->Arg(1)->Unit(benchmark::kMillisecond);

namespace {

// The library's own report, the one its flags choose (--benchmark_format and the rest),
// watched on its way: each benchmark's CPU times per iteration are kept by its name with
// arguments, the median of the repetitions when the run has them, else the run's own figure.
class ReportTempi : public benchmark::BenchmarkReporter {
  public:
    explicit ReportTempi(benchmark::BenchmarkReporter& libreria) : libreria_(libreria) {}
    bool ReportContext(const Context& contesto) override {
        return libreria_.ReportContext(contesto);
    }
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& r : runs) {
            const benchmark::BenchmarkName& n = r.run_name;
            const std::string nome = n.function_name + (n.args.empty() ? "" : "/" + n.args);
            const double t = r.GetAdjustedCPUTime();
            if (r.run_type == Run::RT_Aggregate && r.aggregate_name == "median")
                mediane_[nome] = t;
            else if (r.run_type == Run::RT_Iteration)
                tempi_[nome].push_back(t);
        }
        libreria_.ReportRuns(runs);
    }
    void Finalize() override { libreria_.Finalize(); }
    // True when the library writes its console table: only then may lines of ours follow.
    bool Console() const {
        return dynamic_cast<const benchmark::ConsoleReporter*>(&libreria_) != nullptr;
    }
    // The median CPU time of a benchmark, 0 when it did not run.
    double Mediana(const std::string& nome) const {
        if (const auto m = mediane_.find(nome); m != mediane_.end()) return m->second;
        const auto t = tempi_.find(nome);
        if (t == tempi_.end() || t->second.empty()) return 0;
        std::vector<double> v = t->second;
        std::sort(v.begin(), v.end());
        const size_t n = v.size();
        return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
    }
    // One line of the summary: the program's time against bare Qt's, when both ran.
    void Rapporto(const char* cosa, const std::string& nostro, const std::string& nudo) const {
        const double a = Mediana(nostro), b = Mediana(nudo);
        if (a > 0 && b > 0) std::printf("%-44s %8.3f / %8.3f ms = %5.2f\n", cosa, a, b, a / b);
    }

  private:
    benchmark::BenchmarkReporter& libreria_;
    std::map<std::string, std::vector<double>> tempi_;
    std::map<std::string, double> mediane_;
};

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    ReportTempi report(*benchmark::CreateDefaultDisplayReporter());
    benchmark::RunSpecifiedBenchmarks(&report);
    if (report.Console()) {
        std::printf("\nCPU medians, the program against bare Qt's polylines:\n");
        report.Rapporto("Full redraw, bare with the plot's 2 px pen", "RidisegnoFinestra",
                        "RidisegnoNudo/2");
        report.Rapporto("Full redraw, bare with a 1 px pen", "RidisegnoFinestra",
                        "RidisegnoNudo/1");
        report.Rapporto("Plot alone, bare with the plot's 2 px pen", "RidisegnoGrafico",
                        "DisegnoNudo/2");
        report.Rapporto("Plot alone, bare with a 1 px pen", "RidisegnoGrafico", "DisegnoNudo/1");
    }
    benchmark::Shutdown();
    return 0;
}
