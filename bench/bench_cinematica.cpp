// Time of one complete solve (749 points) of a one-junction and of a three-junction linkage.
#include "core/Cinematica.h"
#include "core/Progetti.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

using namespace kelvra;

namespace {

struct Giunzione {
    std::string tipo;
    Punto nodo, perno, vertice;
};

// Swingarm pivot (0, 0), axle (1000, -350), attachment (100, -40), then the junctions and a
// frame-mounted shock absorber; every linkage here closes over the whole travel.
void Imposta(const std::vector<Giunzione>& giunzioni, Punto supporto) {
    AzzeraTabelle();
    Progetto& P = Progetti[1];
    P.PuntiFissi[1] = {0, 0};
    P.PosizioneRuota[0] = {1000, -350};
    P.PuntiGiunzione[2][1][0] = {100, -40};
    const auto n = static_cast<int16_t>(giunzioni.size());
    P.NumeroGiunzioniProgetto = n;
    P.UltimoElemento = static_cast<int16_t>(2 * n + 1);
    for (int k = 1; k <= n; ++k) {
        const Giunzione& g = giunzioni[k - 1];
        P.TipoGiunzione[k] = g.tipo;
        P.PuntiFissi[k + 1] = g.perno;
        P.PuntiGiunzione[3][k][0] = g.nodo;
        P.PuntiGiunzione[4][k][0] = g.tipo == "ASTA_ASTA" ? g.nodo : g.vertice;
        if (k > 1) P.PuntiGiunzione[2][k][0] = P.PuntiGiunzione[4][k - 1][0];
    }
    P.AttaccoAmmortizzatore[0] = supporto;
    P.CostanteMolla.fill(50);
    P.PrecaricoSetup = 10;
    P.ForzaGas = 200;
    P.AmmortizzatoreCompatibile = 1;
    NumeroProgetti = ProgettoSelezionato = 1;
}

void Risolvi(benchmark::State& stato) {
    for (auto _ : stato) {
        CalcolaCinematica();
        benchmark::DoNotOptimize(Progetti[1].CaricoRuota[749]);
    }
    if (Progetti[1].NumPunti != 749) stato.SkipWithError("the linkage did not close to 749");
}

void UnaGiunzione(benchmark::State& stato) {
    Imposta({{"ASTA_TRIANG", {260, 90}, {200, 150}, {180, 230}}}, {-120, 50});
    Risolvi(stato);
}

void TreGiunzioni(benchmark::State& stato) {
    Imposta({{"ASTA_TRIANG", {260, 90}, {200, 150}, {180, 230}},
             {"TRIANG_ASTA", {260, 300}, {330, 220}, {200, 350}},
             {"ASTA_ASTA", {300, 420}, {380, 350}, {}}},
            {207, 269});
    Risolvi(stato);
}

} // namespace

BENCHMARK(UnaGiunzione)->Unit(benchmark::kMicrosecond);
BENCHMARK(TreGiunzioni)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
