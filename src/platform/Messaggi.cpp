#include "platform/Messaggi.h"

#include "core/Azzeramento.h"
#include "core/Seams.h"
#include "platform/Convenzioni.h"
#include "platform/Dialoghi.h"
#include "platform/Testo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QFile>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMessageBox>
#include <optional>
#include <vector>

namespace kelvra {

namespace {

std::optional<std::string> titoloApplicazione;
int livelloAttesa = 0;

// Start-up state: the boxes take the application's name as their title.
void AzzeraTitolo() {
    titoloApplicazione.reset();
}
[[maybe_unused]] const bool TitoloAzzerabile = RegistraAzzeramento(AzzeraTitolo);

QMessageBox::StandardButtons Pulsanti(int stile) {
    switch (stile & 7) {
    case vbOKCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case vbAbortRetryIgnore:
        return QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore;
    case vbYesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case vbYesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case vbRetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    default:
        return QMessageBox::Ok;
    }
}

// The buttons in the order the style names them; the style's default-button bits choose among
// them (the first when they name a button the set lacks).
QMessageBox::StandardButton PulsantePredefinito(int stile) {
    using B = QMessageBox;
    std::vector<QMessageBox::StandardButton> ordine;
    switch (stile & 7) {
    case vbOKCancel:
        ordine = {B::Ok, B::Cancel};
        break;
    case vbAbortRetryIgnore:
        ordine = {B::Abort, B::Retry, B::Ignore};
        break;
    case vbYesNoCancel:
        ordine = {B::Yes, B::No, B::Cancel};
        break;
    case vbYesNo:
        ordine = {B::Yes, B::No};
        break;
    case vbRetryCancel:
        ordine = {B::Retry, B::Cancel};
        break;
    default:
        ordine = {B::Ok};
        break;
    }
    const size_t n = size_t((stile >> 8) & 3);
    return n < ordine.size() ? ordine[n] : ordine.front();
}

QMessageBox::StandardButton PulsanteEsc(int stile) {
    switch (stile & 7) {
    case vbOKCancel:
    case vbYesNoCancel:
    case vbRetryCancel:
        return QMessageBox::Cancel;
    case vbYesNo:
        return QMessageBox::No;
    case vbAbortRetryIgnore:
        return QMessageBox::NoButton; // must choose
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon Icona(int stile) {
    switch (stile & 0x70) {
    case vbCritical:
        return QMessageBox::Critical;
    case vbQuestion:
        return QMessageBox::Question;
    case vbExclamation:
        return QMessageBox::Warning;
    case vbInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

int Risposta(QMessageBox::StandardButton pulsante) {
    switch (pulsante) {
    case QMessageBox::Ok:
        return vbOK;
    case QMessageBox::Cancel:
        return vbCancel;
    case QMessageBox::Abort:
        return vbAbort;
    case QMessageBox::Retry:
        return vbRetry;
    case QMessageBox::Ignore:
        return vbIgnore;
    case QMessageBox::Yes:
        return vbYes;
    case QMessageBox::No:
        return vbNo;
    default:
        return 0;
    }
}

} // namespace

void ImpostaTitoloApplicazione(const std::string& titolo) {
    titoloApplicazione = titolo;
}

std::string TitoloApplicazione() {
    if (titoloApplicazione) return *titoloApplicazione;
    return AdAnsi(QCoreApplication::applicationName());
}

std::unique_ptr<QMessageBox> CreaMessaggio(const std::string& testo, int stile,
                                           const std::string& titolo) {
    auto box = std::make_unique<QMessageBox>(QApplication::activeWindow());
    box->setWindowTitle(DaAnsi(titolo.empty() ? TitoloApplicazione() : titolo));
    // A text that names a file comes in UTF-8, the file system's own encoding of names.
    box->setText((stile & TESTO_UTF8) ? QFile::decodeName(QByteArray::fromStdString(testo))
                                      : DaAnsi(testo));
    box->setTextFormat(Qt::PlainText);
    box->setIcon(Icona(stile));
    box->setStandardButtons(Pulsanti(stile));
    box->setDefaultButton(PulsantePredefinito(stile));
    if (QMessageBox::StandardButton esc = PulsanteEsc(stile); esc != QMessageBox::NoButton)
        box->setEscapeButton(esc);
    // The box sizes itself to its contents when shown; a row as wide as the title needs keeps
    // the title whole in its bar.
    if (auto* griglia = qobject_cast<QGridLayout*>(box->layout()))
        griglia->addItem(new QSpacerItem(LarghezzaPerTitolo(box->windowTitle()), 0,
                                         QSizePolicy::Fixed, QSizePolicy::Fixed),
                         griglia->rowCount(), 0, 1, griglia->columnCount());
    return box;
}

int RispostaMessaggio(const QMessageBox& box, int stile) {
    if (QAbstractButton* premuto = box.clickedButton()) {
        int r = Risposta(box.standardButton(premuto));
        if (r != 0) return r;
    }
    // Closed without a button: the Escape answer, or the one that changes nothing.
    if (QMessageBox::StandardButton esc = PulsanteEsc(stile); esc != QMessageBox::NoButton)
        return Risposta(esc);
    return RispostaPrudente(stile);
}

int MostraMessaggioQt(const std::string& testo, int stile, const std::string& titolo) {
    auto box = CreaMessaggio(testo, stile, titolo);
    // A message box shows the normal cursor even while a long operation waits.
    const bool attesa = livelloAttesa > 0;
    if (attesa) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    MostraModale(box.get());
    if (attesa) QGuiApplication::restoreOverrideCursor();
    return RispostaMessaggio(*box, stile);
}

void BeepQt() {
    QApplication::beep();
}

void InstallaGestoriQt() {
    ImpostaGestoreMessaggio(MostraMessaggioQt);
    ImpostaGestoreBeep(BeepQt);
}

void MostraCursoreAttesa() {
    ++livelloAttesa;
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void RipristinaCursore() {
    if (livelloAttesa == 0) return;
    --livelloAttesa;
    QGuiApplication::restoreOverrideCursor();
}

int LivelloCursoreAttesa() {
    return livelloAttesa;
}

} // namespace kelvra
