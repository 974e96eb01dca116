#include "components/FinestraTabella.h"

#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Seams.h"
#include "core/Unita.h"
#include "platform/Convenzioni.h"
#include "platform/CorniceMdi.h"
#include "platform/Dialoghi.h"
#include "platform/FiltroTasti.h"
#include "platform/Messaggi.h"
#include "platform/Posizione.h"
#include "platform/Stampante.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

namespace kelvra {

int16_t TabellaAttiva = 0;

namespace {

constexpr int RIGHE_FISSE = 2;
constexpr float LARGHEZZA_FORZA_COSTANTE = 1950; // twips, rate layout
constexpr float LARGHEZZA_FORZA_FORZA = 1335;    // force layout
constexpr float LARGHEZZA_LABEL8 = 615;
constexpr std::array<int, 3> LARGHEZZE_COLONNE = {1600, 1000, 1600};
constexpr const char* FORMATO_CORSA = "0.00";
constexpr const char* FORMATO_FORZA = "0.000";
constexpr const char* DIVISO = "\xF7"; // the range sign between two cells

int Pixel(float twips, const QWidget* w) {
    return static_cast<int>(twips / TwipsPerPixelX(w) + 0.5f);
}

} // namespace

FinestraTabella::FinestraTabella(LeggeForza legge, QWidget* genitore)
    : FinestraComponente(genitore), Tabella(legge) {
    CreaControlli();
}

// ---- construction ---------------------------------------------------------------------

QGroupBox* FinestraTabella::CreaLunghezze() {
    Frame1 = new QGroupBox(this);
    auto* g = new QGridLayout(Frame1);
    LblLunghezza = new QLabel(Frame1);
    Lbl_MaxComp = new QLabel(Frame1);
    TxtLunghezza = new QLineEdit(Frame1);
    TxtLunghezzaCompressa = new QLineEdit(Frame1);
    for (auto*& l : Lbl_mm) l = new QLabel(this);
    g->addWidget(LblLunghezza, 0, 0);
    g->addWidget(TxtLunghezza, 0, 1);
    g->addWidget(Lbl_mm[0], 0, 2);
    g->addWidget(Lbl_MaxComp, 1, 0);
    g->addWidget(TxtLunghezzaCompressa, 1, 1);
    g->addWidget(Lbl_mm[1], 1, 2);
    CmdOK1 = new QPushButton(Frame1);
    g->addWidget(CmdOK1, 3, 1);
    const auto f0 = [] { return static_cast<double>(FattoreUnita[UNITA_LUNGHEZZA]); };
    FiltroTasti::Numerico(
        TxtLunghezza, [] { return 0.0; }, [f0] { return f0() * 1000 * PassoTabella; },
        [] { return int16_t{5}; });
    FiltroTasti::Numerico(
        TxtLunghezzaCompressa, [] { return 0.0; },
        [this, f0] { return Val(T(TxtLunghezza)) - PassoTabella * f0(); },
        [] { return int16_t{5}; });
    connect(TxtLunghezza, &QLineEdit::textEdited, this,
            [this] { Tabella.LiberaMm = LeggiValore(T(TxtLunghezza), UNITA_LUNGHEZZA); });
    connect(TxtLunghezzaCompressa, &QLineEdit::textEdited, this, [this] {
        Tabella.CompressaMm = LeggiValore(T(TxtLunghezzaCompressa), UNITA_LUNGHEZZA);
    });
    connect(CmdOK1, &QPushButton::clicked, this, &FinestraTabella::CmdOK1_Click);
    InvioPreme({TxtLunghezza, TxtLunghezzaCompressa}, CmdOK1);
    return Frame1;
}

QGroupBox* FinestraTabella::CreaBlocco() {
    Frame3 = new QGroupBox(this);
    auto* g = new QGridLayout(Frame3);
    Lbl_Corsa = new QLabel(Frame3);
    Lbl_Forza = new QLabel(Frame3);
    Lbl_CostEl = new QLabel(Frame3);
    TxtEscursione = new QLineEdit(Frame3);
    TxtEscursione->setReadOnly(true);
    TxtForza = new QLineEdit(Frame3);
    TxtCostanteElastica = new QLineEdit(Frame3);
    Label8 = new QLabel(Frame3);
    Label8->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    Lbl_N = new QLabel(Frame3);
    Lbl_Nmm = new QLabel(Frame3);
    auto* rigaForza = new QHBoxLayout;
    rigaForza->setContentsMargins(0, 0, 0, 0);
    rigaForza->addWidget(Label8);
    rigaForza->addWidget(TxtForza);
    rigaForza->addStretch();
    g->addWidget(Lbl_Corsa, 0, 0);
    g->addWidget(TxtEscursione, 0, 1);
    g->addWidget(Lbl_mm[2], 0, 2);
    g->addWidget(Lbl_Forza, 1, 0);
    g->addLayout(rigaForza, 1, 1);
    g->addWidget(Lbl_N, 1, 2);
    g->addWidget(Lbl_CostEl, 2, 0);
    g->addWidget(TxtCostanteElastica, 2, 1);
    g->addWidget(Lbl_Nmm, 2, 2);
    for (QLineEdit* c : {TxtForza, TxtCostanteElastica}) FiltroTasti::Numerico(c, 0, 999999, 5);
    connect(TxtCostanteElastica, &QLineEdit::textEdited, this,
            &FinestraTabella::TxtCostanteElastica_Change);
    connect(TxtForza, &QLineEdit::textEdited, this, &FinestraTabella::TxtForza_Change);
    connect(TxtCostanteElastica, &QLineEdit::returnPressed, this,
            [this] { ChiudiBlocco(TxtCostanteElastica, Lbl_CostEl); });
    connect(TxtForza, &QLineEdit::returnPressed, this,
            [this] { ChiudiBlocco(TxtForza, Lbl_Forza); });
    return Frame3;
}

void FinestraTabella::CreaControlli() {
    auto* principale = new QHBoxLayout(this);
    sinistra_ = new QWidget(this);
    auto* colonna = new QVBoxLayout(sinistra_);
    colonna->setContentsMargins(0, 0, 0, 0);
    colonna->addWidget(CreaLunghezze());

    FrameModo = new QGroupBox(this);
    auto* modi = new QHBoxLayout(FrameModo);
    for (int k = 1; k <= 2; ++k) {
        OptCostModo[static_cast<size_t>(k)] = new QRadioButton(FrameModo);
        modi->addWidget(OptCostModo[static_cast<size_t>(k)]);
        connect(OptCostModo[static_cast<size_t>(k)], &QRadioButton::clicked, this,
                [this, k] { OptCostModo_Click(k); });
    }
    colonna->addWidget(FrameModo);

    Frame4 = new QGroupBox(this);
    auto* stampa = new QVBoxLayout(Frame4);
    Frame_PassoStampa = new QGroupBox(Frame4);
    auto* passi = new QHBoxLayout(Frame_PassoStampa);
    for (auto*& o : Opt_PassoStampa) {
        o = new QRadioButton(Frame_PassoStampa);
        passi->addWidget(o);
    }
    CmdStampa = new QPushButton(Frame4);
    stampa->addWidget(Frame_PassoStampa);
    stampa->addWidget(CmdStampa);
    colonna->addWidget(Frame4);
    colonna->addStretch();
    connect(CmdStampa, &QPushButton::clicked, this, &FinestraTabella::CmdStampa_Click);

    auto* destra = new QVBoxLayout;
    GrdTabella = new Griglia(this);
    GrdTabella->setWordWrap(true);
    GrdTabella->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    destra->addWidget(GrdTabella, 1);
    destra->addWidget(CreaBlocco());
    auto* pulsanti = new QHBoxLayout;
    CmdOK2 = new QPushButton(this);
    CmdEsci = new QPushButton(this);
    pulsanti->addStretch();
    pulsanti->addWidget(CmdOK2);
    pulsanti->addWidget(CmdEsci);
    destra->addLayout(pulsanti);
    principale->addWidget(sinistra_);
    principale->addLayout(destra, 1);
    connect(CmdOK2, &QPushButton::clicked, this, &FinestraTabella::CmdOK2_Click);
    connect(CmdEsci, &QPushButton::clicked, this, &FinestraTabella::CmdEsci_Click);
    EscPreme(this, CmdEsci);
    connect(GrdTabella, &Griglia::FineSelezione, this, &FinestraTabella::GrdTabella_FineSelezione);
    connect(GrdTabella, &Griglia::MouseMove, this,
            [] { ImpostaSuggerimento(Riga(TestiToolbar, 41)); });

    // Initial state: only the lengths can be entered.
    for (QWidget* w : std::initializer_list<QWidget*>{
             Lbl_Corsa, TxtEscursione, Lbl_Forza, TxtForza, Lbl_CostEl, TxtCostanteElastica,
             OptCostModo[1], OptCostModo[2], CmdOK2, CmdStampa, Frame_PassoStampa})
        w->setEnabled(false);
    Label8->hide();
    LayoutForza(false);
    Suggerimento(CmdStampa, [] { return Riga(TestiToolbar, 39); });
    Suggerimento(Frame_PassoStampa, [] { return Riga(TestiToolbar, 40); });
    for (auto* o : Opt_PassoStampa) Suggerimento(o, [] { return Riga(TestiToolbar, 42); });
}

void FinestraTabella::ImpostaTesto() {
    setWindowTitle(Q(Titolo()).toUpper());
    for (auto* l : Lbl_mm) Scrivi(l, EtichettaUnita[UNITA_LUNGHEZZA]);
    Scrivi(Lbl_N, EtichettaUnita[UNITA_FORZA]);
    Scrivi(Lbl_Nmm, EtichettaCoefficiente());
    OptCostModo[1]->setText(Q(Riga(TestiInsMolla, 3)));
    OptCostModo[2]->setText(Q(Riga(TestiInsMolla, 4)));
    Scrivi(Lbl_Forza, Riga(TestiInsMolla, 4));
    Scrivi(Lbl_CostEl, Riga(TestiInsMolla, 3));
    Frame_PassoStampa->setTitle(Q(Riga(TestiCommon, 11)));
    static const std::array<const char*, 3> metrici = {"1", "5", "10"};
    static const std::array<const char*, 3> imperiali = {"0.04", "0.20", "0.40"};
    for (size_t k = 0; k < 3; ++k) {
        const char* passo = SistemaUnita == SISTEMA_IMPERIALE ? imperiali[k] : metrici[k];
        Opt_PassoStampa[k]->setText(Q(std::string(passo) + " " + SiglaUnita[UNITA_LUNGHEZZA]));
    }
}

std::string FinestraTabella::EtichettaCoefficiente() const {
    return EtichettaUnita[UNITA_RIGIDEZZA];
}

void FinestraTabella::ImpostaGriglia() {
    const bool molla = Tabella.Legge() == LeggeForza::Lineare;
    const std::string titoloCorsa = molla ? Riga(TestiInsMolla, 8) : Riga(TestiQuantity, 36);
    {
        Griglia::Blocco blocco(*GrdTabella);
        GrdTabella->SetFixedRows(0);
        GrdTabella->SetFixedCols(0);
        GrdTabella->SetRows(0);
        GrdTabella->SetCols(3);
        for (size_t c = 0; c < 3; ++c) {
            const int colonna = static_cast<int>(c);
            GrdTabella->SetColWidth(colonna, LARGHEZZE_COLONNE[c]);
            GrdTabella->SetColAlignment(colonna, Griglia::CENTRATO);
            GrdTabella->SetFixedAlignment(colonna, Griglia::CENTRATO);
        }
        GrdTabella->AddItem(titoloCorsa + "\t" + Riga(TestiInsMolla, 4) + "\t" +
                            Riga(TestiInsMolla, 3));
        GrdTabella->AddItem(EtichettaUnita[UNITA_LUNGHEZZA] + "\t" + EtichettaUnita[UNITA_FORZA] +
                            "\t" + EtichettaCoefficiente());
        GrdTabella->SetFixedRows(RIGHE_FISSE);
    }
    GrdTabella->resizeRowToContents(0); // a long title wraps
    float larghezza = 0;
    for (float l : LARGHEZZE_COLONNE) larghezza += l;
    GrdTabella->setFixedWidth(Pixel(larghezza, this) +
                              GrdTabella->verticalScrollBar()->sizeHint().width() +
                              2 * GrdTabella->frameWidth());
}

// ---- state helpers ----------------------------------------------------------------------

Progetto& FinestraTabella::Selezionato() const {
    return Progetti[ProgettoValido(ProgettoSelezionato) ? ProgettoSelezionato : 1];
}

int16_t FinestraTabella::ModoScelto() const {
    if (OptCostModo[1]->isChecked()) return MODO_COSTANTE;
    if (OptCostModo[2]->isChecked()) return MODO_FORZA;
    return 0;
}

std::string FinestraTabella::CellaCorsa(int i, const std::string& formato) const {
    const double corsa = Int(i * PassoTabella * 100 + 0.5) / 100;
    return FormattaNumero(FattoreUnita[UNITA_LUNGHEZZA] * corsa, formato);
}

void FinestraTabella::ScriviRiga(int i, const std::string& formatoForza,
                                 const std::string& formatoCostante) {
    const auto r = static_cast<size_t>(i);
    const int g = i + RIGHE_FISSE;
    if (!Tabella.ConValore(i)) {
        GrdTabella->SetTextMatrix(g, COL_COSTANTE, "");
        GrdTabella->SetTextMatrix(g, COL_FORZA, "");
        return;
    }
    GrdTabella->SetTextMatrix(g, COL_COSTANTE,
                              FormattaNumero(Tabella.TabellaCostanti[r], formatoCostante));
    GrdTabella->SetTextMatrix(g, COL_FORZA,
                              i == 0 ? std::string("0")
                                     : FormattaNumero(Tabella.TabellaForze[r], formatoForza));
}

void FinestraTabella::LayoutForza(bool modoForza) {
    Label8->setFixedWidth(Pixel(LARGHEZZA_LABEL8, this));
    TxtForza->setFixedWidth(
        Pixel(modoForza ? LARGHEZZA_FORZA_FORZA : LARGHEZZA_FORZA_COSTANTE, this));
    if (!modoForza) Label8->hide();
}

void FinestraTabella::AttivaPassoStampa(bool flag) {
    Frame_PassoStampa->setEnabled(flag);
    for (auto* o : Opt_PassoStampa) o->setEnabled(flag);
    Opt_PassoStampa[0]->setChecked(flag);
    CmdStampa->setEnabled(flag);
}

void FinestraTabella::ControllaTabella(int colonna) {
    CursoreAttesa attesa;
    GrdTabella->SetCol(colonna);
    bool flag = false;
    for (int r = GrdTabella->FixedRows(); r < GrdTabella->Rows() && !flag; ++r)
        flag = Val(GrdTabella->TextMatrix(r, colonna)) != 0;
    AttivaPassoStampa(flag);
}

// ---- activation ---------------------------------------------------------------------------

void FinestraTabella::Form_Activate() {
    CursoreAttesa attesa;
    ImpostaTesto();
    GrdTabella->setEnabled(false);
    TabellaAttiva = 1;
    ImpostaGriglia();
    for (QWidget* w : std::initializer_list<QWidget*>{
             Lbl_mm[2], Lbl_N, Lbl_Nmm, Lbl_Corsa, TxtEscursione, Lbl_Forza, TxtForza, Lbl_CostEl,
             TxtCostanteElastica, OptCostModo[1], OptCostModo[2]})
        w->setEnabled(false);

    const Progetto& p = Selezionato();
    const bool inserito = ComponenteInserito(p);
    CaricaDaProgetto(p);
    if (inserito) {
        const int n = std::min(Tabella.UltimaRiga(), MAX_RIGHE);
        for (int i = 0; i <= n; ++i) {
            GrdTabella->AddItem(CellaCorsa(i, FormatoCaricato(COL_CORSA)));
            ScriviRiga(i, FormatoCaricato(COL_FORZA), FormatoCaricato(COL_COSTANTE));
        }
        CmdOK2->setEnabled(true);
        Scrivi(TxtLunghezza, MostraValore(Tabella.LiberaMm, UNITA_LUNGHEZZA));
        Scrivi(TxtLunghezzaCompressa, MostraValore(Tabella.CompressaMm, UNITA_LUNGHEZZA));
        AttivaPassoStampa(true);
        GrdTabella->Seleziona(GrdTabella->SelStartRow(), 0, GrdTabella->SelEndRow(), 2);
    }
    DopoAttivazione(inserito);
    LayoutForza(inserito && ModoSalvato(p) == MODO_FORZA);
    GrdTabella->setEnabled(true);
}

// ---- lengths and mode -----------------------------------------------------------------------

void FinestraTabella::CmdOK1_Click() {
    const int messaggio = Tabella.ControllaLunghezze(Selezionato());
    if (messaggio != 0) {
        Messaggio(Riga(Messaggi, messaggio), vbCritical);
        return;
    }
    CmdOK1->setEnabled(false);
    OptCostModo[1]->setEnabled(true);
    OptCostModo[2]->setEnabled(true);
    for (QWidget* w : std::initializer_list<QWidget*>{LblLunghezza, Lbl_MaxComp, TxtLunghezza,
                                                      TxtLunghezzaCompressa, Lbl_mm[0], Lbl_mm[1]})
        w->setEnabled(false);
    LunghezzeConfermate();
}

void FinestraTabella::OptCostModo_Click(int Index) {
    if (Index < 1 || Index > 2 || !OptCostModo[static_cast<size_t>(Index)]->isEnabled()) return;
    CursoreAttesa attesa;
    GrdTabella->setEnabled(false);
    ImpostaGriglia();
    // A new table starts empty: nothing typed or loaded before may feed a block or be stored.
    Tabella.Azzera();
    const int n = std::clamp(Tabella.UltimaRiga(), 0, MAX_RIGHE);
    for (int i = 0; i <= n; ++i) GrdTabella->AddItem(CellaCorsa(i, FORMATO_CORSA) + "\t\t");
    CmdOK2->setEnabled(true);
    OptCostModo[1]->setEnabled(false);
    OptCostModo[2]->setEnabled(false);
    LayoutForza(Index == MODO_FORZA);
    AttivaPassoStampa(false);
    GrdTabella->setEnabled(true);
}

// ---- blocks -----------------------------------------------------------------------------------

void FinestraTabella::GrdTabella_FineSelezione() {
    if (TabellaAttiva != 1 || !GrdTabella->isEnabled()) return;
    const bool fuoco = GrdTabella->hasFocus(); // kept when no entry box takes it
    GrdTabella->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{Lbl_Corsa, TxtEscursione, Lbl_Forza, TxtForza,
                                                      Lbl_CostEl, TxtCostanteElastica})
        w->setEnabled(false);
    int primo = GrdTabella->SelStartRow();
    const int ultimo = GrdTabella->SelEndRow();
    if (primo == ultimo) {
        GrdTabella->SetCol(COL_COSTANTE);
        primo = Tabella.InizioBlocco(ultimo - RIGHE_FISSE) + RIGHE_FISSE;
    }
    GrdTabella->Seleziona(primo, 0, ultimo, 2);
    RigheBlocco = static_cast<int16_t>(ultimo - primo + 1);
    if (OptCostModo[1]->isChecked()) {
        VisualizzaIntervallo();
        for (QWidget* w : std::initializer_list<QWidget*>{Lbl_CostEl, TxtCostanteElastica, Lbl_Nmm})
            w->setEnabled(true);
        TxtCostanteElastica->setFocus();
    } else if (OptCostModo[2]->isChecked()) {
        VisualizzaIntervalloForza();
        for (QWidget* w : std::initializer_list<QWidget*>{Lbl_Forza, TxtForza, Lbl_N})
            w->setEnabled(true);
        TxtForza->setFocus();
    } else if (fuoco) {
        GrdTabella->setEnabled(true);
        GrdTabella->setFocus();
    }
    GrdTabella->setEnabled(true);
}

void FinestraTabella::VisualizzaIntervallo() {
    const int f = GrdTabella->SelStartRow(), l = UltimaRigaBlocco();
    auto intervallo = [&](int colonna) {
        std::string s = GrdTabella->TextMatrix(f, colonna);
        if (l != f) s += DIVISO + GrdTabella->TextMatrix(l, colonna);
        return s;
    };
    Scrivi(TxtEscursione, intervallo(COL_CORSA));
    Scrivi(TxtForza, intervallo(COL_FORZA));
    Scrivi(TxtCostanteElastica, GrdTabella->TextMatrix(f, COL_COSTANTE));
    GrdTabella->SetRow(f);
    GrdTabella->SetCol(COL_COSTANTE);
}

void FinestraTabella::VisualizzaIntervalloForza() {
    const int f = GrdTabella->SelStartRow(), l = UltimaRigaBlocco();
    Label8->hide();
    std::string corsa = GrdTabella->TextMatrix(f, COL_CORSA);
    if (l != f) {
        corsa += DIVISO + GrdTabella->TextMatrix(l, COL_CORSA);
        Scrivi(Label8, GrdTabella->TextMatrix(l, COL_CORSA) + "\xBB");
        Label8->show();
    }
    Scrivi(TxtEscursione, corsa);
    Scrivi(TxtForza, GrdTabella->TextMatrix(l, COL_FORZA));
    Scrivi(TxtCostanteElastica, GrdTabella->TextMatrix(l, COL_COSTANTE));
}

void FinestraTabella::TxtCostanteElastica_Change() {
    if (!TxtCostanteElastica->isEnabled()) return;
    CursoreAttesa attesa;
    GrdTabella->setEnabled(false);
    const int f = GrdTabella->SelStartRow(), l = UltimaRigaBlocco();
    // An emptied box takes the block's values back: its rows hold none until a number is typed.
    const bool vuota = TxtCostanteElastica->text().trimmed().isEmpty();
    if (vuota)
        Tabella.Svuota(f - RIGHE_FISSE, RigheBlocco);
    else
        Tabella.RiempiCostante(f - RIGHE_FISSE, RigheBlocco, Val(T(TxtCostanteElastica)));
    for (int r = f; r <= l; ++r)
        ScriviRiga(r - RIGHE_FISSE, FormatoCostante(COL_FORZA), FormatoCostante(COL_COSTANTE));
    std::string forza = GrdTabella->TextMatrix(f, COL_FORZA);
    if (RigheBlocco != 1 && !vuota) forza += DIVISO + GrdTabella->TextMatrix(l, COL_FORZA);
    Scrivi(TxtForza, forza);
    ControllaTabella(COL_COSTANTE);
    GrdTabella->setEnabled(true);
}

void FinestraTabella::TxtForza_Change() {
    if (!TxtForza->isEnabled()) return;
    CursoreAttesa attesa;
    GrdTabella->setEnabled(false);
    const int f = GrdTabella->SelStartRow(), l = UltimaRigaBlocco();
    if (TxtForza->text().trimmed().isEmpty()) {
        Tabella.Svuota(f - RIGHE_FISSE, RigheBlocco);
        Scrivi(TxtCostanteElastica, "");
    } else {
        const double k = Tabella.RiempiForza(f - RIGHE_FISSE, RigheBlocco, Val(T(TxtForza)));
        Scrivi(TxtCostanteElastica, FormattaNumero(k, FORMATO_FORZA));
    }
    for (int r = f; r <= l; ++r) ScriviRiga(r - RIGHE_FISSE, FORMATO_FORZA, FORMATO_FORZA);
    ControllaTabella(COL_FORZA);
    GrdTabella->setEnabled(true);
}

void FinestraTabella::ChiudiBlocco(QLineEdit* casella, QLabel* etichetta) {
    if (!casella->isEnabled()) return;
    casella->setEnabled(false);
    GrdTabella->setEnabled(false);
    const int prossimo = GrdTabella->SelStartRow() + RigheBlocco;
    if (prossimo + RigheBlocco - 1 < GrdTabella->Rows()) {
        // The next block of the same size, ready for its value.
        GrdTabella->Seleziona(prossimo, 0, prossimo + RigheBlocco - 1, 2);
        if (casella == TxtForza)
            VisualizzaIntervalloForza();
        else
            VisualizzaIntervallo();
        casella->setEnabled(true);
        casella->setFocus();
        casella->selectAll();
    } else {
        const int f = GrdTabella->SelStartRow();
        GrdTabella->Seleziona(f, 0, f, 0);
        etichetta->setEnabled(false);
    }
    GrdTabella->setEnabled(true);
}

// ---- commit and print ---------------------------------------------------------------------

void FinestraTabella::CmdOK2_Click() {
    if (!Tabella.RigheValide()) {
        Messaggio(Riga(Messaggi, MSG_RIGHE_TABELLA), vbCritical);
        return;
    }
    // A row never filled would read 0 N, as if the component stopped pushing there.
    if (const int vuota = Tabella.PrimaRigaVuota(); vuota != 0) {
        RigaSenzaValore(vuota);
        return;
    }
    Salva();
    Chiudi();
}

void FinestraTabella::RigaSenzaValore(int i) {
    const int g = i + RIGHE_FISSE;
    GrdTabella->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{Lbl_Corsa, TxtEscursione, Lbl_Forza, TxtForza,
                                                      Lbl_CostEl, TxtCostanteElastica})
        w->setEnabled(false);
    GrdTabella->Seleziona(g, 0, g, 2);
    GrdTabella->SetCol(COL_COSTANTE);
    GrdTabella->scrollTo(GrdTabella->model()->index(g - GrdTabella->FixedRows(), 0));
    GrdTabella->setEnabled(true);
    // The row is named by its deflection, the figure the grid shows on it.
    Messaggio(Riga(Messaggi, MSG_RIGA_VUOTA) + " " + GrdTabella->TextMatrix(g, COL_CORSA) + " " +
                  SiglaUnita[UNITA_LUNGHEZZA] + ".\n" + Riga(Messaggi, MSG_RIEMPI_RIGHE),
              vbExclamation);
    GrdTabella->setFocus();
}

int FinestraTabella::PassoStampa() const {
    static const std::array<int, 3> passi = {1, 5, 10};
    for (size_t k = 0; k < 3; ++k)
        if (Opt_PassoStampa[k]->isChecked()) return passi[k];
    return 1;
}

void FinestraTabella::CmdStampa_Click() {
    SenzaChiusura([this] {
        if (!VerificaStampante(Riga(Messaggi, 46))) return;
        // A selection of several rows prints those rows; otherwise every step-th row.
        int primo = GrdTabella->FixedRows(), ultimo = GrdTabella->Rows() - 1, passo = PassoStampa();
        if (GrdTabella->SelEndRow() > GrdTabella->SelStartRow()) {
            primo = std::max(GrdTabella->SelStartRow(), primo);
            ultimo = GrdTabella->SelEndRow();
            passo = 1;
        }
        std::vector<int> righe = {0, 1};
        for (int r = primo; r <= ultimo; r += passo) righe.push_back(r);
        const int altezza = fontMetrics().height() + 4, larghezza = 160;
        QImage pagina(larghezza * 3 + 20, altezza * static_cast<int>(righe.size()) + 20,
                      QImage::Format_RGB32);
        pagina.fill(Qt::white);
        QPainter pittore(&pagina);
        pittore.setFont(font());
        for (size_t k = 0; k < righe.size(); ++k)
            for (int c = 0; c < 3; ++c)
                pittore.drawText(QRect(10 + c * larghezza, 10 + static_cast<int>(k) * altezza,
                                       larghezza, altezza),
                                 Qt::AlignCenter, Q(GrdTabella->TextMatrix(righe[k], c)));
        pittore.end();
        if (!StampaImmagine(pagina, InUtf8(Titolo()))) MsgBox(Riga(Messaggi, 48), vbCritical);
    });
}

} // namespace kelvra
