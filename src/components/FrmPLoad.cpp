#include "components/FrmPLoad.h"

#include "components/DatiComponenti.h"
#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Seams.h"
#include "core/Unita.h"
#include "platform/Convenzioni.h"
#include "platform/FiltroTasti.h"
#include "platform/Testo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kelvra {

namespace {

constexpr int MSG_PACCO = 28;

Progetto& Selezionato() {
    return Progetti[ProgettoValido(ProgettoSelezionato) ? ProgettoSelezionato : 1];
}

} // namespace

FrmPLoad::FrmPLoad(QWidget* genitore) : FinestraComponente(genitore) {
    auto* principale = new QVBoxLayout(this);
    SSPanelDati = new QGroupBox(this);
    auto* g = new QGridLayout(SSPanelDati);
    for (auto*& l : LblPrecarico) l = new QLabel(SSPanelDati);
    for (auto*& l : LblPreload) {
        l = new QLabel(SSPanelDati);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    TxtPrecarico = new QLineEdit(SSPanelDati);
    TxtPrecarico->setAlignment(Qt::AlignRight);
    // Top to bottom: housing, fitted, setup (the entry), total.
    const std::array<std::pair<QLabel*, QWidget*>, 4> righe = {{{LblPrecarico[2], LblPreload[1]},
                                                                {LblPrecarico[1], LblPreload[0]},
                                                                {LblPrecarico[3], TxtPrecarico},
                                                                {LblPrecarico[0], LblPreload[2]}}};
    for (int k = 0; k < 4; ++k) {
        g->addWidget(righe[static_cast<size_t>(k)].first, k, 0);
        g->addWidget(righe[static_cast<size_t>(k)].second, k, 1);
    }
    principale->addWidget(SSPanelDati);
    auto* pulsanti = new QHBoxLayout;
    Cmd_Ok = new QPushButton(this);
    Cmd_Annulla = new QPushButton(this);
    pulsanti->addStretch();
    pulsanti->addWidget(Cmd_Ok);
    pulsanti->addWidget(Cmd_Annulla);
    principale->addLayout(pulsanti);

    FiltroTasti::Numerico(
        TxtPrecarico, [] { return 0.0; }, [this] { return PrecaricoMassimo; },
        [] { return DecimaliUnita[UNITA_LUNGHEZZA]; });
    connect(TxtPrecarico, &QLineEdit::textEdited, this, [this] {
        digitato_ = true;
        TxtPrecarico_Change();
    });
    connect(Cmd_Ok, &QPushButton::clicked, this, &FrmPLoad::Cmd_Ok_Click);
    InvioPreme({TxtPrecarico}, Cmd_Ok);
    connect(Cmd_Annulla, &QPushButton::clicked, this, &FrmPLoad::Cmd_Annulla_Click);
    EscPreme(this, Cmd_Annulla);
    Suggerimento(this, [] { return Riga(TestiToolbar, 54); });
    Suggerimento(Cmd_Ok, [] { return Riga(TestiToolbar, 55); });
    Suggerimento(Cmd_Annulla, [] { return Riga(TestiToolbar, 11); });
    for (QLabel* l : LblPrecarico) Suggerimento(l, [this] { return Limite(); });
}

void FrmPLoad::ImpostaTesto() {
    setWindowTitle(Q(Riga(TestiFrmPLoad, 0)));
    for (size_t k = 0; k < LblPrecarico.size(); ++k)
        Scrivi(LblPrecarico[k], Riga(TestiFrmPLoad, static_cast<int>(k) + 1) + " " +
                                    EtichettaUnita[UNITA_LUNGHEZZA] + ":");
    Cmd_Ok->setText(Q(Riga(TestiCommon, 0)));
    Cmd_Annulla->setText(Q(Riga(TestiCommon, 3)));
}

std::string FrmPLoad::Limite() const {
    return AdAnsi(Q(Riga(TestiCommon, 14)).toUpper()) + ": [0; " +
           FormattaNumero(PrecaricoMassimo, FormatoUnita[UNITA_LUNGHEZZA]) + "] " +
           SiglaUnita[UNITA_LUNGHEZZA];
}

void FrmPLoad::Form_Activate() {
    ImpostaTesto();
    const Progetto& p = Selezionato();
    Scrivi(LblPreload[0], MostraValore(p.PrecaricoMollaInserita, UNITA_LUNGHEZZA));
    Scrivi(LblPreload[1], MostraValore(PrecaricoAlloggiamento(p), UNITA_LUNGHEZZA));
    Scrivi(LblPreload[2], MostraValore(p.PrecaricoTotale, UNITA_LUNGHEZZA));
    PrecaricoMassimo = PrecaricoMassimoMm(p) * FattoreUnita[UNITA_LUNGHEZZA];
    Scrivi(TxtPrecarico, MostraValore(p.PrecaricoSetup, UNITA_LUNGHEZZA));
    digitato_ = false;
    TxtPrecarico_Change();
}

void FrmPLoad::TxtPrecarico_Change() {
    const Progetto& p = Selezionato();
    const double setup =
        digitato_ ? LeggiValore(T(TxtPrecarico), UNITA_LUNGHEZZA) : p.PrecaricoSetup;
    const double totale = PrecaricoAlloggiamento(p) + p.PrecaricoMollaInserita + setup;
    Scrivi(LblPreload[2], MostraValore(totale, UNITA_LUNGHEZZA));
}

void FrmPLoad::Cmd_Ok_Click() {
    const Progetto& p = Selezionato();
    const double setup =
        digitato_ ? LeggiValore(T(TxtPrecarico), UNITA_LUNGHEZZA) : p.PrecaricoSetup;
    if (!ConfermaPrecarico(setup)) {
        Messaggio(Riga(Messaggi, MSG_PACCO), vbExclamation);
        Form_Activate();
        return;
    }
    Chiudi();
}

} // namespace kelvra
