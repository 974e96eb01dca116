// Closing projects: which project ends in which slot, the project numbers afterwards, and
// that a project moves whole, every table with it.
#include "core/Progetti.h"
#include "core/Riordino.h"
#include "support/Risposte.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

using namespace kelvra;

namespace {

// Marks a project as number n in one field of every group of tables.
void Marca(Progetto& P, int n) {
    const auto v = static_cast<int16_t>(n);
    const auto f = static_cast<float>(n);
    P.UltimoElemento = v;
    P.TipoElemento[3] = "S" + std::to_string(n);
    P.DatiForcellone.P[1] = {f, -f};
    P.DatiSquadretta[10].P[3] = {f, f};
    P.TipoGiunzione[4] = "G" + std::to_string(n);
    P.PuntiGiunzione[4][4][750] = {3 * f, f};
    P.PosizioneRuota[400] = {f, f};
    P.CostanteMolla[1000] = n;
    P.EscursioneMolla[5000] = n;
    P.DescrizioneMolla = "molla " + std::to_string(n);
    P.PrecaricoImpostato = n % 2 ? VERO : FALSO;
    P.NomeFileAmmortizzatore = "a" + std::to_string(n) + ".kva";
    P.ForzaStaticaAmmortizzatore[750] = n;
    P.AcquisizioneAttiva = n % 2 ? VERO : FALSO;
    P.NumPunti = static_cast<int16_t>(100 + n);
    for (int j = 0; j <= MAX_PUNTI; ++j) P.CaricoRuota[j] = n * 1000 + j;
    P.StatoDatiProgetto = v;
    P.ModificatoFile[MOD_TAMPONE] = n % 2 ? VERO : FALSO;
    P.NomeConfigurazione = "progetto " + std::to_string(n);
}

// The tables Marca writes, whole.
auto Campi(const Progetto& P) {
    return std::tie(P.TipoElemento, P.DatiForcellone.P, P.DatiSquadretta[10].P, P.TipoGiunzione,
                    P.PuntiGiunzione, P.PosizioneRuota, P.CostanteMolla, P.EscursioneMolla,
                    P.DescrizioneMolla, P.PrecaricoImpostato, P.NomeFileAmmortizzatore,
                    P.ForzaStaticaAmmortizzatore, P.AcquisizioneAttiva, P.NumPunti, P.CaricoRuota,
                    P.StatoDatiProgetto, P.ModificatoFile, P.NomeConfigurazione);
}

// The project number that slot p holds, or -1 when its tables disagree.
int Marcato(int16_t p) {
    const int n = Progetti[p].UltimoElemento;
    auto atteso = std::make_unique<Progetto>();
    Marca(*atteso, n);
    return Campi(*atteso) == Campi(Progetti[p]) ? n : -1;
}

class Reordering : public kelvra::test::TabelleAzzerate {
  protected:
    // n projects, slot j holding project j.
    void Progetti_(int n) {
        for (int j = 1; j <= n; ++j) Marca(Progetti[j], j);
        NumeroProgetti = ProgettoSelezionato = static_cast<int16_t>(n);
        EsitoConfronto = VERO;
    }
    std::vector<int> Slot(int fino = MAX_PROGETTI) {
        std::vector<int> s;
        for (int j = 1; j <= fino; ++j) s.push_back(Marcato(static_cast<int16_t>(j)));
        return s;
    }
};

// Slots after the call, project numbers after it (-1: not looked at) and the compare flag.
TEST_F(Reordering, KeptProjectsFirstClosedOnesAfter) {
    const std::tuple<std::vector<int16_t>, int16_t, std::vector<int>, int, int, int16_t> casi[] = {
        {{0, 0, 1, 0, 1}, 2, {1, 3, 5, 4, 2}, 3, 3, VERO}, // slot 1 is not looked at
        {{0, 1, 0}, 2, {1, 2, 3}, 2, -1, VERO},            // one kept from slot 2: the flag stays
        {{0, 0, 0}, 1, {1, 2, 3}, 3, -1, VERO},            // none kept: nothing changes
    };
    for (const auto& [tenuti, da, slot, numero, selezionato, confronto] : casi) {
        const auto n = static_cast<int>(tenuti.size());
        Progetti_(n);
        ProgettoSelezionato = 2;
        TabellaProgetti f{};
        std::copy(tenuti.begin(), tenuti.end(), f.begin() + 1);
        RiordinaProgetti(f, da);
        EXPECT_EQ(Slot(n), slot) << testing::PrintToString(tenuti);
        EXPECT_EQ(NumeroProgetti, numero);
        EXPECT_TRUE(selezionato < 0 || ProgettoSelezionato == selezionato) << ProgettoSelezionato;
        EXPECT_EQ(EsitoConfronto, confronto);
    }
}

TEST_F(Reordering, EveryChoiceKeepsTheKeptInOrderAndLosesNothing) {
    for (int n = 1; n <= MAX_PROGETTI; ++n) {
        for (int scelta = 1; scelta < (1 << n); ++scelta) {
            Progetti_(n);
            TabellaProgetti f{};
            std::vector<int> tenuti, chiusi;
            for (int j = 1; j <= n; ++j) {
                f[j] = (scelta >> (j - 1)) & 1;
                (f[j] ? tenuti : chiusi).push_back(j);
            }
            RiordinaProgetti(f, 1);
            const std::vector<int> s = Slot(n);
            const auto k = tenuti.size();
            ASSERT_EQ(NumeroProgetti, static_cast<int>(k)) << n << " " << scelta;
            ASSERT_EQ(ProgettoSelezionato, NumeroProgetti);
            ASSERT_EQ(std::vector<int>(s.begin(), s.begin() + k), tenuti) << n << " " << scelta;
            std::vector<int> sopra(s.begin() + k, s.end());
            std::sort(sopra.begin(), sopra.end());
            ASSERT_EQ(sopra, chiusi) << n << " " << scelta;
            ASSERT_EQ(EsitoConfronto, k == 1 ? FALSO : VERO); // one left: the compare ends
        }
    }
}

TEST_F(Reordering, ASwapMovesTheWholeProject) {
    Progetti_(6);
    ScambiaProgetti(2, 5); // every table Marca writes goes with its project
    EXPECT_EQ(Slot(), (std::vector<int>{1, 5, 3, 4, 2, 6}));
    ScambiaProgetti(3, 3); // the same slot, or one out of range: nothing
    ScambiaProgetti(0, 3);
    ScambiaProgetti(3, 7);
    EXPECT_EQ(Slot(), (std::vector<int>{1, 5, 3, 4, 2, 6}));
}

} // namespace
