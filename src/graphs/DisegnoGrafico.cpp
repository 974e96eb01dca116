#include "graphs/DisegnoGrafico.h"

#include "core/Formato.h"
#include "core/Impostazioni.h"
#include "core/Unita.h"
#include "graphs/ScalaAssi.h"
#include "graphs/StatoGrafico.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

namespace kelvra {

namespace {

// The plot's bottom edge sits this far above the surface's edge, so that the X axis line
// is drawn on the surface's last rows rather than past them.
constexpr float MARGINE_BASSO = 0.5f;

int16_t NumeroProgettiValido() {
    return static_cast<int16_t>(std::clamp<int>(NumeroProgetti, 0, MAX_PROGETTI));
}

int16_t Etichette(int16_t divisioni) {
    return static_cast<int16_t>(std::clamp<int>(divisioni, 0, MASSIMO_ETICHETTE));
}

bool AreaUtile() {
    return Grafico.LarghezzaGrafico > 0 && Grafico.AltezzaGrafico > 0;
}

void ScriviAsseX(const TipoGrafico& tipo, TestiGrafico& testi) {
    const StatoGrafico& g = Grafico;
    testi.TitoloBasso = TitoloAsseXTipo(tipo);
    const float passo = static_cast<float>((g.XMax - g.XMin) / std::max<int16_t>(g.DivisioniX, 1));
    testi.NumeroX = Etichette(g.DivisioniX);
    for (int j = 0; j <= testi.NumeroX; ++j)
        testi.X[j] =
            FormattaNumero(j * static_cast<double>(passo) + g.XMin, FormatoUnita[UNITA_LUNGHEZZA]);
}

void ScriviAsseY(const TipoGrafico& tipo, TestiGrafico& testi) {
    const StatoGrafico& g = Grafico;
    const double a = g.ArrotondamentoY != 0.0f ? g.ArrotondamentoY : 1.0;
    testi.NumeroY = Etichette(g.DivisioniY);
    for (int j = 0; j <= testi.NumeroY; ++j) {
        const double valore = Int((j * static_cast<double>(g.PassoY) + g.YMin) * a + 0.5) / a;
        testi.Y[j] = FormattaNumero(valore, FormatoUnita[tipo.rigaFormatoEtichette]);
    }
}

void CalcolaAsseX(const Superficie& pic, const TipoGrafico& tipo, TestiGrafico& testi) {
    StatoGrafico& g = Grafico;
    for (int p = 1; p <= NumeroProgettiValido(); ++p) {
        g.PrimoPunto[p] = 0;
        g.UltimoPunto[p] = UltimoPuntoSicuro(tipo, Progetti[p]);
    }
    g.MargineAlto = 0;
    g.MargineSinistro = 1;
    g.BordoDestro = static_cast<float>(pic.LarghezzaScala() - 1);
    g.LarghezzaGrafico = g.BordoDestro - g.MargineSinistro;
    g.BordoInferiore = static_cast<float>(pic.AltezzaScala() - MARGINE_BASSO);
    g.AltezzaGrafico = g.BordoInferiore - g.MargineAlto;
    ScalaAsseX(tipo);
    ScriviAsseX(tipo, testi);
}

void CalcolaAsseY(const TipoGrafico& tipo, TestiGrafico& testi) {
    CalcolaEstremiY(tipo);
    ScalaAsseY(tipo);
    ScriviAsseY(tipo, testi);
}

double PlotX(double x) {
    return (x - Grafico.XMin) / Grafico.ScalaX + Grafico.MargineSinistro;
}
double PlotY(double y) {
    return Grafico.BordoInferiore - (y - Grafico.YMin) / Grafico.ScalaY;
}

// Clips the segment a-b to the axes' window (Liang-Barsky); false when nothing is inside.
bool Taglia(double& ax, double& ay, double& bx, double& by) {
    const StatoGrafico& g = Grafico;
    double t0 = 0, t1 = 1;
    const double dx = bx - ax, dy = by - ay;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {ax - g.XMin, g.XMax - ax, ay - g.YMin, g.YMax - ay};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    const double x0 = ax, y0 = ay;
    ax = x0 + t0 * dx;
    ay = y0 + t0 * dy;
    bx = x0 + t1 * dx;
    by = y0 + t1 * dy;
    return true;
}

// A curve's points closer to the chord of their stretch than this (plot millimetres, a
// fraction of a pixel) add nothing to the drawing and are left out of its lines.
constexpr double TOLLERANZA_TRATTO = 0.03;

// The point between tratto[i] and tratto[j] farthest from the line through those two (from
// tratto[i] when they coincide), the first of equals, and whether it lies farther than
// TOLLERANZA_TRATTO; i itself when none lies off the line. Distances are compared squared and
// times the chord's length, which divides every point's distance alike; four points are
// measured at a time, each of the four keeping its own farthest, so that no point waits on the
// comparison of the one before.
std::pair<size_t, bool> PiuLontanoDallaCorda(const std::vector<PuntoScala>& tratto, size_t i,
                                             size_t j) {
    const PuntoScala a = tratto[i];
    const double dx = tratto[j].x - a.x, dy = tratto[j].y - a.y;
    const bool corda = dx != 0 || dy != 0;
    // A point's distance from the chord times its length, or from tratto[i] squared.
    auto distanza = [&](size_t m) {
        const double px = tratto[m].x - a.x, py = tratto[m].y - a.y;
        return corda ? std::fabs(dy * px - dx * py) : px * px + py * py;
    };
    std::array<double, 4> massima{};
    std::array<size_t, 4> dove{i, i, i, i};
    size_t m = i + 1;
    for (; m + 4 <= j; m += 4)
        for (size_t q = 0; q < 4; ++q) {
            const double d = distanza(m + q);
            if (d > massima[q]) {
                massima[q] = d;
                dove[q] = m + q;
            }
        }
    for (; m < j; ++m) {
        const double d = distanza(m);
        if (d > massima[0]) {
            massima[0] = d;
            dove[0] = m;
        }
    }
    size_t migliore = 0;
    for (size_t q = 1; q < 4; ++q)
        if (massima[q] > massima[migliore] ||
            (massima[q] == massima[migliore] && dove[q] < dove[migliore]))
            migliore = q;
    const double d = massima[migliore];
    const double soglia = TOLLERANZA_TRATTO * TOLLERANZA_TRATTO;
    return {dove[migliore], corda ? d * d > soglia * (dx * dx + dy * dy) : d > soglia};
}

// Draws a run of joined points as one polyline, leaving out the points that lie on the chords
// (Douglas-Peucker within TOLLERANZA_TRATTO).
void DisegnaTratto(Superficie& pic, const std::vector<PuntoScala>& tratto, long colore) {
    if (tratto.size() < 2) return;
    std::vector<char> tenuto(tratto.size(), 0);
    tenuto.front() = tenuto.back() = 1;
    std::vector<std::pair<size_t, size_t>> pila{{0, tratto.size() - 1}};
    while (!pila.empty()) {
        const auto [i, j] = pila.back();
        pila.pop_back();
        const auto [k, lontano] = PiuLontanoDallaCorda(tratto, i, j);
        if (lontano) {
            tenuto[k] = 1;
            pila.push_back({i, k});
            pila.push_back({k, j});
        }
    }
    std::vector<PuntoScala> linea;
    for (size_t m = 0; m < tratto.size(); ++m)
        if (tenuto[m]) linea.push_back(tratto[m]);
    pic.Polilinea(linea, colore);
}

// One project's curve: a dot where it enters the window (point 0 included), lines inside;
// a segment that leaves the window is drawn up to the edge.
void TracciaCurva(Superficie& pic, const TipoGrafico& tipo, int p) {
    StatoGrafico& g = Grafico;
    const Progetto& pr = Progetti[p];
    const auto X = tipo.X(pr);
    const auto Y = tipo.Y(pr);
    const double fx = FattoreUnita[UNITA_LUNGHEZZA];
    const long colore = g.ColoreCorrente;
    const int ultimo = static_cast<int>(g.UltimoPunto[p]);
    auto dentro = [&g](double x, double y) {
        return g.XMin <= x && x <= g.XMax && g.YMin <= y && y <= g.YMax;
    };
    std::vector<PuntoScala> tratto;
    tratto.reserve(static_cast<size_t>(ultimo) + 1);
    double xp = fx * X[0], yp = g.FattoreY * Y[0];
    bool dentroP = dentro(xp, yp);
    if (dentroP) {
        pic.Punto(PlotX(xp), PlotY(yp), colore);
        tratto.push_back({PlotX(xp), PlotY(yp)});
    }
    for (int k = 1; k <= ultimo; ++k) {
        const double x = fx * X[static_cast<size_t>(k)];
        const double y = g.FattoreY * Y[static_cast<size_t>(k)];
        const bool dentroK = dentro(x, y);
        double ax = xp, ay = yp, bx = x, by = y;
        // A segment with both ends inside needs no clipping: by far the commonest case.
        if (dentroP && dentroK) {
            tratto.push_back({PlotX(x), PlotY(y)});
        } else if (Taglia(ax, ay, bx, by)) {
            if (!dentroP) {
                DisegnaTratto(pic, tratto, colore);
                tratto.clear();
                pic.Punto(PlotX(ax), PlotY(ay), colore);
                tratto.push_back({PlotX(ax), PlotY(ay)});
            }
            tratto.push_back({PlotX(bx), PlotY(by)});
            if (!dentroK) {
                DisegnaTratto(pic, tratto, colore);
                tratto.clear();
            }
        }
        xp = x;
        yp = y;
        dentroP = dentroK;
    }
    DisegnaTratto(pic, tratto, colore);
}

void DisegnaGriglia(Superficie& pic, bool griglia) {
    const StatoGrafico& g = Grafico;
    pic.ImpostaSpessore(2);
    pic.Linea(g.MargineSinistro, g.MargineAlto, g.MargineSinistro, g.BordoInferiore, ColoreAssi);
    pic.Linea(g.MargineSinistro, g.BordoInferiore, g.BordoDestro, g.BordoInferiore, ColoreAssi);
    pic.ImpostaSpessore(1);
    if (!griglia) return;
    pic.ImpostaStile(StileLinea::Punteggiata);
    for (int j = 1; j <= g.DivisioniX; ++j) {
        const double x =
            j * static_cast<double>(g.LarghezzaGrafico) / g.DivisioniX + g.MargineSinistro;
        pic.Linea(x, g.MargineAlto, x, g.BordoInferiore, ColoreGriglia);
    }
    for (int j = 1; j <= g.DivisioniY; ++j) {
        const double y =
            g.BordoInferiore - j * static_cast<double>(g.AltezzaGrafico) / g.DivisioniY;
        pic.Linea(g.MargineSinistro, y, g.BordoDestro, y, ColoreGriglia);
    }
    pic.ImpostaStile(StileLinea::Continua);
}

void DisegnaCurve(Superficie& pic, const TipoGrafico& tipo, bool griglia, TestiGrafico& testi) {
    StatoGrafico& g = Grafico;
    CalcolaAsseX(pic, tipo, testi);
    CalcolaAsseY(tipo, testi);
    if (!AreaUtile()) return;
    g.ScalaX = static_cast<float>((g.XMax - g.XMin) / g.LarghezzaGrafico);
    g.ScalaY = static_cast<float>(g.DivisioniY * static_cast<double>(g.PassoY) / g.AltezzaGrafico);
    if (!(g.ScalaX > 0) || !(g.ScalaY > 0)) return;

    // The grid and the zero line first, so that the curves run unbroken over them. The zero
    // line comes with any value below zero, along the top edge when nothing lies above it; a
    // zoom that leaves zero off the plot leaves it off too.
    DisegnaGriglia(pic, griglia);
    pic.ImpostaSpessore(2);
    if (g.YMinDati < 0 && g.YMin <= 0 && g.YMax >= 0)
        pic.Linea(g.MargineSinistro, PlotY(0), g.BordoDestro, PlotY(0), ColoreAssi);
    for (int p = 1; p <= NumeroProgettiValido(); ++p) {
        g.ColoreCorrente = ColoreCurva[static_cast<size_t>(p)];
        if (!Vero(g.CurvaEsclusa[static_cast<size_t>(p)])) TracciaCurva(pic, tipo, p);
    }
    pic.ImpostaSpessore(1);
}

} // namespace

void ImpostaDatiTipo(const TipoGrafico& tipo) {
    StatoGrafico& g = Grafico;
    g.FattoreY = FattoreUnita[tipo.rigaUnita];
    g.ArrotondamentoY = ArrotondamentoUnita[tipo.rigaUnita];
    g.SiglaY = SiglaYTipo(tipo);
    g.UnitaY = UnitaYTipo(tipo);
    g.TitoloY = TitoloYTipo(tipo);
    g.FormatoY = tipo.formatoY;
}

void DisegnaGraficoSu(Superficie& pic, bool griglia, TestiGrafico& testi) {
    testi = TestiGrafico{};
    pic.Cancella();
    const TipoGrafico* tipo = DatiTipoGrafico(Grafico.TipoGrafico);
    if (!tipo) return;
    testi.tipoValido = true;
    ImpostaDatiTipo(*tipo);
    testi.DisplayY = FormattaNumero(0, Grafico.FormatoY);
    testi.Titolo = TitoloTipo(*tipo);
    DisegnaCurve(pic, *tipo, griglia, testi);
}

} // namespace kelvra
