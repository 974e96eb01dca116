#include "graphs/CalcoliStrumenti.h"

#include "core/Curve.h"
#include "core/Formato.h"
#include "core/Impostazioni.h"
#include "core/Unita.h"
#include "graphs/StatoGrafico.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kelvra {

namespace {

float F(double x) {
    return static_cast<float>(x);
}

// A number as the boxes show it: the shortest text of its 4-byte value.
std::string Str(double x) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, F(x));
    return std::string(buf, r.ptr);
}

int16_t Progetti1N() {
    return static_cast<int16_t>(std::clamp<int>(NumeroProgetti, 0, MAX_PROGETTI));
}

} // namespace

// ---- range panel ----

TestiPannelloRange TestiRange(const std::string& destinazione) {
    if (destinazione == RANGE_ZOOM) return {1, 2, 3};
    if (destinazione == RANGE_ASSE_Y) return {4, 5, 6};
    return {0, 2, 3};
}

EstremiTesto PrecompilaRange(const std::string& destinazione, bool dalGrafico) {
    const StatoGrafico& g = Grafico;
    if (destinazione == RANGE_ASSE_X) return {Str(Int(F(g.XMin) + 0.5)), Str(Int(F(g.XMax) + 0.5))};
    if (destinazione == RANGE_ASSE_Y) {
        const double a = g.ArrotondamentoY != 0 ? g.ArrotondamentoY : 1.0;
        const double alto = g.DivisioniY * static_cast<double>(g.PassoY) + g.YMin;
        return {Str(Int(g.YMin * a + 0.5) / a), Str(Int(alto * a + 0.5) / a)};
    }
    // Charts whose X axis runs the other way open from the plot with their ends swapped.
    const bool rovescio = dalGrafico &&
                          (g.TipoGrafico == 2 || g.TipoGrafico == 6 || g.TipoGrafico == 13) &&
                          (Vero(g.AsseX1) || Vero(g.AsseX2));
    if (rovescio) return {Str(g.XMax), Str(g.XMin)};
    return {Str(g.XMin), Str(g.XMax)};
}

EsitoRange ApplicaValoriRange(const std::string& destinazione, const std::string& testo0,
                              const std::string& testo1, const std::string& tag0,
                              const std::string& tag1) {
    StatoGrafico& g = Grafico;
    const bool asseX = destinazione == RANGE_ASSE_X;
    if (!asseX && destinazione != RANGE_ZOOM && destinazione != RANGE_ASSE_Y)
        return EsitoRange::Ignorato;
    const float a = F(Val(testo0));
    const float b = F(Val(testo1));
    // An X axis entry is always applied: its prefill is the axis rounded to whole units.
    if (!asseX && F(Val(tag0)) == a && F(Val(tag1)) == b) return EsitoRange::Invariato;
    // The typed ends are compared as typed, whatever form the upper one is stored in.
    if (a >= b) return EsitoRange::Rifiutato;
    if (destinazione == RANGE_ASSE_Y) {
        g.YMinRichiesto = a;
        g.YMaxRichiesto = b;
        g.RangeYFisso = VERO;
        return EsitoRange::Applicato;
    }
    g.XMinRichiesto = a;
    // A fixed X range keeps its maximum doubled, except under a zoom, whose scaling reads it
    // as it is.
    g.XMaxRichiesto = (asseX && !Vero(g.ZoomIndietro)) ? 2.0 * b : b;
    g.RangeXFisso = VERO;
    if (!asseX) g.ZoomIndietro = VERO;
    return EsitoRange::Applicato;
}

bool ModificaEstremoXValore(int indice, double valore) {
    StatoGrafico& g = Grafico;
    if (indice < 0 || indice >= g.DivisioniX || !(valore > g.XMin)) return false;
    g.RangeXFisso = VERO;
    g.XMinRichiesto = g.XMin;
    g.XMaxRichiesto = Vero(g.ZoomIndietro) ? valore : 2.0 * valore;
    g.InfoAttivo = FALSO;
    return true;
}

bool ModificaEstremoYValore(int indice, double valore) {
    StatoGrafico& g = Grafico;
    if (indice < 0 || indice >= g.DivisioniY || !(valore > g.YMin)) return false;
    g.RangeYFisso = VERO;
    g.YMinRichiesto = g.YMin;
    g.YMaxRichiesto = valore;
    g.InfoAttivo = FALSO;
    return true;
}

// ---- rubber band ----

namespace {
// One axis of the band: from the press at `inizio` to the mouse at `v`, kept between the
// plot's margin and its far edge.
void EstendiBanda(float v, float inizio, float margine, float bordo, float& pos, float& ampiezza) {
    pos = v < inizio ? v + 1 : inizio;
    if (v > bordo) {
        ampiezza = bordo - pos;
    } else if (v < margine) {
        ampiezza = (inizio - margine) + 1;
        pos = margine;
    } else {
        ampiezza = std::fabs(v - inizio);
    }
}
} // namespace

Banda TrascinaBanda(Banda b, float x, float y, bool finestra) {
    const StatoGrafico& g = Grafico;
    EstendiBanda(x, g.ZoomInizioX, g.MargineSinistro, g.BordoDestro, b.sinistra, b.larghezza);
    if (finestra)
        EstendiBanda(y, g.ZoomInizioY, g.MargineAlto, g.BordoInferiore, b.sopra, b.altezza);
    return b;
}

EstremiRichiesti ConvertiRettangoloZoom(float x1, float x2, float yBasso, float yAlto) {
    const StatoGrafico& g = Grafico;
    return {(x1 - g.MargineSinistro) * static_cast<double>(g.ScalaX) + g.XMin,
            (x2 - g.MargineSinistro) * static_cast<double>(g.ScalaX) + g.XMin,
            (g.BordoInferiore - (yBasso - g.MargineAlto)) * static_cast<double>(g.ScalaY) + g.YMin,
            (g.BordoInferiore - (yAlto - g.MargineAlto)) * static_cast<double>(g.ScalaY) + g.YMin};
}

bool ApplicaBanda(const Banda& b, bool finestra, double& ascissa) {
    StatoGrafico& g = Grafico;
    const float x1 = b.sinistra, x2 = b.sinistra + b.larghezza;
    const float yAlto = b.sopra, yBasso = b.sopra + b.altezza;
    const EstremiRichiesti e = ConvertiRettangoloZoom(x1, x2, yBasso, yAlto);
    if (x2 - 1 == x1 || (finestra && yAlto + 1 == yBasso)) {
        ascissa = std::max(e.xMin, g.XMin);
        return false;
    }
    g.XMinRichiesto = e.xMin;
    g.XMaxRichiesto = e.xMax;
    g.YMinRichiesto = e.yMin;
    g.YMaxRichiesto = e.yMax;
    g.InfoAttivo = FALSO;
    g.ZoomIndietro = VERO;
    return true;
}

void ZoomIndietroGrafico() {
    StatoGrafico& g = Grafico;
    g.RangeYFisso = g.RangeXFisso = FALSO;
    g.ZoomAttivo = g.ZoomIndietro = FALSO;
    ImpostaRangeFissi();
    g.InfoAttivo = FALSO;
}

// ---- curve reader ----

int RigaFormatoLettore(int16_t tipo) {
    if (tipo == 1) return 3;
    if (tipo == 2 || tipo == 3) return 0;
    if (tipo >= 4 && tipo <= 6) return 4;
    if (tipo == 14) return 2;
    return 1;
}

std::array<double, MAX_PROGETTI + 1> ValoriCurve(const TipoGrafico& tipo, double x) {
    std::array<double, MAX_PROGETTI + 1> v{};
    for (int p = 1; p <= Progetti1N(); ++p) {
        if (Vero(Grafico.CurvaEsclusa[static_cast<size_t>(p)])) continue;
        const Progetto& pr = Progetti[p];
        int16_t segmento = 0;
        v[static_cast<size_t>(p)] =
            CercaValoreTabella(tipo.Y(pr), tipo.X(pr), UltimoPuntoSicuro(tipo, pr), x, segmento);
    }
    return v;
}

double ArrotondaSimmetrico(double x, double arrotondamento) {
    const double a = arrotondamento != 0 ? arrotondamento : 1.0;
    const double r = Fix(std::fabs(x) * a + 0.5) / a;
    return x < 0 ? -r : r;
}

std::optional<double> DifferenzaLettore(double y1, double y2, float arrotondamento) {
    if (y1 == 0 || y2 == 0) return std::nullopt;
    return ArrotondaSimmetrico(F(y2 - y1), arrotondamento);
}

std::optional<double> RapportoLettore(double y1, double y2) {
    if (y1 == 0 || y2 == 0) return std::nullopt;
    return ArrotondaSimmetrico(F((y2 - y1) / y1 * 100.0), 100.0);
}

void ConfrontoCurve::Seleziona(int16_t i, int16_t visibili) {
    if (visibili > 1) ++confrontate;
    if (confrontate >= 3) {
        selezionata.fill(false);
        confrontate = 1;
    }
    if (confrontate == 1) {
        selezionata.fill(false);
        selezionata[static_cast<size_t>(i)] = true;
        prima = i;
        seconda = false;
    } else if (confrontate == 2) {
        if (i == prima) {
            confrontate = 1;
        } else {
            seconda = true;
            selezionata[static_cast<size_t>(i)] = true;
        }
    }
}

std::pair<int16_t, int16_t> ConfrontoCurve::Coppia() const {
    int16_t altra = 0;
    for (int16_t p = 1; p <= MAX_PROGETTI; ++p)
        if (selezionata[static_cast<size_t>(p)] && p != prima) altra = p;
    return {prima, altra};
}

// ---- tables and legend ----

int LarghezzaTabellaMassimi(int n, int titoli, int valori) {
    return SPAZIO_TABELLA_MASSIMI + titoli + n * (SPAZIO_TABELLA_MASSIMI + valori) +
           SPAZIO_TABELLA_MASSIMI;
}

Riquadro CollocaInBasso(const Riquadro& area, int larghezzaCornice, int altezzaCornice) {
    const int sinistra = area.sinistra + std::max(0, (area.larghezza - larghezzaCornice) / 2);
    const int sopra = area.sopra + std::max(0, area.altezza - altezzaCornice);
    return {sinistra, sopra, larghezzaCornice, altezzaCornice};
}

MisureLegenda MisureLegendaProgetti(int n) {
    static constexpr std::array<MisureLegenda, MAX_PROGETTI> MISURE{{{1205, 735, 330},
                                                                     {1335, 1000, 660},
                                                                     {1605, 1270, 900},
                                                                     {1935, 1600, 1230},
                                                                     {2235, 1870, 1530},
                                                                     {2925, 2290, 1830}}};
    return MISURE[static_cast<size_t>(std::clamp(n, 1, MAX_PROGETTI) - 1)];
}

int16_t ContaCurveVisibili(const std::array<int16_t, MAX_PROGETTI + 1>& escluse) {
    int16_t n = 0;
    for (int p = 1; p <= Progetti1N(); ++p)
        if (escluse[static_cast<size_t>(p)] == 0) ++n;
    return n;
}

int32_t ColoreCurvaMostrato(int p) {
    if (p < 1 || p > MAX_PROGETTI) return ColoreSfondo;
    return Vero(Grafico.CurvaEsclusa[static_cast<size_t>(p)]) ? ColoreSfondo
                                                              : ColoreCurva[static_cast<size_t>(p)];
}

bool EscludiCurvaProgetto(int i) {
    StatoGrafico& g = Grafico;
    if (i < 1 || i > Progetti1N()) return false;
    int16_t& esclusa = g.CurvaEsclusa[static_cast<size_t>(i)];
    if (Vero(esclusa)) {
        esclusa = FALSO;
    } else {
        if (ContaCurveVisibili(g.CurvaEsclusa) <= 1) return false;
        esclusa = VERO;
    }
    g.InfoAttivo = VERO;
    return true;
}

void AllineaCurveEscluse() {
    for (int p = Progetti1N() + 1; p <= MAX_PROGETTI; ++p)
        Grafico.CurvaEsclusa[static_cast<size_t>(p)] = FALSO;
    if (ContaCurveVisibili(Grafico.CurvaEsclusa) == 0) Grafico.CurvaEsclusa.fill(FALSO);
}

bool ChiudiProgettiGrafico(TabellaProgetti mantieni) {
    const int16_t n = Progetti1N();
    std::array<int16_t, MAX_PROGETTI + 1> escluse{};
    int16_t tenuti = 0;
    for (int p = 1; p <= n; ++p)
        if (mantieni[static_cast<size_t>(p)] == 1)
            escluse[static_cast<size_t>(++tenuti)] = Grafico.CurvaEsclusa[static_cast<size_t>(p)];
    if (tenuti == 0) return false;
    RiordinaProgetti(mantieni, 1);
    Grafico.CurvaEsclusa = escluse;
    AllineaCurveEscluse();
    return true;
}

} // namespace kelvra
