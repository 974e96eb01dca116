#include "graphs/PaginaGrafico.h"

#include "core/Impostazioni.h"
#include "graphs/DisegnoGrafico.h"
#include "graphs/StatoGrafico.h"
#include "platform/SuperficieQt.h"
#include "platform/Testo.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

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

} // namespace

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
    const QFontMetrics mTitolo(titolo, &pagina), mBasso(basso, &pagina),
        mEtichette(etichette, &pagina);
    const int mm = static_cast<int>(std::lround(dpi / POLLICE_MM));
    const int margine = 5 * mm;
    const int altezzaTitolo = mTitolo.height() * 3 / 2;
    const int altezzaEtichetta = mEtichette.height() * 3 / 2;
    const int altezzaBasso = mBasso.height() * 3 / 2;
    const int sinistra = margine + LarghezzaMassima(mEtichette, testi.Y, testi.NumeroY) + 2 * mm;
    const int destra = margine + LarghezzaMassima(mEtichette, testi.X, testi.NumeroX) / 2;
    const QRect area(sinistra, margine + altezzaTitolo, larghezza - sinistra - destra,
                     altezza - 2 * margine - altezzaTitolo - altezzaEtichetta - altezzaBasso);
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
    p.end();
    return pagina;
}

} // namespace kelvra
