// Closing projects: which project ends in which slot, the project numbers afterwards, and
// that a project moves whole, every table with it.
#include "core/Progetti.h"
#include "core/Riordino.h"
#include "support/Risposte.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

using namespace kelvra;

namespace {

// Marks project slot p as project number n in one field of every group of tables.
void Marca(int16_t p, int n) {
    Progetto& P = Progetti[p];
    const auto v = static_cast<int16_t>(n);
    const auto f = static_cast<float>(n);
    P.UltimoElemento = v;
    P.TipoElemento[3] = "S" + std::to_string(n);
    P.DatiForcellone.P[1] = {f, -f};
    P.DatiSquadretta[10].P[3] = {f, f};
    P.OpzioneFix[5][1] = v;
    P.AmmortizzatoreFisso = static_cast<int16_t>(n % 2);
    P.TipoGiunzione[4] = "G" + std::to_string(n);
    P.PuntiFissi[5] = {f, 2 * f};
    P.PuntiGiunzione[4][4][750] = {3 * f, f};
    P.PosizioneRuota[400] = {f, f};
    P.CostanteMolla[1000] = n;
    P.EscursioneMolla[5000] = n;
    P.DescrizioneMolla = "molla " + std::to_string(n);
    P.PrecaricoTotale = n;
    P.PrecaricoImpostato = n % 2 ? VERO : FALSO;
    P.InterasseMinimo = f;
    P.NomeFileAmmortizzatore = "a" + std::to_string(n) + ".kva";
    P.ForzaTampone[999] = n;
    P.ForzaStaticaAmmortizzatore[750] = n;
    P.AcquisizioneAttiva = n % 2 ? VERO : FALSO;
    P.NumPunti = static_cast<int16_t>(100 + n);
    for (int j = 0; j <= MAX_PUNTI; ++j) P.CaricoRuota[j] = n * 1000 + j;
    P.DeformazioneTampone[1] = n;
    P.StatoDatiProgetto = v;
    P.ModificatoFile[MOD_TAMPONE] = n % 2 ? VERO : FALSO;
    P.NomeConfigurazione = "progetto " + std::to_string(n);
}

// The project number that slot p holds, or -1 when its tables disagree.
int Marcato(int16_t p) {
    const Progetto& P = Progetti[p];
    const int n = P.UltimoElemento;
    Progetto atteso = P;
    const int16_t salvo = ProgettoSelezionato;
    Progetti[p] = Progetto{};
    Marca(p, n);
    const Progetto& M = Progetti[p];
    const bool uguale =
        M.TipoElemento == atteso.TipoElemento &&
        M.DatiForcellone.P[1] == atteso.DatiForcellone.P[1] &&
        M.DatiSquadretta[10].P[3] == atteso.DatiSquadretta[10].P[3] &&
        M.OpzioneFix == atteso.OpzioneFix && M.AmmortizzatoreFisso == atteso.AmmortizzatoreFisso &&
        M.TipoGiunzione == atteso.TipoGiunzione && M.PuntiFissi == atteso.PuntiFissi &&
        M.PuntiGiunzione == atteso.PuntiGiunzione && M.PosizioneRuota == atteso.PosizioneRuota &&
        M.CostanteMolla == atteso.CostanteMolla && M.EscursioneMolla == atteso.EscursioneMolla &&
        M.DescrizioneMolla == atteso.DescrizioneMolla &&
        M.PrecaricoTotale == atteso.PrecaricoTotale &&
        M.PrecaricoImpostato == atteso.PrecaricoImpostato &&
        M.InterasseMinimo == atteso.InterasseMinimo &&
        M.NomeFileAmmortizzatore == atteso.NomeFileAmmortizzatore &&
        M.ForzaTampone == atteso.ForzaTampone &&
        M.ForzaStaticaAmmortizzatore == atteso.ForzaStaticaAmmortizzatore &&
        M.AcquisizioneAttiva == atteso.AcquisizioneAttiva && M.NumPunti == atteso.NumPunti &&
        M.CaricoRuota == atteso.CaricoRuota &&
        M.DeformazioneTampone == atteso.DeformazioneTampone &&
        M.StatoDatiProgetto == atteso.StatoDatiProgetto &&
        M.ModificatoFile == atteso.ModificatoFile &&
        M.NomeConfigurazione == atteso.NomeConfigurazione;
    Progetti[p] = atteso;
    ProgettoSelezionato = salvo;
    return uguale ? n : -1;
}

class Riordino : public kelvra::test::TabelleAzzerate {
  protected:
    // n projects, slot j holding project j.
    void Progetti_(int n) {
        for (int j = 1; j <= n; ++j) Marca(static_cast<int16_t>(j), j);
        NumeroProgetti = ProgettoSelezionato = static_cast<int16_t>(n);
        EsitoConfronto = VERO;
    }
    std::vector<int> Slot(int fino = MAX_PROGETTI) {
        std::vector<int> s;
        for (int j = 1; j <= fino; ++j) s.push_back(Marcato(static_cast<int16_t>(j)));
        return s;
    }
    static TabellaProgetti Flag(std::vector<int16_t> f) {
        TabellaProgetti t{};
        for (size_t j = 0; j < f.size(); ++j) t[j + 1] = f[j];
        return t;
    }
};

TEST_F(Riordino, EsempioQuattroProgettiTenutiIlSecondoEIlQuarto) {
    Progetti_(4);
    auto f = Flag({0, 1, 0, 1});
    RiordinaProgetti(f, 1);
    EXPECT_EQ(Slot(4), (std::vector<int>{2, 4, 3, 1}));
    EXPECT_EQ(NumeroProgetti, 2);
    EXPECT_EQ(ProgettoSelezionato, 2);
    EXPECT_EQ(EsitoConfronto, VERO);
}

TEST_F(Riordino, ChiusiIPrimiDue) {
    Progetti_(4);
    auto f = Flag({0, 0, 1, 1});
    RiordinaProgetti(f, 1);
    EXPECT_EQ(Slot(4), (std::vector<int>{3, 4, 1, 2}));
    EXPECT_EQ(NumeroProgetti, 2);
    EXPECT_EQ(ProgettoSelezionato, 2);
}

TEST_F(Riordino, TuttiTenutiNienteCambia) {
    Progetti_(5);
    ProgettoSelezionato = 2;
    auto f = Flag({1, 1, 1, 1, 1});
    RiordinaProgetti(f, 1);
    EXPECT_EQ(Slot(5), (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(NumeroProgetti, 5);
    EXPECT_EQ(ProgettoSelezionato, 5);
}

TEST_F(Riordino, ChiusoSoloIlPiuNuovo) {
    Progetti_(3);
    auto f = Flag({1, 1, 0});
    RiordinaProgetti(f, 1);
    EXPECT_EQ(Slot(3), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(NumeroProgetti, 2);
    EXPECT_EQ(ProgettoSelezionato, 2);
}

TEST_F(Riordino, UnoSoloTenutoFinisceNelPrimoSlotEChiudeIlConfronto) {
    Progetti_(6);
    auto f = Flag({0, 0, 0, 0, 1, 0});
    RiordinaProgetti(f, 1);
    EXPECT_EQ(Marcato(1), 5);
    EXPECT_EQ(NumeroProgetti, 1);
    EXPECT_EQ(ProgettoSelezionato, 1);
    EXPECT_EQ(EsitoConfronto, FALSO);
    std::vector<int> s = Slot();
    std::sort(s.begin(), s.end());
    EXPECT_EQ(s, (std::vector<int>{1, 2, 3, 4, 5, 6})); // nothing lost, nothing doubled
}

TEST_F(Riordino, DaUnoSlotDiPartenzaSuccessivo) {
    Progetti_(5);
    auto f = Flag({0, 0, 1, 0, 1}); // slot 1 is not looked at
    RiordinaProgetti(f, 2);
    EXPECT_EQ(Slot(5), (std::vector<int>{1, 3, 5, 4, 2}));
    EXPECT_EQ(NumeroProgetti, 3);
    EXPECT_EQ(ProgettoSelezionato, 3);
    EXPECT_EQ(EsitoConfronto, VERO);

    Progetti_(3);
    f = Flag({0, 1, 0});
    RiordinaProgetti(f, 2); // one kept from slot 2: the count is 2, the compare flag stays
    EXPECT_EQ(Slot(3), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(NumeroProgetti, 2);
    EXPECT_EQ(EsitoConfronto, VERO);
}

TEST_F(Riordino, OgniSceltaTieneIProgettiInOrdineEPerdeNulla) {
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
            ASSERT_EQ(EsitoConfronto, k == 1 ? FALSO : VERO);
        }
    }
}

TEST_F(Riordino, NessunoTenutoNonCambiaNulla) {
    Progetti_(3);
    auto f = Flag({0, 0, 0});
    RiordinaProgetti(f, 1);
    EXPECT_EQ(Slot(3), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(NumeroProgetti, 3);
    EXPECT_EQ(EsitoConfronto, VERO);
}

TEST_F(Riordino, LoScambioPortaConSeTuttoIlProgetto) {
    Progetti_(6);
    ASSERT_EQ(Progetti[2].PrecaricoImpostato, FALSO);
    ASSERT_EQ(Progetti[5].PrecaricoImpostato, VERO);
    auto prima = std::make_unique<std::array<Progetto, MAX_PROGETTI + 1>>(Progetti);
    ScambiaProgetti(2, 5);
    EXPECT_EQ(Slot(), (std::vector<int>{1, 5, 3, 4, 2, 6}));
    EXPECT_EQ(Progetti[2].PrecaricoImpostato, VERO);
    EXPECT_EQ(Progetti[5].PrecaricoImpostato, FALSO);
    EXPECT_EQ(Progetti[5].CaricoRuota, (*prima)[2].CaricoRuota);
    EXPECT_EQ(Progetti[2].PuntiGiunzione, (*prima)[5].PuntiGiunzione);

    ScambiaProgetti(3, 3);
    ScambiaProgetti(0, 3);
    ScambiaProgetti(3, 7);
    EXPECT_EQ(Slot(), (std::vector<int>{1, 5, 3, 4, 2, 6}));
}

TEST_F(Riordino, ScambiaVariantiDiOgniTipo) {
    int16_t a = 1, b = 2;
    ScambiaVarianti(a, b);
    EXPECT_EQ(a, 2);
    EXPECT_EQ(b, 1);
    std::string x = "uno", y = "due";
    ScambiaVarianti(x, y);
    EXPECT_EQ(x, "due");
    EXPECT_EQ(y, "uno");
    Punto p{1, 2}, q{3, 4};
    ScambiaVarianti(p, q);
    EXPECT_EQ(p, (Punto{3, 4}));
    EXPECT_EQ(q, (Punto{1, 2}));
}

} // namespace
