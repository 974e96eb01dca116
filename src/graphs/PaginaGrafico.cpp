#include "graphs/PaginaGrafico.h"

#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Servizi.h"
#include "graphs/DisegnoGrafico.h"
#include "graphs/StatoGrafico.h"
#include "platform/SuperficieQt.h"
#include "platform/Testo.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPen>
#include <algorithm>
#include <cmath>
#include <vector>

namespace kelvra {

namespace {

// The screen's resolution the plot's pen widths are chosen for.
constexpr double DPI_SCHERMO = 96.0;
constexpr double POLLICE_MM = 25.4;
constexpr int32_t NERO = 0x000000;
constexpr int32_t BIANCO = 0xFFFFFF;
constexpr int32_t GRIGIO = 0x909090;
// A curve colour lighter than this (0..255) is darkened to it on paper.
constexpr double LUMINOSITA_MASSIMA = 130.0;

int Componente(int32_t colore, int spostamento) {
    return (colore >> spostamento) & 0xFF;
}

double Luminosita(int32_t colore) {
    return 0.299 * Componente(colore, 0) + 0.587 * Componente(colore, 8) +
           0.114 * Componente(colore, 16);
}

// The plot's wide pens (axes, curves) widened by the page's resolution; the one-pixel dotted
// grid stays one pixel, since wider pens draw solid.
class SuperficiePagina : public SuperficieQt {
  public:
    SuperficiePagina(int larghezza, int altezza, double dpi)
        : SuperficieQt(larghezza, altezza, dpi, 0), fattore_(std::max(1.0, dpi / DPI_SCHERMO)) {}
    void ImpostaSpessore(int pixel) override {
        SuperficieQt::ImpostaSpessore(pixel > 1 ? static_cast<int>(std::lround(pixel * fattore_))
                                                : pixel);
    }

  private:
    double fattore_;
};

// The colours of paper and a copy of the graph state for the time a page is drawn; both come
// back when it is done.
class StatoPagina {
  public:
    StatoPagina()
        : grafico_(Grafico), sfondo_(ColoreSfondo), assi_(ColoreAssi), griglia_(ColoreGriglia),
          curve_(ColoreCurva) {
        ColoreSfondo = BIANCO;
        ColoreAssi = NERO;
        ColoreGriglia = GRIGIO;
        for (int32_t& c : ColoreCurva) c = ColoreSuCarta(c);
    }
    ~StatoPagina() {
        Grafico = grafico_;
        ColoreSfondo = sfondo_;
        ColoreAssi = assi_;
        ColoreGriglia = griglia_;
        ColoreCurva = curve_;
    }
    StatoPagina(const StatoPagina&) = delete;
    StatoPagina& operator=(const StatoPagina&) = delete;

  private:
    StatoGrafico grafico_;
    int32_t sfondo_, assi_, griglia_;
    std::array<int32_t, 7> curve_;
};

int LarghezzaMassima(const QFontMetrics& m, const std::array<std::string, MASSIMO_ETICHETTE + 1>& t,
                     int n) {
    int l = 0;
    for (int j = 0; j <= n; ++j) l = std::max(l, m.horizontalAdvance(DaAnsi(t[j])));
    return l;
}

// One project of the printed legend: a stroke of its curve's colour and its name beside it.
struct VoceLegenda {
    QString nome;
    QColor colore;
    int larghezza; // stroke, gap and name, in pixels
};

// The legend's entries in rows no wider than `larghezza`: the projects whose curve is drawn,
// in their order, in the colours the page draws them in.
std::vector<std::vector<VoceLegenda>> RigheLegenda(const QFontMetrics& m, int mm, int larghezza) {
    std::vector<std::vector<VoceLegenda>> righe;
    int occupata = 0;
    const int n = std::clamp<int>(NumeroProgetti, 0, MAX_PROGETTI);
    for (int p = 1; p <= n; ++p) {
        const auto i = static_cast<size_t>(p);
        if (Vero(Grafico.CurvaEsclusa[i])) continue;
        const QString nome = NomeLegenda(p);
        VoceLegenda v{nome, ColoreQt(ColoreCurva[i]), 10 * mm + m.horizontalAdvance(nome)};
        if (righe.empty() || occupata + 6 * mm + v.larghezza > larghezza) {
            righe.emplace_back();
            occupata = -6 * mm;
        }
        occupata += 6 * mm + v.larghezza;
        righe.back().push_back(v);
    }
    return righe;
}

// The legend's rows centred across the page from `sopra` down, one text line each.
void DisegnaLegenda(QPainter& p, const std::vector<std::vector<VoceLegenda>>& righe, int sopra,
                    int larghezzaPagina, int mm) {
    const int riga = p.fontMetrics().height() * 3 / 2;
    for (const auto& voci : righe) {
        int totale = -6 * mm;
        for (const VoceLegenda& v : voci) totale += 6 * mm + v.larghezza;
        int x = (larghezzaPagina - totale) / 2;
        const int centro = sopra + riga / 2;
        for (const VoceLegenda& v : voci) {
            p.setPen(QPen(v.colore, std::max(1, mm / 2)));
            p.drawLine(x, centro, x + 8 * mm, centro);
            p.drawText(QRect(x + 10 * mm, sopra, v.larghezza, riga),
                       Qt::AlignLeft | Qt::AlignVCenter, v.nome);
            x += v.larghezza + 6 * mm;
        }
        sopra += riga;
    }
}

} // namespace

QString NomeLegenda(int progetto) {
    return QString::fromStdString(EtichettaProgetto(progetto));
}

int32_t ColoreSuCarta(int32_t colore) {
    const double l = Luminosita(colore);
    if (l <= LUMINOSITA_MASSIMA) return colore;
    const double f = LUMINOSITA_MASSIMA / l;
    auto scura = [&](int spostamento) {
        return static_cast<int32_t>(std::lround(Componente(colore, spostamento) * f))
               << spostamento;
    };
    return scura(0) | scura(8) | scura(16);
}

QImage PaginaGrafico(int larghezza, int altezza, double dpi, bool griglia,
                     const QString& faceTitoli) {
    QImage pagina(std::max(larghezza, 1), std::max(altezza, 1), QImage::Format_RGB32);
    const int puntiMetro = static_cast<int>(std::lround(dpi / POLLICE_MM * 1000));
    pagina.setDotsPerMeterX(puntiMetro);
    pagina.setDotsPerMeterY(puntiMetro);
    pagina.fill(Qt::white);
    StatoPagina stato;

    // The texts first, from a surface too small for a plot, to measure the margins by.
    TestiGrafico testi;
    {
        SuperficieQt misura(1, 1, dpi, 0);
        DisegnaGraficoSu(misura, griglia, testi);
    }
    if (!testi.tipoValido) return pagina;

    QFont titolo(faceTitoli, 14, QFont::Bold);
    QFont basso(faceTitoli, 12, QFont::Bold);
    QFont etichette(QStringLiteral("Arial"), 9);
    QFont legenda(QStringLiteral("Arial"), 10);
    const QFontMetrics mTitolo(titolo, &pagina), mBasso(basso, &pagina),
        mEtichette(etichette, &pagina), mLegenda(legenda, &pagina);
    const int mm = static_cast<int>(std::lround(dpi / POLLICE_MM));
    const int margine = 5 * mm;
    const int altezzaTitolo = mTitolo.height() * 3 / 2;
    const int altezzaEtichetta = mEtichette.height() * 3 / 2;
    const int altezzaBasso = mBasso.height() * 3 / 2;
    const auto righeLegenda = RigheLegenda(mLegenda, mm, larghezza - 2 * margine);
    const int altezzaLegenda = static_cast<int>(righeLegenda.size()) * (mLegenda.height() * 3 / 2);
    const int sinistra = margine + LarghezzaMassima(mEtichette, testi.Y, testi.NumeroY) + 2 * mm;
    const int destra = margine + LarghezzaMassima(mEtichette, testi.X, testi.NumeroX) / 2;
    const QRect area(sinistra, margine + altezzaTitolo, larghezza - sinistra - destra,
                     altezza - 2 * margine - altezzaTitolo - altezzaEtichetta - altezzaBasso -
                         altezzaLegenda);
    if (area.width() < 10 * mm || area.height() < 10 * mm) return pagina;

    SuperficiePagina plot(area.width(), area.height(), dpi);
    DisegnaGraficoSu(plot, griglia, testi);
    QPainter p(&pagina);
    p.drawImage(area.topLeft(), plot.Immagine());

    const StatoGrafico& g = Grafico;
    p.setPen(Qt::black);
    p.setFont(etichette);
    for (int j = 0; j <= testi.NumeroX; ++j) {
        const double x = g.MargineSinistro + j * static_cast<double>(g.LarghezzaGrafico) /
                                                 std::max<int16_t>(g.DivisioniX, 1);
        const int centro = area.left() + static_cast<int>(std::lround(plot.PixelDa(x, 0).x()));
        p.drawText(
            QRect(centro - area.width() / 2, area.bottom() + mm, area.width(), altezzaEtichetta),
            Qt::AlignHCenter | Qt::AlignTop, DaAnsi(testi.X[j]));
    }
    for (int j = 0; j <= testi.NumeroY; ++j) {
        const double y = g.BordoInferiore - j * static_cast<double>(g.AltezzaGrafico) /
                                                std::max<int16_t>(g.DivisioniY, 1);
        const int centro = area.top() + static_cast<int>(std::lround(plot.PixelDa(0, y).y()));
        p.drawText(QRect(margine, centro - altezzaEtichetta / 2, sinistra - margine - 2 * mm,
                         altezzaEtichetta),
                   Qt::AlignRight | Qt::AlignVCenter, DaAnsi(testi.Y[j]));
    }
    p.setFont(titolo);
    p.drawText(QRect(0, margine, larghezza, altezzaTitolo), Qt::AlignCenter, DaAnsi(testi.Titolo));
    p.setFont(basso);
    p.drawText(QRect(0, area.bottom() + altezzaEtichetta, larghezza, altezzaBasso), Qt::AlignCenter,
               DaAnsi(testi.TitoloBasso));
    p.setFont(legenda);
    DisegnaLegenda(p, righeLegenda, area.bottom() + altezzaEtichetta + altezzaBasso, larghezza, mm);
    p.end();
    return pagina;
}

} // namespace kelvra
