#include "components/FrmAcq.h"

#include "core/Cinematica.h"
#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Seams.h"
#include "core/Unita.h"
#include "platform/Convenzioni.h"
#include "platform/FiltroTasti.h"
#include "platform/Testo.h"
#include "shell/Ganci.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kelvra {

namespace {

enum RigaAcquisizione : int {
    AIUTO_FINESTRA = 7,
    AIUTO_CICLO = 8,
    AIUTO_TEMPERATURA = 9,
    AIUTO_AVVIO = 10,
    TESTO_MIN = 11,
    TESTO_MAX = 12,
    TESTO_MODALITA = 13,
    UNITA_TEMPERATURA = 14,
};

std::string Acq(int riga) {
    return Riga(TestiFrmAcquisizione, riga);
}

} // namespace

QGroupBox* FRMACQ::CreaPannelloDati() {
    PanelDati = new QGroupBox(this);
    auto* g = new QGridLayout(PanelDati);
    for (auto*& l : LblDati) l = new QLabel(PanelDati);
    TxtCorsaMin = new QLineEdit(PanelDati);
    TxtCorsaMax = new QLineEdit(PanelDati);
    g->addWidget(LblDati[12], 0, 1, Qt::AlignCenter);
    g->addWidget(LblDati[13], 0, 2, Qt::AlignCenter);
    g->addWidget(LblDati[0], 1, 0);
    g->addWidget(TxtCorsaMin, 1, 1);
    g->addWidget(TxtCorsaMax, 1, 2);
    g->addWidget(LblDati[1], 2, 1, 1, 2);
    for (int i = 1; i <= CICLI_BANCO; ++i) {
        const auto k = static_cast<size_t>(i);
        ChkFreq[k] = new QCheckBox(PanelDati);
        TxtFreq[k] = new QLineEdit(PanelDati);
        g->addWidget(LblDati[k + 1], 2 + i, 0);
        g->addWidget(ChkFreq[k], 2 + i, 1, Qt::AlignRight);
        g->addWidget(TxtFreq[k], 2 + i, 2);
        connect(ChkFreq[k], &QCheckBox::clicked, this, [this, i] { ChkFreq_Click(i); });
        FiltroTasti::Numerico(
            TxtFreq[k], [] { return 0.0; },
            [] { return FattoreUnita[UNITA_VELOCITA] * VELOCITA_MASSIMA_BANCO; },
            [] { return DecimaliUnita[UNITA_VELOCITA]; });
        Suggerimento(ChkFreq[k], [] { return Acq(AIUTO_CICLO); });
        Suggerimento(TxtFreq[k], [this] {
            return Intervallo(VELOCITA_MINIMA_BANCO, VELOCITA_MASSIMA_BANCO, UNITA_VELOCITA, false);
        });
    }
    for (QLineEdit* c : {TxtCorsaMin, TxtCorsaMax})
        FiltroTasti::Numerico(
            c, [] { return 0.0; },
            [] { return FattoreUnita[UNITA_LUNGHEZZA] * CORSA_MASSIMA_BANCO; },
            [] { return DecimaliUnita[UNITA_LUNGHEZZA]; });

    return PanelDati;
}

QVBoxLayout* FRMACQ::CreaLetture() {
    auto* destra = new QVBoxLayout;
    CmdSelect = new QPushButton(this);
    CmdUnselect = new QPushButton(this);
    ChkTemperatura = new QCheckBox(this);
    LblTemperatura = new QLabel(this);
    destra->addWidget(CmdSelect);
    destra->addWidget(CmdUnselect);
    destra->addSpacing(12);
    destra->addWidget(ChkTemperatura);
    // The live readouts of load, stroke and temperature, each under its title.
    for (size_t k = 0; k < 3; ++k) {
        if (k < 2) PanelTitle[k] = new QLabel(this);
        LblCounter[k] = new QLabel("0", this);
        LblCounter[k]->setFrameShape(QFrame::Panel);
        LblCounter[k]->setFrameShadow(QFrame::Sunken);
        destra->addWidget(k < 2 ? PanelTitle[k] : LblTemperatura);
        destra->addWidget(LblCounter[k]);
    }
    LblModalita = new QLabel(this);
    destra->addWidget(LblModalita);
    destra->addStretch();
    return destra;
}

FRMACQ::FRMACQ(QWidget* genitore) : FinestraComponente(genitore) {
    auto* principale = new QVBoxLayout(this);
    auto* sopra = new QHBoxLayout;
    sopra->addWidget(CreaPannelloDati());
    sopra->addLayout(CreaLetture());
    principale->addLayout(sopra);
    auto* pulsanti = new QHBoxLayout;
    CmdOK = new QPushButton(this);
    CmdChiudi = new QPushButton(this);
    pulsanti->addStretch();
    pulsanti->addWidget(CmdOK);
    pulsanti->addWidget(CmdChiudi);
    principale->addLayout(pulsanti);

    connect(CmdSelect, &QPushButton::clicked, this, &FRMACQ::CmdSelect_Click);
    connect(CmdUnselect, &QPushButton::clicked, this, &FRMACQ::CmdUnselect_Click);
    connect(ChkTemperatura, &QCheckBox::clicked, this, &FRMACQ::ChkTemperatura_Click);
    connect(CmdOK, &QPushButton::clicked, this, &FRMACQ::CmdOK_Click);
    connect(CmdChiudi, &QPushButton::clicked, this, &FRMACQ::CmdChiudi_Click);
    EscPreme(this, CmdChiudi);
    InvioPredefinito(this, CmdOK);

    Suggerimenti();
    ImpostaTesto();
}

void FRMACQ::Suggerimenti() {
    const auto corsa = [this] { return Intervallo(0, CORSA_MASSIMA_BANCO, UNITA_LUNGHEZZA, true); };
    const auto velocita = [this] {
        return Intervallo(VELOCITA_MINIMA_BANCO, VELOCITA_MASSIMA_BANCO, UNITA_VELOCITA, true);
    };
    Suggerimento(this, [] { return Acq(AIUTO_FINESTRA); });
    Suggerimento(ChkTemperatura, [] { return Acq(AIUTO_TEMPERATURA); });
    Suggerimento(CmdOK, [] { return Acq(AIUTO_AVVIO); });
    Suggerimento(CmdSelect, [] { return Acq(4); });
    Suggerimento(CmdUnselect, [] { return Acq(5); });
    Suggerimento(CmdChiudi, [] { return Riga(TestiToolbar, 56); });
    Suggerimento(LblDati[0], corsa);
    Suggerimento(TxtCorsaMin, corsa);
    for (size_t k = 1; k <= 11; ++k) Suggerimento(LblDati[k], velocita);
}

void FRMACQ::ImpostaTesto() {
    setWindowTitle(Q(Acq(0)));
    PanelDati->setTitle(Q(Acq(1)));
    Scrivi(LblDati[0], Acq(2) + " " + EtichettaUnita[UNITA_LUNGHEZZA]);
    Scrivi(LblDati[12], Acq(TESTO_MIN));
    Scrivi(LblDati[13], Acq(TESTO_MAX));
    Scrivi(LblDati[1], Acq(3) + " " + EtichettaUnita[UNITA_VELOCITA]);
    for (int i = 1; i <= CICLI_BANCO; ++i)
        Scrivi(LblDati[static_cast<size_t>(i + 1)], std::to_string(i) + "\xB0 " + Acq(6));
    CmdSelect->setText(Q(Acq(4)));
    CmdUnselect->setText(Q(Acq(5)));
    const std::string temperatura = Riga(TestiQuantity, 71) + " " + Acq(UNITA_TEMPERATURA);
    ChkTemperatura->setText(Q(temperatura));
    Scrivi(LblTemperatura, temperatura);
    Scrivi(PanelTitle[0], Riga(TestiQuantity, 7) + " " + EtichettaUnita[UNITA_FORZA]);
    Scrivi(PanelTitle[1], Riga(TestiQuantity, 44) + " " + EtichettaUnita[UNITA_LUNGHEZZA]);
    Scrivi(LblModalita, Acq(TESTO_MODALITA));
    CmdOK->setText(ConTastoAccesso(Riga(TestiCommon, 0)));
    CmdChiudi->setText(ConTastoAccesso(Riga(TestiCommon, 1)));
}

std::string FRMACQ::Intervallo(double minimo, double massimo, int riga, bool unita) const {
    const auto r = static_cast<size_t>(riga);
    std::string s = AdAnsi(Q(Riga(TestiCommon, 14)).toUpper()) + ": [" +
                    FormattaNumero(minimo * FattoreUnita[r], FormatoUnita[r]) + "; " +
                    FormattaNumero(massimo * FattoreUnita[r], FormatoUnita[r]) + "]";
    if (unita) s += " " + SiglaUnita[r];
    return s;
}

void FRMACQ::Form_Activate() {
    ImpostaTesto();
    CmdSelect_Click();
    ChkTemperatura->setChecked(false);
    ChkTemperatura_Click();
    LblModalita->hide();
}

void FRMACQ::SpuntaTutti(bool spunta) {
    for (int i = 1; i <= CICLI_BANCO; ++i) {
        ChkFreq[static_cast<size_t>(i)]->setChecked(spunta);
        TxtFreq[static_cast<size_t>(i)]->setEnabled(spunta);
    }
}

void FRMACQ::ChkFreq_Click(int Index) {
    const auto k = static_cast<size_t>(Index);
    TxtFreq[k]->setEnabled(ChkFreq[k]->isChecked());
}

void FRMACQ::ChkTemperatura_Click() {
    const QString colore = ChkTemperatura->isChecked() ? "#ff0000" : "#c0c0c0";
    for (QLabel* l : {LblTemperatura, LblCounter[2]}) l->setStyleSheet("color: " + colore + ";");
}

bool FRMACQ::ControlloVariabili() {
    const int16_t n = NumeroProgetti;
    if (!ProgettoValido(n)) return false;
    ParametriAcquisizione& salvati = ParametriBanco[static_cast<size_t>(n)];
    ParametriAcquisizione par = salvati;
    par.CorsaMinima = static_cast<float>(LeggiValore(T(TxtCorsaMin), UNITA_LUNGHEZZA));
    par.CorsaMassima = static_cast<float>(LeggiValore(T(TxtCorsaMax), UNITA_LUNGHEZZA));
    for (int i = 1; i <= CICLI_BANCO; ++i) {
        const auto k = static_cast<size_t>(i);
        par.CicloAttivo[k] = TxtFreq[k]->isEnabled();
        if (par.CicloAttivo[k])
            par.VelocitaCiclo[k] = static_cast<float>(LeggiValore(T(TxtFreq[k]), UNITA_VELOCITA));
    }
    par.CanaleTemperatura = ChkTemperatura->isChecked() ? 1 : 0;
    if (const int k = ControllaParametri(par); k != 0) {
        Messaggio(Riga(Messaggi, 1) + " " + AdAnsi(Q(Riga(TestiQuantity, k)).toUpper()) +
                      Riga(Messaggi, 2),
                  vbOKOnly);
        return false;
    }
    salvati = par;
    return true;
}

void FRMACQ::CmdOK_Click() {
    if (!ControlloVariabili()) return;
    const int16_t n = NumeroProgetti;
    bool dati = false;
    SenzaChiusura([&] { dati = ConfermaAcquisizione(n); });
    LblModalita->hide();
    Chiudi();
    if (!dati) return;
    if (Vero(Progetti[n].GeometriaInserita)) CalcolaCinematica();
    if (Ganci.MostraCurve01Modale) Ganci.MostraCurve01Modale();
}

} // namespace kelvra
