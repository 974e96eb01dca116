#include "graphs/IconePulsantiera.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace kelvra {

namespace {

// Every picture is drawn on a 32 x 32 grid and scaled to the button's size.
constexpr double GRIGLIA = 32.0;

const QColor TRATTO(48, 48, 48);
const QColor ROSSO(200, 40, 40);
const QColor VERDE(40, 150, 60);
const QColor BLU(40, 90, 200);
const QColor GIALLO(235, 190, 60);
const QColor CARTA(250, 250, 245);

QPen Penna(const QColor& colore, double spessore = 2.0) {
    return QPen(colore, spessore, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void Assi(QPainter& p) {
    p.setPen(Penna(TRATTO));
    p.drawLine(QPointF(5, 4), QPointF(5, 27));
    p.drawLine(QPointF(5, 27), QPointF(29, 27));
}

QPainterPath Curva(double y0, double yc, double y1) {
    QPainterPath c(QPointF(6, y0));
    c.quadTo(QPointF(17, yc), QPointF(28, y1));
    return c;
}

void Dati(QPainter& p) {
    p.setPen(Penna(TRATTO));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(23, 22), 7, 7);
    p.drawLine(QPointF(6, 14), QPointF(23, 22));
    p.setBrush(TRATTO);
    p.drawEllipse(QPointF(6, 14), 2.5, 2.5);
    p.setPen(Penna(BLU));
    QPainterPath molla(QPointF(10, 3));
    for (int k = 0; k < 4; ++k) molla.lineTo(QPointF(k % 2 ? 9 : 16, 5.5 + 2.5 * k));
    molla.lineTo(QPointF(14, 17));
    p.setBrush(Qt::NoBrush);
    p.drawPath(molla);
}

void Massimo(QPainter& p) {
    Assi(p);
    p.setPen(Penna(BLU));
    p.drawPath(Curva(25, -4, 22));
    p.setPen(QPen(ROSSO, 1.5, Qt::DashLine));
    p.drawLine(QPointF(5, 10.5), QPointF(29, 10.5));
    p.setPen(Qt::NoPen);
    p.setBrush(ROSSO);
    p.drawPolygon(QPolygonF({QPointF(17, 9), QPointF(13.5, 4), QPointF(20.5, 4)}));
}

void Lettore(QPainter& p) {
    Assi(p);
    p.setPen(Penna(BLU));
    p.drawPath(Curva(25, 20, 6));
    p.setPen(Penna(ROSSO, 1.5));
    p.drawLine(QPointF(20, 3), QPointF(20, 27));
    p.setBrush(ROSSO);
    p.drawEllipse(QPointF(20, 17.2), 2.5, 2.5);
}

void Tabelle(QPainter& p) {
    const QRectF r(4, 6, 24, 20);
    p.setPen(Qt::NoPen);
    p.setBrush(BLU);
    p.drawRect(QRectF(r.left(), r.top(), r.width(), 5));
    p.setBrush(Qt::NoBrush);
    p.setPen(Penna(TRATTO, 1.5));
    p.drawRect(r);
    for (double y : {11.0, 16.0, 21.0}) p.drawLine(QPointF(4, y), QPointF(28, y));
    p.drawLine(QPointF(14, 6), QPointF(14, 26));
}

void Inversa(QPainter& p) {
    p.setPen(Penna(TRATTO));
    p.drawLine(QPointF(5, 11), QPointF(26, 11));
    p.drawPolyline(QPolygonF({QPointF(21, 6), QPointF(26, 11), QPointF(21, 16)}));
    p.drawLine(QPointF(6, 21), QPointF(27, 21));
    p.drawPolyline(QPolygonF({QPointF(11, 16), QPointF(6, 21), QPointF(11, 26)}));
}

void Legenda(QPainter& p) {
    const std::array<QColor, 3> colori{ROSSO, VERDE, BLU};
    for (size_t k = 0; k < colori.size(); ++k) {
        const double y = 8 + 8.0 * static_cast<double>(k);
        p.setPen(Penna(colori[k], 3));
        p.drawLine(QPointF(4, y), QPointF(11, y));
        p.setPen(Penna(TRATTO, 1.5));
        p.drawLine(QPointF(15, y), QPointF(28, y));
    }
}

void Colori(QPainter& p) {
    p.setPen(Penna(TRATTO, 1.5));
    p.setBrush(CARTA);
    QPainterPath tavolozza;
    tavolozza.addEllipse(QRectF(3, 5, 26, 22));
    QPainterPath buco;
    buco.addEllipse(QRectF(18, 17, 6, 6));
    p.drawPath(tavolozza.subtracted(buco));
    const std::array<std::pair<QPointF, QColor>, 4> macchie{
        {{{10, 12}, ROSSO}, {{17, 10}, GIALLO}, {{23, 13}, VERDE}, {{10, 20}, BLU}}};
    p.setPen(Qt::NoPen);
    for (const auto& [centro, colore] : macchie) {
        p.setBrush(colore);
        p.drawEllipse(centro, 3, 3);
    }
}

void Apri(QPainter& p) {
    p.setPen(Penna(TRATTO, 1.5));
    p.setBrush(GIALLO.darker(115));
    p.drawPolygon(QPolygonF({QPointF(3, 8), QPointF(12, 8), QPointF(14, 11), QPointF(27, 11),
                             QPointF(27, 26), QPointF(3, 26)}));
    p.setBrush(GIALLO);
    p.drawPolygon(QPolygonF({QPointF(7, 15), QPointF(30, 15), QPointF(27, 26), QPointF(3, 26)}));
}

void Compara(QPainter& p) {
    Assi(p);
    p.setPen(Penna(ROSSO));
    p.drawPath(Curva(24, 18, 7));
    p.setPen(Penna(BLU));
    p.drawPath(Curva(20, 2, 14));
}

void Salva(QPainter& p) {
    p.setPen(Penna(TRATTO, 1.5));
    p.setBrush(BLU);
    p.drawPolygon(QPolygonF(
        {QPointF(4, 4), QPointF(24, 4), QPointF(28, 8), QPointF(28, 28), QPointF(4, 28)}));
    p.setBrush(CARTA);
    p.drawRect(QRectF(8, 4, 14, 8));
    p.drawRect(QRectF(8, 17, 16, 11));
    p.setBrush(TRATTO);
    p.drawRect(QRectF(17, 5.5, 3, 5));
}

void Stampa(QPainter& p) {
    p.setPen(Penna(TRATTO, 1.5));
    p.setBrush(CARTA);
    p.drawRect(QRectF(9, 3, 14, 9));
    p.setBrush(QColor(170, 170, 170));
    p.drawRoundedRect(QRectF(3, 11, 26, 12), 2, 2);
    p.setBrush(CARTA);
    p.drawRect(QRectF(9, 19, 14, 10));
    p.setPen(Penna(TRATTO, 1));
    for (double y : {22.5, 25.5}) p.drawLine(QPointF(11, y), QPointF(21, y));
    p.setPen(Qt::NoPen);
    p.setBrush(VERDE);
    p.drawEllipse(QPointF(25, 15), 1.5, 1.5);
}

void Esci(QPainter& p) {
    p.setPen(Penna(TRATTO, 1.5));
    p.setBrush(QColor(150, 110, 70));
    p.drawRect(QRectF(4, 3, 13, 26));
    p.setBrush(TRATTO);
    p.drawEllipse(QPointF(14, 16), 1.2, 1.2);
    p.setPen(Penna(ROSSO, 2.5));
    p.drawLine(QPointF(19, 16), QPointF(29, 16));
    p.drawPolyline(QPolygonF({QPointF(25, 12), QPointF(29, 16), QPointF(25, 20)}));
}

using Disegno = void (*)(QPainter&);
constexpr std::array<Disegno, 12> DISEGNI{Dati,   Massimo, Lettore, Tabelle, Inversa, Legenda,
                                          Colori, Apri,    Compara, Salva,   Stampa,  Esci};

} // namespace

QIcon IconaPulsantiera(int indice, int lato) {
    if (indice < 0 || indice >= static_cast<int>(DISEGNI.size()) || lato <= 0) return {};
    QPixmap immagine(lato, lato);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lato / GRIGLIA, lato / GRIGLIA);
    DISEGNI[static_cast<size_t>(indice)](p);
    p.end();
    return QIcon(immagine);
}

} // namespace kelvra
