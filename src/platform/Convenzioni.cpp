#include "platform/Convenzioni.h"

#include "core/Seams.h"
#include "platform/CorniceMdi.h"
#include "platform/FiltroTasti.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QToolButton>

namespace kelvra {

namespace {

QPointer<QWidget> sottoPuntatore;

// A push or tool button that holds the focus: check boxes and options keep Enter for the
// window, as Space already toggles them.
bool PulsanteDaPremere(QObject* oggetto) {
    auto* pulsante = qobject_cast<QAbstractButton*>(oggetto);
    if (!pulsante || qobject_cast<QCheckBox*>(pulsante) || qobject_cast<QRadioButton*>(pulsante))
        return false;
    return pulsante->isEnabled() && pulsante->isVisible() &&
           (pulsante->focusPolicy() & Qt::TabFocus);
}

// A control that types keys into a text: a box, a number box, a list one may type in.
bool CasellaDiTesto(QObject* oggetto) {
    if (qobject_cast<QLineEdit*>(oggetto) || qobject_cast<QAbstractSpinBox*>(oggetto)) return true;
    auto* elenco = qobject_cast<QComboBox*>(oggetto);
    return elenco && elenco->isEditable();
}

// Windows a title bar belongs to: no pop-up, tooltip or splash; a message box sizes itself.
bool FinestraConTitolo(const QWidget* w) {
    if (!w->isWindow() || qobject_cast<const QMessageBox*>(w)) return false;
    const Qt::WindowType tipo = w->windowType();
    if (tipo != Qt::Window && tipo != Qt::Dialog && tipo != Qt::Tool) return false;
    return !(w->windowFlags() & Qt::FramelessWindowHint) &&
           !(w->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen));
}

// Marks a window (or a sub-window of the frame) that was just shown and has not given the
// focus to any of its controls yet.
const char* const IN_APERTURA = "kelvraInApertura";

bool FinestraPropria(const QWidget* w) {
    return w->isWindow() || qobject_cast<const QMdiSubWindow*>(w);
}

// The first focus of a window that has just opened goes to `controllo`: a box it lands in has
// its text selected, as when the box is reached with Tab, so typing replaces the value shown.
// Only the focus the window gives by itself counts; a click places the cursor where it was
// clicked.
void PrimoFuoco(QWidget* controllo, Qt::FocusReason motivo) {
    // A dialog being shown sends a focus event to itself before its first control has the
    // focus: the window is not the control it opens on.
    if (FinestraPropria(controllo)) return;
    bool apertura = false;
    for (QWidget* w = controllo; w; w = w->parentWidget()) {
        if (!FinestraPropria(w) || !w->property(IN_APERTURA).toBool()) continue;
        apertura = true;
        w->setProperty(IN_APERTURA, QVariant());
    }
    if (!apertura || (motivo != Qt::ActiveWindowFocusReason && motivo != Qt::OtherFocusReason))
        return;
    if (auto* casella = qobject_cast<QLineEdit*>(controllo))
        casella->selectAll();
    else if (auto* numero = qobject_cast<QAbstractSpinBox*>(controllo))
        numero->selectAll();
    else if (auto* elenco = qobject_cast<QComboBox*>(controllo); elenco && elenco->lineEdit())
        elenco->lineEdit()->selectAll();
}

class Convenzioni : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        switch (evento->type()) {
        case QEvent::KeyPress: {
            // Key events reach the focus widget first, so a button seen here holds the focus.
            const auto* tasto = static_cast<QKeyEvent*>(evento);
            const bool invio = tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter;
            const auto modificatori = tasto->modifiers() & ~Qt::KeypadModifier;
            if (invio && modificatori == Qt::NoModifier && PulsanteDaPremere(oggetto)) {
                static_cast<QAbstractButton*>(oggetto)->click();
                return true;
            }
            // Alt and a letter that reaches a box was no access key: it types nothing.
            if (CasellaDiTesto(oggetto) && AccessoSenzaControllo(tasto)) {
                Beep();
                return true;
            }
            break;
        }
        case QEvent::Enter:
            // Enter events run from the window down to the control under the pointer.
            if (auto* w = qobject_cast<QWidget*>(oggetto)) sottoPuntatore = w;
            break;
        case QEvent::Leave:
            // Leave events run from the control up to the window the pointer left.
            if (auto* w = qobject_cast<QWidget*>(oggetto)) {
                PuntatoreUscito(w);
                if (sottoPuntatore && (sottoPuntatore == w || w->isAncestorOf(sottoPuntatore)))
                    sottoPuntatore = w->isWindow() ? nullptr : w->parentWidget();
            }
            break;
        case QEvent::Hide:
            if (auto* w = qobject_cast<QWidget*>(oggetto)) PuntatoreUscito(w);
            break;
        case QEvent::FocusIn:
            if (auto* w = qobject_cast<QWidget*>(oggetto))
                PrimoFuoco(w, static_cast<QFocusEvent*>(evento)->reason());
            break;
        case QEvent::Show:
            // Shown by the program, not brought back from the task bar.
            if (auto* w = qobject_cast<QWidget*>(oggetto);
                w && !evento->spontaneous() && FinestraPropria(w))
                w->setProperty(IN_APERTURA, true);
            [[fallthrough]];
        case QEvent::WindowTitleChange:
            if (auto* w = qobject_cast<QWidget*>(oggetto);
                w && FinestraConTitolo(w) && (evento->type() == QEvent::Show || w->isVisible()))
                AdattaAlTitolo(w);
            break;
        default:
            break;
        }
        return false;
    }
};

// A key that nothing in the window used presses the window's button: Escape its Cancel or
// Close, Enter its default one.
class TastoPreme : public QObject {
  public:
    TastoPreme(QWidget* finestra, QAbstractButton* pulsante, bool invio)
        : QObject(finestra), finestra_(finestra), pulsante_(pulsante), invio_(invio) {}
    bool eventFilter(QObject* oggetto, QEvent* evento) override {
        if (oggetto != finestra_ || evento->type() != QEvent::KeyPress) return false;
        const auto* tasto = static_cast<QKeyEvent*>(evento);
        const bool giusto = invio_ ? tasto->key() == Qt::Key_Return || tasto->key() == Qt::Key_Enter
                                   : tasto->key() == Qt::Key_Escape;
        if (!giusto || (tasto->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
        if (!pulsante_ || !pulsante_->isEnabled() || !pulsante_->isVisibleTo(finestra_))
            return false;
        pulsante_->click();
        return true;
    }

  private:
    QWidget* finestra_;
    QPointer<QAbstractButton> pulsante_;
    bool invio_;
};

} // namespace

void InstallaConvenzioniDesktop() {
    static QPointer<Convenzioni> installate;
    if (installate || !qApp) return;
    installate = new Convenzioni(qApp);
    qApp->installEventFilter(installate);
}

void EscPreme(QWidget* finestra, QAbstractButton* pulsante) {
    if (!finestra || !pulsante) return;
    finestra->installEventFilter(new TastoPreme(finestra, pulsante, false));
}

void InvioPredefinito(QWidget* finestra, QAbstractButton* pulsante) {
    if (!finestra || !pulsante) return;
    if (auto* premere = qobject_cast<QPushButton*>(pulsante)) premere->setDefault(true);
    finestra->installEventFilter(new TastoPreme(finestra, pulsante, true));
}

QWidget* ControlloSottoPuntatore() {
    return sottoPuntatore;
}

int LarghezzaPerTitolo(const QString& titolo) {
    if (titolo.isEmpty()) return 0;
    // Title bars draw in a font of their own, often bold; the room for the icon and the three
    // buttons grows with the bar's height, which follows the font.
    QFont carattere = QApplication::font("QMdiSubWindowTitleBar");
    carattere.setBold(true);
    const QFontMetrics metrica(carattere);
    return metrica.horizontalAdvance(titolo) + 8 * metrica.height();
}

void AdattaAlTitolo(QWidget* finestra) {
    if (!finestra) return;
    const int serve = LarghezzaPerTitolo(finestra->windowTitle());
    if (finestra->width() >= serve) return;
    const int scarto = serve - finestra->width();
    if (finestra->maximumWidth() < serve) finestra->setMaximumWidth(serve);
    finestra->setMinimumWidth(serve);
    finestra->move(finestra->x() - scarto / 2, finestra->y());
    finestra->resize(serve, finestra->height());
}

} // namespace kelvra
