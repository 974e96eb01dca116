// Time to open the detailed result table of a 750-point project in its widest layout (state
// code 15: eighteen columns, 751 rows): the window built, its texts set, the grid filled, and
// the window shown and painted once.
#include "core/Progetti.h"
#include "core/Unita.h"
#include "tables/Tab01.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

using namespace kelvra;

namespace {

void Progetto750() {
    AzzeraTabelle();
    ImpostaUnitaMisura(SISTEMA_METRICO);
    SistemaUnita = SISTEMA_METRICO;
    Progetto& P = Progetti[1];
    for (int i = 0; i <= MAX_PUNTI; ++i) {
        P.AsseCorsaRuota[i] = i;
        P.AngoloForcellone[i] = -5 + 0.013 * i;
        P.LunghezzaAmmortizzatore[i] = 310.5 - 0.17 * i;
        P.EscursioneAmmortizzatore[i] = 0.17 * i;
        P.Leveraggio[i] = 2.9 - 0.0007 * i;
        P.RapportoVelocita[i] = 0.34 + 0.0001 * i;
        P.Progressivita[i] = 0.01 * i;
        P.ProgressivitaCarico[i] = 1 + 0.002 * i;
        P.ForzaAmmortizzatore[i] = 2000 + 13.7 * i;
        P.MomentoForcellone[i] = 500 + 1.3 * i;
        P.CaricoRuota[i] = 900 + 4.1 * i;
        P.RigidezzaRuota[i] = 4 + 0.01 * i;
        P.EscursioneMolla[i] = P.EscursioneTampone[i] = P.AsseCorsaAmmortizzatore[i] = i;
        P.ForzaMolla[i] = 95.5 * i;
        P.ForzaTampone[i] = 10.25 * i * i;
        P.ForzaStaticaAmmortizzatore[i] = 800 + 95.5 * i;
    }
    P.NumPunti = P.NumPuntiMolla = P.NumPuntiTampone = P.NumPuntiAmmortizzatore = MAX_PUNTI;
    P.StatoDatiProgetto = 15;
    P.GeometriaInserita = VERO;
    NumeroProgetti = ProgettoSelezionato = 1;
}

void ApriTabellaDettagliata(benchmark::State& state) {
    Progetto750();
    for (auto _ : state) {
        TAB01 tabella;
        tabella.Form_Load();
        tabella.Form_Activate();
        tabella.show();
        QCoreApplication::processEvents(); // laid out and painted once
        benchmark::DoNotOptimize(tabella.Grid->rowCount());
    }
}
BENCHMARK(ApriTabellaDettagliata)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
