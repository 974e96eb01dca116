#include "components/FinestraComponente.h"

#include "core/Seams.h"
#include "platform/CorniceMdi.h"
#include "platform/Testo.h"

#include <QEvent>
#include <QLabel>
#include <QLineEdit>

namespace kelvra {

FinestraComponente::FinestraComponente(QWidget* genitore) : QWidget(genitore, Qt::Dialog) {
    setMouseTracking(true);
    installEventFilter(this);
}

void FinestraComponente::Chiudi() {
    close();
}

void FinestraComponente::Form_Deactivate() {
    if (protezioni_ == 0) Chiudi();
}

int FinestraComponente::Messaggio(const std::string& testo, int stile) {
    int risposta = 0;
    SenzaChiusura([&] { risposta = MsgBox(testo, stile); });
    return risposta;
}

void FinestraComponente::SenzaChiusura(const std::function<void()>& azione) {
    ++protezioni_;
    azione();
    --protezioni_;
}

void FinestraComponente::Suggerimento(QWidget* controllo, std::function<std::string()> testo) {
    suggerimenti_[controllo] = std::move(testo);
    controllo->setMouseTracking(true);
    if (controllo != this) controllo->installEventFilter(this);
}

bool FinestraComponente::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::MouseMove || evento->type() == QEvent::Enter) {
        const auto it = suggerimenti_.constFind(oggetto);
        if (it != suggerimenti_.constEnd()) ImpostaSuggerimento((*it)());
    }
    return QWidget::eventFilter(oggetto, evento);
}

void FinestraComponente::changeEvent(QEvent* evento) {
    QWidget::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isVisible() && !isActiveWindow())
        Form_Deactivate();
}

QString FinestraComponente::Q(const std::string& testo) {
    return DaAnsi(testo);
}

std::string FinestraComponente::T(const QLineEdit* casella) {
    return AdAnsi(casella->text());
}

void FinestraComponente::Scrivi(QLineEdit* casella, const std::string& testo) {
    casella->setText(DaAnsi(testo));
}

void FinestraComponente::Scrivi(QLabel* etichetta, const std::string& testo) {
    etichetta->setText(DaAnsi(testo));
}

void FinestraComponente::InvioPreme(std::initializer_list<QLineEdit*> caselle,
                                    QAbstractButton* pulsante) {
    for (QLineEdit* casella : caselle) {
        connect(casella, &QLineEdit::returnPressed, this, [this, pulsante] {
            if (pulsante->isEnabled() && pulsante->isVisibleTo(this)) pulsante->click();
        });
    }
}

} // namespace kelvra
