#include "components/InsMolla.h"

#include "components/DatiComponenti.h"
#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Unita.h"
#include "platform/FiltroTasti.h"
#include "platform/Testo.h"

#include <QGridLayout>

namespace kelvra {

INSMOLLA::INSMOLLA(QWidget* genitore) : FinestraTabella(LeggeForza::Lineare, genitore) {
    auto* g = static_cast<QGridLayout*>(Frame1->layout());
    LblNmolle = new QLabel(Frame1);
    TxtNmolle = new QLineEdit(Frame1);
    LblRiferimenti = new QLabel(Frame1);
    LblForzaGasIN = new QLabel(Frame1);
    g->addWidget(LblNmolle, 2, 0);
    g->addWidget(TxtNmolle, 2, 1);
    g->addWidget(LblRiferimenti, 4, 0, 1, 3);
    g->addWidget(LblForzaGasIN, 5, 0, 1, 3);
    FiltroTasti::Intero(TxtNmolle, 0, 100);
    connect(TxtNmolle, &QLineEdit::textEdited, this, &INSMOLLA::TxtNmolle_Change);
    const auto aiuto = [] { return Riga(TestiToolbar, 91); };
    for (QWidget* w : std::initializer_list<QWidget*>{this, FrameModo, Frame3, Frame4})
        Suggerimento(w, aiuto);
}

std::string INSMOLLA::Titolo() const {
    return Riga(TestiInsMolla, 0);
}

void INSMOLLA::ImpostaTesto() {
    FinestraTabella::ImpostaTesto();
    Scrivi(LblLunghezza, Riga(TestiInsMolla, 1));
    Scrivi(Lbl_MaxComp, Riga(TestiInsMolla, 2));
    Scrivi(LblNmolle, Riga(TestiInsMolla, 5) + ":");
    Scrivi(Lbl_Corsa, Riga(TestiInsMolla, 8));
    CmdOK1->setText(TastoSullaPrima(Riga(TestiCommon, 0)));
    CmdStampa->setText(Q(Riga(TestiCommon, 4)));
    CmdOK2->setText(Q(Riga(TestiCommon, 0)));
    CmdEsci->setText(Q(Riga(TestiCommon, 3)));
}

std::string INSMOLLA::FormatoCaricato(Colonna c) const {
    static const RigaUnita righe[] = {UNITA_LUNGHEZZA, UNITA_FORZA, UNITA_RIGIDEZZA};
    return FormatoUnita[righe[c]];
}

std::string INSMOLLA::FormatoCostante(Colonna c) const {
    return FormatoCaricato(c);
}

void INSMOLLA::Salva() {
    SalvaDatiMolla(Tabella, ModoScelto(), NumMolle);
}

void INSMOLLA::DopoAttivazione(bool inserito) {
    NumMolle = inserito ? Selezionato().NumeroMolle : int16_t{1};
    Scrivi(TxtNmolle, std::to_string(NumMolle));
    VisualizzaRiferimentiMolla();
}

void INSMOLLA::TxtNmolle_Change() {
    NumMolle = CInt(Val(T(TxtNmolle)));
}

void INSMOLLA::VisualizzaRiferimentiMolla() {
    const Progetto& p = Selezionato();
    const double d = p.LungMollaAmmortizzatore - p.PrecaricoMollaInserita;
    std::string riferimento;
    if (Vero(p.AmmortizzatoreInserito) && d != 0)
        riferimento = "(> " + FormattaNumero(d * FattoreUnita[UNITA_LUNGHEZZA], "##0.#") + ") " +
                      EtichettaUnita[UNITA_LUNGHEZZA];
    Scrivi(LblRiferimenti, riferimento);
    Scrivi(LblForzaGasIN, p.ForzaGas != 0 ? Riga(TestiInsAmmortizzatore, 7) : std::string());
}

} // namespace kelvra
