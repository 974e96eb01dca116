#include "shell/IconeFrmMenu.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <array>

namespace kelvra {

namespace {

enum class Figura {
    Pagina,
    Cartella,
    Dischetto,
    Confronto,
    Triangolo,
    Grafico,
    Tabella,
    Domanda,
    Porta
};

// The colours of the five groups of four: file, schema, shock absorber, spring, bump stop.
const std::array<QColor, 5> COLORI_GRUPPI{QColor(230, 190, 0), QColor(0, 150, 0), QColor(210, 0, 0),
                                          QColor(0, 60, 220), QColor(0, 0, 0)};

void Pagina(QPainter& p, const QColor& c) {
    const QPolygonF foglio{{4, 1}, {13, 1}, {17, 5}, {17, 19}, {4, 19}};
    p.setPen(QPen(c, 1.2));
    p.setBrush(Qt::white);
    p.drawPolygon(foglio);
    p.drawPolyline(QPolygonF{{13, 1}, {13, 5}, {17, 5}});
}

void Cartella(QPainter& p, const QColor& c) {
    p.setPen(QPen(c.darker(150), 1));
    p.setBrush(c.lighter(130));
    p.drawPolygon(QPolygonF{{1, 5}, {7, 5}, {9, 7}, {17, 7}, {17, 18}, {1, 18}});
    p.setBrush(c);
    p.drawPolygon(QPolygonF{{4, 10}, {20, 10}, {17, 18}, {1, 18}});
}

void Dischetto(QPainter& p, const QColor& c) {
    p.setPen(QPen(c.darker(150), 1));
    p.setBrush(c);
    p.drawPolygon(QPolygonF{{2, 2}, {17, 2}, {19, 4}, {19, 19}, {2, 19}});
    p.setBrush(QColor(220, 220, 220));
    p.drawRect(QRectF(6, 2, 9, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(5, 11, 11, 8));
}

void Assi(QPainter& p, const QColor& c) {
    p.setPen(QPen(c, 1.5));
    p.drawLine(QPointF(2, 1), QPointF(2, 19));
    p.drawLine(QPointF(2, 19), QPointF(20, 19));
}

void Confronto(QPainter& p, const QColor& c) {
    p.setBrush(Qt::NoBrush);
    Assi(p, c);
    QPainterPath rossa({3, 17});
    rossa.cubicTo({8, 16}, {12, 8}, {19, 3});
    QPainterPath blu({3, 17});
    blu.cubicTo({10, 17}, {15, 13}, {19, 9});
    p.setPen(QPen(Qt::red, 1.5));
    p.drawPath(rossa);
    p.setPen(QPen(Qt::blue, 1.5));
    p.drawPath(blu);
}

void Triangolo(QPainter& p) {
    p.setPen(QPen(QColor(120, 60, 0), 1.2));
    p.setBrush(QColor(240, 150, 40));
    p.drawPolygon(QPolygonF{{2, 18}, {19, 18}, {19, 3}});
}

void Grafico(QPainter& p) {
    p.setBrush(Qt::NoBrush);
    Assi(p, Qt::black);
    p.setPen(QPen(QColor(0, 120, 0), 1.5));
    p.drawPolyline(QPolygonF{{3, 15}, {7, 10}, {11, 12}, {15, 6}, {19, 4}});
}

void Tabella(QPainter& p) {
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(1.5, 2.5, 18, 16));
    p.fillRect(QRectF(2, 3, 17, 4), QColor(180, 200, 230));
    for (double y : {7.0, 11.0, 15.0}) p.drawLine(QPointF(1.5, y), QPointF(19.5, y));
    for (double x : {7.5, 13.5}) p.drawLine(QPointF(x, 2.5), QPointF(x, 18.5));
}

void Domanda(QPainter& p) {
    QFont f("Sans", 1);
    f.setPixelSize(19);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::red);
    p.drawText(QRectF(0, 0, LATO_ICONA, LATO_ICONA), Qt::AlignCenter, QStringLiteral("?"));
}

void Porta(QPainter& p) {
    p.setPen(QPen(QColor(80, 50, 20), 1));
    p.setBrush(QColor(150, 100, 50));
    p.drawRect(QRectF(2.5, 1.5, 10, 18));
    p.setBrush(Qt::yellow);
    p.drawEllipse(QPointF(10, 11), 1, 1);
    p.setPen(QPen(QColor(0, 130, 0), 2));
    p.drawLine(QPointF(12, 10), QPointF(19, 10));
    p.drawPolyline(QPolygonF{{16, 7}, {19, 10}, {16, 13}});
}

Figura FiguraPulsante(int indice) {
    constexpr std::array<Figura, 4> GRUPPO{Figura::Pagina, Figura::Cartella, Figura::Dischetto,
                                           Figura::Confronto};
    constexpr std::array<Figura, 5> ULTIMI{Figura::Triangolo, Figura::Grafico, Figura::Tabella,
                                           Figura::Domanda, Figura::Porta};
    if (indice < 20) return GRUPPO[static_cast<size_t>(indice % 4)];
    return ULTIMI[static_cast<size_t>(indice - 20)];
}

} // namespace

QImage IconaPulsante(int indice) {
    if (indice < 0 || indice > 24) return {};
    QImage icona(LATO_ICONA, LATO_ICONA, QImage::Format_ARGB32_Premultiplied);
    icona.fill(Qt::transparent);
    QPainter p(&icona);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor colore = indice < 20 ? COLORI_GRUPPI[static_cast<size_t>(indice / 4)] : Qt::black;
    switch (FiguraPulsante(indice)) {
    case Figura::Pagina:
        Pagina(p, colore);
        break;
    case Figura::Cartella:
        Cartella(p, colore);
        break;
    case Figura::Dischetto:
        Dischetto(p, colore);
        break;
    case Figura::Confronto:
        Confronto(p, colore);
        break;
    case Figura::Triangolo:
        Triangolo(p);
        break;
    case Figura::Grafico:
        Grafico(p);
        break;
    case Figura::Tabella:
        Tabella(p);
        break;
    case Figura::Domanda:
        Domanda(p);
        break;
    case Figura::Porta:
        Porta(p);
        break;
    }
    return icona;
}

QImage IconaGrigia(const QImage& icona) {
    QImage grigia = icona.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grigia.height(); ++y) {
        auto* riga = reinterpret_cast<QRgb*>(grigia.scanLine(y));
        for (int x = 0; x < grigia.width(); ++x) {
            const int g = 110 + qGray(riga[x]) * 120 / 255;
            riga[x] = qRgba(g, g, g, qAlpha(riga[x]) * 3 / 4);
        }
    }
    return grigia;
}

QImage TesseraSfondo() {
    QImage tessera(89, 74, QImage::Format_RGB32);
    tessera.fill(QColor(200, 200, 200));
    // A faint weave: lighter and darker dots on a small grid, so the tiles join unseen.
    for (int y = 0; y < tessera.height(); y += 2) {
        for (int x = (y / 2) % 2; x < tessera.width(); x += 2)
            tessera.setPixelColor(x, y,
                                  (x + y) % 4 == 0 ? QColor(208, 208, 208) : QColor(192, 192, 192));
    }
    QPainter p(&tessera);
    p.setPen(QColor(192, 192, 192));
    p.drawLine(0, 73, 88, 73);
    p.drawLine(88, 0, 88, 73);
    return tessera;
}

} // namespace kelvra
