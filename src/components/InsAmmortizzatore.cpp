#include "components/InsAmmortizzatore.h"

#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Unita.h"
#include "platform/Convenzioni.h"
#include "platform/FiltroTasti.h"
#include "platform/Testo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace kelvra {

namespace {

constexpr double MASSIMO_QUOTE_MM = 2000;
constexpr double MASSIMA_PRESSIONE_BAR = 1000;

std::string Riferimento(const char* verso, double valore) {
    return verso + FormattaNumero(valore, "##0.0#");
}

} // namespace

INSAMMORTIZZATORE::INSAMMORTIZZATORE(QWidget* genitore) : FinestraComponente(genitore) {
    CreaControlli();
    Suggerimento(this, [] { return Riga(TestiToolbar, 52); });
}

Progetto& INSAMMORTIZZATORE::Selezionato() const {
    return Progetti[ProgettoValido(ProgettoSelezionato) ? ProgettoSelezionato : 1];
}

QHBoxLayout* INSAMMORTIZZATORE::CreaQuote() {
    auto* sopra = new QHBoxLayout;
    auto* quote = new QGridLayout;
    for (auto*& l : LblQuote) l = new QLabel(this);
    TxtS = new QLineEdit(this);
    TxtB = new QLineEdit(this);
    TxtA = new QLineEdit(this);
    Lbl_LungMolla = new QLabel(this);
    Lbl_LungMolla->setFrameShape(QFrame::Panel);
    Lbl_LungMolla->setFrameShadow(QFrame::Sunken);
    TxtR = new QLineEdit(this);
    // Top to bottom: L, B, A, SA, RA, each under its label.
    const std::array<QWidget*, 5> valori = {TxtS, TxtB, TxtA, Lbl_LungMolla, TxtR};
    for (int k = 0; k < 5; ++k) {
        quote->addWidget(LblQuote[static_cast<size_t>(k)], k, 0);
        quote->addWidget(valori[static_cast<size_t>(k)], k, 1);
    }
    sopra->addLayout(quote);

    SSRiferimenti = new QGroupBox(this);
    auto* rif = new QGridLayout(SSRiferimenti);
    for (int k = 0; k < 3; ++k) {
        LblReference[static_cast<size_t>(k)] = new QLabel(SSRiferimenti);
        rif->addWidget(LblQuote[static_cast<size_t>(k + 5)], k, 0);
        rif->addWidget(LblReference[static_cast<size_t>(k)], k, 1);
    }
    sopra->addWidget(SSRiferimenti, 1, Qt::AlignTop);
    return sopra;
}

QGroupBox* INSAMMORTIZZATORE::CreaPannelloGas() {
    FrmPressione = new QGroupBox(this);
    auto* pannello = new QGridLayout(FrmPressione);
    for (auto*& l : LblDati) l = new QLabel(FrmPressione);
    TxtPressione = new QLineEdit(FrmPressione);
    TxtDiametro = new QLineEdit(FrmPressione);
    CmdOKPressione = new QPushButton(FrmPressione);
    CmdAnnullaForzaGas = new QPushButton(FrmPressione);
    pannello->addWidget(LblDati[0], 0, 0);
    pannello->addWidget(TxtPressione, 0, 1);
    pannello->addWidget(LblDati[1], 1, 0);
    pannello->addWidget(TxtDiametro, 1, 1);
    pannello->addWidget(CmdOKPressione, 2, 0);
    pannello->addWidget(CmdAnnullaForzaGas, 2, 1);
    return FrmPressione;
}

void INSAMMORTIZZATORE::CreaControlli() {
    auto* principale = new QVBoxLayout(this);
    principale->addLayout(CreaQuote());
    auto* gas = new QHBoxLayout;
    CmdPressione = new QPushButton(this);
    LblForzaGasIN = new QLabel(this);
    gas->addWidget(CmdPressione);
    gas->addWidget(LblForzaGasIN, 1);
    principale->addLayout(gas);
    principale->addWidget(CreaPannelloGas());
    principale->addStretch();

    auto* pulsanti = new QHBoxLayout;
    CmdOK = new QPushButton(this);
    CMDAnnulla = new QPushButton(this);
    pulsanti->addStretch();
    pulsanti->addWidget(CmdOK);
    pulsanti->addWidget(CMDAnnulla);
    principale->addLayout(pulsanti);

    const auto f0 = [] { return static_cast<double>(FattoreUnita[UNITA_LUNGHEZZA]); };
    const std::array<std::pair<QLineEdit*, double DimensioniAmmortizzatore::*>, 4> caselle = {
        {{TxtA, &DimensioniAmmortizzatore::A},
         {TxtB, &DimensioniAmmortizzatore::B},
         {TxtR, &DimensioniAmmortizzatore::Corsa},
         {TxtS, &DimensioniAmmortizzatore::Interasse}}};
    for (const auto& [casella, campo] : caselle) {
        FiltroTasti::Numerico(
            casella, [] { return 0.0; }, [f0] { return f0() * MASSIMO_QUOTE_MM; },
            [] { return int16_t{5}; });
        connect(casella, &QLineEdit::textEdited, this, [this, casella, campo] {
            Dimensioni.*campo = LeggiValore(T(casella), UNITA_LUNGHEZZA);
            if (casella != TxtR) AggiornaSedeMolla();
        });
    }
    FiltroTasti::Numerico(
        TxtPressione, [] { return 0.0; },
        [] { return FattoreUnita[UNITA_PRESSIONE] * MASSIMA_PRESSIONE_BAR; },
        [] { return int16_t{5}; });
    FiltroTasti::Numerico(
        TxtDiametro, [] { return 0.0; }, [f0] { return f0() * MASSIMO_QUOTE_MM; },
        [] { return int16_t{5}; });
    connect(TxtPressione, &QLineEdit::textEdited, this, [this] { pressioneDigitata_ = true; });
    connect(TxtDiametro, &QLineEdit::textEdited, this, [this] { diametroDigitato_ = true; });

    connect(CmdPressione, &QPushButton::clicked, this, &INSAMMORTIZZATORE::CmdPressione_Click);
    connect(CmdOKPressione, &QPushButton::clicked, this, &INSAMMORTIZZATORE::CmdOKPressione_Click);
    connect(CmdAnnullaForzaGas, &QPushButton::clicked, this,
            &INSAMMORTIZZATORE::CmdAnnullaForzaGas_Click);
    connect(CmdOK, &QPushButton::clicked, this, &INSAMMORTIZZATORE::CmdOK_Click);
    InvioPreme({TxtA, TxtB, TxtR, TxtS}, CmdOK);
    InvioPreme({TxtPressione, TxtDiametro}, CmdOKPressione);
    connect(CMDAnnulla, &QPushButton::clicked, this, &INSAMMORTIZZATORE::CMDAnnulla_Click);
    EscPreme(this, CMDAnnulla);
    FrmPressione->hide();
}

void INSAMMORTIZZATORE::ImpostaTesto() {
    const std::string& mm = EtichettaUnita[UNITA_LUNGHEZZA];
    setWindowTitle(Q(Riga(TestiInsAmmortizzatore, 0)).toUpper());
    static const std::array<const char*, 5> nomi = {"L ", "B ", "A ", "SA ", "RA "};
    for (size_t k = 0; k < nomi.size(); ++k) Scrivi(LblQuote[k], nomi[k] + mm + ":");
    SSRiferimenti->setTitle(Q(Riga(TestiInsAmmortizzatore, 1) + " " + mm));
    Scrivi(LblQuote[5], "L (" + Riga(TestiInsAmmortizzatore, 2) + ") " + mm + ":");
    Scrivi(LblQuote[6], "SA (" + Riga(TestiInsAmmortizzatore, 3) + ") " + mm + ":");
    Scrivi(LblQuote[7], "RA (" + Riga(TestiInsAmmortizzatore, 3) + ") " + mm + ":");
    CmdPressione->setText(Q(Riga(TestiInsAmmortizzatore, 4)));
    FrmPressione->setTitle(Q(Riga(TestiInsAmmortizzatore, 4)));
    Scrivi(LblDati[0], Riga(TestiInsAmmortizzatore, 4) + " " + EtichettaUnita[UNITA_PRESSIONE]);
    Scrivi(LblDati[1], Riga(TestiInsAmmortizzatore, 5) + " " + mm);
    CmdOKPressione->setText("&OK");
    CmdAnnullaForzaGas->setText(Q(Riga(TestiInsAmmortizzatore, 6)));
    Scrivi(LblForzaGasIN, Riga(TestiInsAmmortizzatore, 7));
    CmdOK->setText(ConTastoAccesso(Riga(TestiCommon, 0)));
    CMDAnnulla->setText(ConTastoAccesso(Riga(TestiCommon, 3)));
}

void INSAMMORTIZZATORE::Form_Activate() {
    ImpostaTesto();
    const Progetto& p = Selezionato();
    Dimensioni = DimensioniDi(p);
    Scrivi(TxtA, MostraValore(p.QuotaA, UNITA_LUNGHEZZA));
    Scrivi(TxtB, MostraValore(p.QuotaB, UNITA_LUNGHEZZA));
    Scrivi(TxtR, MostraValore(p.CorsaAmmortizzatore, UNITA_LUNGHEZZA));
    Scrivi(TxtS, MostraValore(p.InterasseAmmortizzatore, UNITA_LUNGHEZZA));
    Scrivi(Lbl_LungMolla, MostraValore(p.LungMollaAmmortizzatore, UNITA_LUNGHEZZA));
    MostraGas();
    VisualizzaRiferimenti(p.LungMollaAmmortizzatore * FattoreUnita[UNITA_LUNGHEZZA]);
    FrmPressione->hide();
}

void INSAMMORTIZZATORE::MostraGas() {
    const Progetto& p = Selezionato();
    Scrivi(TxtPressione, MostraValore(p.PressioneGas, UNITA_PRESSIONE));
    Scrivi(TxtDiametro, MostraValore(p.DiametroGas, UNITA_LUNGHEZZA));
    pressioneDigitata_ = diametroDigitato_ = false;
}

void INSAMMORTIZZATORE::AggiornaSedeMolla() {
    const double sa = Dimensioni.SedeMolla() * FattoreUnita[UNITA_LUNGHEZZA];
    Scrivi(Lbl_LungMolla, FormattaNumero(sa, FormatoUnita[UNITA_LUNGHEZZA]));
    VisualizzaRiferimenti(sa);
}

void INSAMMORTIZZATORE::VisualizzaRiferimenti(double L) {
    const Progetto& p = Selezionato();
    const float f0 = FattoreUnita[UNITA_LUNGHEZZA];
    Scrivi(LblReference[0], Vero(p.GeometriaInserita)
                                ? Riferimento(">=", p.LunghezzaStaticaAmmortizzatore * f0)
                                : "-");
    Scrivi(LblReference[1],
           Vero(p.MollaInserita) ? Riferimento("<=", p.LungMollaLibera * f0) : "-");
    Scrivi(LblReference[2], L == 0 ? "-" : Riferimento("<=", L));
    LblForzaGasIN->setVisible(p.ForzaGas != 0);
}

bool INSAMMORTIZZATORE::ControlloVariabili() {
    const Progetto& p = Selezionato();
    const double pressione = pressioneDigitata_
                                 ? static_cast<float>(LeggiValore(T(TxtPressione), UNITA_PRESSIONE))
                                 : p.PressioneGas;
    const double diametro = diametroDigitato_
                                ? static_cast<float>(LeggiValore(T(TxtDiametro), UNITA_LUNGHEZZA))
                                : p.DiametroGas;
    ImpostaGas(pressione, diametro);
    return true;
}

void INSAMMORTIZZATORE::CmdOKPressione_Click() {
    if (!ControlloVariabili()) return;
    LblForzaGasIN->setVisible(Selezionato().ForzaGas != 0);
    FrmPressione->hide();
}

void INSAMMORTIZZATORE::CmdAnnullaForzaGas_Click() {
    ImpostaGas(0, 0);
    LblForzaGasIN->setVisible(false);
    MostraGas();
    FrmPressione->hide();
}

void INSAMMORTIZZATORE::CmdOK_Click() {
    ConfermaAmmortizzatore(Dimensioni);
    Chiudi();
}

} // namespace kelvra
