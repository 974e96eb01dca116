#include "graphs/Sovrapposizione.h"

#include "platform/PictureBox.h"

#include <QEvent>
#include <QPainter>

namespace kelvra {

SovrapposizioneGrafico::SovrapposizioneGrafico(PictureBox* grafico)
    : QWidget(grafico), grafico_(grafico) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    grafico->installEventFilter(this);
    setGeometry(
        grafico->rect().adjusted(BORDO_PICTURE, BORDO_PICTURE, -BORDO_PICTURE, -BORDO_PICTURE));
}

void SovrapposizioneGrafico::Scarica(int da, int a) {
    for (auto it = LineInfo.lower_bound(da); it != LineInfo.end() && it->first <= a;)
        it = LineInfo.erase(it);
    Aggiorna();
}

void SovrapposizioneGrafico::NascondiTutto() {
    LineInfo.clear();
    bandaVisibile = false;
    Aggiorna();
}

namespace {
// Room round a line's pixels for its pen and rounding.
constexpr int MARGINE = 2;
} // namespace

QRegion SovrapposizioneGrafico::Occupata() const {
    QRegion r;
    for (const auto& [indice, l] : LineInfo) {
        if (!l.visibile) continue;
        const QPointF a = grafico_->PixelDa(l.x1, l.y1), b = grafico_->PixelDa(l.x2, l.y2);
        r += QRectF(a, b).normalized().toAlignedRect().adjusted(-MARGINE, -MARGINE, MARGINE,
                                                                MARGINE);
    }
    if (bandaVisibile) {
        // The band's four edges, not its inside.
        const QRect b =
            QRectF(grafico_->PixelDa(bandaSinistra, bandaSopra),
                   grafico_->PixelDa(bandaSinistra + bandaLarghezza, bandaSopra + bandaAltezza))
                .normalized()
                .toAlignedRect();
        for (const QRect& lato :
             {QRect(b.left(), b.top(), b.width(), 1), QRect(b.left(), b.bottom(), b.width(), 1),
              QRect(b.left(), b.top(), 1, b.height()), QRect(b.right(), b.top(), 1, b.height())})
            r += lato.adjusted(-MARGINE, -MARGINE, MARGINE, MARGINE);
    }
    return r;
}

void SovrapposizioneGrafico::Aggiorna() {
    const QRegion ora = Occupata();
    update(dipinta_ | ora);
    dipinta_ = ora;
}

bool SovrapposizioneGrafico::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == grafico_ && evento->type() == QEvent::Resize)
        setGeometry(grafico_->rect().adjusted(BORDO_PICTURE, BORDO_PICTURE, -BORDO_PICTURE,
                                              -BORDO_PICTURE));
    return QWidget::eventFilter(oggetto, evento);
}

void SovrapposizioneGrafico::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (const auto& [indice, l] : LineInfo) {
        if (!l.visibile) continue;
        QPen penna(ColoreQt(l.colore));
        penna.setStyle(l.punteggiata ? Qt::DotLine : Qt::SolidLine);
        p.setPen(penna);
        p.drawLine(grafico_->PixelDa(l.x1, l.y1), grafico_->PixelDa(l.x2, l.y2));
    }
    if (bandaVisibile) {
        p.setPen(QPen(ColoreQt(coloreBanda)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(
            QRectF(grafico_->PixelDa(bandaSinistra, bandaSopra),
                   grafico_->PixelDa(bandaSinistra + bandaLarghezza, bandaSopra + bandaAltezza)));
    }
}

} // namespace kelvra
