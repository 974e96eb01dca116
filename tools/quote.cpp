// Draws the picture of the shock absorber's dimensions for the user's guide (not run by the
// build; its output is kept in doc/images/shock_dimensions.png):
//
//   quote <picture.png>
//
// The shock absorber lies on its side, fully extended: the body's eye on the left, the
// shaft's eye on the right, the spring between its two seats. The dimension lines are those
// of the shock-absorber window: L eye to eye, A and B from each eye to its spring seat, SA
// between the seats and RA the stroke the shaft can travel into the body.
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>

namespace {

constexpr int LARGHEZZA = 900, ALTEZZA = 430;
constexpr double ASSE = 175;                        // the shock's centre line
constexpr double OCCHIO1 = 90, OCCHIO2 = 810;       // eye centres
constexpr double SEDE1 = 250, SEDE2 = 650;          // spring seats
constexpr double CORPO_FINE = 520, ASTA_FINE = 760; // end of the body, end of the shaft

void Freccia(QPainter& p, QPointF da, QPointF a) {
    p.drawLine(da, a);
    const QPointF d = (a - da) / std::hypot(a.x() - da.x(), a.y() - da.y());
    const QPointF n(-d.y(), d.x());
    QPainterPath punta;
    punta.moveTo(a);
    punta.lineTo(a - d * 11 + n * 4.5);
    punta.lineTo(a - d * 11 - n * 4.5);
    punta.closeSubpath();
    p.fillPath(punta, p.pen().color());
}

// A dimension line between x1 and x2 at height y, with its extension lines down from the
// shock absorber and its name in the middle.
void Quota(QPainter& p, double x1, double x2, double y, double da, const QString& nome) {
    p.setPen(QPen(QColor(90, 90, 90), 1, Qt::DashLine));
    p.drawLine(QPointF(x1, da), QPointF(x1, y + (y > da ? 8 : -8)));
    p.drawLine(QPointF(x2, da), QPointF(x2, y + (y > da ? 8 : -8)));
    p.setPen(QPen(QColor(20, 60, 160), 2));
    const QPointF m((x1 + x2) / 2, y);
    Freccia(p, m, QPointF(x1, y));
    Freccia(p, m, QPointF(x2, y));
    QFont f("Sans Serif", 15, QFont::Bold);
    p.setFont(f);
    const QRectF r(m.x() - 40, y - 26, 80, 22);
    p.fillRect(r.adjusted(10, 0, -10, 0), Qt::white);
    p.drawText(r, Qt::AlignCenter, nome);
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quote <picture.png>\n");
        return 1;
    }
    QImage figura(LARGHEZZA, ALTEZZA, QImage::Format_RGB32);
    figura.fill(Qt::white);
    QPainter p(&figura);
    p.setRenderHint(QPainter::Antialiasing);

    // Body and shaft.
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(QRectF(OCCHIO1 + 22, ASSE - 38, CORPO_FINE - OCCHIO1 - 22, 76));
    p.setBrush(QColor(235, 235, 235));
    p.drawRect(QRectF(CORPO_FINE, ASSE - 9, ASTA_FINE - CORPO_FINE, 18));
    // Eyes.
    p.setBrush(QColor(170, 170, 170));
    for (double x : {OCCHIO1, OCCHIO2}) p.drawEllipse(QPointF(x, ASSE), 24, 24);
    p.drawRect(QRectF(ASTA_FINE, ASSE - 14, OCCHIO2 - 24 - ASTA_FINE, 28));
    p.setBrush(Qt::white);
    for (double x : {OCCHIO1, OCCHIO2}) p.drawEllipse(QPointF(x, ASSE), 9, 9);
    // Spring seats and the spring between them.
    p.setBrush(QColor(120, 120, 120));
    p.drawRect(QRectF(SEDE1 - 8, ASSE - 62, 8, 124));
    p.drawRect(QRectF(SEDE2, ASSE - 62, 8, 124));
    p.setPen(QPen(QColor(200, 30, 30), 5));
    const int spire = 9;
    const double passo = (SEDE2 - SEDE1) / spire;
    for (int i = 0; i < spire; ++i) {
        const double x = SEDE1 + i * passo;
        p.drawLine(QPointF(x, ASSE + 52), QPointF(x + passo / 2, ASSE - 52));
        p.drawLine(QPointF(x + passo / 2, ASSE - 52), QPointF(x + passo, ASSE + 52));
    }
    // Gas reservoir mark and the stroke: the part of the shaft that can enter the body.
    p.setPen(QPen(Qt::black, 1));
    QFont piccolo("Sans Serif", 11);
    p.setFont(piccolo);
    p.drawText(QRectF(OCCHIO1 + 30, ASSE - 12, 100, 24), Qt::AlignCenter, "body");
    p.drawText(QRectF(SEDE2 + 10, ASSE + 14, 110, 22), Qt::AlignCenter, "shaft");
    p.drawText(QRectF(SEDE1 + 60, ASSE - 88, 280, 22), Qt::AlignCenter, "spring");

    Quota(p, OCCHIO1, OCCHIO2, 40, ASSE - 28, "L");
    Quota(p, OCCHIO1, SEDE1, 285, ASSE + 62, "A");
    Quota(p, SEDE1, SEDE2, 285, ASSE + 62, "SA");
    Quota(p, SEDE2, OCCHIO2, 285, ASSE + 62, "B");
    Quota(p, CORPO_FINE, CORPO_FINE + (ASTA_FINE - CORPO_FINE) * 0.7, 360, ASSE + 10, "RA");

    p.setPen(Qt::black);
    p.setFont(piccolo);
    p.drawText(QRectF(0, ALTEZZA - 34, LARGHEZZA, 26), Qt::AlignCenter,
               "Fully extended. L = A + SA + B; at full compression the eyes are L - RA apart.");
    p.end();
    if (!figura.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "quote: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
