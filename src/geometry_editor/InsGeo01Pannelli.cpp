// The geometry editor's controls: the drawing, and under it the tool strip with the pointer
// readouts, the add buttons, the four entry panels, the element list and the commands. Each
// part of the window has its own builder; the tables the handlers look controls up in are
// filled once, after all of them.
#include "core/Lingua.h"
#include "core/Servizi.h"
#include "core/Unita.h"
#include "geometry_editor/Catena.h"
#include "geometry_editor/Coordinate.h"
#include "geometry_editor/InsGeo01.h"
#include "geometry_editor/InsGeo01Comune.h"
#include "platform/FiltroTasti.h"
#include "platform/Testo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QVBoxLayout>
#include <vector>

namespace kelvra {

namespace {

// Hover hints: the status panel line of each control.
constexpr int SUGGERIMENTO_CMD_ASTA = 4;
constexpr int SUGGERIMENTO_CMD_SQUADRETTA = 5;
constexpr int SUGGERIMENTO_CMD_MOLLA = 6;
constexpr int SUGGERIMENTO_OK_FORCELLONE = 7;
constexpr int SUGGERIMENTO_OK_MOLLA = 8;
constexpr int SUGGERIMENTO_ESCI = 11;
constexpr int SUGGERIMENTO_STAMPA = 12;
constexpr int SUGGERIMENTO_TOOL = 3;
constexpr int SUGGERIMENTO_MODIFICA = 45;
constexpr int SUGGERIMENTO_QUOTE = 57;
constexpr int SUGGERIMENTO_AGGIUNGI = 79;
constexpr int SUGGERIMENTO_MAX_ESC = 80;
constexpr int SUGGERIMENTO_VSCROLL = 86;

// The travel label under the animation's scroll bar: wide enough for "000.00".
constexpr int LARGHEZZA_LBL_ESC = 48;

// A coordinate box: wide enough for a length with its six decimals, as a click on the
// drawing writes it.
QLineEdit* NuovaCasella(QWidget* genitore, int larghezza = 0) {
    auto* c = new QLineEdit(genitore);
    if (larghezza == 0)
        larghezza = c->fontMetrics().horizontalAdvance(QStringLiteral("-0000.000000")) + 12;
    c->setFixedWidth(larghezza);
    c->setAlignment(Qt::AlignRight);
    return c;
}

// A previous-point box: read-only, the X box greyed (&HC0C0C0).
void CasellaPrecedente(QLineEdit* c, bool grigia) {
    c->setReadOnly(true);
    c->setEnabled(false);
    c->setStyleSheet(grigia ? "QLineEdit:disabled { background-color: #C0C0C0; color: black; }"
                            : "QLineEdit:disabled { color: black; }");
}

QLabel* EtichettaCentrata(const QString& testo, QWidget* genitore) {
    auto* l = new QLabel(testo, genitore);
    l->setAlignment(Qt::AlignCenter);
    return l;
}

// A panel of the link or the shock element: the previous chain point (read-only) in row 1,
// the new point in row 2, the option and the confirm button beside them.
void PannelloDuePunti(QGroupBox* f, QLineEdit*& precX, QLineEdit*& precY, QLineEdit*& x,
                      QLineEdit*& y, QAbstractButton* opzione, QPushButton*& conferma) {
    auto* g = new QGridLayout(f);
    g->addWidget(EtichettaCentrata("X", f), 0, 1);
    g->addWidget(EtichettaCentrata("Y", f), 0, 2);
    precX = NuovaCasella(f);
    precY = NuovaCasella(f);
    CasellaPrecedente(precX, true);
    CasellaPrecedente(precY, false);
    x = NuovaCasella(f);
    y = NuovaCasella(f);
    g->addWidget(EtichettaCentrata("1", f), 1, 0);
    g->addWidget(precX, 1, 1);
    g->addWidget(precY, 1, 2);
    g->addWidget(EtichettaCentrata("2", f), 2, 0);
    g->addWidget(x, 2, 1);
    g->addWidget(y, 2, 2);
    g->addWidget(opzione, 1, 3);
    conferma = new QPushButton(f);
    g->addWidget(conferma, 2, 3);
}

// The add-rocker and add-shock buttons' captions: their access keys are ones the Results menu
// (R, as in every window), the running simulation's STOP and the other captions leave free.
constexpr int RIGA_PULSANTE_SQUADRETTA = 5;
constexpr int RIGA_PULSANTE_AMMORTIZZATORE = 17;
// Positions of the manual simulation's travel that Page Up and Page Down, or a click beside
// the slider, move it by.
constexpr int PASSO_PAGINA_VSCROLL = 5;

// The animation's scroll bar, a keyboard control while the manual simulation shows it.
// It takes the focus only while it is shown. Being hidden keeps a widget out of the Tab walk,
// but not out of the search for a first focus: a sub-window brought forward hands the focus to
// the first widget of its chain that takes it, shown or not, and the frame, finding that focus
// widget hidden when it becomes the active window, gives the focus, and with it the active
// state, to the first child window that can take it instead. The bar is the first widget of
// the editor's chain, so while hidden it takes no focus at all, and the editor's first entry
// box gets it.
// The style draws no focus mark on a scroll bar, so a keyboard user could not see Tab reach
// it; while it holds the focus it draws the style's own focus frame round itself, shown as the
// style shows it on the buttons (after a keyboard move).
class BarraTastiera : public QScrollBar {
  public:
    using QScrollBar::QScrollBar;
    void setVisible(bool visibile) override {
        if (visibile) setFocusPolicy(Qt::StrongFocus);
        QScrollBar::setVisible(visibile);
        if (!visibile) setFocusPolicy(Qt::NoFocus);
    }

  protected:
    void paintEvent(QPaintEvent* evento) override {
        QScrollBar::paintEvent(evento);
        if (!hasFocus()) return;
        QStylePainter pittore(this);
        QStyleOptionFocusRect cornice;
        cornice.initFrom(this);
        cornice.backgroundColor = palette().color(backgroundRole());
        pittore.drawPrimitive(QStyle::PE_FrameFocusRect, cornice);
    }
};

} // namespace

using insgeo01::ConTastoAccesso;
using insgeo01::Testo01;

void INSGEO01::CreaControlli() {
    auto* principale = new QVBoxLayout(this);
    principale->setContentsMargins(0, 0, 0, 0);
    principale->setSpacing(0);
    CreaDisegno(principale);
    QHBoxLayout* barra = CreaStrisciaStrumenti(principale);
    CreaLetture(barra);
    CreaPulsantiAggiunta(barra);
    CreaPannelli(barra);
    CreaColonnaElementi(barra);
    CreaComandi(barra);
    CollegaControlli();
    RegistraSuggerimenti();
    RiempiTabelleControlli();
}

// The drawing, with the rubber shapes over it and the animation's scroll bar.
void INSGEO01::CreaDisegno(QVBoxLayout* principale) {
    auto* disegno = new QHBoxLayout;
    disegno->setSpacing(0);
    picGeo_ = new PictureBox(this);
    picGeo_->setMinimumSize(300, 200);
    picGeo_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    disegno->addWidget(picGeo_, 1);
    // Takes the strip the manual animation leaves beside the narrowed drawing.
    disegno->addStretch(0);
    principale->addLayout(disegno, 1);
    Shape1 = new QRubberBand(QRubberBand::Rectangle, picGeo_);
    Shape1->hide();
    Line1 = new LineaGomma(picGeo_);
    // The scroll bar and its label are placed by the animation, over the window.
    VScroll = new BarraTastiera(Qt::Vertical, this);
    VScroll->setRange(0, 0);
    // Driven from the keyboard too: a Tab stop while it is shown, that is while the manual
    // simulation runs; the arrows step 1 mm, Page Up and Page Down 5 mm, Home and End go to
    // its ends.
    VScroll->setSingleStep(1);
    VScroll->setPageStep(PASSO_PAGINA_VSCROLL);
    VScroll->resize(VScroll->sizeHint().width(), VScroll->height());
    VScroll->hide();
}

QHBoxLayout* INSGEO01::CreaStrisciaStrumenti(QVBoxLayout* principale) {
    FrmTool = new QFrame(this);
    FrmTool->setFrameShape(QFrame::StyledPanel);
    FrmTool->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    principale->addWidget(FrmTool);
    auto* barra = new QHBoxLayout(FrmTool);
    barra->setContentsMargins(6, 4, 6, 4);
    return barra;
}

// Readouts of the pointer.
void INSGEO01::CreaLetture(QHBoxLayout* barra) {
    PicTool = new QWidget(FrmTool);
    auto* letture = new QGridLayout(PicTool);
    letture->setContentsMargins(0, 0, 0, 0);
    LblCoordX = new QLabel(PicTool);
    letture->addWidget(LblCoordX, 0, 0, 1, 2);
    LblXX = new QLabel("X", PicTool);
    LblYY = new QLabel("Y", PicTool);
    Label2 = new QLabel("L", PicTool);
    Label3 = new QLabel("\xC2\xB0", PicTool);
    LblX = new QLabel("-", PicTool);
    LblY = new QLabel("-", PicTool);
    LblL = new QLabel("-", PicTool);
    LblAng = new QLabel("-", PicTool);
    const std::array<QLabel*, 4> nomi{LblXX, LblYY, Label2, Label3};
    const std::array<QLabel*, 4> valori{LblX, LblY, LblL, LblAng};
    // The readouts keep one width, that of the longest coordinate they show, so that nothing
    // in the strip moves as the pointer does.
    const int larghezzaLettura =
        LblX->fontMetrics().horizontalAdvance(QStringLiteral("-00000.000000")) + 8;
    for (int i = 0; i < 4; ++i) {
        letture->addWidget(nomi[i], i + 1, 0);
        valori[i]->setFixedWidth(larghezzaLettura);
        valori[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        valori[i]->setFrameShape(QFrame::Panel);
        valori[i]->setFrameShadow(QFrame::Sunken);
        letture->addWidget(valori[i], i + 1, 1);
    }
    barra->addWidget(PicTool);
}

void INSGEO01::CreaPulsantiAggiunta(QHBoxLayout* barra) {
    auto* aggiunte = new QVBoxLayout;
    CmdAsta = new QPushButton(FrmTool);
    CmdSquadretta = new QPushButton(FrmTool);
    CmdMolla = new QPushButton(FrmTool);
    for (auto* b : {CmdAsta, CmdSquadretta, CmdMolla}) aggiunte->addWidget(b);
    aggiunte->addStretch();
    barra->addLayout(aggiunte);
}

// The four entry panels, all in one place; the swingarm's is shown first.
void INSGEO01::CreaPannelli(QHBoxLayout* barra) {
    auto* pannelli = new QWidget(FrmTool);
    auto* posto = new QGridLayout(pannelli);
    posto->setContentsMargins(0, 0, 0, 0);

    // Captions that carry no text of their own in this layout.
    LblCoordY = new QLabel(FrmTool);
    LblPunto = new QLabel(FrmTool);
    LblCoordY->hide();
    LblPunto->hide();

    CreaPannelloForcellone(pannelli);
    CreaPannelloAsta(pannelli);
    CreaPannelloSquadretta(pannelli);
    CreaPannelloMolla(pannelli);
    for (auto* f : {FrmForcellone, FRMASTA, FrmSquadretta, FRMMOLLA}) {
        posto->addWidget(f, 0, 0, Qt::AlignLeft | Qt::AlignTop);
        f->hide();
    }
    FrmForcellone->show();
    barra->addWidget(pannelli);
}

// The swingarm: pivot, wheel axle and linkage attachment, and the wheel radius.
void INSGEO01::CreaPannelloForcellone(QWidget* posto) {
    FrmForcellone = new QGroupBox(posto);
    auto* g = new QGridLayout(FrmForcellone);
    g->addWidget(EtichettaCentrata("X", FrmForcellone), 0, 1);
    g->addWidget(EtichettaCentrata("Y", FrmForcellone), 0, 2);
    for (int i = 0; i < 3; ++i) {
        TxtForcelloneX[i] = NuovaCasella(FrmForcellone);
        TxtForcelloneY[i] = NuovaCasella(FrmForcellone);
        g->addWidget(EtichettaCentrata(QString::number(i + 1), FrmForcellone), i + 1, 0);
        g->addWidget(TxtForcelloneX[i], i + 1, 1);
        g->addWidget(TxtForcelloneY[i], i + 1, 2);
    }
    TxtRaggio = NuovaCasella(FrmForcellone);
    g->addWidget(EtichettaCentrata("R", FrmForcellone), 1, 3);
    g->addWidget(TxtRaggio, 1, 4);
    CmdOKForcellone = new QPushButton(FrmForcellone);
    g->addWidget(CmdOKForcellone, 3, 3, 1, 2);
}

void INSGEO01::CreaPannelloAsta(QWidget* posto) {
    FRMASTA = new QGroupBox(posto);
    ChkModify[0] = new QCheckBox(FRMASTA);
    PannelloDuePunti(FRMASTA, LblAstaPrecX, LblAstaPrecY, TxtAstaX, TxtAstaY, ChkModify[0],
                     CmdOKAsta);
}

// The rocker: the previous chain point and two free vertices, each of which may be the one
// pinned to the frame.
void INSGEO01::CreaPannelloSquadretta(QWidget* posto) {
    FrmSquadretta = new QGroupBox(posto);
    auto* g = new QGridLayout(FrmSquadretta);
    g->addWidget(EtichettaCentrata("X", FrmSquadretta), 0, 1);
    g->addWidget(EtichettaCentrata("Y", FrmSquadretta), 0, 2);
    LblElemPrecX = NuovaCasella(FrmSquadretta);
    LblElemPrecY = NuovaCasella(FrmSquadretta);
    CasellaPrecedente(LblElemPrecX, true);
    CasellaPrecedente(LblElemPrecY, false);
    g->addWidget(EtichettaCentrata("1", FrmSquadretta), 1, 0);
    g->addWidget(LblElemPrecX, 1, 1);
    g->addWidget(LblElemPrecY, 1, 2);
    for (int i = 0; i < 2; ++i) {
        TxtSquadrettaX[i] = NuovaCasella(FrmSquadretta);
        TxtSquadrettaY[i] = NuovaCasella(FrmSquadretta);
        OptFix[i] = new QRadioButton(FrmSquadretta);
        // Both may be clear (a rocker in an odd slot): the window keeps them exclusive.
        OptFix[i]->setAutoExclusive(false);
        g->addWidget(EtichettaCentrata(QString::number(i + 2), FrmSquadretta), i + 2, 0);
        g->addWidget(TxtSquadrettaX[i], i + 2, 1);
        g->addWidget(TxtSquadrettaY[i], i + 2, 2);
        g->addWidget(OptFix[i], i + 2, 3);
    }
    ChkModify[1] = new QCheckBox(FrmSquadretta);
    g->addWidget(ChkModify[1], 1, 3);
    CmdOKSquadretta = new QPushButton(FrmSquadretta);
    g->addWidget(CmdOKSquadretta, 1, 4, 3, 1);
    // Tab goes through the point boxes in reading order, then the options beside them.
    const std::array<QWidget*, 8> ordine{TxtSquadrettaX[0], TxtSquadrettaY[0], TxtSquadrettaX[1],
                                         TxtSquadrettaY[1], OptFix[0],         OptFix[1],
                                         ChkModify[1],      CmdOKSquadretta};
    for (size_t i = 1; i < ordine.size(); ++i) setTabOrder(ordine[i - 1], ordine[i]);
}

void INSGEO01::CreaPannelloMolla(QWidget* posto) {
    FRMMOLLA = new QGroupBox(posto);
    ChkFix = new QCheckBox(FRMMOLLA);
    PannelloDuePunti(FRMMOLLA, LblMollaPrecX, LblMollaPrecY, TxtMollaX, TxtMollaY, ChkFix,
                     CmdOKMolla);
}

// Element list, maximum travel and annotations; the animation's travel label.
void INSGEO01::CreaColonnaElementi(QHBoxLayout* barra) {
    auto* colonna = new QGridLayout;
    LblModifica = new QLabel(FrmTool);
    CmbModifica = new QComboBox(FrmTool);
    CmbModifica->setMinimumWidth(150);
    LblDati = new QLabel(FrmTool);
    TxtMaxEsc = NuovaCasella(FrmTool);
    LblEsc = new QLabel(this);
    LblEsc->setAlignment(Qt::AlignCenter);
    LblEsc->setFrameShape(QFrame::Panel);
    LblEsc->setFrameShadow(QFrame::Sunken);
    LblEsc->setAutoFillBackground(true);
    LblEsc->resize(LARGHEZZA_LBL_ESC, LblEsc->fontMetrics().height() + 6);
    LblEsc->hide();
    LblQuote = new QLabel(FrmTool);
    ChkQuote = new QCheckBox(FrmTool);
    ChkDimensioni = new QCheckBox(FrmTool);
    colonna->addWidget(LblModifica, 0, 0, 1, 2);
    colonna->addWidget(CmbModifica, 1, 0, 1, 2);
    colonna->addWidget(LblDati, 2, 0);
    colonna->addWidget(TxtMaxEsc, 2, 1);
    colonna->addWidget(LblQuote, 3, 0, 1, 2);
    colonna->addWidget(ChkQuote, 4, 0);
    colonna->addWidget(ChkDimensioni, 4, 1);
    barra->addLayout(colonna);
}

void INSGEO01::CreaComandi(QHBoxLayout* barra) {
    auto* comandi = new QGridLayout;
    CmdSimula = new QPushButton(FrmTool);
    CmdStampa = new QPushButton(FrmTool);
    CmdEsci = new QPushButton(FrmTool);
    CmdAddProject = new QPushButton(FrmTool);
    comandi->addWidget(CmdSimula, 0, 0);
    comandi->addWidget(CmdStampa, 1, 0);
    comandi->addWidget(CmdAddProject, 2, 0);
    comandi->addWidget(CmdEsci, 3, 0);
    barra->addStretch();
    barra->addLayout(comandi);
}

// The user's actions only; writes by the program run none of these.
void INSGEO01::CollegaControlli() {
    connect(CmdAsta, &QPushButton::clicked, this, [this] { CmdAsta_Click(); });
    connect(CmdSquadretta, &QPushButton::clicked, this, [this] { CmdSquadretta_Click(); });
    connect(CmdMolla, &QPushButton::clicked, this, [this] { CmdMolla_Click(); });
    connect(CmdOKForcellone, &QPushButton::clicked, this, [this] { CmdOKForcellone_Click(); });
    connect(CmdOKAsta, &QPushButton::clicked, this, [this] { CmdOKAsta_Click(); });
    connect(CmdOKSquadretta, &QPushButton::clicked, this, [this] { CmdOKSquadretta_Click(); });
    connect(CmdOKMolla, &QPushButton::clicked, this, [this] { CmdOKMolla_Click(); });
    connect(CmdEsci, &QPushButton::clicked, this, [this] { CmdEsci_Click(); });
    connect(CmdStampa, &QPushButton::clicked, this, [this] { CmdStampa_Click(); });
    connect(CmbModifica, qOverload<int>(&QComboBox::activated), this,
            [this](int) { CmbModifica_Click(); });
    connect(TxtRaggio, &QLineEdit::textEdited, this, [this] { TxtRaggio_Change(); });
    for (int i = 0; i < 2; ++i) {
        connect(OptFix[i], &QRadioButton::clicked, this, [this, i](bool scelta) {
            if (scelta) OptFix[1 - i]->setChecked(false);
        });
    }
    picGeo_->installEventFilter(this);
    connect(picGeo_, &PictureBox::MouseDown, this,
            [this](int b, int m, double x, double y) { PicGeo_MouseDown(b, m, x, y); });
    connect(picGeo_, &PictureBox::MouseMove, this,
            [this](int b, int m, double x, double y) { PicGeo_MouseMove(b, m, x, y); });
    connect(picGeo_, &PictureBox::MouseUp, this,
            [this](int b, int m, double x, double y) { PicGeo_MouseUp(b, m, x, y); });
    connect(CmdSimula, &QPushButton::clicked, this, [this] { CmdSimula_Click(); });
    CmdSimula->setMouseTracking(true);
    CmdSimula->installEventFilter(this);
    connect(VScroll, &QScrollBar::valueChanged, this, [this] { VScroll_Change(); });

    // The maximum travel takes whole numbers up to 1000 mm in the shown unit.
    FiltroTasti::Intero(
        TxtMaxEsc, [] { return 0.0; },
        [] {
            return static_cast<double>(static_cast<float>(FattoreUnita[UNITA_LUNGHEZZA] * 1000));
        });
}

void INSGEO01::RegistraSuggerimenti() {
    suggerimenti_ = {
        {CmdAsta, SUGGERIMENTO_CMD_ASTA},       {CmdSquadretta, SUGGERIMENTO_CMD_SQUADRETTA},
        {CmdMolla, SUGGERIMENTO_CMD_MOLLA},     {CmdOKForcellone, SUGGERIMENTO_OK_FORCELLONE},
        {CmdOKMolla, SUGGERIMENTO_OK_MOLLA},    {CmdEsci, SUGGERIMENTO_ESCI},
        {CmdStampa, SUGGERIMENTO_STAMPA},       {FrmTool, SUGGERIMENTO_TOOL},
        {LblModifica, SUGGERIMENTO_MODIFICA},   {ChkQuote, SUGGERIMENTO_QUOTE},
        {CmdAddProject, SUGGERIMENTO_AGGIUNGI}, {LblDati, SUGGERIMENTO_MAX_ESC},
        {TxtMaxEsc, SUGGERIMENTO_MAX_ESC},      {VScroll, SUGGERIMENTO_VSCROLL},
        {LblEsc, SUGGERIMENTO_VSCROLL}};
    for (auto& [oggetto, riga] : suggerimenti_) {
        static_cast<QWidget*>(oggetto)->setMouseTracking(true);
        oggetto->installEventFilter(this);
    }
}

// The tables the handlers look controls up in: the enabling's named controls, the boxes and
// options and the readouts by their names, and each element kind's panel.
void INSGEO01::RiempiTabelleControlli() {
    controlli_.Registra(Controllo::CmdSimula, 0, CmdSimula);
    controlli_.Registra(Controllo::CmdStampa, 0, CmdStampa);
    controlli_.Registra(Controllo::CmbModifica, 0, CmbModifica);
    controlli_.Registra(Controllo::CmdAddProject, 0, CmdAddProject);

    caselle_ = {TxtForcelloneX[0], TxtForcelloneX[1], TxtForcelloneX[2], TxtForcelloneY[0],
                TxtForcelloneY[1], TxtForcelloneY[2], TxtRaggio,         LblAstaPrecX,
                LblAstaPrecY,      TxtAstaX,          TxtAstaY,          LblElemPrecX,
                LblElemPrecY,      TxtSquadrettaX[0], TxtSquadrettaY[0], TxtSquadrettaX[1],
                TxtSquadrettaY[1], LblMollaPrecX,     LblMollaPrecY,     TxtMollaX,
                TxtMollaY,         TxtMaxEsc};
    opzioni_ = {ChkModify[0], ChkModify[1], OptFix[0], OptFix[1], ChkFix};
    letture_ = {LblX, LblY, LblL, LblAng};

    pannelli_[PANNELLO_FORCELLONE] = {FrmForcellone,
                                      nullptr,
                                      nullptr,
                                      {TxtForcelloneX[0], TxtForcelloneY[0], TxtForcelloneX[1],
                                       TxtForcelloneY[1], TxtForcelloneX[2], TxtForcelloneY[2],
                                       TxtRaggio},
                                      "F",
                                      1};
    pannelli_[PANNELLO_ASTA] = {FRMASTA, LblAstaPrecX, LblAstaPrecY, {TxtAstaX, TxtAstaY}, "A", 2};
    pannelli_[PANNELLO_SQUADRETTA] = {
        FrmSquadretta, LblElemPrecX,
        LblElemPrecY,  {TxtSquadrettaX[0], TxtSquadrettaY[0], TxtSquadrettaX[1], TxtSquadrettaY[1]},
        "S",           3};
    pannelli_[PANNELLO_MOLLA] = {
        FRMMOLLA, LblMollaPrecX, LblMollaPrecY, {TxtMollaX, TxtMollaY}, "M", 15};
}

// ---- captions -----------------------------------------------------------------------------

void INSGEO01::CaptionPannelli() {
    const std::string etichetta = " " + EtichettaUnita[UNITA_LUNGHEZZA];
    FrmForcellone->setTitle(DaAnsi(Maiuscolo(Riga(TestiInsGeo01, 1)) + etichetta));
    FRMASTA->setTitle(DaAnsi(Maiuscolo(Riga(TestiInsGeo01, 2)) + etichetta));
    FrmSquadretta->setTitle(DaAnsi(Maiuscolo(Riga(TestiInsGeo01, 3)) + etichetta));
    FRMMOLLA->setTitle(DaAnsi(Maiuscolo(Riga(TestiInsGeo01, 15)) + etichetta));
    LblDati->setText(DaAnsi(Riga(TestiInsGeo01, 28) + etichetta));
    DimensionaPostoPannelli();
}

void INSGEO01::ImpostaTesto() {
    CmdAsta->setText(ConTastoAccesso(Testo01(2)));
    CmdSquadretta->setText(ConTastoAccesso(Testo01(RIGA_PULSANTE_SQUADRETTA)));
    CmdMolla->setText(ConTastoAccesso(Testo01(RIGA_PULSANTE_AMMORTIZZATORE)));
    CmdOKMolla->setText(ConTastoAccesso(DaAnsi(Maiuscolo(Riga(TestiCommon, 13)))));
    const QString ok = ConTastoAccesso(DaAnsi(Riga(TestiCommon, 0)));
    CmdOKForcellone->setText(ok);
    CmdOKAsta->setText(ok);
    CmdOKSquadretta->setText(ok);
    CmdAddProject->setText(Testo01(26));
    LblModifica->setText(Testo01(6));
    CmdSimula->setText(ConTastoAccesso(DaAnsi(Maiuscolo(Riga(TestiInsGeo01, 8)))));
    CmdStampa->setText(ConTastoAccesso(DaAnsi(Riga(TestiCommon, 4))));
    CmdEsci->setText(ConTastoAccesso(DaAnsi(Riga(TestiCommon, 3))));
    for (auto* o : OptFix) o->setText(DaAnsi(Maiuscolo(Riga(TestiInsGeo01, 10))));
    for (auto* c : ChkModify) c->setText(DaAnsi(Maiuscolo(Riga(TestiInsGeo01, 9))));
    ChkFix->setText(DaAnsi(Maiuscolo(Riga(TestiInsGeo01, 11))));
    LblQuote->setText(Testo01(23));
    LblCoordX->setText(Testo01(27));
    ChkDimensioni->setText(Testo01(24));
    ChkQuote->setText(Testo01(16));
    UnitaItem[1]->setText(DaAnsi(Riga(TestiUnita, 0)));
    UnitaItem[2]->setText(DaAnsi(Riga(TestiUnita, 6)));
    CaptionPannelli();
}

void INSGEO01::DimensionaPostoPannelli() {
    // The place of the panels takes the size of the largest one with its captions, so that
    // nothing under the drawing moves when another panel is shown.
    QSize dimensione{0, 0};
    for (auto* f : {FrmForcellone, FRMASTA, FrmSquadretta, FRMMOLLA}) {
        if (QLayout* l = f->layout()) l->activate();
        dimensione = dimensione.expandedTo(f->sizeHint());
    }
    FrmForcellone->parentWidget()->setMinimumSize(dimensione);
}

// The entry boxes of the panels: Enter confirms the panel, and a number the records could
// not hold (beyond the range of a 4-byte real, in the model) is refused as it is typed or
// pasted; any other text may be typed.
void INSGEO01::CollegaCaselle() {
    const std::vector<std::pair<std::vector<QLineEdit*>, QPushButton*>> pannelli{
        {{TxtForcelloneX[0], TxtForcelloneY[0], TxtForcelloneX[1], TxtForcelloneY[1],
          TxtForcelloneX[2], TxtForcelloneY[2], TxtRaggio},
         CmdOKForcellone},
        {{TxtAstaX, TxtAstaY}, CmdOKAsta},
        {{TxtSquadrettaX[0], TxtSquadrettaY[0], TxtSquadrettaX[1], TxtSquadrettaY[1]},
         CmdOKSquadretta},
        {{TxtMollaX, TxtMollaY}, CmdOKMolla}};
    for (const auto& [caselle, conferma] : pannelli) {
        for (QLineEdit* c : caselle) {
            connect(c, &QLineEdit::returnPressed, conferma, [conferma] { conferma->click(); });
        }
    }
    for (QLineEdit* c : {TxtForcelloneX[0], TxtForcelloneX[1], TxtForcelloneX[2], TxtAstaX,
                         TxtSquadrettaX[0], TxtSquadrettaX[1], TxtMollaX})
        FiltroTasti::Testo(c, FuoriCampoX);
    for (QLineEdit* c : {TxtForcelloneY[0], TxtForcelloneY[1], TxtForcelloneY[2], TxtAstaY,
                         TxtSquadrettaY[0], TxtSquadrettaY[1], TxtMollaY})
        FiltroTasti::Testo(c, FuoriCampoY);
    FiltroTasti::Testo(TxtRaggio, FuoriCampoLunghezza);
}

} // namespace kelvra
