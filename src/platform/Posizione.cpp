#include "platform/Posizione.h"

#include <QGuiApplication>
#include <QMdiSubWindow>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace kelvra {

namespace {

constexpr float TWIPS_PER_POLLICE = 1440.0f;

const QScreen* Schermo(const QWidget* finestra) {
    const QScreen* schermo = finestra != nullptr ? finestra->screen() : nullptr;
    if (schermo == nullptr) schermo = QGuiApplication::primaryScreen();
    return schermo;
}

float TwipsPerPixel(qreal dpi) {
    return dpi > 0 ? TWIPS_PER_POLLICE / static_cast<float>(dpi) : 15.0f;
}

// What moves for a window: the sub-window that holds an MDI child, else the widget itself.
QWidget* DaMuovere(QWidget* finestra) {
    if (finestra == nullptr) return nullptr;
    if (auto* sotto = qobject_cast<QMdiSubWindow*>(finestra->parentWidget());
        sotto != nullptr && sotto->widget() == finestra)
        return sotto;
    return finestra;
}
const QWidget* DaMuovere(const QWidget* finestra) {
    return DaMuovere(const_cast<QWidget*>(finestra));
}

int Pixel(float twips, float twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

// Left and top of a widget in pixels: the frame on the desktop for a window, the position in
// its parent for a child.
QPoint Posizione(const QWidget* w) {
    return w->isWindow() ? w->frameGeometry().topLeft() : w->pos();
}

// Rectangle of a widget in desktop pixels.
QRect RettangoloGlobale(const QWidget* w) {
    if (w->isWindow()) return QRect(w->frameGeometry().topLeft(), w->size());
    return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
}

} // namespace

float TwipsPerPixelX(const QWidget* finestra) {
    const QScreen* s = Schermo(finestra);
    return s != nullptr ? TwipsPerPixel(s->logicalDotsPerInchX()) : 15.0f;
}

float TwipsPerPixelY(const QWidget* finestra) {
    const QScreen* s = Schermo(finestra);
    return s != nullptr ? TwipsPerPixel(s->logicalDotsPerInchY()) : 15.0f;
}

float LarghezzaSchermo(const QWidget* finestra) {
    const QScreen* s = Schermo(finestra);
    return s != nullptr ? static_cast<float>(s->geometry().width()) * TwipsPerPixelX(finestra)
                        : 0.0f;
}

float AltezzaSchermo(const QWidget* finestra) {
    const QScreen* s = Schermo(finestra);
    return s != nullptr ? static_cast<float>(s->geometry().height()) * TwipsPerPixelY(finestra)
                        : 0.0f;
}

float SinistraTwips(const QWidget* finestra) {
    const QWidget* w = DaMuovere(finestra);
    return w != nullptr ? static_cast<float>(Posizione(w).x()) * TwipsPerPixelX(w) : 0.0f;
}

float SopraTwips(const QWidget* finestra) {
    const QWidget* w = DaMuovere(finestra);
    return w != nullptr ? static_cast<float>(Posizione(w).y()) * TwipsPerPixelY(w) : 0.0f;
}

float LarghezzaTwips(const QWidget* finestra) {
    const QWidget* w = DaMuovere(finestra);
    return w != nullptr ? static_cast<float>(w->width()) * TwipsPerPixelX(w) : 0.0f;
}

float AltezzaTwips(const QWidget* finestra) {
    const QWidget* w = DaMuovere(finestra);
    return w != nullptr ? static_cast<float>(w->height()) * TwipsPerPixelY(w) : 0.0f;
}

void ImpostaSinistraTwips(QWidget* finestra, float valore) {
    QWidget* w = DaMuovere(finestra);
    if (w == nullptr) return;
    w->move(Pixel(valore, TwipsPerPixelX(w)), Posizione(w).y());
}

void ImpostaSopraTwips(QWidget* finestra, float valore) {
    QWidget* w = DaMuovere(finestra);
    if (w == nullptr) return;
    w->move(Posizione(w).x(), Pixel(valore, TwipsPerPixelY(w)));
}

void ImpostaLarghezzaTwips(QWidget* finestra, float valore) {
    QWidget* w = DaMuovere(finestra);
    if (w == nullptr) return;
    w->resize(std::max(0, Pixel(valore, TwipsPerPixelX(w))), w->height());
}

void ImpostaAltezzaTwips(QWidget* finestra, float valore) {
    QWidget* w = DaMuovere(finestra);
    if (w == nullptr) return;
    w->resize(w->width(), std::max(0, Pixel(valore, TwipsPerPixelY(w))));
}

void PosizionaForm(QWidget* form, float sopra, float altezza, float sinistra, float larghezza) {
    ImpostaSopraTwips(form, sopra);
    ImpostaAltezzaTwips(form, altezza);
    ImpostaSinistraTwips(form, sinistra);
    ImpostaLarghezzaTwips(form, larghezza);
}

void PosizionaControllo(QWidget* controllo, float sopra, float sinistra, float altezza,
                        float larghezza) {
    ImpostaSopraTwips(controllo, sopra);
    ImpostaSinistraTwips(controllo, sinistra);
    ImpostaAltezzaTwips(controllo, altezza);
    ImpostaLarghezzaTwips(controllo, larghezza);
}

void CentraForm(const QWidget* proprietario, QWidget* form) {
    const QWidget* p = DaMuovere(proprietario);
    QWidget* f = DaMuovere(form);
    if (p == nullptr || f == nullptr) return;
    const float tx = TwipsPerPixelX(f);
    const float ty = TwipsPerPixelY(f);
    // Everything in desktop twips, as the screen's edges are.
    const QRect rp = RettangoloGlobale(p);
    const QRect rs = Schermo(p)->geometry();
    const float pLeft = static_cast<float>(rp.x()) * tx, pTop = static_cast<float>(rp.y()) * ty;
    const float pWidth = static_cast<float>(rp.width()) * tx;
    const float pHeight = static_cast<float>(rp.height()) * ty;
    const float fWidth = static_cast<float>(f->width()) * tx;
    const float fHeight = static_cast<float>(f->height()) * ty;
    const float destra = static_cast<float>(rs.x() + rs.width()) * tx;
    const float basso = static_cast<float>(rs.y() + rs.height()) * ty;

    float x = pLeft + (pWidth - fWidth) / 2;
    if (x + fWidth > destra) x = destra - fWidth;
    float y = pTop + (pHeight - fHeight) / 2;
    if (y + fHeight > basso) y = basso - fHeight;

    QPoint punto(Pixel(x, tx), Pixel(y, ty));
    if (!f->isWindow() && f->parentWidget() != nullptr)
        punto = f->parentWidget()->mapFromGlobal(punto);
    f->move(punto);
}

void DimensionaAlContenuto(QWidget* form, const QWidget* proprietario) {
    if (form == nullptr) return;
    // Not adjustSize: it holds a window to two thirds of the screen.
    form->ensurePolished();
    QSize spazio = Schermo(proprietario)->availableGeometry().size();
    if (const QWidget* p = DaMuovere(proprietario); p != nullptr && p->isWindow())
        spazio -= p->frameGeometry().size() - p->size();
    const QSize minimo = form->minimumSizeHint().expandedTo(form->minimumSize());
    form->resize(form->sizeHint().boundedTo(spazio).expandedTo(minimo));
}

void DimensionaFormComponente(QWidget* form, const QWidget* schermataIniziale) {
    if (form == nullptr) return;
    ImpostaAltezzaTwips(form, 6315);
    ImpostaLarghezzaTwips(form, 9600);
    CentraForm(schermataIniziale, form);
}

} // namespace kelvra
