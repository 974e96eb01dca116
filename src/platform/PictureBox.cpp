#include "platform/PictureBox.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QResizeEvent>
#include <algorithm>

namespace kelvra {

int PulsanteMouse(Qt::MouseButton pulsante) {
    switch (pulsante) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

int PulsantiMouse(Qt::MouseButtons pulsanti) {
    int n = 0;
    if (pulsanti & Qt::LeftButton) n |= 1;
    if (pulsanti & Qt::RightButton) n |= 2;
    if (pulsanti & Qt::MiddleButton) n |= 4;
    return n;
}

int StatoMaiuscole(Qt::KeyboardModifiers modificatori) {
    int n = 0;
    if (modificatori & Qt::ShiftModifier) n |= 1;
    if (modificatori & Qt::ControlModifier) n |= 2;
    if (modificatori & Qt::AltModifier) n |= 4;
    return n;
}

PictureBox::PictureBox(QWidget* genitore)
    : QWidget(genitore), SuperficieQt(0, 0, 96.0, BORDO_PICTURE) {
    ImpostaDpi(logicalDpiX());
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    AllineaDimensioni();
}

QSize PictureBox::sizeHint() const {
    return {200, 150};
}

void PictureBox::resizeEvent(QResizeEvent* evento) {
    ImpostaDpi(logicalDpiX());
    AllineaDimensioni();
    QWidget::resizeEvent(evento);
}

void PictureBox::paintEvent(QPaintEvent* evento) {
    QPainter p(this);
    const QImage& immagine = Immagine();
    const QRect interno(QPoint(BORDO_PICTURE, BORDO_PICTURE), immagine.size());
    // The opaque image covers its own area: only what lies outside it (the border, and any
    // strip the image does not reach yet) is filled. A tool's frame over the plot repaints
    // inside the image alone and fills nothing.
    const QRegion fuori = evento->region() - interno;
    if (!fuori.isEmpty()) {
        const QRect esterno = rect();
        // A sunken border: dark on the top and left, light on the bottom and right.
        for (const QRect& r : fuori) p.fillRect(r, palette().color(QPalette::Light));
        p.setPen(palette().color(QPalette::Dark));
        for (int i = 0; i < BORDO_PICTURE; ++i) {
            p.drawLine(i, i, esterno.width() - 1 - i, i);
            p.drawLine(i, i, i, esterno.height() - 1 - i);
        }
    }
    // Only the parts of the image that need painting are copied, piece by piece: a tool's
    // frame asks for a few thin strips, whose bounding box may span the whole plot.
    for (const QRect& r : evento->region()) {
        const QRect parte = r & interno;
        if (parte.isEmpty()) continue;
        // Each piece clipped to itself: a plain copy, where the whole region as the clip
        // would send every piece down the painter's slow path.
        p.setClipRect(parte);
        p.drawImage(parte.topLeft(), immagine, parte.translated(-interno.topLeft()));
    }
}

void PictureBox::ImmagineCambiata() {
    update();
}

void PictureBox::AllineaDimensioni() const {
    // A hidden widget gets its resize event only when shown; its size is current already.
    const int larghezza = std::max(0, width() - 2 * BORDO_PICTURE);
    const int altezza = std::max(0, height() - 2 * BORDO_PICTURE);
    if (allineando_ || (larghezza == LarghezzaImmagine() && altezza == AltezzaImmagine())) return;
    auto* io = const_cast<PictureBox*>(this);
    io->allineando_ = true;
    io->Ridimensiona(larghezza, altezza);
    io->allineando_ = false;
}

QPointF PictureBox::PosizioneScala(const QPointF& pixelWidget) const {
    return {XDaPixel(pixelWidget.x() - BORDO_PICTURE), YDaPixel(pixelWidget.y() - BORDO_PICTURE)};
}

void PictureBox::mousePressEvent(QMouseEvent* evento) {
    premuto_ = true;
    const QPointF s = PosizioneScala(evento->position());
    emit MouseDown(PulsanteMouse(evento->button()), StatoMaiuscole(evento->modifiers()), s.x(),
                   s.y());
}

void PictureBox::mouseMoveEvent(QMouseEvent* evento) {
    const QPointF s = PosizioneScala(evento->position());
    emit MouseMove(PulsantiMouse(evento->buttons()), StatoMaiuscole(evento->modifiers()), s.x(),
                   s.y());
}

void PictureBox::mouseReleaseEvent(QMouseEvent* evento) {
    const QPointF s = PosizioneScala(evento->position());
    const bool eraPremuto = premuto_;
    premuto_ = false;
    emit MouseUp(PulsanteMouse(evento->button()), StatoMaiuscole(evento->modifiers()), s.x(),
                 s.y());
    if (eraPremuto && rect().contains(evento->position().toPoint())) emit Click();
}

} // namespace kelvra
