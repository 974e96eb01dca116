#include "platform/SuperficieQt.h"

#include "platform/Testo.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace kelvra {

namespace {

constexpr double MM_PER_POLLICE = 25.4;
constexpr double PUNTI_PER_POLLICE = 72.0;
// Coordinates farther than this many pixels outside the image are clipped away before
// they reach the rasteriser, which is not meant for astronomically large values.
constexpr double MARGINE_TAGLIO = 4096.0;

// Liang-Barsky clipping of the segment a-b to the rectangle [x0, x1] x [y0, y1]; false
// when nothing of it lies inside.
bool TagliaSegmento(QPointF& a, QPointF& b, double x0, double y0, double x1, double y1) {
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - x0, x1 - a.x(), a.y() - y0, y1 - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0.0) {
            if (q[i] < 0.0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0.0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    const QPointF inizio = a;
    a = QPointF(inizio.x() + t0 * dx, inizio.y() + t0 * dy);
    b = QPointF(inizio.x() + t1 * dx, inizio.y() + t1 * dy);
    return true;
}

bool Finito(double v) {
    return std::isfinite(v);
}

} // namespace

QColor ColoreQt(long colore) {
    return QColor(static_cast<int>(colore & 0xFF), static_cast<int>((colore >> 8) & 0xFF),
                  static_cast<int>((colore >> 16) & 0xFF));
}

long NumeroColore(const QColor& colore) {
    return RGB(colore.red(), colore.green(), colore.blue());
}

SuperficieQt::SuperficieQt(int larghezza, int altezza, double dpi, int bordo)
    : dpi_(dpi > 0 ? dpi : 96.0), bordo_(std::max(0, bordo)) {
    immagine_ = QImage(std::max(0, larghezza), std::max(0, altezza), QImage::Format_RGB32);
    immagine_.fill(ColoreQt(sfondo_));
    ImpostaCarattere("", 8.0, false); // the toolkit's default face, 8 points
    AggiornaScalaMillimetri();
}

void SuperficieQt::AggiornaScalaMillimetri() {
    sinistraScala_ = 0.0;
    sopraScala_ = 0.0;
    larghezzaScala_ = immagine_.width() * MM_PER_POLLICE / dpi_;
    altezzaScala_ = immagine_.height() * MM_PER_POLLICE / dpi_;
}

double SuperficieQt::LarghezzaScala() const {
    AllineaDimensioni();
    return larghezzaScala_;
}

double SuperficieQt::AltezzaScala() const {
    AllineaDimensioni();
    return altezzaScala_;
}

const QImage& SuperficieQt::Immagine() const {
    AllineaDimensioni();
    return immagine_;
}

void SuperficieQt::ScalaMillimetri() {
    AllineaDimensioni();
    scalaMillimetri_ = true;
    AggiornaScalaMillimetri();
}

void SuperficieQt::ImpostaScala(double sinistra, double sopra, double larghezza, double altezza) {
    if (!Finito(sinistra) || !Finito(sopra) || !Finito(larghezza) || !Finito(altezza) ||
        larghezza == 0.0 || altezza == 0.0)
        return;
    scalaMillimetri_ = false;
    sinistraScala_ = sinistra;
    sopraScala_ = sopra;
    larghezzaScala_ = larghezza;
    altezzaScala_ = altezza;
}

double SuperficieQt::LarghezzaEsterna() const {
    AllineaDimensioni();
    return (immagine_.width() + 2 * bordo_) * MM_PER_POLLICE / dpi_;
}

double SuperficieQt::AltezzaEsterna() const {
    AllineaDimensioni();
    return (immagine_.height() + 2 * bordo_) * MM_PER_POLLICE / dpi_;
}

QPointF SuperficieQt::PixelDa(double x, double y) const {
    AllineaDimensioni();
    double fx = dpi_ / MM_PER_POLLICE, fy = fx;
    if (!scalaMillimetri_) {
        fx = immagine_.width() / larghezzaScala_;
        fy = immagine_.height() / altezzaScala_;
    }
    return {(x - sinistraScala_) * fx, (y - sopraScala_) * fy};
}

double SuperficieQt::XDaPixel(double px) const {
    AllineaDimensioni();
    if (scalaMillimetri_) return px * MM_PER_POLLICE / dpi_;
    if (immagine_.width() == 0) return sinistraScala_;
    return sinistraScala_ + px * larghezzaScala_ / immagine_.width();
}

double SuperficieQt::YDaPixel(double py) const {
    AllineaDimensioni();
    if (scalaMillimetri_) return py * MM_PER_POLLICE / dpi_;
    if (immagine_.height() == 0) return sopraScala_;
    return sopraScala_ + py * altezzaScala_ / immagine_.height();
}

void SuperficieQt::Ridimensiona(int larghezza, int altezza) {
    larghezza = std::max(0, larghezza);
    altezza = std::max(0, altezza);
    if (larghezza == immagine_.width() && altezza == immagine_.height()) return;
    QImage nuova(larghezza, altezza, QImage::Format_RGB32);
    nuova.fill(ColoreQt(sfondo_));
    if (!nuova.isNull() && !immagine_.isNull()) {
        QPainter p(&nuova);
        p.drawImage(0, 0, immagine_);
    }
    immagine_ = std::move(nuova);
    if (scalaMillimetri_) AggiornaScalaMillimetri();
    ImmagineCambiata();
}

void SuperficieQt::ImpostaDpi(double dpi) {
    if (!(dpi > 0) || dpi == dpi_) return;
    const double punti = carattere_.pixelSize() * PUNTI_PER_POLLICE / dpi_;
    dpi_ = dpi;
    carattere_.setPixelSize(std::max(1, static_cast<int>(std::lround(punti * dpi_ / 72.0))));
    if (scalaMillimetri_) AggiornaScalaMillimetri();
}

void SuperficieQt::Cancella() {
    AllineaDimensioni();
    immagine_.fill(ColoreQt(sfondo_));
    posX_ = sinistraScala_;
    posY_ = sopraScala_;
    ImmagineCambiata();
}

void SuperficieQt::ImpostaSpessore(int pixel) {
    spessore_ = std::max(1, pixel);
}

void SuperficieQt::ImpostaColoreSfondo(long colore) {
    sfondo_ = colore & 0xFFFFFF;
    Cancella();
}

QPen SuperficieQt::Penna(long colore) const {
    QPen penna(ColoreQt(Colore(colore)));
    if (spessore_ <= 1) {
        penna.setWidth(1);
        penna.setStyle(stile_ == StileLinea::Punteggiata ? Qt::DotLine : Qt::SolidLine);
        penna.setCapStyle(Qt::SquareCap);
    } else {
        penna.setWidth(spessore_);
        penna.setCapStyle(Qt::RoundCap);
        // Joins matter only to runs of joined lines, which must cover what the lines' round
        // ends would. Between pixel centres, the join of a pen up to 2 pixels wide reaches no
        // pixel centre but on its very edge, whatever its shape; a bevel costs far less.
        penna.setJoinStyle(spessore_ <= 2 ? Qt::BevelJoin : Qt::RoundJoin);
    }
    return penna;
}

bool SuperficieQt::SegmentoInPixel(double x1, double y1, double x2, double y2, QPointF& a,
                                   QPointF& b) const {
    if (!Finito(x1) || !Finito(y1) || !Finito(x2) || !Finito(y2)) return false;
    a = PixelDa(x1, y1);
    b = PixelDa(x2, y2);
    const double m = MARGINE_TAGLIO;
    if (!TagliaSegmento(a, b, -m, -m, immagine_.width() + m, immagine_.height() + m)) return false;
    // Pixel centres, so that a line between two points covers the pixels the points name.
    a = QPointF(std::floor(a.x()) + 0.5, std::floor(a.y()) + 0.5);
    b = QPointF(std::floor(b.x()) + 0.5, std::floor(b.y()) + 0.5);
    return true;
}

bool SuperficieQt::PuntiniDiritti(QPointF a, QPointF b, long colore) {
    if (spessore_ > 1 || stile_ != StileLinea::Punteggiata || a == b) return false;
    if (a.x() != b.x() && a.y() != b.y()) return false;
    const QRectF dentro(0, 0, immagine_.width(), immagine_.height());
    if (!dentro.contains(a) || !dentro.contains(b)) return false;
    // The painter dots a thin line one pixel in three from its first pixel up to its last,
    // both included, whichever way it runs; it steps through a dotted line a pixel at a time,
    // where a line across or down the image can have its dots set directly.
    const int xa = static_cast<int>(a.x()), ya = static_cast<int>(a.y());
    const int xb = static_cast<int>(b.x()), yb = static_cast<int>(b.y());
    const int passoX = (xb > xa) - (xb < xa), passoY = (yb > ya) - (yb < ya);
    const int lunghezza = std::abs(xb - xa) + std::abs(yb - ya);
    const QRgb pixel = ColoreQt(Colore(colore)).rgb();
    uchar* bit = immagine_.bits();
    const qsizetype riga = immagine_.bytesPerLine();
    for (int i = 0; i <= lunghezza; i += 3) {
        auto* r = reinterpret_cast<QRgb*>(bit + (ya + i * passoY) * riga);
        r[xa + i * passoX] = pixel;
    }
    return true;
}

void SuperficieQt::Linea(double x1, double y1, double x2, double y2, long colore) {
    AllineaDimensioni();
    QPointF a, b;
    if (immagine_.isNull() || !SegmentoInPixel(x1, y1, x2, y2, a, b)) return;
    if (PuntiniDiritti(a, b, colore)) {
        ImmagineCambiata();
        return;
    }
    QPainter p(&immagine_);
    p.setPen(Penna(colore));
    if (a == b)
        p.drawPoint(a);
    else
        p.drawLine(a, b);
    p.end();
    ImmagineCambiata();
}

void SuperficieQt::Polilinea(std::span<const PuntoScala> punti, long colore) {
    AllineaDimensioni();
    if (immagine_.isNull() || punti.size() < 2) return;
    QPainter p(&immagine_);
    p.setPen(Penna(colore));
    if (spessore_ <= 1)
        LineeSottili(p, punti);
    else
        TrattiLarghi(p, punti);
    p.end();
    ImmagineCambiata();
}

void SuperficieQt::LineeSottili(QPainter& p, std::span<const PuntoScala> punti) const {
    // A thin pen's lines are cheap; each goes out on its own, so that a dotted pen starts its
    // pattern afresh on every line and every line ends on the pixel Linea ends it on.
    for (size_t i = 1; i < punti.size(); ++i) {
        QPointF a, b;
        if (!SegmentoInPixel(punti[i - 1].x, punti[i - 1].y, punti[i].x, punti[i].y, a, b))
            continue;
        if (a == b)
            p.drawPoint(a);
        else
            p.drawLine(a, b);
    }
}

void SuperficieQt::TrattiLarghi(QPainter& p, std::span<const PuntoScala> punti) const {
    // The lines go out in runs that share their ends: a line that is clipped, left out or
    // does not start where the last one ended begins a new run. A run that is one pixel
    // long is a dot, as Linea draws it. A run also breaks where the lines turn back by more
    // than a right angle: the pen's outline folds over itself there and would leave holes
    // that lines drawn one at a time, each with its round ends, do not.
    QPolygonF tratto;
    tratto.reserve(static_cast<qsizetype>(punti.size()));
    auto chiudi = [&] {
        if (tratto.size() == 1)
            p.drawPoint(tratto.front());
        else if (tratto.size() > 1)
            p.drawPolyline(tratto);
        tratto.clear();
    };
    for (size_t i = 1; i < punti.size(); ++i) {
        QPointF a, b;
        if (!SegmentoInPixel(punti[i - 1].x, punti[i - 1].y, punti[i].x, punti[i].y, a, b)) {
            chiudi();
            continue;
        }
        if (tratto.isEmpty() || tratto.back() != a) {
            chiudi();
            tratto.append(a);
        }
        if (b == a) continue;
        if (tratto.size() > 1 && QPointF::dotProduct(a - tratto[tratto.size() - 2], b - a) < 0) {
            chiudi();
            tratto.append(a);
        }
        tratto.append(b);
    }
    chiudi();
}

void SuperficieQt::Punto(double x, double y, long colore) {
    AllineaDimensioni();
    if (immagine_.isNull() || !Finito(x) || !Finito(y)) return;
    const QPointF c = PixelDa(x, y);
    const double m = spessore_ + 2.0;
    if (c.x() < -m || c.y() < -m || c.x() > immagine_.width() + m || c.y() > immagine_.height() + m)
        return;
    const int px = static_cast<int>(std::floor(c.x()));
    const int py = static_cast<int>(std::floor(c.y()));
    const QColor q = ColoreQt(Colore(colore));
    if (spessore_ <= 1) {
        if (immagine_.valid(px, py)) immagine_.setPixelColor(px, py, q);
    } else {
        QPainter p(&immagine_);
        p.setPen(Qt::NoPen);
        p.setBrush(q);
        const double r = spessore_ / 2.0;
        p.drawEllipse(QPointF(px + 0.5, py + 0.5), r, r);
    }
    ImmagineCambiata();
}

void SuperficieQt::Cerchio(double x, double y, double r, long colore) {
    AllineaDimensioni();
    if (immagine_.isNull() || !Finito(x) || !Finito(y) || !Finito(r)) return;
    const QPointF c = PixelDa(x, y);
    const double rp = std::fabs(PixelDa(sinistraScala_ + r, sopraScala_).x());
    // A circle wider than any picture, or centred far away, has nothing to show.
    const double limite = 1e5;
    if (rp > limite || std::fabs(c.x()) > limite || std::fabs(c.y()) > limite) return;
    QPainter p(&immagine_);
    QPen penna(ColoreQt(Colore(colore)));
    penna.setWidth(std::max(1, spessore_));
    if (spessore_ <= 1 && stile_ == StileLinea::Punteggiata) penna.setStyle(Qt::DotLine);
    p.setPen(penna);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(std::floor(c.x()) + 0.5, std::floor(c.y()) + 0.5), rp, rp);
    p.end();
    ImmagineCambiata();
}

void SuperficieQt::ImpostaPosizione(double x, double y) {
    if (!Finito(x) || !Finito(y)) return;
    posX_ = x;
    posY_ = y;
}

void SuperficieQt::Scrivi(const std::string& testo) {
    AllineaDimensioni();
    const QString t = DaAnsi(testo);
    QFontMetricsF metriche(carattere_);
    if (!immagine_.isNull() && !t.isEmpty()) {
        const QPointF a = PixelDa(posX_, posY_);
        const double m = MARGINE_TAGLIO;
        if (a.x() > -m && a.y() > -m && a.x() < immagine_.width() + m &&
            a.y() < immagine_.height() + m) {
            QPainter p(&immagine_);
            p.setFont(carattere_);
            p.setPen(ColoreQt(primoPiano_));
            p.drawText(QPointF(a.x(), a.y() + metriche.ascent()), t);
            p.end();
            ImmagineCambiata();
        }
    }
    posX_ = sinistraScala_;
    posY_ += AltezzaTesto(testo);
}

double SuperficieQt::LarghezzaTesto(const std::string& testo) const {
    QFontMetricsF metriche(carattere_);
    const double px = metriche.horizontalAdvance(DaAnsi(testo));
    return XDaPixel(px) - XDaPixel(0);
}

double SuperficieQt::AltezzaTesto(const std::string&) const {
    QFontMetricsF metriche(carattere_);
    return YDaPixel(metriche.height()) - YDaPixel(0);
}

void SuperficieQt::ImpostaCarattere(const std::string& nome, double punti, bool grassetto) {
    if (!nome.empty()) carattere_.setFamily(DaAnsi(nome));
    if (Finito(punti) && punti > 0)
        carattere_.setPixelSize(
            std::max(1, static_cast<int>(std::lround(punti * dpi_ / PUNTI_PER_POLLICE))));
    carattere_.setBold(grassetto);
}

} // namespace kelvra
