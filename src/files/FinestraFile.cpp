#include "files/FinestraFile.h"

#include "core/Lingua.h"
#include "files/FrmSalva.h"
#include "files/Scelte.h"
#include "platform/CorniceMdi.h"
#include "platform/Dialoghi.h"
#include "platform/Posizione.h"
#include "platform/Testo.h"
#include "shell/Ganci.h"
#include "shell/Main.h"

#include <QEvent>

namespace kelvra {

FinestraFile::FinestraFile(QWidget* genitore) : QWidget(genitore, Qt::Dialog) {
    setMouseTracking(true);
}

void FinestraFile::Suggerimento(QWidget* controllo, int riga) {
    suggerimenti_[controllo] = riga;
    controllo->setMouseTracking(true);
    controllo->installEventFilter(this);
}

QString FinestraFile::ConTasto(const std::string& testo) {
    return ConTastoAccesso(testo);
}

bool FinestraFile::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::MouseMove || evento->type() == QEvent::Enter) {
        const auto it = suggerimenti_.constFind(oggetto);
        if (it != suggerimenti_.constEnd()) ImpostaSuggerimento(Riga(TestiToolbar, *it));
    }
    return QWidget::eventFilter(oggetto, evento);
}

void FinestraFile::FuocoIniziale(const std::vector<QWidget*>& scelte, QWidget* riserva) {
    for (QWidget* w : scelte)
        if (w->isEnabled()) return w->setFocus();
    riserva->setFocus();
}

namespace {

// Each showing starts from a fresh window, filled as it appears and gone once it is closed.
template <class Finestra, class... Argomenti> void Mostra(Argomenti... argomenti) {
    MAIN* main = MAIN::Istanza();
    Finestra finestra(argomenti..., main);
    finestra.adjustSize();
    CentraForm(main, &finestra);
    finestra.Form_Activate();
    MostraModale(&finestra);
}

} // namespace

void MostraFrmSalva(int tipo) {
    Mostra<FrmSalva>(tipo);
}

void MostraSceltaOpen() {
    Mostra<SceltaOpen>();
}

void MostraSceltaSave() {
    Mostra<SceltaSave>();
}

} // namespace kelvra
