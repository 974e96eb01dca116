#include "core/Cinematica.h"

#include "core/Lingua.h"
#include "core/Seams.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace kelvra {

float PassoCorsa = 1.0f;
int16_t CorsaRuota = 0;

namespace {

// --- run state: rewritten by every run ---------------------------------------------------

// Geometry constants rebuilt at point 0 of every run, per project 1..6 and junction 1..4.
using PerProgetto = std::array<double, MAX_PROGETTI + 1>;
using PerGiunzioneProgetto = std::array<std::array<double, MAX_GIUNZIONI + 1>, MAX_PROGETTI + 1>;
using PerGiunzione = std::array<double, MAX_GIUNZIONI + 1>; // junction 1..4 (0 where stated)

PerProgetto LunghezzaForcellone{};             // pivot to axle at rest, mm
PerProgetto DistanzaPernoAttacco{};            // pivot to the linkage attachment, mm
PerProgetto DistanzaPernoSupporto{};           // pivot to a swingarm-carried shock mount, mm
PerGiunzioneProgetto LunghezzaAstaGiunzione{}; // [p][k] start point to node, mm
PerGiunzioneProgetto RaggioNodoGiunzione{};    // [p][k] frame pivot k + 1 to node, mm
PerGiunzioneProgetto RaggioVerticeGiunzione{}; // [p][k] the radius placing the far vertex

double IncrementoAngoloForcellone = 0; // change of the swingarm direction since last point
double AngoloAttacco = 0;              // direction of the attachment seen from the pivot
double AngoloSupporto = 0;             // direction of a swingarm-carried shock mount
double AngoloAmmortizzatore = 0;       // shock axis, other mount to chain end
PerGiunzione AngoloAsta{};             // start point to node
PerGiunzione AngoloNodo{};             // frame pivot to node
PerGiunzione AngoloVertice{};          // frame pivot to far vertex
PerGiunzione AngoloTriangolo{};        // start point to far vertex
PerGiunzione ForzaGiunzione{};
PerGiunzione ForzaGiunzioneOpposta{};
PerGiunzione ForzaGiunzioneX{};
PerGiunzione ForzaGiunzioneY{};
PerGiunzione ForzaNodoX{};
PerGiunzione ForzaNodoY{};
PerGiunzione CaricoNodoX{}; // load at the far vertex of junction 0..4
PerGiunzione CaricoNodoY{};
double CorsaTampone = 0;          // bump-stop free length minus fully compressed length
double RapportoCaricoStatico = 0; // wheel load over shock force at rest

// How a junction closes and places its far vertex.
enum class Tipo { AstaTriang, TriangAsta, AstaAsta };

// Per-run facts derived once at point 0.
std::array<Tipo, MAX_GIUNZIONI + 1> tipoGiunzione{};
int16_t giunzioneFinale = 1; // the junction whose far vertex is the shock's chain end
double latoRuota = 1.0;      // +1: axle in front of the pivot at rest, -1: behind it

Tipo TipoDa(const std::string& testo) {
    if (testo == "ASTA_TRIANG") return Tipo::AstaTriang;
    if (testo == "TRIANG_ASTA") return Tipo::TriangAsta;
    return Tipo::AstaAsta;
}

// A quotient that is 0 where the divisor is 0 or the result is not a finite number.
double Dividi(double a, double b) {
    if (b == 0) return 0;
    const double r = a / b;
    return std::isfinite(r) ? r : 0;
}

double Angolo(const Punto& da, const Punto& a) {
    return CalcolaAngolo(static_cast<double>(a.Y) - da.Y, static_cast<double>(a.X) - da.X);
}

// Cosine and sine of an angle. Within one point the same directions are turned into
// coordinates and into force components several times, so the last few are remembered.
struct SenoCoseno {
    double angolo = std::numeric_limits<double>::quiet_NaN();
    double c = 1, s = 0;
};

const SenoCoseno& Trig(double angolo) {
    static std::array<SenoCoseno, 16> ricordati;
    uint64_t bit;
    std::memcpy(&bit, &angolo, sizeof bit);
    SenoCoseno& voce = ricordati[(bit ^ (bit >> 17) ^ (bit >> 35)) & 15];
    if (!(voce.angolo == angolo)) {
        voce.angolo = angolo;
        voce.c = std::cos(angolo);
        voce.s = std::sin(angolo);
    }
    return voce;
}

Punto Polare(const Punto& centro, double raggio, double angolo) {
    const SenoCoseno& t = Trig(angolo);
    return {static_cast<float>(centro.X + raggio * t.c),
            static_cast<float>(centro.Y + raggio * t.s)};
}

// Row of a component table for a deflection, or -1 when it lies beyond the table.
int RigaTabella(double deformazione) {
    const double riga = std::fabs(std::floor(deformazione / PassoTabella));
    if (!(riga <= MAX_RIGHE)) return -1; // also a deflection that is not a number
    return static_cast<int>(riga);
}

// Sets the twelve result curves of project p to 0 at every point.
void AzzeraRisultati(int16_t p) {
    if (!ProgettoValido(p)) return;
    Progetto& P = Progetti[p];
    for (Curva* c : {&P.AsseCorsaRuota, &P.AngoloForcellone, &P.LunghezzaAmmortizzatore,
                     &P.EscursioneAmmortizzatore, &P.Leveraggio, &P.RapportoVelocita,
                     &P.Progressivita, &P.ProgressivitaCarico, &P.ForzaAmmortizzatore,
                     &P.MomentoForcellone, &P.CaricoRuota, &P.RigidezzaRuota})
        c->fill(0);
}

// The steps of one point; each false ends the run at that point.

// Moves the swingarm and the attachment to point i.
bool CalcolaPassoForcellone(int16_t i) {
    const int16_t p = NumeroProgetti;
    Progetto& P = Progetti[p];
    const Punto perno = P.PuntiFissi[1];
    const double lunghezza = LunghezzaForcellone[p];
    const float h = P.PosizioneRuota[0].Y + CorsaRuota;
    if (static_cast<float>(perno.Y + lunghezza) < h) return false;
    // The rounding that lets h through may leave the square a hair negative at the top.
    const double dy = static_cast<double>(perno.Y) - h;
    const double quadrato = std::max(0.0, lunghezza * lunghezza - dy * dy);
    P.PosizioneRuota[i] = {static_cast<float>(perno.X + latoRuota * std::sqrt(quadrato)), h};
    P.AngoloForcelloneRad[i] = Angolo(perno, P.PosizioneRuota[i]);
    P.AngoloForcellone[i] = P.AngoloForcelloneRad[i] * 180 / PiGreco;
    IncrementoAngoloForcellone =
        i == 0 ? 0.0 : P.AngoloForcelloneRad[i] - P.AngoloForcelloneRad[i - 1];
    AngoloAttacco += IncrementoAngoloForcellone;
    P.PuntiGiunzione[2][1][i] = Polare(perno, DistanzaPernoAttacco[p], AngoloAttacco);
    return true;
}

// Closes junction k at point i.
bool RisolviGiunzione(int16_t k, int16_t i) {
    const int16_t p = NumeroProgetti;
    Progetto& P = Progetti[p];
    const Punto& perno = P.PuntiFissi[k + 1];
    const Punto& inizio = P.PuntiGiunzione[2][k][i];
    Punto& nodo = P.PuntiGiunzione[3][k][i];
    if (i > 0) {
        Punto s1, s2;
        if (IntersezioneCerchi(inizio, perno, LunghezzaAstaGiunzione[p][k],
                               RaggioNodoGiunzione[p][k], s1, s2) == 0)
            return false;
        const Punto& prima = P.PuntiGiunzione[3][k][i - 1];
        nodo = Distanza(prima, s1) < Distanza(prima, s2) ? s1 : s2;
    }
    const double angoloNodo = Angolo(perno, nodo);
    AngoloVertice[k] += angoloNodo - AngoloNodo[k];
    AngoloNodo[k] = angoloNodo;
    const double angoloAsta = Angolo(inizio, nodo);
    AngoloTriangolo[k] += angoloAsta - AngoloAsta[k];
    AngoloAsta[k] = angoloAsta;
    return true;
}

// Length and force of the shock absorber at point i.
bool CalcolaAmmortizzatore(int16_t i) {
    const int16_t p = NumeroProgetti;
    Progetto& P = Progetti[p];
    if (i > 0) {
        if (Vero(AmmortizzatoreSuForcellone)) {
            AngoloSupporto += IncrementoAngoloForcellone;
            P.AttaccoAmmortizzatore[i] =
                Polare(P.PuntiFissi[1], DistanzaPernoSupporto[p], AngoloSupporto);
        } else {
            P.AttaccoAmmortizzatore[i] = P.AttaccoAmmortizzatore[i - 1];
        }
    }
    const double l = Distanza(P.PuntiGiunzione[4][giunzioneFinale][i], P.AttaccoAmmortizzatore[i]);
    P.LunghezzaAmmortizzatore[i] = l;

    if (Vero(P.MollaInserita) && Vero(P.AmmortizzatoreInserito) && l > P.LunghezzaAmmortizzatore[0])
        return false;
    if (P.InterasseMinimo != 0 &&
        !(P.InterasseMinimo < static_cast<float>(l) && l < P.InterasseAmmortizzatore))
        return false;
    if (P.InterasseMinimo != 0 && P.LungTamponeScarico != 0 &&
        !(P.InterasseMinimo + P.LungTamponeMaxCompressione < l && l < P.InterasseAmmortizzatore))
        return false;

    P.EscursioneAmmortizzatore[i] = P.LunghezzaStaticaAmmortizzatore - l;
    const int riga = RigaTabella(P.EscursioneAmmortizzatore[i]);
    if (riga < 0) return false; // beyond the spring table: the run ends here
    P.ForzaAmmortizzatore[i] =
        (P.EscursioneAmmortizzatore[i] + P.PrecaricoTotale) * P.CostanteMolla[riga] + P.ForzaGas;

    CorsaTampone = P.LungTamponeScarico - P.LungTamponeMaxCompressione;
    if (P.InterasseMinimo == 0 || CorsaTampone == 0 ||
        P.InterasseMinimo + P.LungTamponeScarico <= l)
        return true;
    P.DeformazioneTampone[i] = P.InterasseMinimo + P.LungTamponeScarico - l;
    const int rigaTampone = RigaTabella(P.DeformazioneTampone[i]);
    if (rigaTampone < 0) return false; // beyond the bump-stop table
    P.ForzaAmmortizzatore[i] +=
        P.DeformazioneTampone[i] * P.DeformazioneTampone[i] * P.CostanteTampone[rigaTampone];
    return true;
}

// Wheel load and the curves that follow from it at point i.
void CalcolaRisultatiPasso(int16_t k, int16_t i) {
    const int16_t p = NumeroProgetti;
    Progetto& P = Progetti[p];
    const double a = AngoloAttacco;
    const double teta = P.AngoloForcelloneRad[i];
    const double lunghezza = LunghezzaForcellone[p];
    double momento =
        DistanzaPernoAttacco[p] * (ForzaGiunzioneX[k] * Trig(a).s - ForzaGiunzioneY[k] * Trig(a).c);
    if (Vero(AmmortizzatoreSuForcellone)) {
        const int16_t n = giunzioneFinale;
        CaricoNodoX[n] = -CaricoNodoX[n];
        CaricoNodoY[n] = -CaricoNodoY[n];
        const SenoCoseno& t = Trig(AngoloSupporto);
        momento += DistanzaPernoSupporto[p] * (CaricoNodoX[n] * t.s - CaricoNodoY[n] * t.c);
    }
    // The wheel load's lever arm about the pivot. The axle's x, held in a 4-byte real, is
    // known only to a 4-byte rounding of |pivot x| + length: an arm within that is a swingarm
    // standing upright, whose load is left at 0 rather than a moment over a rounding error.
    // The moment the wheel must answer is still the linkage's, so that curve runs on.
    const double braccio = lunghezza * std::cos(teta);
    const double arrotondamento =
        std::numeric_limits<float>::epsilon() * (std::fabs(P.PuntiFissi[1].X) + lunghezza);
    const bool ritto = !(std::fabs(braccio) > arrotondamento);
    P.CaricoRuota[i] = ritto ? 0.0 : Dividi(momento, braccio);
    P.MomentoForcellone[i] = ritto ? momento / 1000 : P.CaricoRuota[i] * braccio / 1000;
    if (P.AmmortizzatoreCompatibile == 1 && P.ForzaAmmortizzatore[i] != 0) {
        if (i == 0) RapportoCaricoStatico = P.CaricoRuota[0] / P.ForzaAmmortizzatore[0];
        const double rapporto = P.CaricoRuota[i] / P.ForzaAmmortizzatore[i];
        P.ProgressivitaCarico[i] =
            RapportoCaricoStatico == 0
                ? 0.0
                : Dividi(rapporto - RapportoCaricoStatico, RapportoCaricoStatico) + 1;
    }
    if (i >= 1) P.RigidezzaRuota[i] = P.CaricoRuota[i] - P.CaricoRuota[i - 1];
}

// Force analysis of junction k, from the load at its far vertex back to its start point.
void AnalisiForze(int16_t p, int k) {
    const double rv = RaggioVerticeGiunzione[p][k];
    const double rn = RaggioNodoGiunzione[p][k];
    const double la = LunghezzaAstaGiunzione[p][k];
    const double cn = Trig(AngoloNodo[k]).c, sn = Trig(AngoloNodo[k]).s;
    const double ca = Trig(AngoloAsta[k]).c, sa = Trig(AngoloAsta[k]).s;
    if (tipoGiunzione[k] == Tipo::TriangAsta) {
        const double ct = Trig(AngoloTriangolo[k]).c, st = Trig(AngoloTriangolo[k]).s;
        ForzaGiunzione[k] =
            Dividi(rv * (CaricoNodoY[k] * ct - CaricoNodoX[k] * st), la * (cn * sa - sn * ca));
        ForzaNodoX[k] = ForzaGiunzione[k] * cn;
        ForzaNodoY[k] = ForzaGiunzione[k] * sn;
        ForzaGiunzioneX[k] = ForzaNodoX[k] + CaricoNodoX[k];
        ForzaGiunzioneY[k] = ForzaNodoY[k] + CaricoNodoY[k];
    } else {
        const double cv = Trig(AngoloVertice[k]).c, sv = Trig(AngoloVertice[k]).s;
        ForzaGiunzione[k] =
            Dividi(rv * (CaricoNodoY[k] * cv - CaricoNodoX[k] * sv), rn * (ca * sn - sa * cn));
        ForzaGiunzioneOpposta[k] = -ForzaGiunzione[k];
        ForzaGiunzioneX[k] = ForzaGiunzioneOpposta[k] * ca;
        ForzaGiunzioneY[k] = ForzaGiunzioneOpposta[k] * sa;
    }
    CaricoNodoX[k - 1] = ForzaGiunzioneX[k];
    CaricoNodoY[k - 1] = ForzaGiunzioneY[k];
}

// One point of a chain with junctions.
bool PuntoConGiunzioni(int16_t p, int16_t i) {
    Progetto& P = Progetti[p];
    const int16_t n = NumeroGiunzioni;
    if (!CalcolaPassoForcellone(i)) return false;
    for (int16_t k = 1; k <= n; ++k) {
        if (!RisolviGiunzione(k, i)) return false;
        Punto& vertice = P.PuntiGiunzione[4][k][i];
        switch (tipoGiunzione[k]) {
        case Tipo::AstaTriang:
            vertice = Polare(P.PuntiFissi[k + 1], RaggioVerticeGiunzione[p][k], AngoloVertice[k]);
            break;
        case Tipo::TriangAsta:
            vertice =
                Polare(P.PuntiGiunzione[2][k][i], RaggioVerticeGiunzione[p][k], AngoloTriangolo[k]);
            break;
        case Tipo::AstaAsta:
            vertice = P.PuntiGiunzione[3][k][i];
            break;
        }
        if (k < n) P.PuntiGiunzione[2][k + 1][i] = vertice;
    }
    if (!CalcolaAmmortizzatore(i)) return false;
    AngoloAmmortizzatore = Angolo(P.AttaccoAmmortizzatore[i], P.PuntiGiunzione[4][n][i]);
    const double forza = P.ForzaAmmortizzatore[i];
    CaricoNodoX[n] = forza * std::cos(AngoloAmmortizzatore);
    CaricoNodoY[n] = forza * std::sin(AngoloAmmortizzatore);
    for (int k = n; k >= 1; --k) AnalisiForze(p, k);
    CalcolaRisultatiPasso(1, i);
    return true;
}

// One point of a shock absorber that runs straight from the swingarm.
bool PuntoDiretto(int16_t p, int16_t i) {
    Progetto& P = Progetti[p];
    if (!CalcolaPassoForcellone(i)) return false;
    P.PuntiGiunzione[4][1][i] = P.PuntiGiunzione[2][1][i];
    if (!CalcolaAmmortizzatore(i)) return false;
    AngoloAmmortizzatore = Angolo(P.AttaccoAmmortizzatore[i], P.PuntiGiunzione[4][1][i]);
    const double forza = P.ForzaAmmortizzatore[i];
    ForzaGiunzioneOpposta[1] = forza;
    ForzaGiunzioneX[1] = forza * std::cos(AngoloAmmortizzatore);
    ForzaGiunzioneY[1] = forza * std::sin(AngoloAmmortizzatore);
    // The same force, seen from the shock's other mount, is what a swingarm-carried mount
    // puts back on the swingarm.
    CaricoNodoX[1] = ForzaGiunzioneX[1];
    CaricoNodoY[1] = ForzaGiunzioneY[1];
    CalcolaRisultatiPasso(1, i);
    return true;
}

// A value inside the range of the 4-byte reals in which the tables are shown: not infinite,
// not "not a number".
bool NelCampo(double v) {
    return std::fabs(v) <= std::numeric_limits<float>::max();
}

// Whether the run's inputs are numbers the tables can hold. The coordinates must lie well
// inside that range, so that the points placed from them, each within a few of the
// linkage's lengths of a given point, stay inside it too.
bool IngressiNelCampo(const Progetto& P, bool diretto, int16_t n) {
    const float limite = std::numeric_limits<float>::max() / 64;
    auto dentro = [&](const Punto& q) {
        return std::fabs(q.X) <= limite && std::fabs(q.Y) <= limite;
    };
    bool ok = dentro(P.PuntiFissi[1]) && dentro(P.PosizioneRuota[0]) &&
              dentro(P.PuntiGiunzione[2][1][0]) && dentro(P.AttaccoAmmortizzatore[0]);
    for (int k = 1; !diretto && k <= std::min<int>(n, MAX_GIUNZIONI); ++k)
        ok = ok && dentro(P.PuntiFissi[k + 1]) && dentro(P.PuntiGiunzione[2][k][0]) &&
             dentro(P.PuntiGiunzione[3][k][0]) &&
             (TipoDa(P.TipoGiunzione[k]) == Tipo::AstaAsta || dentro(P.PuntiGiunzione[4][k][0]));
    for (double v : {P.PrecaricoSetup, P.PrecaricoMollaInserita, P.InterasseAmmortizzatore,
                     double{P.InterasseMinimo}, P.ForzaGas, P.LungTamponeScarico,
                     P.LungTamponeMaxCompressione, double{PassoTabella}})
        ok = ok && NelCampo(v);
    return ok;
}

// Whether the forces of point i fit the range of the tables; when they do not, the point's
// force curves go back to 0 and the run ends there.
bool ForzeNelCampo(Progetto& P, int i) {
    Curva* forze[] = {&P.ForzaAmmortizzatore, &P.CaricoRuota, &P.MomentoForcellone,
                      &P.RigidezzaRuota, &P.ProgressivitaCarico};
    bool ok = true;
    for (Curva* c : forze) ok &= NelCampo((*c)[i]); // every point: no branch per value
    if (!ok)
        for (Curva* c : forze) (*c)[i] = 0;
    return ok;
}

// Rest geometry of the swingarm and the junctions, the static length and the total preload.
void Riposo(Progetto& P, bool diretto, int16_t n) {
    const int16_t p = NumeroProgetti;
    const Punto perno = P.PuntiFissi[1];
    latoRuota = P.PosizioneRuota[0].X < perno.X ? -1.0 : 1.0;
    LunghezzaForcellone[p] = Distanza(perno, P.PosizioneRuota[0]);
    DistanzaPernoAttacco[p] = Distanza(perno, P.PuntiGiunzione[2][1][0]);
    AngoloAttacco = Angolo(perno, P.PuntiGiunzione[2][1][0]);
    P.AngoloForcelloneRad[0] = Angolo(perno, P.PosizioneRuota[0]);
    P.AngoloForcellone[0] = P.AngoloForcelloneRad[0] * 180 / PiGreco;
    if (Vero(AmmortizzatoreSuForcellone)) {
        DistanzaPernoSupporto[p] = Distanza(perno, P.AttaccoAmmortizzatore[0]);
        AngoloSupporto = Angolo(perno, P.AttaccoAmmortizzatore[0]);
    }

    if (diretto) {
        P.LunghezzaStaticaAmmortizzatore =
            Distanza(P.PuntiGiunzione[2][1][0], P.AttaccoAmmortizzatore[0]);
    } else if (n >= 1 && n <= MAX_GIUNZIONI) {
        for (int k = 1; k <= n; ++k) {
            const Punto& pf = P.PuntiFissi[k + 1];
            const Punto& p2 = P.PuntiGiunzione[2][k][0];
            const Punto& p3 = P.PuntiGiunzione[3][k][0];
            Punto& p4 = P.PuntiGiunzione[4][k][0];
            tipoGiunzione[k] = TipoDa(P.TipoGiunzione[k]);
            RaggioNodoGiunzione[p][k] = Distanza(pf, p3);
            switch (tipoGiunzione[k]) {
            case Tipo::AstaTriang:
                RaggioVerticeGiunzione[p][k] = Distanza(pf, p4);
                AngoloVertice[k] = Angolo(pf, p4);
                break;
            case Tipo::TriangAsta:
                RaggioVerticeGiunzione[p][k] = Distanza(p2, p4);
                AngoloTriangolo[k] = Angolo(p2, p4);
                break;
            case Tipo::AstaAsta:
                p4 = p3;
                RaggioVerticeGiunzione[p][k] = RaggioNodoGiunzione[p][k];
                break;
            }
            LunghezzaAstaGiunzione[p][k] = Distanza(p2, p3);
            AngoloNodo[k] = Angolo(pf, p3);
            AngoloAsta[k] = Angolo(p2, p3);
            if (tipoGiunzione[k] == Tipo::AstaAsta) AngoloVertice[k] = AngoloNodo[k];
        }
        P.LunghezzaStaticaAmmortizzatore =
            Distanza(P.PuntiGiunzione[4][n][0], P.AttaccoAmmortizzatore[0]);
    }

    if (!Vero(P.AmmortizzatoreInserito))
        P.PrecaricoTotale = P.PrecaricoSetup + P.PrecaricoMollaInserita;
    else
        P.PrecaricoTotale = P.InterasseAmmortizzatore - P.LunghezzaStaticaAmmortizzatore +
                            P.PrecaricoMollaInserita + P.PrecaricoSetup;
    P.LunghezzaAmmortizzatore[0] = P.LunghezzaStaticaAmmortizzatore;
}

} // namespace

double CalcolaAngolo(double dy, double dx) {
    if (dy == 0) return dx < 0 ? PiGreco : 0.0;
    if (dx == 0) return dy > 0 ? PiGreco / 2 : 3 * PiGreco / 2;
    const double t = std::atan(dy / dx);
    return dx > 0 ? t : PiGreco + t;
}

double Distanza(const Punto& a, const Punto& b) {
    const double dy = static_cast<double>(a.Y) - b.Y;
    const double dx = static_cast<double>(a.X) - b.X;
    return std::sqrt(dy * dy + dx * dx);
}

double IntersezioneCerchi(const Punto& C1, const Punto& C2, double r1, double r2, Punto& S1,
                          Punto& S2) {
    const double x1 = C1.X, y1 = C1.Y, x2 = C2.X, y2 = C2.Y;
    const double A1 = -2 * x1, B1 = -2 * y1, c1 = x1 * x1 + y1 * y1 - r1 * r1;
    const double A2 = -2 * x2, B2 = -2 * y2, c2 = x2 * x2 + y2 * y2 - r2 * r2;
    // Concentric circles have no common chord: they count as not meeting.
    if (A1 == A2 && B1 == B2) return 0;
    Punto s1, s2;
    const double dx = x2 - x1, dy = y2 - y1;
    if (A1 != A2 && std::fabs(dx) * 100 < std::fabs(dy)) {
        // Centres within about half a degree of one vertical make the chord x = m y + q so
        // steep that its squares lose the digits placing the points (a millimetre with the
        // centres 1e-4 mm apart across). Measured along the line of centres instead: the
        // chord lies a from C1, the points h either side of it, S1 the higher one. Beyond
        // this band the chord form stays within a few thousandths of a 4-byte rounding.
        const double d2 = dx * dx + dy * dy, d = std::sqrt(d2);
        const double a = (r1 * r1 - r2 * r2 + d2) / (2 * d);
        const double h2 = (r1 - a) * (r1 + a);
        if (!(h2 >= 0)) return 0;
        const double h = std::copysign(std::sqrt(h2), dx) / d;
        const double x0 = x1 + dx * a / d, y0 = y1 + dy * a / d;
        s1 = {static_cast<float>(x0 - dy * h), static_cast<float>(y0 + dx * h)};
        s2 = {static_cast<float>(x0 + dy * h), static_cast<float>(y0 - dx * h)};
    } else if (A1 != A2) {
        const double m = (B2 - B1) / (A1 - A2);
        const double q = (c2 - c1) / (A1 - A2);
        const double a = 1 + m * m;
        const double b = 2 * m * q + m * A1 + B1;
        const double c = q * q + A1 * q + c1;
        const double d = b * b - 4 * a * c;
        if (!(d >= 0)) return 0;
        s1.Y = static_cast<float>((-b + std::sqrt(d)) / (2 * a));
        s2.Y = static_cast<float>((-b - std::sqrt(d)) / (2 * a));
        s1.X = static_cast<float>(m * s1.Y + q);
        s2.X = static_cast<float>(m * s2.Y + q);
    } else {
        const double m = (A2 - A1) / (B1 - B2);
        const double q = (c2 - c1) / (B1 - B2);
        const double a = 1 + m * m;
        const double b = 2 * m * q + A1 + m * B1;
        const double c = q * q + B1 * q + c1;
        const double d = b * b - 4 * a * c;
        if (!(d >= 0)) return 0;
        s1.X = static_cast<float>((-b + std::sqrt(d)) / (2 * a));
        s2.X = static_cast<float>((-b - std::sqrt(d)) / (2 * a));
        s1.Y = static_cast<float>(m * s1.X + q);
        s2.Y = static_cast<float>(m * s2.X + q);
    }
    if (!std::isfinite(s1.X) || !std::isfinite(s1.Y) || !std::isfinite(s2.X) ||
        !std::isfinite(s2.Y))
        return 0;
    S1 = s1;
    S2 = s2;
    return -1;
}

void CalcolaCinematica() {
    RisolviCinematica();
    VerificaCalcolo();
}

void RisolviCinematica() {
    const int16_t p = NumeroProgetti;
    if (!ProgettoValido(p)) return;
    Progetto& P = Progetti[p];

    // The single-value inputs always describe the project being solved.
    NumeroElementiCatena = static_cast<int16_t>(P.UltimoElemento + 1);
    NumeroGiunzioni = P.NumeroGiunzioniProgetto;
    AmmortizzatoreSuForcellone = P.AmmortizzatoreFisso == 1 ? VERO : FALSO;

    AzzeraRisultati(p);
    P.DeformazioneTampone.fill(0);
    PassoCorsa = 1.0f;
    IncrementoAngoloForcellone = 0;
    RapportoCaricoStatico = 0;
    for (PerGiunzione* t : {&AngoloAsta, &AngoloNodo, &AngoloVertice, &AngoloTriangolo,
                            &ForzaGiunzione, &ForzaGiunzioneOpposta, &ForzaGiunzioneX,
                            &ForzaGiunzioneY, &ForzaNodoX, &ForzaNodoY, &CaricoNodoX, &CaricoNodoY})
        t->fill(0);

    const bool diretto = NumeroElementiCatena == 2;
    const int16_t n = NumeroGiunzioni;
    const bool risolvibile = diretto || (n >= 1 && n <= MAX_GIUNZIONI);
    giunzioneFinale = diretto ? int16_t{1} : n;

    // Inputs the tables could not hold are refused before anything is placed, as a linkage
    // that cannot be placed at rest is.
    const bool nelCampo = IngressiNelCampo(P, diretto, n);
    if (nelCampo) Riposo(P, diretto, n);
    CorsaRuota = 0;

    // A chain whose junction count is out of range cannot even be placed at rest.
    int16_t i = 0;
    if (risolvibile && nelCampo) {
        for (; i <= MAX_PUNTI; ++i) {
            const bool risolto = diretto ? PuntoDiretto(p, i) : PuntoConGiunzioni(p, i);
            if (!ForzeNelCampo(P, i) || !risolto) break;
            CorsaRuota = static_cast<int16_t>(std::nearbyint(CorsaRuota + PassoCorsa));
        }
    }

    P.NumPunti = static_cast<int16_t>(i - 2);
    for (int j = 0; j <= i - 2; ++j) {
        P.AsseCorsaRuota[j] = j;
        if (j >= 1) {
            P.Leveraggio[j] = Dividi(
                1, std::fabs(P.EscursioneAmmortizzatore[j] - P.EscursioneAmmortizzatore[j - 1]));
            P.RapportoVelocita[j] = Dividi(1, P.Leveraggio[j]);
        }
        if (j >= 2) {
            const float v = static_cast<float>(j * P.EscursioneAmmortizzatore[1]);
            P.Progressivita[j] = Dividi(P.EscursioneAmmortizzatore[j] - v, std::fabs(v)) * 100;
        }
    }
    P.RigidezzaRuota[0] = P.RigidezzaRuota[1];
    P.Leveraggio[0] = P.Leveraggio[1];
    P.RapportoVelocita[0] = P.RapportoVelocita[1] - P.RapportoVelocita[1] / 1000;
}

void CalcolaForzaGas() {
    const int16_t p = NumeroProgetti;
    if (!ProgettoValido(p)) return;
    Progetto& P = Progetti[p];
    const double diametroCm = P.DiametroGas / 10;
    P.ForzaGas = ComeSingolo(diametroCm * diametroCm * (PiGreco * P.PressioneGas) * 9.81 / 4);
}

bool VerificaCalcolo() {
    if (!ProgettoValido(NumeroProgetti)) return false;
    if (Progetti[NumeroProgetti].NumPunti < 2) {
        MsgBox(Riga(Messaggi, 41), vbOKOnly);
        return true;
    }
    return false;
}

} // namespace kelvra
