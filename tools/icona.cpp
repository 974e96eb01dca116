// Draws the program's icon, a rear wheel on its swingarm with the shock absorber, into PNG
// files of the usual icon sizes: icona <folder> writes <folder>/kelvra-<size>.png. The
// pictures in src/shell/icona were made with it; run it again after changing the drawing.
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QString>
#include <cstdio>

namespace {

// On a 64-unit square, scaled to the size.
QImage Icona(int lato) {
    QImage immagine(lato, lato, QImage::Format_ARGB32_Premultiplied);
    immagine.fill(Qt::transparent);
    QPainter p(&immagine);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(lato / 64.0, lato / 64.0);

    p.setPen(Qt::NoPen);
    p.setBrush(QColor(18, 32, 64));
    p.drawRoundedRect(QRectF(1, 1, 62, 62), 12, 12);

    const QPointF perno(14, 40), asse(42, 36), occhio(24, 14);
    const QPointF attacco = perno + (asse - perno) * 0.45;
    // The wheel.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 160, 180), 5));
    p.drawEllipse(asse, 16, 16);
    // The swingarm, the shock absorber, the pivots.
    p.setPen(QPen(QColor(230, 180, 40), 7, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(perno, asse);
    p.setPen(QPen(QColor(220, 40, 40), 6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(attacco, occhio);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(240, 240, 245));
    for (const QPointF& c : {perno, occhio, asse}) p.drawEllipse(c, 3, 3);
    return immagine;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icona <folder>\n");
        return 2;
    }
    for (int lato : {16, 32, 48, 256}) {
        const QString nome =
            QString("%1/kelvra-%2.png").arg(QString::fromLocal8Bit(argv[1])).arg(lato);
        if (!Icona(lato).save(nome)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(nome));
            return 1;
        }
    }
    return 0;
}
