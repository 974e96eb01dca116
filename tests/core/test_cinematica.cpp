// The kinematic solver, checked against positions and forces worked out independently: the
// linkage is rebuilt here with plain rotations and a textbook circle intersection, and the
// forces are checked by virtual work, never by re-running the solver's own formulas.
#include "core/Cinematica.h"
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "support/Risposte.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <string>
#include <vector>

using namespace kelvra;

namespace {

const std::string AVVISO = "No usable result";

struct V {
    double x = 0, y = 0;
    V operator+(V b) const { return {x + b.x, y + b.y}; }
    V operator-(V b) const { return {x - b.x, y - b.y}; }
    V operator*(double s) const { return {x * s, y * s}; }
    double lung() const { return std::hypot(x, y); }
    double ang() const { return std::atan2(y, x); }
    double croce(V b) const { return x * b.y - y * b.x; }
    V ruota(double a) const {
        return {x * std::cos(a) - y * std::sin(a), x * std::sin(a) + y * std::cos(a)};
    }
    static V Da(const Punto& p) { return {p.X, p.Y}; }
    Punto punto() const { return {static_cast<float>(x), static_cast<float>(y)}; }
};

// Meeting point of circles (c1, r1), (c2, r2) on the left (lato > 0) or right of c1 -> c2.
std::optional<V> Incontro(V c1, double r1, V c2, double r2, double lato) {
    const V d = c2 - c1;
    const double dist = d.lung();
    if (dist == 0) return std::nullopt;
    const double a = (r1 * r1 - r2 * r2 + dist * dist) / (2 * dist);
    const double h2 = r1 * r1 - a * a;
    if (h2 < 0) return std::nullopt;
    const V u = d * (1 / dist);
    return c1 + u * a + V{-u.y, u.x} * (lato * std::sqrt(h2));
}

struct GiunzioneProva {
    std::string tipo; // "ASTA_TRIANG", "TRIANG_ASTA", "ASTA_ASTA"
    V nodo;           // moving joint that closes the junction
    V perno;          // its frame pivot
    V vertice;        // far vertex (ignored for "ASTA_ASTA": the node)
};

struct Catena {
    V perno{0, 0};
    V asse{1000, -350};
    V attacco{100, -40};
    std::vector<GiunzioneProva> giunzioni; // empty: shock straight from the swingarm
    V supporto{400, 400};
    bool supportoSuForcellone = false;
};

// Writes a linkage into project p the way the chain check would.
void Imposta(int16_t p, const Catena& c) {
    Progetto& P = Progetti[p];
    P.PuntiFissi[1] = c.perno.punto();
    P.PosizioneRuota[0] = c.asse.punto();
    P.PuntiGiunzione[2][1][0] = c.attacco.punto();
    const auto n = static_cast<int16_t>(c.giunzioni.size());
    P.NumeroGiunzioniProgetto = n == 0 ? int16_t{1} : n;
    P.UltimoElemento = static_cast<int16_t>(n == 0 ? 1 : 2 * n + 1);
    for (int k = 1; k <= n; ++k) {
        const GiunzioneProva& g = c.giunzioni[k - 1];
        P.TipoGiunzione[k] = g.tipo;
        P.PuntiFissi[k + 1] = g.perno.punto();
        P.PuntiGiunzione[3][k][0] = g.nodo.punto();
        P.PuntiGiunzione[4][k][0] = (g.tipo == "ASTA_ASTA" ? g.nodo : g.vertice).punto();
        if (k > 1) P.PuntiGiunzione[2][k][0] = P.PuntiGiunzione[4][k - 1][0];
    }
    P.AttaccoAmmortizzatore[0] = c.supporto.punto();
    P.AmmortizzatoreFisso = c.supportoSuForcellone ? 1 : 0;
}

void Risolvi(int16_t p) {
    NumeroProgetti = ProgettoSelezionato = p;
    CalcolaCinematica();
}

// Where every joint of the linkage should be after `corsa` mm of wheel travel.
struct Atteso {
    V asse, attacco, supporto;
    std::vector<V> nodo, vertice; // index k - 1
    double lunghezza = 0;         // shock, eye to eye
};

std::optional<Atteso> Costruisci(const Catena& c, int corsa) {
    Atteso a;
    const double l = (c.asse - c.perno).lung();
    const bool dietro = c.asse.x < c.perno.x;
    auto direzione = [&](double y) {
        const double s = (y - c.perno.y) / l;
        return dietro ? M_PI - std::asin(s) : std::asin(s);
    };
    if ((c.asse.y + corsa - c.perno.y) / l > 1) return std::nullopt;
    const double teta = direzione(c.asse.y + corsa);
    const double rotazione = teta - direzione(c.asse.y);
    a.asse = c.perno + V{std::cos(teta), std::sin(teta)} * l;
    a.attacco = c.perno + (c.attacco - c.perno).ruota(rotazione);
    a.supporto =
        c.supportoSuForcellone ? c.perno + (c.supporto - c.perno).ruota(rotazione) : c.supporto;
    V inizio = a.attacco, inizio0 = c.attacco;
    for (const GiunzioneProva& g : c.giunzioni) {
        const double lato = (g.perno - inizio0).croce(g.nodo - inizio0) > 0 ? 1 : -1;
        auto nodo =
            Incontro(inizio, (g.nodo - inizio0).lung(), g.perno, (g.nodo - g.perno).lung(), lato);
        if (!nodo) return std::nullopt;
        V vertice = *nodo;
        if (g.tipo == "ASTA_TRIANG")
            vertice =
                g.perno +
                (g.vertice - g.perno).ruota((*nodo - g.perno).ang() - (g.nodo - g.perno).ang());
        else if (g.tipo == "TRIANG_ASTA")
            vertice =
                inizio +
                (g.vertice - inizio0).ruota((*nodo - inizio).ang() - (g.nodo - inizio0).ang());
        a.nodo.push_back(*nodo);
        a.vertice.push_back(vertice);
        inizio = vertice;
        inizio0 = g.tipo == "ASTA_ASTA" ? g.nodo : g.vertice;
    }
    a.lunghezza = (inizio - a.supporto).lung();
    return a;
}

// Linkages used throughout: each closes over the whole 750 mm of travel.
Catena UnaGiunzione(const std::string& tipo) {
    Catena c;
    if (tipo == "ASTA_TRIANG") {
        c.giunzioni = {{tipo, {260, 90}, {200, 150}, {180, 230}}};
        c.supporto = {-120, 50};
    } else if (tipo == "TRIANG_ASTA") {
        c.giunzioni = {{tipo, {160, 60}, {260, 160}, {60, 100}}};
        c.supporto = {-190, 350};
    } else {
        c.giunzioni = {{tipo, {260, 90}, {200, 150}, {}}};
    }
    return c;
}

Catena TreGiunzioni() {
    Catena c = UnaGiunzione("ASTA_TRIANG");
    c.giunzioni.push_back({"TRIANG_ASTA", {260, 300}, {330, 220}, {200, 350}});
    c.giunzioni.push_back({"ASTA_ASTA", {300, 420}, {380, 350}, {}});
    c.supporto = {207, 269};
    return c;
}

// Shock absorber straight from the attachment on the swingarm to a frame mount.
Catena Diretta(V attacco = {300, 0}, V supporto = {350, 300}) {
    Catena c;
    c.attacco = attacco;
    c.supporto = supporto;
    return c;
}

// Mirror image of a linkage about the pivot's vertical: the axle behind the pivot.
Catena Specchio(Catena c) {
    auto s = [&](V& v) { v = V{2 * c.perno.x - v.x, v.y}; };
    for (V* v : {&c.asse, &c.attacco, &c.supporto}) s(*v);
    for (auto& g : c.giunzioni)
        for (V* v : {&g.nodo, &g.perno, &g.vertice}) s(*v);
    return c;
}

// A spring of constant rate, a preload and a gas force: a shock force that never vanishes.
void MollaCostante(int16_t p, double rate) {
    Progetti[p].CostanteMolla.fill(rate);
    Progetti[p].PrecaricoSetup = 10;
    Progetti[p].ForzaGas = 200;
}

// Writes c into project p, with a constant-rate spring when `rate` is given, lets `prepara`
// change the project, and solves it.
const Progetto& Risolto(int16_t p, const Catena& c, double rate = 0,
                        const std::function<void(Progetto&)>& prepara = {}) {
    Imposta(p, c);
    if (rate != 0) MollaCostante(p, rate);
    if (prepara) prepara(Progetti[p]);
    Risolvi(p);
    return Progetti[p];
}

// The same linkage with its shock mount elsewhere, on the frame or on the swingarm.
Catena ConSupporto(Catena c, V supporto, bool suForcellone) {
    c.supporto = supporto;
    c.supportoSuForcellone = suForcellone;
    return c;
}

// Largest distance, over points 0..NumPunti, between the solver's joints and the construction.
double ScartoMassimo(int16_t p, const Catena& c) {
    const Progetto& P = Progetti[p];
    double peggiore = 0;
    auto scarto = [&](const Punto& q, V v) {
        peggiore = std::max(peggiore, (V::Da(q) - v).lung());
    };
    for (int i = 0; i <= P.NumPunti; ++i) {
        const auto a = Costruisci(c, i);
        if (!a) return 1e9;
        scarto(P.PosizioneRuota[i], a->asse);
        scarto(P.PuntiGiunzione[2][1][i], a->attacco);
        scarto(P.AttaccoAmmortizzatore[i], a->supporto);
        for (size_t k = 1; k <= c.giunzioni.size(); ++k) {
            scarto(P.PuntiGiunzione[3][k][i], a->nodo[k - 1]);
            scarto(P.PuntiGiunzione[4][k][i], a->vertice[k - 1]);
            if (k > 1) scarto(P.PuntiGiunzione[2][k][i], a->vertice[k - 2]);
        }
        peggiore = std::max(peggiore, std::fabs(P.LunghezzaAmmortizzatore[i] - a->lunghezza));
    }
    return peggiore;
}

// Largest relative gap between the wheel load's work over one mm of wheel travel and the shock
// force's work over the same step; points where the shock moves less than a tenth of its
// largest step (near a dead centre) are left out.
double BilancioLavoro(int16_t p) {
    const Progetto& P = Progetti[p];
    auto passo = [&](int i) {
        return (P.EscursioneAmmortizzatore[i + 1] - P.EscursioneAmmortizzatore[i - 1]) / 2;
    };
    double passoMassimo = 0, peggiore = 0;
    for (int i = 1; i < P.NumPunti; ++i) passoMassimo = std::max(passoMassimo, std::fabs(passo(i)));
    for (int i = 1; i < P.NumPunti; ++i) {
        if (std::fabs(passo(i)) < passoMassimo / 10) continue;
        const double lavoroMolla = P.ForzaAmmortizzatore[i] * passo(i);
        const double lavoroRuota = P.CaricoRuota[i] * 1.0;
        peggiore =
            std::max(peggiore, std::fabs(lavoroRuota - lavoroMolla) / std::fabs(lavoroMolla));
    }
    return peggiore;
}

// Every result curve of a project but the swingarm angle in radians.
// clang-format off
const std::vector<const Curva Progetto::*> CURVE{
    &Progetto::AsseCorsaRuota, &Progetto::AngoloForcellone, &Progetto::LunghezzaAmmortizzatore,
    &Progetto::EscursioneAmmortizzatore, &Progetto::Leveraggio, &Progetto::RapportoVelocita,
    &Progetto::Progressivita, &Progetto::ProgressivitaCarico, &Progetto::ForzaAmmortizzatore,
    &Progetto::MomentoForcellone, &Progetto::CaricoRuota, &Progetto::RigidezzaRuota,
    &Progetto::DeformazioneTampone};
// clang-format on

// Every curve within the range of a 4-byte real, every point the solver places finite.
bool TuttoFinito(int16_t p) {
    const Progetto& P = Progetti[p];
    auto dentro = [](double v) { return std::fabs(v) <= std::numeric_limits<float>::max(); };
    std::vector<double> v(P.AngoloForcelloneRad.begin(), P.AngoloForcelloneRad.end());
    for (auto c : CURVE) v.insert(v.end(), (P.*c).begin(), (P.*c).end());
    for (int i = 1; i <= MAX_PUNTI; ++i) {
        std::vector<Punto> punti{P.PosizioneRuota[i], P.AttaccoAmmortizzatore[i]};
        for (int tipo = 2; tipo <= 4; ++tipo)
            for (int k = 1; k <= MAX_GIUNZIONI; ++k) punti.push_back(P.PuntiGiunzione[tipo][k][i]);
        for (const Punto& q : punti) v.insert(v.end(), {q.X, q.Y});
    }
    return std::all_of(v.begin(), v.end(), dentro);
}

class Kinematics : public kelvra::test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        Messaggi.assign(50, "");
        Messaggi[41] = AVVISO;
    }
    // Solves c in project p with a constant-rate spring: every point placed as constructed,
    // and the wheel load doing the work of the shock force.
    static void PosizioniELavoro(int16_t p, const Catena& c, bool completa = true,
                                 double tolleranza = 2e-3) {
        const int n = Risolto(p, c, 50).NumPunti;
        ASSERT_TRUE(!completa || n == 749) << n;
        ASSERT_GT(n, 100);
        EXPECT_LT(ScartoMassimo(p, c), tolleranza);
        EXPECT_LT(BilancioLavoro(p), 2e-3);
    }
};

} // namespace

TEST_F(Kinematics, AngleStraightDownDistanceAndCircleIntersection) {
    EXPECT_DOUBLE_EQ(CalcolaAngolo(-5, 0), 3 * PiGreco / 2); // not -pi / 2
    EXPECT_NEAR(Distanza({1.5f, -2}, {-1.5f, 2}), 5.0, 1e-12);
    const Punto X{7, 7}; // left alone where the circles do not meet
    struct Caso {
        Punto c1, c2;
        double r1, r2;
        int esito;
        Punto s1, s2;
    };
    const Punto giu{0, -100}, su{1e-4f, 100}; // 1e-4 mm off one vertical
    const double r = 100 * M_SQRT2;
    for (const Caso& k : std::vector<Caso>{
             {{0, 0}, {8, 0}, 5, 5, -1, {4, 3}, {4, -3}},
             {{0, 0}, {0, 8}, 5, 5, -1, {3, 4}, {-3, 4}}, // one vertical: the other chord form
             {giu, su, r, r, -1, {-99.99995f, 5e-5f}, {100.00005f, -5e-5f}},
             {giu, su, 100, 103.6, -1, {-19.05572f, -1.83239f}, {19.05582f, -1.83241f}},
             {{0, 0}, {8, 0}, 3, 3, 0, X, X},    // apart
             {{2, 3}, {2, 3}, 5, 5, 0, X, X}}) { // concentric
        Punto s1 = X, s2 = X;
        EXPECT_EQ(IntersezioneCerchi(k.c1, k.c2, k.r1, k.r2, s1, s2), k.esito) << k.r2;
        for (const auto& [trovato, atteso] : {std::pair{s1, k.s1}, {s2, k.s2}}) {
            EXPECT_NEAR(trovato.X, atteso.X, 1e-5);
            EXPECT_NEAR(trovato.Y, atteso.Y, 1e-5);
        }
    }
}

class KinematicsByType : public Kinematics, public ::testing::WithParamInterface<const char*> {};

TEST_P(KinematicsByType, PositionsMatchTheConstructionAndWorkBalancesOnEitherSide) {
    PosizioniELavoro(1, UnaGiunzione(GetParam()));
    SCOPED_TRACE("shock mount on the swingarm, turning with it");
    PosizioniELavoro(2, ConSupporto(UnaGiunzione(GetParam()), {-150, -60}, true), false);
    // The frame pivot 1e-4 mm off the vertical through the start point at 40 mm.
    Catena c = UnaGiunzione(GetParam());
    c.giunzioni[0].perno.x = Costruisci(c, 40)->attacco.x + 1e-4;
    EXPECT_EQ(Risolto(3, c, 50).NumPunti, 749);
    EXPECT_LT(ScartoMassimo(3, c), 2e-3);
    // The axle behind the pivot stays on its side.
    c = Specchio(UnaGiunzione(GetParam()));
    PosizioniELavoro(1, c);
    EXPECT_GT(Progetti[1].AngoloForcellone[0], 180); // below and behind the pivot
    EXPECT_LT(Progetti[1].AngoloForcellone[749], 180);
}

INSTANTIATE_TEST_SUITE_P(Joints, KinematicsByType,
                         ::testing::Values("ASTA_TRIANG", "TRIANG_ASTA", "ASTA_ASTA"));

// The spring force is the rate of its row times the total deflection (travel plus preload),
// plus the gas force; the bump stop adds its compression squared times the rate of its row.
// Preload: setup plus spring, plus the shock's length less its static length when entered.
TEST_F(Kinematics, PreloadSpringRowByTotalDeflectionAndBumpStopSquared) {
    const Catena c = Diretta(); // shock from 304.1 mm down to about 160 mm
    Imposta(1, c);
    Progetto& P = Progetti[1];
    for (int r = 0; r <= MAX_RIGHE; ++r) {
        P.CostanteMolla[r] = 10.0 * (r + 1); // N/mm
        P.CostanteTampone[r] = 2.0 + 0.5 * r;
    }
    P.PrecaricoSetup = 4;
    P.PrecaricoMollaInserita = 3;
    P.ForzaGas = 150;
    P.InterasseMinimo = 140;
    P.InterasseAmmortizzatore = 400;
    P.LungTamponeScarico = 60;         // contact below 200 mm
    P.LungTamponeMaxCompressione = 10; // the shock can close to 150 mm
    Risolvi(1);
    EXPECT_DOUBLE_EQ(P.PrecaricoTotale, 7);
    const double statica = Costruisci(c, 0)->lunghezza;
    auto suUnaRiga = [](double x) { return std::fabs(x - std::round(x)) < 1e-3; };
    int liberi = 0, inContatto = 0;
    for (int i = 0; i <= P.NumPunti; ++i) {
        const double l = Costruisci(c, i)->lunghezza, escursione = statica - l;
        const double compressione = std::max(0.0, 200 - l);
        if (suUnaRiga(escursione) || (compressione > 0 && suUnaRiga(compressione))) continue;
        const double rigidezza = 10.0 * (std::floor(escursione) + 1);
        const double tampone = compressione * compressione * (2 + 0.5 * std::floor(compressione));
        EXPECT_NEAR(P.DeformazioneTampone[i], compressione, 2e-3);
        EXPECT_NEAR(P.ForzaAmmortizzatore[i], (escursione + 7) * rigidezza + 150 + tampone,
                    2e-3 * rigidezza + 4e-3 * tampone)
            << "point " << i;
        ++(compressione > 0 ? inContatto : liberi);
    }
    EXPECT_GT(liberi, 100);
    EXPECT_GT(inContatto, 50);
    // Without a minimum length there is no bump stop.
    P.InterasseMinimo = 0;
    Risolvi(1);
    EXPECT_EQ(P.NumPunti, 749);
    for (int i = 0; i <= P.NumPunti; ++i) ASSERT_EQ(P.DeformazioneTampone[i], 0);
    P.AmmortizzatoreInserito = VERO;
    Risolvi(1);
    EXPECT_NEAR(P.PrecaricoTotale, 400 - statica + 7, 1e-4);
}

TEST_F(Kinematics, DirectShockAbsorberRatioCurvesAndPointZero) {
    const Catena c = Diretta();
    PosizioniELavoro(1, c);
    const Progetto& P = Progetti[1];
    // The swingarm angle, negative below the pivot, passes through zero at 350 mm.
    EXPECT_NEAR(P.AngoloForcellone[0], -std::atan(0.35) * 180 / M_PI, 1e-4);
    EXPECT_NEAR(P.AngoloForcellone[350], 0, 1e-4);
    for (int j = 0; j <= 749; ++j) ASSERT_EQ(P.AsseCorsaRuota[j], j);
    EXPECT_FALSE(VerificaCalcolo());
    EXPECT_TRUE(dialoghi.mostrati.empty());
    std::vector<double> esc;
    for (int i = 0; i <= 749; ++i)
        esc.push_back(Costruisci(c, 0)->lunghezza - Costruisci(c, i)->lunghezza);
    for (int j = 1; j <= 700; ++j) {
        const double passo = std::fabs(esc[j] - esc[j - 1]);
        EXPECT_NEAR(P.RapportoVelocita[j], passo, 2e-4) << "point " << j;
        EXPECT_NEAR(P.Leveraggio[j] * passo, 1, 2e-3) << "point " << j;
        if (j >= 2) {
            const double retta = j * esc[1];
            EXPECT_NEAR(P.Progressivita[j], (esc[j] - retta) / std::fabs(retta) * 100,
                        0.05 + std::fabs(P.Progressivita[j]) * 1e-3)
                << "point " << j;
        }
    }
    EXPECT_EQ(P.Progressivita[1], 0);
    EXPECT_EQ(P.Leveraggio[0], P.Leveraggio[1]);
    EXPECT_DOUBLE_EQ(P.RapportoVelocita[0], P.RapportoVelocita[1] * 0.999);
    EXPECT_EQ(P.RigidezzaRuota[0], P.RigidezzaRuota[1]);
    EXPECT_NEAR(P.RigidezzaRuota[1], P.CaricoRuota[1] - P.CaricoRuota[0], 1e-9);
    EXPECT_NEAR(P.MomentoForcellone[10],
                P.CaricoRuota[10] * (P.PosizioneRuota[10].X - c.perno.x) / 1000, 1e-3);
    // The load's progression only with a compatible shock: wheel load over shock force, which
    // is the shock's travel per mm of wheel travel, relative to point 0.
    for (int i = 0; i <= 750; ++i) ASSERT_EQ(P.ProgressivitaCarico[i], 0);
    Progetti[1].AmmortizzatoreCompatibile = 1;
    Risolvi(1);
    EXPECT_DOUBLE_EQ(P.ProgressivitaCarico[0], 1);
    for (int i = 50; i <= 700; i += 50)
        EXPECT_NEAR(P.ProgressivitaCarico[i], (esc[i + 1] - esc[i - 1]) / (2 * esc[1]), 3e-3)
            << "point " << i;
}

TEST_F(Kinematics, CountsMinusOneMinusTwoAndWarningBelowTwoPoints) {
    // A shock that stretches as the wheel rises stops at once: -1; one already beyond its
    // lengths at rest (304.1 mm against 300): -2.
    Imposta(1, ConSupporto(Diretta(), {350, -300}, false));
    Progetti[1].MollaInserita = Progetti[1].AmmortizzatoreInserito = VERO;
    Imposta(2, Diretta());
    Progetti[2].InterasseMinimo = 200;
    Progetti[2].InterasseAmmortizzatore = 300;
    for (int16_t p : {1, 2}) {
        dialoghi.mostrati.clear();
        Risolvi(p);
        EXPECT_EQ(Progetti[p].NumPunti, -p);
        ASSERT_EQ(dialoghi.mostrati.size(), 1u);
        EXPECT_EQ(dialoghi.mostrati[0].testo, AVVISO);
        EXPECT_EQ(dialoghi.mostrati[0].stile, vbOKOnly);
    }
    // Stretching stops the run only with both spring and shock absorber entered.
    Progetti[1].AmmortizzatoreInserito = FALSO;
    Risolvi(1);
    EXPECT_EQ(Progetti[1].NumPunti, 749);
    Progetti[3].NumPunti = 2; // two points are enough to use
    NumeroProgetti = 3;
    EXPECT_FALSE(VerificaCalcolo());
}

TEST_F(Kinematics, SolvingOneProjectTouchesNoOther) {
    const Progetto primo = Risolto(1, UnaGiunzione("ASTA_TRIANG"), 40);
    Risolto(2, Diretta(), 60, [](Progetto& P) { P.AmmortizzatoreCompatibile = 1; });
    const Progetto& Q = Progetti[1];
    EXPECT_TRUE(Q.NumPunti == primo.NumPunti && Q.CaricoRuota == primo.CaricoRuota &&
                Q.PosizioneRuota == primo.PosizioneRuota &&
                Q.PuntiGiunzione == primo.PuntiGiunzione &&
                Q.PrecaricoTotale == primo.PrecaricoTotale);
}

TEST_F(Kinematics, AnUprightSwingarmLoadsTheWheelWithNothing) {
    Catena c = Diretta({750, 450}, {700, 750});
    c.perno = {550, 400};
    // Upright, or upright within the rounding of its coordinates, the swingarm gives the wheel
    // load no lever arm: the load is 0, not a moment divided by a rounding error, while the
    // moment is still the shock force's about the pivot.
    for (const auto& [asse, punto] : {std::pair<V, int>{{790, 220}, 480},
                                      {{550, 700}, 0},
                                      {{std::nextafter(550.0f, 600.0f), 700}, 0}}) {
        c.asse = asse;
        const Progetto& P = Risolto(1, c, 100);
        EXPECT_EQ(P.NumPunti, punto - 1);
        EXPECT_EQ(P.CaricoRuota[punto], 0) << asse.x;
        const V attacco = V::Da(P.PuntiGiunzione[2][1][punto]), asta = attacco - c.supporto;
        const double momento = P.ForzaAmmortizzatore[punto] * (attacco - c.perno).croce(asta);
        EXPECT_NEAR(std::fabs(P.MomentoForcellone[punto]), std::fabs(momento / asta.lung()) / 1000,
                    1e-3);
        EXPECT_GT(std::fabs(P.MomentoForcellone[punto]), 100);
    }
}

TEST_F(Kinematics, ThreeJointsInAChainAndAJointThatCannotCloseStopsTheTravel) {
    PosizioniELavoro(2, TreGiunzioni(), true, 3e-3);
    Catena c;
    c.giunzioni = {{"ASTA_ASTA", {230, -130}, {200, -250}, {}}};
    c.supporto = {400, 0};
    Risolto(1, c);
    int primoImpossibile = 0;
    while (Costruisci(c, primoImpossibile)) ++primoImpossibile;
    ASSERT_GT(primoImpossibile, 100);
    ASSERT_LT(primoImpossibile, 700);
    // Not a borderline case: at the refused point link and radius fall clearly short.
    const GiunzioneProva& g = c.giunzioni[0];
    const double portata = (g.nodo - c.attacco).lung() + (g.nodo - g.perno).lung();
    const double teta = std::asin((c.asse.y + primoImpossibile) / c.asse.lung()) -
                        std::asin(c.asse.y / c.asse.lung());
    ASSERT_GT((c.attacco.ruota(teta) - g.perno).lung() - portata, 1e-3);
    EXPECT_EQ(Progetti[1].NumPunti, primoImpossibile - 2);
}

// Each stop as a shock length: fully closed at the minimum length; bump stop fully compressed
// (minimum plus its compressed length); a table step of 0.1 mm ends the spring table at 100 mm,
// row 1001 starting at 100.1 mm; with 0.01 mm and a shock 5 mm into its bump stop at rest, the
// bump-stop table ends at 10 mm. The count is the first point beyond the stop less 2.
TEST_F(Kinematics, BumpStopClosureAndTableEndsStopTheTravel) {
    const Catena c = Diretta(); // 304.1 mm at rest, some 140 mm of shock travel
    const double statica = Costruisci(c, 0)->lunghezza;
    struct Caso {
        const char* nome;
        float minimo, scarico, compresso, passo;
        double fine;
    };
    const Caso casi[] = {
        {"shock fully closed", 250, 0, 0, 1, 250},
        {"bump stop fully compressed", 150, 120, 80, 1, 150 + 80},
        {"past the spring table", 0, 0, 0, 0.1f, statica - 100.1},
        {"past the bump-stop table", 150, float(statica + 5 - 150), 10, 0.01f, statica + 5 - 10.01},
    };
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        AzzeraTabelle();
        PassoTabella = k.passo;
        const Progetto& P = Risolto(1, c, 50, [&](Progetto& Q) {
            Q.InterasseMinimo = k.minimo;
            Q.InterasseAmmortizzatore = 400;
            Q.LungTamponeScarico = k.scarico;
            Q.LungTamponeMaxCompressione = k.compresso;
            Q.CostanteTampone.fill(3);
        });
        int fermo = 0;
        while (Costruisci(c, fermo)->lunghezza > k.fine) ++fermo;
        const double margine = k.passo / 100; // not a borderline case
        ASSERT_LT(Costruisci(c, fermo)->lunghezza, k.fine - margine);
        ASSERT_GT(Costruisci(c, fermo - 1)->lunghezza, k.fine + margine);
        EXPECT_EQ(P.NumPunti, fermo - 2);
        EXPECT_TRUE(TuttoFinito(1));
    }
}

// Both ends of the shock ride on the swingarm.
TEST_F(Kinematics, ADirectShockOnTheSwingarm) {
    Risolto(1, ConSupporto(UnaGiunzione("TRIANG_ASTA"), {-150, -60}, true), 80); // stale forces
    const Catena c = ConSupporto(Diretta(), {500, -150}, true);
    const Progetto& P = Risolto(3, c, 50);
    ASSERT_EQ(P.NumPunti, 749);
    EXPECT_LT(ScartoMassimo(3, c), 2e-3); // the mount turns with the swingarm
    // The shock force is internal to the swingarm: it loads the wheel with nothing.
    for (int i = 0; i <= P.NumPunti; ++i) {
        const double scala = P.ForzaAmmortizzatore[i] * 300 / std::fabs(P.PosizioneRuota[i].X);
        ASSERT_GT(scala, 100);
        ASSERT_LT(std::fabs(P.CaricoRuota[i]), 1e-3 * scala) << "point " << i;
    }
}

TEST_F(Kinematics, NoSquareRootOfANegativeAtTheTopOfTheTravel) {
    // A swingarm whose length falls short of a whole height by less than a 4-byte real's
    // rounding, so that the top test lets the axle through a hair above its reach.
    Catena c = Diretta({100, 0}, {150, 300});
    int cima = 0;
    for (int m = 300; m < 700 && cima == 0; ++m) {
        float x = static_cast<float>(std::sqrt(double(m) * m - 1));
        for (int passi = 0; passi < 8 && cima == 0; ++passi, x = std::nextafter(x, 0.0f)) {
            const double l = std::sqrt(double(x) * x + 1);
            if (l < m && static_cast<float>(l) >= static_cast<float>(m)) {
                c.asse = {x, -1};
                cima = m;
            }
        }
    }
    ASSERT_GT(cima, 0);
    const Progetto& P = Risolto(1, c, 50);
    EXPECT_EQ(P.NumPunti, cima);                // point cima + 1 is the last one placed
    EXPECT_EQ(P.PosizioneRuota[cima + 1].X, 0); // straight above the pivot
    EXPECT_TRUE(TuttoFinito(1));
}

// Inputs the tables cannot hold end the run before anything is placed, as a linkage that
// cannot be placed at rest does; so do forces beyond that range.
TEST_F(Kinematics, OutOfRangeInputsAndForcesStopTheTravel) {
    constexpr float inf = std::numeric_limits<float>::infinity();
    const std::pair<const char*, void (*)(Progetto&)> guasti[] = {
        {"frame mount", [](Progetto& P) { P.AttaccoAmmortizzatore[0].X = inf; }},
        {"junction frame pivot", [](Progetto& P) { P.PuntiFissi[2].Y = -inf; }},
        {"node", [](Progetto& P) { P.PuntiGiunzione[3][1][0].X = std::nanf(""); }},
        {"axle too far out to turn", [](Progetto& P) { P.PosizioneRuota[0].X = 1e38f; }},
        {"gas force", [](Progetto& P) { P.ForzaGas = std::nan(""); }},
        {"table step", [](Progetto&) { PassoTabella = inf; }},
        {"spring force", [](Progetto& P) { P.CostanteMolla.fill(1e38); }}};
    for (const auto& [nome, guasto] : guasti) {
        SCOPED_TRACE(nome);
        Risolto(1, UnaGiunzione("ASTA_TRIANG"), 50, guasto);
        PassoTabella = 1;
        EXPECT_EQ(Progetti[1].NumPunti, -2);
        EXPECT_TRUE(TuttoFinito(1));
    }
}

TEST_F(Kinematics, CoincidentCentresAndDivisionsByZeroGiveNoNaN) {
    Catena c = UnaGiunzione("ASTA_ASTA");
    Risolto(1, c);
    // The frame pivot where the attachment arrives at point 1: the run ends there.
    c.giunzioni[0].perno = V::Da(Progetti[1].PuntiGiunzione[2][1][1]);
    Risolto(1, c, 50);
    EXPECT_EQ(Progetti[1].NumPunti, -1);
    ASSERT_FALSE(dialoghi.mostrati.empty());
    EXPECT_TRUE(TuttoFinito(1));

    // The attachment on the pivot: the shock never moves and loads nothing; every quotient is 0.
    const Progetto& P =
        Risolto(2, Diretta(c.perno), 50, [](Progetto& Q) { Q.AmmortizzatoreCompatibile = 1; });
    ASSERT_EQ(P.NumPunti, 749);
    EXPECT_TRUE(TuttoFinito(2));
    for (int i = 0; i <= P.NumPunti; ++i) {
        for (const Curva* z : {&P.Leveraggio, &P.RapportoVelocita, &P.Progressivita, &P.CaricoRuota,
                               &P.ProgressivitaCarico})
            ASSERT_EQ((*z)[i], 0) << "point " << i;
        ASSERT_EQ(P.ForzaAmmortizzatore[i], 10 * 50 + 200);
    }
}
