#include "platform/CorniceMdi.h"

#include "platform/Convenzioni.h"
#include "platform/Testo.h"

#include <QEvent>
#include <QMenuBar>
#include <QStatusBar>

namespace kelvra {

namespace {
QPointer<CorniceMdi> cornicePrincipale;
std::string ultimoSuggerimento;
// The control the pointer was over when the hint was written; null when none was known.
QPointer<QWidget> autoreSuggerimento;
} // namespace

// ---- child window ------------------------------------------------------------------

FinestraFiglia::FinestraFiglia(QWidget* genitore) : QWidget(genitore) {}

FinestraFiglia::~FinestraFiglia() {
    // The menus go with the child, and so does the empty sub-window that held it; the
    // frame stops counting it as the active child.
    qDeleteAll(menu_);
    menu_.clear();
    if (cornice_) cornice_->FigliaDistrutta(this);
    if (QMdiSubWindow* sotto = SottoFinestra()) sotto->deleteLater();
}

QMenu* FinestraFiglia::AggiungiMenu(const QString& titolo) {
    auto* menu = new QMenu(titolo, this);
    menu_.append(menu);
    if (cornice_ && cornice_->FigliaAttiva() == this) cornice_->AggiornaMenu();
    return menu;
}

void FinestraFiglia::AggiungiMenu(QMenu* menu) {
    if (!menu || menu_.contains(menu)) return;
    if (!menu->parent()) menu->setParent(this, menu->windowFlags());
    menu_.append(menu);
    if (cornice_ && cornice_->FigliaAttiva() == this) cornice_->AggiornaMenu();
}

QMdiSubWindow* FinestraFiglia::SottoFinestra() const {
    return qobject_cast<QMdiSubWindow*>(parentWidget());
}

// ---- frame -------------------------------------------------------------------------

CorniceMdi::CorniceMdi(QWidget* genitore) : QMainWindow(genitore) {
    area_ = new QMdiArea(this);
    setCentralWidget(area_);
    area_->viewport()->installEventFilter(this);
    toolbar_ = new QLabel(this);
    toolbar_->setObjectName(QStringLiteral("Toolbar"));
    toolbar_->setText(DaAnsi(ultimoSuggerimento));
    statusBar()->addPermanentWidget(toolbar_, 1);
    statusBar()->setSizeGripEnabled(false);
    // The area may pass through other children on its way (showing the frame again can
    // activate another child for a moment before the one that was active): what counts is
    // the active sub-window once the events have settled, so the report is taken queued
    // and the area asked then.
    connect(
        area_, &QMdiArea::subWindowActivated, this,
        [this](QMdiSubWindow*) { SottoFinestraAttivata(area_->activeSubWindow()); },
        Qt::QueuedConnection);
    cornicePrincipale = this;
}

CorniceMdi::~CorniceMdi() {
    // Children die with the area; they must not call back into a half-destroyed frame.
    disconnect(area_, nullptr, this, nullptr);
    for (FinestraFiglia* figlia : findChildren<FinestraFiglia*>()) figlia->cornice_ = nullptr;
    if (cornicePrincipale == this) cornicePrincipale = nullptr;
}

CorniceMdi* CorniceMdi::Principale() {
    return cornicePrincipale;
}

QMenu* CorniceMdi::AggiungiMenu(const QString& titolo) {
    auto* menu = new QMenu(titolo, this);
    menuPropri_.append(menu);
    if (!attiva_ || attiva_->Menu().isEmpty()) AggiornaMenu();
    return menu;
}

QMdiSubWindow* CorniceMdi::AggiungiFiglia(FinestraFiglia* figlia) {
    if (!figlia) return nullptr;
    if (QMdiSubWindow* gia = figlia->SottoFinestra(); gia && area_->subWindowList().contains(gia)) {
        // A child whose sub-window was closed is shown again in the same place.
        figlia->show();
        gia->show();
        return gia;
    }
    figlia->cornice_ = this;
    QMdiSubWindow* sotto = area_->addSubWindow(figlia);
    sotto->setAttribute(Qt::WA_DeleteOnClose, false);
    sotto->installEventFilter(this);
    figlia->show();
    sotto->show();
    area_->updateGeometry();
    return sotto;
}

void CorniceMdi::AttivaFiglia(FinestraFiglia* figlia) {
    if (!figlia) return;
    QMdiSubWindow* sotto = figlia->SottoFinestra();
    if (!sotto || !area_->subWindowList().contains(sotto)) sotto = AggiungiFiglia(figlia);
    area_->setActiveSubWindow(sotto);
    // The area does not report an activation while the frame itself is not the active
    // window; the child becomes active all the same.
    if (attiva_ != figlia) SottoFinestraAttivata(sotto);
}

void CorniceMdi::SottoFinestraAttivata(QMdiSubWindow* finestra) {
    auto* figlia = finestra ? qobject_cast<FinestraFiglia*>(finestra->widget()) : nullptr;
    if (!finestra && attiva_) {
        // No child active: either the frame lost the focus to another window (a message
        // box, a modal window) and the active child stays what it was, or the active
        // child went away (closed or hidden itself; a sub-window out of view only because
        // the frame is hidden or minimised stays the active child).
        QMdiSubWindow* sotto = attiva_->SottoFinestra();
        if (sotto && area_->subWindowList().contains(sotto) && !sotto->isHidden()) return;
    }
    if (!figlia) {
        FinestraFiglia* precedente = attiva_;
        attiva_ = nullptr;
        if (precedente) precedente->Form_Deactivate();
        AggiornaMenu();
        return;
    }
    if (figlia == attiva_) return;
    FinestraFiglia* precedente = attiva_;
    attiva_ = figlia;
    if (precedente) precedente->Form_Deactivate();
    AggiornaMenu();
    if (attiva_ == figlia) figlia->Form_Activate();
}

void CorniceMdi::FigliaDistrutta(FinestraFiglia* figlia) {
    if (attiva_ != figlia) return;
    attiva_ = nullptr;
    AggiornaMenu();
}

void CorniceMdi::AggiornaMenu() {
    if (attiva_ && !attiva_->Menu().isEmpty())
        MostraMenu(attiva_->Menu());
    else
        MostraMenu(menuPropri_);
}

void CorniceMdi::MostraMenu(const QList<QMenu*>& menu) {
    QMenuBar* barra = menuBar();
    barra->clear();
    for (QMenu* m : menu) barra->addMenu(m);
}

bool CorniceMdi::eventFilter(QObject* oggetto, QEvent* evento) {
    // The active child's sub-window closed or hidden: the area does not always say so, and
    // the bar must not keep the menus of a child that is gone from view. A sub-window that
    // is only out of view because the frame is hidden or minimised is not hidden itself.
    if (evento->type() == QEvent::Hide && attiva_ && oggetto == attiva_->SottoFinestra() &&
        attiva_->SottoFinestra()->isHidden()) {
        QMdiSubWindow* chiusa = attiva_->SottoFinestra();
        FinestraFiglia* precedente = attiva_;
        attiva_ = nullptr;
        precedente->Form_Deactivate();
        QMdiSubWindow* nuova = area_->activeSubWindow();
        if (nuova && nuova != chiusa && !nuova->isHidden())
            SottoFinestraAttivata(nuova);
        else
            AggiornaMenu();
    }
    // Restoring or maximising a sub-window hides and shows it again; the area still holds it
    // as the active one and says nothing, so the child gets the bar back when it reappears.
    if (evento->type() == QEvent::Show) {
        auto* sotto = qobject_cast<QMdiSubWindow*>(oggetto);
        if (sotto && sotto == area_->activeSubWindow() && !attiva_) SottoFinestraAttivata(sotto);
    }
    // A child's layout changed: the frame is never smaller than what its children need, so
    // a maximised child is never cut off.
    if (evento->type() == QEvent::LayoutRequest && qobject_cast<QMdiSubWindow*>(oggetto))
        area_->updateGeometry();
    if (oggetto == area_->viewport() && evento->type() == QEvent::MouseButtonPress)
        emit ClicSfondo();
    return QMainWindow::eventFilter(oggetto, evento);
}

// ---- status hints --------------------------------------------------------------------

void ImpostaSuggerimento(const std::string& testo) {
    autoreSuggerimento = testo.empty() ? nullptr : ControlloSottoPuntatore();
    ultimoSuggerimento = testo;
    if (CorniceMdi* cornice = CorniceMdi::Principale()) cornice->Toolbar()->setText(DaAnsi(testo));
}

std::string Suggerimento() {
    return ultimoSuggerimento;
}

void PuntatoreUscito(QWidget* controllo) {
    QWidget* autore = autoreSuggerimento;
    if (!controllo || !autore || (autore != controllo && !controllo->isAncestorOf(autore))) return;
    ImpostaSuggerimento(std::string());
}

} // namespace kelvra
