#include "graphs/ScalaAssi.h"

#include "core/Curve.h"
#include "core/Formato.h"
#include "core/Unita.h"
#include "graphs/StatoGrafico.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <span>

namespace kelvra {

namespace {

// A search that has not settled after this many passes gives up (it never does on the
// spans a chart produces, which settle within a few dozen).
constexpr int MASSIMO_PASSAGGI = 1000;
constexpr int16_t DIVISIONI_VOLUTE = 10;
// What a degenerate axis shows: ten divisions of one unit.
constexpr float PASSO_NOMINALE = 1.0f;

float F(double x) {
    return static_cast<float>(x);
}

// Smallest whole number not below x, kept as a real so that no span can overflow it.
double Eccesso(double x) {
    return -Int(-x);
}

// The decades a step is brought to a mantissa by: m = v / scale, tested from the top.
struct Decade {
    float soglia;
    float scala;
};
constexpr std::array<Decade, 9> DECADI{{{100000.0f, 100000.0f},
                                        {10000.0f, 10000.0f},
                                        {1000.0f, 1000.0f},
                                        {100.0f, 100.0f},
                                        {10.0f, 10.0f},
                                        {1.0f, 1.0f},
                                        {0.1f, 0.1f},
                                        {0.01f, 0.01f},
                                        {0.001f, 0.001f}}};
// Multipliers of the decades below one (v * 10 rather than v / 0.1, which is not exact).
constexpr std::array<double, 3> MOLTIPLICATORI{10.0, 100.0, 1000.0};

// Below the last decade m and s keep the values they had.
void Mantissa(float v, float& m, float& s) {
    for (size_t i = 0; i < DECADI.size(); ++i) {
        if (v >= DECADI[i].soglia) {
            s = DECADI[i].scala;
            m = i < 6 ? F(static_cast<double>(v) / DECADI[i].scala)
                      : F(static_cast<double>(v) * MOLTIPLICATORI[i - 6]);
            return;
        }
    }
}

constexpr std::array<float, 10> MANTISSE_ESATTE{7.5f, 5.0f, 4.5f, 4.0f, 3.5f,
                                                3.0f, 2.5f, 2.0f, 1.5f, 1.0f};
struct Finestra {
    float da, a, obiettivo;
};
constexpr std::array<Finestra, 7> FINESTRE{{{7.25f, 7.5f, 7.5f},
                                            {4.75f, 5.0f, 5.0f},
                                            {3.75f, 4.0f, 4.0f},
                                            {2.75f, 3.0f, 3.0f},
                                            {1.75f, 2.0f, 2.0f},
                                            {2.25f, 2.5f, 2.5f},
                                            {1.25f, 1.5f, 1.5f}}};

bool MantissaEsatta(float m) {
    return std::find(MANTISSE_ESATTE.begin(), MANTISSE_ESATTE.end(), m) != MANTISSE_ESATTE.end();
}

const Finestra* FinestraDi(float m) {
    for (const Finestra& f : FINESTRE)
        if (m >= f.da && m <= f.a) return &f;
    return nullptr;
}

// The give-up rounding: the mantissa up to the next half unit (a whole one goes up by half).
float ArrotondaRinuncia(float m, float s, int n) {
    const float f = F(static_cast<double>(m) - Int(m));
    if (f > 0.5f) return F(static_cast<double>(n) * s * Eccesso(m));
    return F((Int(m) + 0.5) * n * s);
}

// The fallback of a search that would not settle: the wanted count, the span rounded up.
float SpanRinuncia(float ampiezza, int n) {
    float m = 0, s = 0;
    Mantissa(F(static_cast<double>(ampiezza) / n), m, s);
    return s > 0 ? ArrotondaRinuncia(m, s, n) : ampiezza;
}

bool PassoUtile(float passo) {
    return passo > 0.0f && std::isfinite(passo);
}

// A step that cannot scale a plot (zero span, or worse) becomes the nominal one.
void PassoSicuro(float& passo, int16_t& divisioni) {
    if (!PassoUtile(passo) || divisioni < 1) {
        passo = PASSO_NOMINALE;
        divisioni = DIVISIONI_VOLUTE;
    }
}

void ScalaArrotondata(double AsseMax, double AsseMin, double& MinimoArrotondato, float& PassoTacca,
                      int16_t& Divisioni, float& fattore) {
    MinimoArrotondato = ArrotondaEstremo(F(AsseMin));
    PassoTacca = ArrotondaPasso(F(AsseMax - AsseMin));
    Divisioni =
        CalcolaTacche(AsseMax, MinimoArrotondato, PassoTacca, fattore, DIVISIONI_VOLUTE, true);
    PassoTacca = Divisioni > 0 ? F(static_cast<double>(PassoTacca) / Divisioni) : 0.0f;
    if (!PassoUtile(PassoTacca) || Divisioni < 1) {
        PassoSicuro(PassoTacca, Divisioni);
        return;
    }
    // Empty divisions above the data go, until at most one step of room is left.
    while (Divisioni > 1 && F(Divisioni * static_cast<double>(PassoTacca) + MinimoArrotondato -
                              AsseMax) > PassoTacca)
        --Divisioni;
}

int16_t NumeroProgettiValido() {
    return static_cast<int16_t>(std::clamp<int>(NumeroProgetti, 0, MAX_PROGETTI));
}

// Point k of a curve, within its table.
double PuntoCurva(std::span<const double> curva, double k) {
    if (curva.empty()) return 0.0;
    const long i = std::clamp<long>(std::lround(k), 0, static_cast<long>(curva.size()) - 1);
    return curva[static_cast<size_t>(i)];
}

// Equal zoom ends are widened by a hundredth each way (in their order also below zero), and
// two zero ends become 0..1: a zoom never has a zero span.
void AllargaEstremiUguali(double& minimo, double& massimo) {
    if (minimo != massimo) return;
    if (minimo == 0) {
        massimo = 1;
        return;
    }
    const double v = minimo;
    minimo = std::min(v * 0.99, v * 1.01);
    massimo = std::max(v * 0.99, v * 1.01);
}

// A zoom's lower end is rounded down, except over a span too small for the tick search,
// which would not widen it to cover what rounding takes away.
double EstremoZoom(double minimo, float ampiezza) {
    return ampiezza > 0.001f ? ArrotondaEstremo(F(minimo)) : minimo;
}

} // namespace

int16_t CalcolaTacche(double AsseMax, double AsseMin, float& Ampiezza, float& Fattore,
                      int16_t Divisioni, bool Adatta) {
    if (Fattore == 0.0f) Fattore = 10.0f;
    if (!(Ampiezza > 0.001f) || !std::isfinite(Ampiezza) || Divisioni < 1) return Divisioni;

    const float iniziale = Ampiezza;
    int n = Divisioni;
    bool rinuncia = false;
    float s = 0.0f, m = 0.0f;
    bool finito = false;
    for (int passaggio = 0; passaggio < MASSIMO_PASSAGGI && !finito && n >= 1; ++passaggio) {
        Mantissa(F(static_cast<double>(Ampiezza) / n), m, s);
        bool trovato = false;
        if (MantissaEsatta(m)) {
            trovato = true;
        } else if (const Finestra* f = FinestraDi(m); f && Adatta) {
            Ampiezza = F(static_cast<double>(s) * f->obiettivo * n);
            trovato = true;
        } else {
            --n;
        }

        if (rinuncia) {
            Ampiezza = ArrotondaRinuncia(m, s, n);
            trovato = true;
        } else if (n == 0) {
            if (Adatta) {
                rinuncia = true;
                n = Divisioni;
            } else {
                n = CInt(Divisioni / 2.0);
                trovato = true;
            }
        }

        if (Adatta && trovato) {
            const float copertura = F(Int((AsseMax - AsseMin) * Fattore + 0.5) / Fattore);
            if (copertura <= Ampiezza && n > 0) {
                finito = true;
            } else {
                rinuncia = false;
                if (n == Divisioni) {
                    --n;
                } else if (n < 1) {
                    n = Divisioni;
                } else {
                    Ampiezza = F(static_cast<double>(n + 1) * Ampiezza / n);
                    ++n;
                }
            }
        } else if (trovato) {
            finito = true;
        }
    }
    if (!finito) {
        n = Divisioni;
        Ampiezza = SpanRinuncia(iniziale, n);
        Mantissa(F(static_cast<double>(Ampiezza) / n), m, s);
    }

    // A whole mantissa at few divisions is split further.
    if (s > 0.0f) {
        const float m2 = F(static_cast<double>(Ampiezza) / s / n);
        while (n <= Divisioni / 2.0 && m2 == Int(m2)) n *= 2;
    }
    return static_cast<int16_t>(n);
}

float ArrotondaEstremo(float x) {
    if (!std::isfinite(x)) return 0.0f;
    if (x > -10.0f) return F(Int(x));
    if (x >= -50.0f) {
        const float q = F(x / 10.0);
        return F(q - Int(q) > 0.5 ? Int(q) * 10.0 : (Int(q) - 0.5) * 10.0);
    }
    if (x >= -1000.0f) return F(Int(x / 10.0) * 10.0);
    if (x >= -10000.0f) return F(Int(x / 1000.0) * 1000.0);
    return F(Int(x / 10000.0 - 0.5) * 10000.0);
}

float ArrotondaPasso(float x) {
    if (!std::isfinite(x)) return 0.0f;
    if (x >= 1000.0f) return F(Eccesso(x / 1000.0) * 1000.0);
    if (x >= 50.0f) return F(Eccesso(x / 10.0) * 10.0);
    if (x >= 20.0f) {
        const float q = F(x / 10.0);
        return F(q - Int(q) > 0.5 ? Eccesso(q) * 10.0 : (Int(q) + 0.5) * 10.0);
    }
    return F(Eccesso(F(x * 10.0)) / 10.0);
}

void ScalaArrotondataX(double AsseMax, double AsseMin, double& MinimoArrotondato, float& PassoTacca,
                       int16_t& Divisioni) {
    Grafico.AsseX1 = VERO;
    float fattore = 100.0f;
    ScalaArrotondata(AsseMax, AsseMin, MinimoArrotondato, PassoTacca, Divisioni, fattore);
}

void ScalaArrotondataY(double AsseMax, double AsseMin, double& MinimoArrotondato, float& PassoTacca,
                       int16_t& Divisioni) {
    ScalaArrotondata(AsseMax, AsseMin, MinimoArrotondato, PassoTacca, Divisioni,
                     Grafico.ArrotondamentoY);
}

void ScalaAsseX(const TipoGrafico& tipo) {
    StatoGrafico& g = Grafico;
    const int16_t n = NumeroProgettiValido();
    const double fx = FattoreUnita[UNITA_LUNGHEZZA];
    for (int p = 1; p <= n; ++p) {
        const auto X = tipo.X(Progetti[p]);
        g.XMinProgetto[p] = fx * PuntoCurva(X, g.PrimoPunto[p]);
        g.XMaxProgetto[p] = fx * PuntoCurva(X, g.UltimoPunto[p]);
    }
    if (Vero(g.ZoomIndietro)) {
        ArrotondaRangeX();
        return;
    }
    if (!Vero(g.RangeXFisso)) {
        g.XMin = MinimoCurva(g.XMinProgetto, 1, 0, 0, n);
        g.XMax = MassimoCurva(g.XMaxProgetto, 1, 0, 0, n);
        double minimo = 0;
        ScalaArrotondataX(g.XMax, g.XMin, minimo, g.PassoX, g.DivisioniX);
        g.XMin = minimo;
        g.XMax = g.DivisioniX * static_cast<double>(g.PassoX) + g.XMin;
        return;
    }
    // A fixed range keeps its ends; its writers hold the X maximum doubled.
    g.XMin = g.XMinRichiesto;
    g.XMax = g.XMaxRichiesto / 2;
    g.PassoX = F(g.XMax - g.XMinRichiesto);
    float fattore = 100.0f;
    g.DivisioniX = CalcolaTacche(g.XMax, g.XMin, g.PassoX, fattore, DIVISIONI_VOLUTE, false);
    g.PassoX = F(static_cast<double>(g.PassoX) / std::max<int16_t>(g.DivisioniX, 1));
    if (!PassoUtile(g.PassoX)) {
        PassoSicuro(g.PassoX, g.DivisioniX);
        g.XMax = g.XMin + g.DivisioniX * static_cast<double>(g.PassoX);
    }
}

void CalcolaEstremiY(const TipoGrafico& tipo) {
    StatoGrafico& g = Grafico;
    const double fx = FattoreUnita[UNITA_LUNGHEZZA];
    for (int p = 1; p <= NumeroProgettiValido(); ++p) {
        const auto Y = tipo.Y(Progetti[p]);
        int16_t indice = 0;
        g.YMaxProgetto[p] =
            MassimoCurvaTabella(Y, g.FattoreY, 0, g.PrimoPunto[p], g.UltimoPunto[p], indice);
        g.AscissaMassimo[p] = indice * fx;
        g.YMinProgetto[p] =
            MinimoCurvaTabella(Y, g.FattoreY, 0, g.PrimoPunto[p], g.UltimoPunto[p], indice);
        g.AscissaMinimo[p] = indice * fx;
    }
}

void ScalaAsseY(const TipoGrafico& tipo) {
    StatoGrafico& g = Grafico;
    if (Vero(g.ZoomIndietro)) {
        ArrotondaRangeY(tipo);
        return;
    }
    const int16_t n = NumeroProgettiValido();
    if (!Vero(g.RangeYFisso)) {
        g.YMinDati = MinimoCurva(g.YMinProgetto, 1, 0, 0, n);
        g.YMax = MassimoCurva(g.YMaxProgetto, 1, 0, 0, n);
        ScalaArrotondataY(g.YMax, g.YMinDati, g.YMin, g.PassoY, g.DivisioniY);
        g.YMinDati = g.YMin;
        g.YMax = g.DivisioniY * static_cast<double>(g.PassoY) + g.YMin;
        return;
    }
    g.YMax = g.YMaxRichiesto;
    g.YMinDati = g.YMin = g.YMinRichiesto;
    g.PassoY = F(g.YMaxRichiesto - g.YMinRichiesto);
    g.DivisioniY = CalcolaTacche(g.YMaxRichiesto, g.YMin, g.PassoY, g.ArrotondamentoY,
                                 DIVISIONI_VOLUTE, false);
    g.PassoY = F(static_cast<double>(g.PassoY) / std::max<int16_t>(g.DivisioniY, 1));
    if (!PassoUtile(g.PassoY)) {
        PassoSicuro(g.PassoY, g.DivisioniY);
        g.YMax = g.YMin + g.DivisioniY * static_cast<double>(g.PassoY);
    }
}

void ArrotondaRangeX() {
    StatoGrafico& g = Grafico;
    AllargaEstremiUguali(g.XMinRichiesto, g.XMaxRichiesto);
    g.XMin = g.XMinRichiesto;
    g.XMax = g.XMaxRichiesto;
    g.PassoX = F(g.XMaxRichiesto - g.XMinRichiesto);
    const double minimo = EstremoZoom(g.XMin, g.PassoX);
    float fattore = 100.0f;
    g.DivisioniX = CalcolaTacche(g.XMax, minimo, g.PassoX, fattore, DIVISIONI_VOLUTE, true);
    g.XMin = minimo;
    g.PassoX = F(static_cast<double>(g.PassoX) / std::max<int16_t>(g.DivisioniX, 1));
    PassoSicuro(g.PassoX, g.DivisioniX);
    g.XMax = g.DivisioniX * static_cast<double>(g.PassoX) + g.XMin;
}

void ArrotondaRangeY(const TipoGrafico& tipo) {
    StatoGrafico& g = Grafico;
    if (g.ModoZoom == ZOOM_RANGE) {
        // The working project's curve at the two X ends, with the kind's own point count; the
        // ends are shown values, the tables hold stored ones.
        const int16_t n = NumeroProgetti;
        double a = 0, b = 0;
        const float fx = FattoreUnita[UNITA_LUNGHEZZA];
        if (ProgettoValido(n) && fx != 0.0f) {
            const Progetto& p = Progetti[n];
            const int ultimo = UltimoPuntoSicuro(tipo, p);
            int16_t segmento = 0;
            a = g.FattoreY * ValoreTabella(tipo.Y(p), tipo.X(p), ultimo, g.XMin / fx, segmento);
            b = g.FattoreY * ValoreTabella(tipo.Y(p), tipo.X(p), ultimo, g.XMax / fx, segmento);
        }
        // A falling curve gives its ends the other way about.
        g.YMinDati = std::min(a, b);
        g.YMax = std::max(a, b);
        if (g.YMax - g.YMinDati <= 2.0) g.YMax += std::fabs(g.YMax) / 5;
    } else {
        g.YMax = g.YMaxRichiesto;
        g.YMinDati = g.YMinRichiesto;
    }
    AllargaEstremiUguali(g.YMinDati, g.YMax);
    g.PassoY = F(g.YMax - g.YMinDati);
    g.YMin = EstremoZoom(g.YMinDati, g.PassoY);
    g.DivisioniY =
        CalcolaTacche(g.YMax, g.YMin, g.PassoY, g.ArrotondamentoY, DIVISIONI_VOLUTE, true);
    g.PassoY = F(static_cast<double>(g.PassoY) / std::max<int16_t>(g.DivisioniY, 1));
    PassoSicuro(g.PassoY, g.DivisioniY);
    g.YMinDati = g.YMin;
    g.YMax = g.DivisioniY * static_cast<double>(g.PassoY) + g.YMin;
}

} // namespace kelvra
