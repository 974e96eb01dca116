// The picture box: a widget over a retained image that the linkage, the thumbnails and the
// graphs draw on in millimetres (see SuperficieQt for the scale, pens and text). What is
// drawn stays until it is cleared; a resize keeps the drawing at the top-left and fills
// newly uncovered pixels with the back colour. The widget's size is the outer size: a
// sunken border of BORDO_PICTURE pixels on every side around the inner area.
//
// Mouse buttons and moves are offered as signals in the picture's own scale units
// (millimetres after ScalaMillimetri), for the windows' MouseDown/MouseMove/MouseUp
// handlers: button 1 left, 2 right, 4 middle (0 for a move with no button held); shift
// state 1 Shift, 2 Ctrl, 4 Alt, added together.
#pragma once

#include "platform/SuperficieQt.h"

#include <QWidget>

namespace kelvra {

constexpr int BORDO_PICTURE = 2;

class PictureBox : public QWidget, public SuperficieQt {
    Q_OBJECT
  public:
    explicit PictureBox(QWidget* genitore = nullptr);

    QSize sizeHint() const override;

  signals:
    void MouseDown(int pulsante, int maiuscole, double x, double y);
    void MouseMove(int pulsante, int maiuscole, double x, double y);
    void MouseUp(int pulsante, int maiuscole, double x, double y);
    void Click();

  protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void ImmagineCambiata() override;
    void AllineaDimensioni() const override;

  private:
    QPointF PosizioneScala(const QPointF& pixelWidget) const;
    bool premuto_ = false;
    bool allineando_ = false;
};

// The button and shift-state numbers of a mouse event, as the signals carry them.
int PulsanteMouse(Qt::MouseButton pulsante);
int PulsantiMouse(Qt::MouseButtons pulsanti);
int StatoMaiuscole(Qt::KeyboardModifiers modificatori);

} // namespace kelvra
