#include "components/InsTampone.h"

#include "platform/Testo.h"

#include "components/DatiComponenti.h"
#include "core/Lingua.h"
#include "core/Unita.h"

namespace kelvra {

InsTampone::InsTampone(QWidget* genitore) : FinestraTabella(LeggeForza::Quadratica, genitore) {
    const auto aiuto = [this] {
        return Riga(TestiToolbar, Vero(Selezionato().MollaInserita) ? 41 : 53);
    };
    for (QWidget* w : std::initializer_list<QWidget*>{this, Frame1, Frame3, FrameModo})
        Suggerimento(w, aiuto);
    Suggerimento(CmdStampa, [] { return Riga(TestiInsTampone, 4); });
}

std::string InsTampone::Titolo() const {
    return Riga(TestiInsTampone, 0);
}

std::string InsTampone::EtichettaCoefficiente() const {
    return "[" + SiglaUnita[UNITA_FORZA] + "/" + SiglaUnita[UNITA_LUNGHEZZA] + "\xB2]";
}

void InsTampone::ImpostaTesto() {
    FinestraTabella::ImpostaTesto();
    Scrivi(LblLunghezza, Riga(TestiInsTampone, 1));
    Scrivi(Lbl_MaxComp, Riga(TestiInsTampone, 2));
    Scrivi(Lbl_Corsa, Riga(TestiInsTampone, 3));
    CmdOK1->setText(TastoSullaPrima(Riga(TestiCommon, 0)));
    CmdStampa->setText(ConTastoAccesso(Riga(TestiCommon, 4)));
    CmdOK2->setText(ConTastoAccesso(Riga(TestiCommon, 0)));
    CmdEsci->setText(ConTastoAccesso(Riga(TestiCommon, 3)));
}

std::string InsTampone::FormatoCaricato(Colonna c) const {
    return c == COL_CORSA ? "0.00" : "0.000";
}

void InsTampone::Salva() {
    SalvaDatiTampone(Tabella, ModoScelto());
}

void InsTampone::DopoAttivazione(bool inserito) {
    if (inserito) return;
    for (int k = 1; k <= 2; ++k) {
        QRadioButton* o = OptCostModo[static_cast<size_t>(k)];
        o->setAutoExclusive(false);
        o->setChecked(false);
        o->setAutoExclusive(true);
    }
}

} // namespace kelvra
