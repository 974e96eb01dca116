#include "graphs/Funzioni.h"

#include "core/Lingua.h"
#include "core/Seams.h"
#include "graphs/CalcoliStrumenti.h"
#include "graphs/Curve01.h"
#include "graphs/StatoGrafico.h"
#include "graphs/Strumenti.h"
#include "platform/Dialoghi.h"
#include "platform/FiltroTasti.h"
#include "platform/Guida.h"
#include "platform/Posizione.h"
#include "platform/Testo.h"
#include "shell/Comandi.h"
#include "shell/Main.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>
#include <vector>

namespace kelvra {

namespace {

QPointer<FUNZIONI> istanza;

// The close button of each panel whose unloading switches an info mode off.
int ChiudiDelPannello(int pannello) {
    if (pannello == PANNELLO_MASSIMI) return 7;
    if (pannello == PANNELLO_LEGENDA) return 8;
    return 0;
}

QLabel* Etichetta(QWidget* genitore, float sopra, float sinistra, float altezza, float larghezza) {
    auto* l = new QLabel(genitore);
    PosizionaControllo(l, sopra, sinistra, altezza, larghezza);
    return l;
}

} // namespace

FUNZIONI::FUNZIONI(QWidget* genitore) : QDialog(genitore) {
    setObjectName("FUNZIONI");
    setAttribute(Qt::WA_DeleteOnClose, false);
    for (auto& p : PictFunzioni) {
        p = new QWidget(this);
        p->setAutoFillBackground(true);
        p->hide();
    }
    CreaAsseX();
    CreaRange();
    CreaTabella();
    CreaLegenda();
    CreaProgetti();
    FuocoAlPassaggio();
    // Form_Load: the close buttons' captions.
    for (auto& [k, b] : CommandChiudi)
        if (k != 8) b->setText(DaAnsi(Riga(TestiCommon, 1)));
}

FUNZIONI* FUNZIONI::Istanza() {
    return istanza.data();
}

FUNZIONI& FUNZIONI::Crea() {
    if (!istanza) istanza = new FUNZIONI(MAIN::Istanza());
    return *istanza;
}

QPushButton* FUNZIONI::NuovoChiudi(int indice, QWidget* pannello) {
    auto* b = new QPushButton(pannello);
    CommandChiudi[indice] = b;
    connect(b, &QPushButton::clicked, this, [this, indice] { CommandChiudi_Click(indice); });
    return b;
}

void FUNZIONI::CreaAsseX() {
    QWidget* p = PictFunzioni[PANNELLO_ASSE_X];
    // Wheel travel, spring deflection and shock absorber stroke, as the X axis names them.
    constexpr std::array<int, 3> QUANTITA{13, 28, 44};
    for (size_t k = 0; k < OptAsseX.size(); ++k) {
        OptAsseX[k] = new QRadioButton(DaAnsi(Riga(TestiQuantity, QUANTITA[k])), p);
        PosizionaControllo(OptAsseX[k], 120 + 300.0f * static_cast<float>(k), 120, 255, 2700);
    }
    PosizionaControllo(p, 0, 0, 1140, 2970);
}

void FUNZIONI::FuocoAlPassaggio() {
    std::vector<QWidget*> controlli(PictFunzioni.begin(), PictFunzioni.end());
    for (QWidget* p : PictFunzioni) {
        p->setFocusPolicy(Qt::ClickFocus);
        for (QAbstractButton* b : p->findChildren<QAbstractButton*>()) controlli.push_back(b);
    }
    controlli.insert(controlli.end(), TxtGestioneRange.begin(), TxtGestioneRange.end());
    for (QWidget* w : controlli) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
        fuocoAlPassaggio_.insert(w);
    }
}

void FUNZIONI::CreaRange() {
    QWidget* p = PictFunzioni[PANNELLO_RANGE];
    for (int i = 0; i < 2; ++i) {
        LblGestioneRange[i] = Etichetta(p, 120, 120 + 2040 * i, 255, 1800);
        TxtGestioneRange[i] = new QLineEdit(p);
        PosizionaControllo(TxtGestioneRange[i], 420, 120 + 2040 * i, 330, 1800);
        // Whole numbers from 0 to 50000 at both ends, whatever the panel is for.
        FiltroTasti::Numerico(TxtGestioneRange[i], 0, 50000, 0);
    }
    CommandOK[1] = new QPushButton(DaAnsi(Riga(TestiCommon, 0)), p);
    PosizionaControllo(CommandOK[1], 1020, 480, 375, 1215);
    connect(CommandOK[1], &QPushButton::clicked, this, [this] { CommandOK_Click(1); });
    PosizionaControllo(NuovoChiudi(2, p), 1020, 2400, 375, 1215);
}

void FUNZIONI::CreaTabella() {
    QWidget* p = PictFunzioni[PANNELLO_MASSIMI];
    // The table's columns are narrow: its figures and headings take a smaller face.
    QFont piccolo = p->font();
    piccolo.setPointSizeF(std::max(6.0, piccolo.pointSizeF() * 0.8));
    p->setFont(piccolo);
    LblPunti3 = Etichetta(p, 0, 0, 285, 1500);
    LblPunti3->setAlignment(Qt::AlignCenter);
    LblGrdX = Etichetta(p, 330, 60, 255, 1440);
    LblGrdY = Etichetta(p, 660, 60, 255, 1440);
    for (int q = 1; q <= MAX_PROGETTI; ++q) {
        const float sinistra = 1560 + 855.0f * (q - 1);
        LblValueX[q] = Etichetta(p, 330, sinistra, 255, 795);
        LblValueY[q] = Etichetta(p, 660, sinistra, 255, 795);
        for (QLabel* l : {LblValueX[q], LblValueY[q]}) {
            l->setAlignment(Qt::AlignCenter);
            l->setAutoFillBackground(true);
        }
    }
    PosizionaControllo(NuovoChiudi(7, p), 1000, 120, 315, 1215);
}

void FUNZIONI::CreaLegenda() {
    QWidget* p = PictFunzioni[PANNELLO_LEGENDA];
    for (int i = 1; i <= MAX_PROGETTI; ++i) {
        LblEscludiCurva[i] = Etichetta(p, 120 + 270.0f * (i - 1), 120, 255, 2700);
        LblEscludiCurva[i]->setCursor(Qt::PointingHandCursor);
        LblEscludiCurva[i]->installEventFilter(this);
    }
    NuovoChiudi(8, p)->setText(QStringLiteral("&OFF"));
    CmdProgetti = new QPushButton(p);
    connect(CmdProgetti, &QPushButton::clicked, this, [this] { CmdProgetti_Click(); });
}

void FUNZIONI::CreaProgetti() {
    QWidget* p = PictFunzioni[PANNELLO_PROGETTI];
    LblProgetti = Etichetta(p, 60, 120, 255, 3600);
    for (int i = 1; i <= MAX_PROGETTI; ++i) {
        ChkCurva[i] = new QCheckBox(p);
        PosizionaControllo(ChkCurva[i], 360 + 285.0f * (i - 1), 120, 255, 3600);
    }
    CmdOff = new QPushButton(DaAnsi(Riga(TestiCommon, 0)), p);
    connect(CmdOff, &QPushButton::clicked, this, [this] { CmdOff_Click(); });
    NuovoChiudi(9, p);
}

void FUNZIONI::MostraPannello(int indice) {
    for (QWidget* p : PictFunzioni) p->hide();
    if (indice >= 0 && indice < static_cast<int>(PictFunzioni.size())) PictFunzioni[indice]->show();
}

void FUNZIONI::Mostra() {
    if (MAIN* main = MAIN::Istanza()) CentraForm(main, this);
    // Form_Activate: this window's help file.
    ImpostaFileGuida(PercorsoApplicazione + "PLIMOR.HLP");
    MostraModale(this);
}

bool FUNZIONI::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::MouseMove && fuocoAlPassaggio_.count(oggetto) != 0) {
        // A move over a control reaches its panel too: the focus goes to the one under the
        // mouse only.
        auto* w = static_cast<QWidget*>(oggetto);
        const QPoint punto = static_cast<QMouseEvent*>(evento)->position().toPoint();
        if (w->isEnabled() && !w->childAt(punto) && !w->hasFocus())
            w->setFocus(Qt::MouseFocusReason);
    }
    if (evento->type() == QEvent::MouseButtonPress) {
        for (int i = 1; i <= MAX_PROGETTI; ++i)
            if (oggetto == LblEscludiCurva[i]) {
                LblEscludiCurva_Click(i);
                return true;
            }
    }
    return QDialog::eventFilter(oggetto, evento);
}

void FUNZIONI::CommandOK_Click(int Index) {
    if (CURVE01* grafico = CURVE01::Istanza()) ApplicaRange(Index, *grafico);
}

void FUNZIONI::CommandChiudi_Click(int) {
    Scarica();
}

void FUNZIONI::LblEscludiCurva_Click(int Index) {
    if (EditorAperto != 1) return;
    CURVE01* grafico = CURVE01::Istanza();
    if (!EscludiCurvaProgetto(Index)) {
        Beep();
        return;
    }
    MostraLegenda(*this, false);
    if (grafico) grafico->DisegnaGrafico();
}

void FUNZIONI::CmdProgetti_Click() {
    MostraChiusuraProgetti(*this);
}

void FUNZIONI::CmdOff_Click() {
    TabellaProgetti sel{};
    bool qualcuno = false;
    for (int i = 1; i <= NumeroProgetti && i <= MAX_PROGETTI; ++i) {
        sel[i] = ChkCurva[i]->isChecked() ? 1 : 0;
        qualcuno = qualcuno || sel[i] == 1;
    }
    if (!qualcuno) {
        Beep();
        MsgBox(Riga(Messaggi, 44), vbOKOnly);
        return;
    }
    // A project with changes not saved goes only as the user says; Cancel keeps the panel.
    if (!ChiusuraConsentita(sel)) return;
    ChiudiProgettiGrafico(sel);
    Scarica();
    if (CURVE01* grafico = CURVE01::Istanza()) ProgettiChiusi(*grafico);
}

void FUNZIONI::closeEvent(QCloseEvent* evento) {
    evento->ignore();
    Scarica();
}

void FUNZIONI::Scarica() {
    if (scaricata_) return;
    scaricata_ = true;
    const int chiudi = ChiudiDelPannello(Grafico.ModoPannello);
    if (EditorAperto == 1 && chiudi != 0 && CommandChiudi[chiudi] &&
        PictFunzioni[Grafico.ModoPannello]->isVisibleTo(this))
        if (CURVE01* grafico = CURVE01::Istanza()) ChiudiPannelloFunzioni(chiudi, *grafico);
    hide();
    if (istanza == this) istanza = nullptr;
    deleteLater();
}

} // namespace kelvra
