#include "tables/Tab01.h"

#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Seams.h"
#include "core/Servizi.h"
#include "core/Unita.h"
#include "platform/CorniceMdi.h"
#include "platform/Dialoghi.h"
#include "platform/Messaggi.h"
#include "platform/Posizione.h"
#include "platform/Stampante.h"
#include "platform/Testo.h"
#include "shell/Ganci.h"
#include "shell/Main.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

namespace kelvra {

namespace {

constexpr int LARGHEZZA_COLONNA = 2000; // twips
constexpr std::array<float, 3> PASSI = {1.0f, 5.0f, 10.0f};
constexpr std::array<const char*, 3> PASSI_METRICI = {"1 ", "5 ", "10 "};
constexpr std::array<const char*, 3> PASSI_IMPERIALI = {"0.04 ", "0.20 ", "0.40 "};

QString Comando(int riga) {
    return ConTastoAccesso(Riga(TestiCommon, riga));
}

} // namespace

QString VoceProgetto(int16_t p) {
    return QString::fromStdString(EtichettaProgetto(p));
}

TAB01::TAB01(QWidget* genitore) : QDialog(genitore) {
    setObjectName(QStringLiteral("TAB01"));
    CostruisciControlli();
    resize(static_cast<int>(12000 / TwipsPerPixelX(this)),
           static_cast<int>(7800 / TwipsPerPixelY(this)));
}

void TAB01::CostruisciControlli() {
    Grid = new Griglia(this);
    CmbSceltaConf = new QComboBox(this);
    CmbSceltaConf->setMinimumContentsLength(18);
    LblScelta = new QLabel(this);
    LblPasso = new QLabel(this);
    for (auto*& opzione : OptSceltaPasso) opzione = new QRadioButton(this);
    OptSceltaPasso[0]->setChecked(true);
    CmdDati = new QPushButton(this);
    CmdGrafici = new QPushButton(this);
    CmdStampa = new QPushButton(this);
    CmdChiudi = new QPushButton(this);

    auto* scelta = new QHBoxLayout;
    scelta->addWidget(LblScelta);
    scelta->addWidget(CmbSceltaConf);
    scelta->addSpacing(24);
    scelta->addWidget(LblPasso);
    for (auto* opzione : OptSceltaPasso) scelta->addWidget(opzione);
    scelta->addStretch(1);
    auto* comandi = new QHBoxLayout;
    for (auto* pulsante : {CmdDati, CmdGrafici, CmdStampa}) comandi->addWidget(pulsante);
    comandi->addStretch(1);
    comandi->addWidget(CmdChiudi);
    auto* finestra = new QVBoxLayout(this);
    finestra->addWidget(Grid, 1);
    finestra->addLayout(scelta);
    finestra->addLayout(comandi);

    connect(CmbSceltaConf, qOverload<int>(&QComboBox::activated), this,
            [this](int) { CmbSceltaConf_Click(); });
    for (int i = 0; i < 3; ++i)
        connect(OptSceltaPasso[static_cast<std::size_t>(i)], &QRadioButton::clicked, this,
                [this, i] { OptSceltaPasso_Click(i); });
    connect(CmdChiudi, &QPushButton::clicked, this, [this] { CmdChiudi_Click(); });
    connect(CmdDati, &QPushButton::clicked, this, [this] { CmdDati_Click(); });
    connect(CmdGrafici, &QPushButton::clicked, this, [this] { CmdGrafici_Click(); });
    connect(CmdStampa, &QPushButton::clicked, this, [this] { CmdStampa_Click(); });

    suggerimenti_ = {{CmdChiudi, 34}, {CmdDati, 23},  {CmdGrafici, 36}, {CmdStampa, 38},
                     {this, 35},      {LblPasso, 81}, {LblScelta, 37}};
    for (auto* opzione : OptSceltaPasso) suggerimenti_[opzione] = 81;
    for (auto& [oggetto, riga] : suggerimenti_) {
        static_cast<QWidget*>(oggetto)->setMouseTracking(true);
        oggetto->installEventFilter(this);
    }
}

bool TAB01::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::Enter || evento->type() == QEvent::MouseMove) {
        if (auto it = suggerimenti_.find(oggetto); it != suggerimenti_.end())
            ImpostaSuggerimento(Riga(TestiToolbar, it->second));
    }
    return QDialog::eventFilter(oggetto, evento);
}

void TAB01::Form_Load() {
    ImpostaTesto();
}

void TAB01::Form_Activate() {
    ImpostaFinestra();
}

void TAB01::ImpostaTesto() {
    setWindowTitle(DaAnsi(Riga(TestiTabelle, 0)));
    LblScelta->setText(DaAnsi(Riga(TestiTabelle, 1)));
    LblPasso->setText(DaAnsi(Riga(TestiTabelle, 18)));
    CmdGrafici->setText(Comando(9));
    CmdDati->setText(Comando(5));
    CmdStampa->setText(Comando(4));
    CmdChiudi->setText(Comando(1));
}

void TAB01::ImpostaFinestra() {
    Passo = 1.0f;
    OptSceltaPasso[0]->setChecked(true);
    // The chooser is filled afresh, so that a new showing never lists a project twice, and
    // shows the project the table shows.
    CmbSceltaConf->clear();
    for (int16_t p = 1; p <= NumeroProgetti && p <= MAX_PROGETTI; ++p)
        CmbSceltaConf->addItem(VoceProgetto(p));
    const auto& passi = SistemaUnita == SISTEMA_IMPERIALE ? PASSI_IMPERIALI : PASSI_METRICI;
    if (SistemaUnita == SISTEMA_METRICO || SistemaUnita == SISTEMA_IMPERIALE) {
        for (std::size_t i = 0; i < passi.size(); ++i)
            OptSceltaPasso[i]->setText(DaAnsi(passi[i] + SiglaUnita[UNITA_LUNGHEZZA]));
    }
    Corsa = FormatoCorsaPerSistema(SistemaUnita, Corsa);
    Mostra(NumeroProgetti);
}

void TAB01::CmbSceltaConf_Click() {
    Mostra(static_cast<int16_t>(CmbSceltaConf->currentIndex() + 1));
}

void TAB01::OptSceltaPasso_Click(int Index) {
    if (Index < 0 || Index >= static_cast<int>(PASSI.size())) return;
    Passo = PASSI[static_cast<std::size_t>(Index)];
    Mostra(progetto_);
}

// Rebuilds the grid for a project: the reset to one empty row of two columns with no fixed
// row or column, the layout's columns, then its rows.
void TAB01::Mostra(int16_t progetto) {
    if (!ProgettoValido(progetto)) return;
    progetto_ = progetto;
    {
        const QSignalBlocker blocco(CmbSceltaConf);
        CmbSceltaConf->setCurrentIndex(progetto - 1);
    }
    {
        Griglia::Blocco blocco(*Grid);
        Grid->SetFixedRows(0);
        Grid->SetFixedCols(0);
        Grid->SetCols(2);
        Grid->SetRows(1);
        for (int c = 0; c < 2; ++c) Grid->SetTextMatrix(0, c, "");
        ImpostaColonne(progetto);
        RiempimentoTabella(progetto);
    }
}

void TAB01::ImpostaColonne(int16_t progetto) {
    const int colonne = NumeroColonneLayout(Progetti[progetto].StatoDatiProgetto);
    if (colonne > 0) {
        Grid->SetCols(colonne);
        for (int c = 0; c < colonne; ++c) Grid->SetColWidth(c, LARGHEZZA_COLONNA);
    } else {
        for (int c = 0; c < Grid->Cols(); ++c) Grid->SetColWidth(c, 0);
    }
}

void TAB01::RiempimentoTabella(int16_t progetto) {
    const Progetto& p = Progetti[progetto];
    const int stato = p.StatoDatiProgetto;
    if (GruppiLayout(stato).empty()) return;
    Grid->AddItem(RigaIntestazioni(stato));
    Grid->AddItem(RigaUnitaMisura(stato));
    Grid->RemoveItem(0);
    // The value rows are formatted when they are shown.
    const int passo = std::max<int>(CInt(Passo), 1);
    Grid->AddItemsCalcolati(RigheValori(p, stato, passo),
                            [valori = ValoriTabella(p, stato, Corsa), passo](int k, int colonna) {
                                return valori.Cella(k * passo, colonna);
                            });
    Grid->SetFixedRows(2);
    Grid->SetFixedCols(0);
    for (int c = 0; c < Grid->Cols(); ++c) Grid->SetFixedAlignment(c, Griglia::CENTRATO);
    for (int c = 0; c < Grid->Cols(); ++c) Grid->SetColAlignment(c, Griglia::CENTRATO);
    Grid->AdattaLarghezzeIntestazioni();
}

void TAB01::CmdChiudi_Click() {
    seguito_ = Seguito::Nessuno;
    done(0);
}

void TAB01::CmdDati_Click() {
    seguito_ = Seguito::Dati;
    done(0);
}

void TAB01::CmdGrafici_Click() {
    seguito_ = Seguito::Grafici;
    done(0);
}

void TAB01::CmdStampa_Click() {
    if (!VerificaStampante(Riga(Messaggi, 46))) return;
    bool stampato = false;
    {
        CursoreAttesa attesa;
        int intestazione = 0, riga = 0;
        const QImage tabella = Grid->Immagine(&intestazione, &riga);
        stampato = StampaTabella(tabella, intestazione, riga,
                                 InUtf8(Riga(TestiTabelle, 0) + " - ") +
                                     VoceProgetto(progetto_).toStdString());
    }
    if (!stampato) MsgBox(Riga(Messaggi, 79), vbExclamation);
}

} // namespace kelvra
