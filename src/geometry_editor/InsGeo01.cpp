#include "geometry_editor/InsGeo01.h"

#include "core/Cinematica.h"
#include "core/Disegno.h"
#include "core/Formato.h"
#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Seams.h"
#include "core/Servizi.h"
#include "core/Unita.h"
#include "core/Vista.h"
#include "geometry_editor/Annulla.h"
#include "geometry_editor/Catena.h"
#include "geometry_editor/Coordinate.h"
#include "platform/Dialoghi.h"
#include "platform/FiltroTasti.h"
#include "platform/MenuQt.h"
#include "platform/Messaggi.h"
#include "platform/Testo.h"
#include "shell/Abilitazione.h"
#include "shell/Main.h"

#include "platform/Posizione.h"
#include "platform/Stampante.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>
#include <vector>

namespace kelvra {

namespace {

QPointer<INSGEO01> istanza;

QString Testo01(int riga) {
    return DaAnsi(Riga(TestiInsGeo01, riga));
}

// A button caption with its access key: the letter its text marks with "&", or else its
// first letter.
QString ConTastoAccesso(const QString& testo) {
    return QKeySequence::mnemonic(testo).isEmpty() ? "&" + testo : testo;
}

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

// Line of InsGeo01 with the name of the shock element in the element list.
constexpr int RIGA_NOME_AMMORTIZZATORE = 29;

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

// The travel label under the animation's scroll bar: wide enough for "000.00".
constexpr int LARGHEZZA_LBL_ESC = 48;

// Picture millimetres to pixels of the picture widget (its border included).
QPointF PixelPicture(const PictureBox& picture, double x, double y) {
    return picture.PixelDa(x, y) + QPointF(BORDO_PICTURE, BORDO_PICTURE);
}

int Pixel(float twips, float twipsPerPixel) {
    return static_cast<int>(std::lround(twips / twipsPerPixel));
}

} // namespace

// ---- the rubber line --------------------------------------------------------------------

LineaGomma::LineaGomma(PictureBox* picture) : QWidget(picture), picture_(picture) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);
    hide();
}

void LineaGomma::Imposta(const LineaPan& linea) {
    linea_ = linea;
    update();
}

void LineaGomma::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(PixelPicture(*picture_, linea_.X1, linea_.Y1),
               PixelPicture(*picture_, linea_.X2, linea_.Y2));
}

// ---- creation -----------------------------------------------------------------------------

INSGEO01::INSGEO01(QWidget* genitore) : FinestraFiglia(genitore) {
    setObjectName("INSGEO01");
    CreaControlli();
    CollegaCaselle();
    CreaMenu();
    CollegaMenuOpzioni();
    Form_Load();
}

INSGEO01::~INSGEO01() {
    // The key filters go first, so that no event of a box being destroyed reaches them.
    for (FiltroTasti* filtro : findChildren<FiltroTasti*>()) delete filtro;
}

INSGEO01* INSGEO01::Istanza() {
    return istanza.data();
}

INSGEO01& INSGEO01::Crea() {
    if (!istanza) istanza = new INSGEO01;
    return *istanza;
}

void INSGEO01::CreaControlli() {
    auto* principale = new QVBoxLayout(this);
    principale->setContentsMargins(0, 0, 0, 0);
    principale->setSpacing(0);

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
    VScroll = new QScrollBar(Qt::Vertical, this);
    VScroll->setRange(0, 0);
    VScroll->setPageStep(1);
    VScroll->resize(VScroll->sizeHint().width(), VScroll->height());
    VScroll->hide();

    FrmTool = new QFrame(this);
    FrmTool->setFrameShape(QFrame::StyledPanel);
    FrmTool->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    principale->addWidget(FrmTool);
    auto* barra = new QHBoxLayout(FrmTool);
    barra->setContentsMargins(6, 4, 6, 4);

    // Readouts of the pointer.
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

    // Add buttons.
    auto* aggiunte = new QVBoxLayout;
    CmdAsta = new QPushButton(FrmTool);
    CmdSquadretta = new QPushButton(FrmTool);
    CmdMolla = new QPushButton(FrmTool);
    for (auto* b : {CmdAsta, CmdSquadretta, CmdMolla}) aggiunte->addWidget(b);
    aggiunte->addStretch();
    barra->addLayout(aggiunte);

    // The four entry panels, all in one place.
    auto* pannelli = new QWidget(FrmTool);
    auto* posto = new QGridLayout(pannelli);
    posto->setContentsMargins(0, 0, 0, 0);

    // Captions that carry no text of their own in this layout.
    LblCoordY = new QLabel(FrmTool);
    LblPunto = new QLabel(FrmTool);
    LblCoordY->hide();
    LblPunto->hide();

    FrmForcellone = new QGroupBox(pannelli);
    {
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
    // A panel of the link or the shock element: the previous chain point (read-only) in row
    // 1, the new point in row 2, the option and the confirm button beside them.
    auto pannelloDuePunti = [](QGroupBox* f, QLineEdit*& precX, QLineEdit*& precY, QLineEdit*& x,
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
    };
    FRMASTA = new QGroupBox(pannelli);
    ChkModify[0] = new QCheckBox(FRMASTA);
    pannelloDuePunti(FRMASTA, LblAstaPrecX, LblAstaPrecY, TxtAstaX, TxtAstaY, ChkModify[0],
                     CmdOKAsta);
    FrmSquadretta = new QGroupBox(pannelli);
    {
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
    }
    FRMMOLLA = new QGroupBox(pannelli);
    ChkFix = new QCheckBox(FRMMOLLA);
    pannelloDuePunti(FRMMOLLA, LblMollaPrecX, LblMollaPrecY, TxtMollaX, TxtMollaY, ChkFix,
                     CmdOKMolla);
    for (auto* f : {FrmForcellone, FRMASTA, FrmSquadretta, FRMMOLLA}) {
        posto->addWidget(f, 0, 0, Qt::AlignLeft | Qt::AlignTop);
        f->hide();
    }
    FrmForcellone->show();
    barra->addWidget(pannelli);

    // Element list, maximum travel and annotations.
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

    // The user's actions only; writes by the program run none of these.
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

    suggerimenti_ = {
        {CmdAsta, SUGGERIMENTO_CMD_ASTA},       {CmdSquadretta, SUGGERIMENTO_CMD_SQUADRETTA},
        {CmdMolla, SUGGERIMENTO_CMD_MOLLA},     {CmdOKForcellone, SUGGERIMENTO_OK_FORCELLONE},
        {CmdOKMolla, SUGGERIMENTO_OK_MOLLA},    {CmdEsci, SUGGERIMENTO_ESCI},
        {CmdStampa, SUGGERIMENTO_STAMPA},       {FrmTool, SUGGERIMENTO_TOOL},
        {LblModifica, SUGGERIMENTO_MODIFICA},   {ChkQuote, SUGGERIMENTO_QUOTE},
        {CmdAddProject, SUGGERIMENTO_AGGIUNGI}, {LblDati, SUGGERIMENTO_MAX_ESC},
        {TxtMaxEsc, SUGGERIMENTO_MAX_ESC}};
    for (auto& [oggetto, riga] : suggerimenti_) {
        static_cast<QWidget*>(oggetto)->setMouseTracking(true);
        oggetto->installEventFilter(this);
    }

    controlli_.Registra(Controllo::CmdSimula, 0, CmdSimula);
    controlli_.Registra(Controllo::CmdStampa, 0, CmdStampa);
    controlli_.Registra(Controllo::CmbModifica, 0, CmbModifica);
    controlli_.Registra(Controllo::CmdAddProject, 0, CmdAddProject);
}

void INSGEO01::CreaMenu() {
    // Item counts of the fourteen menus, in menu-bar order; captions come from the
    // language file at every activation.
    struct Voci {
        std::map<int, QAction*>* mappa;
        int numero;
        Controllo controllo;
        bool registra;
    };
    const std::array<Voci, 14> menu{{{&FileItem, 14, Controllo::FileItem, true},
                                     {&SchemaItem, 9, Controllo::SchemaItem, true},
                                     {&AmmortizzatoreItem, 7, Controllo::AmmortizzatoreItem, true},
                                     {&MollaItem, 5, Controllo::MollaItem, true},
                                     {&TamponeItem, 5, Controllo::TamponeItem, true},
                                     {&PrecaricoItem, 1, Controllo::MenuItem, false},
                                     {&ToolsItem, 4, Controllo::MenuItem, false},
                                     {&VistaItem, 7, Controllo::MenuItem, false},
                                     {&FunzioniItem, 1, Controllo::MenuItem, false},
                                     {&SimulazioneItem, 3, Controllo::MenuItem, false},
                                     {&GraficiItem, 1, Controllo::GraficiItem, true},
                                     {&TabelleItem, 1, Controllo::MenuItem, false},
                                     {&RisultatiItem, 1, Controllo::MenuItem, false},
                                     {&GuidaItem, 5, Controllo::MenuItem, false}}};
    for (size_t r = 0; r < menu.size(); ++r) {
        QMenu* m = AggiungiMenu(QString());
        MenuItem[r] = m;
        controlli_.Registra(Controllo::MenuItem, static_cast<int>(r), m->menuAction());
        for (int k = 1; k <= menu[r].numero; ++k) {
            QAction* a = m->addAction(QString());
            (*menu[r].mappa)[k] = a;
            if (menu[r].registra) controlli_.Registra(menu[r].controllo, k, a);
        }
    }
    // File item 12 opens the Units menu; View item 1 the grid menu.
    MenuUnita = new QMenu(this);
    FileItem[12]->setMenu(MenuUnita);
    for (int k = 1; k <= 2; ++k) {
        QAction* a = MenuUnita->addAction(QString());
        a->setCheckable(true);
        UnitaItem[k] = a;
        controlli_.Registra(Controllo::UnitaItem, k, a);
        connect(a, &QAction::triggered, this, [this, k] { UnitaItem_Click(k); });
    }
    // The grid steps carry their sizes as captions.
    MenuGriglia = new QMenu(this);
    VistaItem[1]->setMenu(MenuGriglia);
    const std::array<const char*, 5> passi{"[None]", "50 mm", "100 mm", "250 mm", "500 mm"};
    for (int k = 1; k <= 5; ++k) {
        QAction* a = MenuGriglia->addAction(QString::fromLatin1(passi[k - 1]));
        a->setCheckable(true);
        GrigliaItem[k] = a;
        connect(a, &QAction::triggered, this, [this, k] { GrigliaItem_Click(k); });
    }
    for (int k = 2; k <= 7; ++k) {
        connect(VistaItem[k], &QAction::triggered, this, [this, k] { VistaItem_Click(k); });
    }
    for (int k = 1; k <= 3; ++k) {
        SimulazioneItem[k]->setCheckable(true);
        connect(SimulazioneItem[k], &QAction::triggered, this,
                [this, k] { SimulazioneItem_Click(k); });
    }
    for (int k = 1; k <= 4; ++k) {
        connect(ToolsItem[k], &QAction::triggered, this, [this, k] { ToolsItem_Click(k); });
    }
    CollegaMenuComandi();
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

// ---- start, captions and activation ---------------------------------------------------------

void INSGEO01::Form_Load() {
    setWindowState(Qt::WindowMaximized);
    if (SistemaUnita == SISTEMA_METRICO) {
        UnitaItem[1]->setChecked(true);
        UnitaItem[2]->setChecked(false);
    } else if (SistemaUnita == SISTEMA_IMPERIALE) {
        UnitaItem[1]->setChecked(false);
        UnitaItem[2]->setChecked(true);
    }
    for (int k = 1; k <= 5; ++k) GrigliaItem[k]->setChecked(PassoGrigliaItem(k) == PassoGriglia);
    ImpostaTesto();
}

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
    CmdSquadretta->setText(ConTastoAccesso(Testo01(3)));
    CmdMolla->setText(ConTastoAccesso(Testo01(15)));
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

std::string INSGEO01::NomeElemento(const std::string& lettera) const {
    if (lettera == "F") return Riga(TestiInsGeo01, 1);
    if (lettera == "A") return Riga(TestiInsGeo01, 2);
    if (lettera == "S") return Riga(TestiInsGeo01, 3);
    if (lettera == "M") return Riga(TestiInsGeo01, RIGA_NOME_AMMORTIZZATORE);
    return {};
}

void INSGEO01::RiempiListaElementi() {
    const Progetto& pr = Progetti[NumeroProgetti];
    CmbModifica->clear();
    const int16_t u = std::min<int16_t>(pr.UltimoElemento, MAX_ELEMENTI);
    for (int16_t k = 0; k <= u; ++k) {
        const std::string nome = NomeElemento(pr.TipoElemento[k]);
        if (!nome.empty()) CmbModifica->addItem(DaAnsi(nome + "," + std::to_string(k)));
    }
}

void INSGEO01::Form_Activate() {
    const int16_t n = NumeroProgetti;
    Progetto& pr = Progetti[n];

    std::vector<MenuFinestra> mappa;
    const std::array<std::map<int, QAction*>*, 14> voci{
        &FileItem,      &SchemaItem,  &AmmortizzatoreItem, &MollaItem,    &TamponeItem,
        &PrecaricoItem, &ToolsItem,   &VistaItem,          &FunzioniItem, &SimulazioneItem,
        &GraficiItem,   &TabelleItem, &RisultatiItem,      &GuidaItem};
    for (size_t r = 0; r < voci.size(); ++r) {
        MenuFinestra m;
        m.menu = MenuItem[r];
        m.voci.assign(voci[r]->rbegin() != voci[r]->rend() ? voci[r]->rbegin()->first + 1 : 1,
                      nullptr);
        for (auto& [k, a] : *voci[r]) m.voci[k] = a;
        mappa.push_back(m);
    }
    ImpostaMenuLingua("MnuFrmInsGeo", mappa);

    ImpostaLarghezzeEditor();
    MostraUnitaInUso();
    setWindowTitle(DaAnsi(ComponiTitolo(Riga(TestiInsGeo01, 0))));
    if (QMdiSubWindow* sotto = SottoFinestra()) sotto->setWindowTitle(windowTitle());

    // A chain is new when it holds only the swingarm and no usable swingarm was ever given
    // (a project never edited): a swingarm already entered is kept.
    const bool nuova = pr.UltimoElemento == 0 && (pr.TipoElemento[0] != "F" ||
                                                  pr.DatiForcellone.P[0] == pr.DatiForcellone.P[1]);
    const bool soloForcellone = pr.UltimoElemento == 0;

    // A loop running in a yield of the animation ends with its own stop step: the request to
    // stop is raised by the deactivation and stays raised for it.
    const bool inCorso = simulazione_.SimulazioneInCorso();
    if (inCorso) simulazione_.Form_Deactivate();
    VScroll->hide();
    LblEsc->hide();
    CorrezioneLarghezza = 0;
    CorrezioneAltezza = 0;
    picGeo_->Cancella();
    Shape1->hide();
    Line1->hide();
    ZoomUtente = FALSO;
    CmdSimula->setText(ConTastoAccesso(DaAnsi(Maiuscolo(Riga(TestiInsGeo01, 8)))));
    ImpostaScalaDisegno(*picGeo_, 1600, 1600);

    switch (ModoQuote) {
    case 0:
        VisualizzaCoordinate = FALSO;
        VisualizzaDimensioni = FALSO;
        ChkQuote->setChecked(false);
        ChkDimensioni->setChecked(false);
        break;
    case 1:
        VisualizzaCoordinate = VERO;
        VisualizzaDimensioni = FALSO;
        ChkQuote->setChecked(true);
        ChkDimensioni->setChecked(false);
        break;
    case 2:
        VisualizzaCoordinate = FALSO;
        VisualizzaDimensioni = VERO;
        ChkQuote->setChecked(false);
        ChkDimensioni->setChecked(true);
        break;
    default:
        break;
    }
    OrigineX = 0;
    OrigineY = 0;

    if (soloForcellone) {
        AttivaControlli(0);
        pr.UltimoElemento = 0;
        pr.TipoElemento[0] = "F";
        CmbModifica->clear();
        CmbModifica->addItem(Testo01(1));
        CmbModifica->setCurrentIndex(0);
        if (nuova) {
            kelvra::DatiDefault();
            pr.RaggioRuota = pr.DatiForcellone.P[1].Y;
        }
        DisegnaSchema(this, *picGeo_, n, VisualizzaCoordinate, VisualizzaDimensioni);
        InitDati();
        AttivaMenuInsGeo(controlli_);
    } else {
        RiempiListaElementi();
        CmbModifica->setCurrentIndex(0); // the swingarm
        DisegnaSchema(this, *picGeo_, n, VisualizzaCoordinate, VisualizzaDimensioni);
        InitDati();
        AttivaMenuInsGeo(controlli_);
        AttivaControlli(1);
    }
    // An incomplete chain can be continued: the grammar enables what may follow its last
    // element, and the panel of that element is shown for it to be confirmed again.
    if (!CatenaCompleta(n)) {
        int16_t u = pr.UltimoElemento;
        AttivaPulsantiera(u);
        switch (TipoDaLettera(pr.TipoElemento[std::clamp<int16_t>(u, 0, MAX_ELEMENTI)])) {
        case PANNELLO_ASTA:
            MostraPannello(FRMASTA);
            break;
        case PANNELLO_SQUADRETTA:
            MostraPannello(FrmSquadretta);
            break;
        default:
            break;
        }
    }

    ModoEdit = 0;
    if (!inCorso) RichiestaStop = FALSO;
    SimulazioneItem[1]->setChecked(true);
    SimulazioneItem[2]->setChecked(false);
    SimulazioneItem[3]->setChecked(false);
    TipoSimulazione = 1;
    StatoSimula = 0;
}

void INSGEO01::Form_Resize() {
    // The drawing follows the window: a view the user has not zoomed is fitted again to
    // the new size. Nothing is redrawn while an animation owns the drawing.
    if (StatoSimula != 0 || Vero(ZoomUtente) || !ScalaValida()) return;
    if (ImpostaScalaDisegno(*picGeo_, 1600, 1600)) Ridisegna();
}

void INSGEO01::Form_Deactivate() {
    simulazione_.Form_Deactivate();
}

bool INSGEO01::Form_Unload() {
    return simulazione_.Form_Unload();
}

void INSGEO01::closeEvent(QCloseEvent* evento) {
    // The window stays while an animation's loop is on the stack; it closes when the loop
    // has unwound. Closed by any way, it leaves the chain as the exit button does: a chain
    // without its shock absorber shrinks to the swingarm.
    if (Form_Unload()) {
        if (!CatenaCompleta(NumeroProgetti)) Progetti[NumeroProgetti].UltimoElemento = 0;
        evento->accept();
    } else {
        evento->ignore();
    }
}

void INSGEO01::resizeEvent(QResizeEvent* evento) {
    FinestraFiglia::resizeEvent(evento);
    // The manual animation keeps its strip beside the drawing at the new size, and shows
    // the same position fitted to it.
    if (StatoSimula == 1 && VScroll->isVisibleTo(this)) {
        simulazione_.PosizionaManuale();
        simulazione_.VScroll_Change();
    }
}

void INSGEO01::MostraPannello(QGroupBox* pannello) {
    for (auto* f : {FrmForcellone, FRMASTA, FrmSquadretta, FRMMOLLA}) {
        if (f != pannello) f->hide();
    }
    if (pannello) pannello->show();
}

void INSGEO01::AttivaControlli(int16_t k) {
    CmdAsta->setEnabled(false);
    CmdMolla->setEnabled(false);
    CmdSquadretta->setEnabled(false);
    ToolsItem[2]->setEnabled(false);
    ToolsItem[3]->setEnabled(false);
    if (k == 0) {
        ToolsItem[1]->setEnabled(true);
        ToolsItem[4]->setEnabled(false);
        MostraPannello(FrmForcellone);
        ContaAste = 0;
        ContaSquadrette = 0;
        ContaAmmortizzatori = 0;
    } else if (k == 1) {
        ToolsItem[1]->setEnabled(false);
        // A complete chain takes no second shock absorber.
        ToolsItem[4]->setEnabled(!CatenaCompleta(NumeroProgetti));
        MostraPannello(FRMMOLLA);
    }
}

void INSGEO01::ImpostaUnita(int16_t sistema) {
    ImpostaUnitaMisura(sistema);
    CaptionPannelli();
    if (sistema == SISTEMA_METRICO || sistema == SISTEMA_IMPERIALE) {
        UnitaItem[1]->setChecked(sistema == SISTEMA_METRICO);
        UnitaItem[2]->setChecked(sistema == SISTEMA_IMPERIALE);
    }
}

// ---- the grammar and the check ----------------------------------------------------------------

void INSGEO01::ApplicaPulsantiera(int16_t ultimo) {
    const Pulsantiera p = kelvra::AttivaPulsantiera(ultimo);
    const auto applica = [](StatoPulsante s, QPushButton* b, QAction* a) {
        if (s == StatoPulsante::Invariato) return;
        b->setEnabled(s == StatoPulsante::Abilitato);
        a->setEnabled(s == StatoPulsante::Abilitato);
    };
    applica(p.Asta, CmdAsta, ToolsItem[2]);
    applica(p.Squadretta, CmdSquadretta, ToolsItem[3]);
    applica(p.Molla, CmdMolla, ToolsItem[4]);
}

void INSGEO01::AttivaPulsantiera(int16_t& ultimo) {
    ApplicaPulsantiera(ultimo);
}

bool INSGEO01::ControlloVariabili() {
    return kelvra::ControlloVariabili(Testo(Casella::MaxEsc));
}

void INSGEO01::DatiDefault() {
    kelvra::DatiDefault();
}

void INSGEO01::InitDati() {
    kelvra::InitDati(*this);
    fattoreCaselle_ = FattoreUnita[UNITA_LUNGHEZZA];
}

void INSGEO01::CambioCoordinate() {
    kelvra::CambioCoordinate(*this, fattoreCaselle_);
    fattoreCaselle_ = FattoreUnita[UNITA_LUNGHEZZA];
}

void INSGEO01::ProceduraUndo(int16_t& tipo) {
    kelvra::ProceduraUndo(*this, tipo);
}

// ---- adding and confirming elements --------------------------------------------------------

void INSGEO01::AggiungiElemento(int tipo) {
    const int16_t p = NumeroProgetti;
    Progetto& pr = Progetti[p];
    // Never past the last slot of the tables nor after the shock absorber, whatever enabled
    // the command.
    if (pr.UltimoElemento >= MAX_ELEMENTI || pr.UltimoElemento < 0 || CatenaCompleta(p)) {
        Beep();
        return;
    }
    const int16_t k = ++pr.UltimoElemento;
    QGroupBox* pannello = FRMASTA;
    QLineEdit* precX = LblAstaPrecX;
    QLineEdit* precY = LblAstaPrecY;
    std::string lettera = "A";
    if (tipo == PANNELLO_ASTA) {
        ++ContaAste;
    } else if (tipo == PANNELLO_SQUADRETTA) {
        ++ContaSquadrette;
        pannello = FrmSquadretta;
        precX = LblElemPrecX;
        precY = LblElemPrecY;
        lettera = "S";
    } else {
        ++ContaAmmortizzatori;
        pannello = FRMMOLLA;
        precX = LblMollaPrecX;
        precY = LblMollaPrecY;
        lettera = "M";
    }
    MostraPannello(pannello);
    CmdAsta->setEnabled(false);
    CmdSquadretta->setEnabled(false);
    CmdMolla->setEnabled(false);
    for (int i = 1; i <= 4; ++i) ToolsItem[i]->setEnabled(false);

    int16_t t = static_cast<int16_t>(tipo);
    ProceduraUndo(t);

    precX->setEnabled(false);
    precY->setEnabled(false);
    const Punto& inizio = PuntiCatena[std::min<int>(k, MAX_PUNTI_CATENA)];
    precX->setText(DaAnsi(MostraX(inizio.X)));
    precY->setText(DaAnsi(MostraY(inizio.Y)));

    // A rocker whose two free vertices both go on leaves the absent mark as its fourth point.
    const bool dopoSquadrettaAperta = pr.DatiSquadretta[k - 1].P[3].X == PUNTO_ASSENTE.X;
    if (tipo == PANNELLO_ASTA) {
        TxtAstaX->clear();
        TxtAstaY->clear();
        ChkModify[0]->setEnabled(dopoSquadrettaAperta);
    } else if (tipo == PANNELLO_SQUADRETTA) {
        for (int i = 0; i < 2; ++i) {
            TxtSquadrettaX[i]->clear();
            TxtSquadrettaY[i]->clear();
        }
        const bool pari = k % 2 == 0;
        OptFix[0]->setEnabled(pari);
        OptFix[1]->setEnabled(pari);
        OptFix[0]->setChecked(pari);
        OptFix[1]->setChecked(false);
        ChkModify[1]->setEnabled(dopoSquadrettaAperta);
    } else {
        TxtMollaX->clear();
        TxtMollaY->clear();
        if (k == 1) {
            ChkFix->setEnabled(false);
            ChkFix->setChecked(false);
        } else {
            ChkFix->setEnabled(true);
        }
    }
    pr.TipoElemento[k] = lettera;
    CmbModifica->addItem(DaAnsi(NomeElemento(lettera) + "," + std::to_string(k)));
    ModoEdit = 0;
    // The add button just went disabled: the entry starts on the panel's first box.
    QLineEdit* primaCasella = tipo == PANNELLO_ASTA         ? TxtAstaX
                              : tipo == PANNELLO_SQUADRETTA ? TxtSquadrettaX[0]
                                                            : TxtMollaX;
    primaCasella->setFocus();
}

void INSGEO01::CmdAsta_Click() {
    AggiungiElemento(PANNELLO_ASTA);
}
void INSGEO01::CmdSquadretta_Click() {
    AggiungiElemento(PANNELLO_SQUADRETTA);
}
void INSGEO01::CmdMolla_Click() {
    AggiungiElemento(PANNELLO_MOLLA);
}

void INSGEO01::CmdOKForcellone_Click() {
    if (ModoEdit == 5) {
        Modifica();
        return;
    }
    const int16_t p = NumeroProgetti;
    MemorizzaElemento(*this, PANNELLO_FORCELLONE, p, 0);
    Ridisegna();
    int16_t u = Progetti[p].UltimoElemento;
    AttivaPulsantiera(u);
    if (u > 0) SchemaItem[8]->setEnabled(true);
}

// Confirms a link or a rocker panel into the last slot, or the element being modified.
void INSGEO01::ConfermaElementoCatena(int pannello) {
    if (ModoEdit == 5) {
        Modifica();
        return;
    }
    const int16_t p = NumeroProgetti;
    int16_t u = Progetti[p].UltimoElemento;
    if (!MemorizzaElemento(*this, pannello, p, u)) return;
    Ridisegna();
    AttivaPulsantiera(u);
    SchemaItem[8]->setEnabled(true);
}

void INSGEO01::CmdOKAsta_Click() {
    ConfermaElementoCatena(PANNELLO_ASTA);
}

void INSGEO01::CmdOKSquadretta_Click() {
    ConfermaElementoCatena(PANNELLO_SQUADRETTA);
}

void INSGEO01::CmdOKMolla_Click() {
    if (ModoEdit == 5) {
        Modifica();
        return;
    }
    const int16_t p = NumeroProgetti;
    const int16_t u = Progetti[p].UltimoElemento;
    if (!MemorizzaElemento(*this, PANNELLO_MOLLA, p, u)) return;
    Ridisegna();
    RisolviCatena();
    SchemaItem[8]->setEnabled(true);
}

void INSGEO01::RisolviCatena() {
    if (!ControlloVariabili()) {
        AttivaMenuInsGeo(controlli_); // a refused chain is not entered
        return;
    }
    CalcolaCinematica();
    AttivaMenuInsGeo(controlli_);
    CmdAsta->setEnabled(false);
    CmdSquadretta->setEnabled(false);
    CmdMolla->setEnabled(false);
    for (int i = 1; i <= 4; ++i) ToolsItem[i]->setEnabled(false);
}

// Prints the drawing as it stands, under the window's title.
void INSGEO01::CmdStampa_Click() {
    if (!VerificaStampante(Riga(Messaggi, 46))) return;
    bool stampato = false;
    {
        CursoreAttesa attesa;
        stampato = StampaImmagine(picGeo_->Immagine(), AdAnsi(windowTitle()));
    }
    if (!stampato) MsgBox(Riga(Messaggi, 48), vbExclamation);
}

void INSGEO01::CmdEsci_Click() {
    if (simulazione_.SimulazioneInCorso()) {
        esciDopo_ = true;
        simulazione_.Form_Unload();
        return;
    }
    const int16_t n = NumeroProgetti;
    close();
    // A chain without its shock absorber shrinks to the swingarm; the records keep their
    // contents.
    if (!CatenaCompleta(n)) Progetti[n].UltimoElemento = 0;
    if (MAIN* main = MAIN::Istanza(); main && Ganci.MostraFrmMenu) Ganci.MostraFrmMenu(*main);
    if (QMdiSubWindow* sotto = SottoFinestra()) sotto->close();
    deleteLater();
}

// ---- modifying an element ------------------------------------------------------------------

void INSGEO01::CmbModifica_Click() {
    const QString testo = CmbModifica->currentText();
    const int virgola = testo.lastIndexOf(',');
    ElementoInModifica =
        virgola < 0 ? 0 : static_cast<int16_t>(Val(AdAnsi(testo.mid(virgola + 1))));
    if (ElementoInModifica < 0 || ElementoInModifica > MAX_ELEMENTI) ElementoInModifica = 0;
    ModoEdit = 5;
    const int16_t p = NumeroProgetti;
    const int tipo = TipoDaLettera(Progetti[p].TipoElemento[ElementoInModifica]);
    QGroupBox* pannelli[] = {nullptr, FrmForcellone, FRMASTA, FrmSquadretta, FRMMOLLA};
    if (tipo != 0) {
        MostraPannello(pannelli[tipo]);
        RiempiCaselle(*this, p, ElementoInModifica);
        int16_t t = static_cast<int16_t>(tipo);
        ProceduraUndo(t);
    }
    ChkModify[0]->setEnabled(false);
    ChkModify[1]->setEnabled(false);
    OptFix[0]->setEnabled(false);
    OptFix[1]->setEnabled(false);
}

void INSGEO01::Modifica() {
    const int16_t p = NumeroProgetti;
    Progetto& pr = Progetti[p];
    const int16_t s = std::clamp<int16_t>(ElementoInModifica, 0, MAX_ELEMENTI);
    const int16_t u = std::min<int16_t>(pr.UltimoElemento, MAX_ELEMENTI);
    picGeo_->Cancella();
    const auto disegna = [&](int16_t j) {
        switch (TipoDaLettera(pr.TipoElemento[j])) {
        case PANNELLO_FORCELLONE:
            DisegnaForcellone(this, pr.DatiForcellone, COLORE_FORCELLONE, *picGeo_, p,
                              VisualizzaCoordinate, VisualizzaDimensioni);
            break;
        case PANNELLO_ASTA:
            DisegnaAsta(this, pr.DatiAsta[j], j, COLORE_ASTA, *picGeo_, VisualizzaCoordinate,
                        VisualizzaDimensioni);
            break;
        case PANNELLO_SQUADRETTA:
            DisegnaSquadretta(this, pr.DatiSquadretta[j], j, COLORE_SQUADRETTA, *picGeo_, p,
                              VisualizzaCoordinate, VisualizzaDimensioni);
            break;
        case PANNELLO_MOLLA:
            DisegnaAmmortizzatore(this, pr.DatiMolla[j], j, COLORE_AMMORTIZZATORE, *picGeo_, p,
                                  VisualizzaCoordinate, VisualizzaDimensioni);
            break;
        default:
            break;
        }
    };
    for (int16_t j = 0; j < s; ++j) disegna(j);
    const int tipo = TipoDaLettera(pr.TipoElemento[s]);
    if (tipo != 0) MemorizzaElemento(*this, tipo, p, s);
    disegna(s);
    for (int16_t j = s + 1; j <= u; ++j) {
        const Punto& inizio = PuntiCatena[std::min<int>(j, MAX_PUNTI_CATENA)];
        switch (TipoDaLettera(pr.TipoElemento[j])) {
        case PANNELLO_ASTA:
            pr.DatiAsta[j].P[0] = inizio;
            break;
        case PANNELLO_SQUADRETTA:
            pr.DatiSquadretta[j].P[0] = inizio;
            break;
        case PANNELLO_MOLLA:
            pr.DatiMolla[j].P[0] = inizio;
            break;
        default:
            break;
        }
        disegna(j);
    }
    if (ControlloVariabili()) CalcolaCinematica();
    AttivaMenuInsGeo(controlli_);
}

// ---- text input and the view reset ----------------------------------------------------------

void INSGEO01::TxtRaggio_Change() {
    RibasaSuolo(*this);
}

void INSGEO01::PicGeo_MouseDown(int Button, int Shift, double X, double Y) {
    mouse_.PicGeo_MouseDown(Button, Shift, X, Y);
}

void INSGEO01::PicGeo_MouseMove(int Button, int Shift, double X, double Y) {
    mouse_.PicGeo_MouseMove(Button, Shift, X, Y);
}

void INSGEO01::PicGeo_MouseUp(int Button, int Shift, double X, double Y) {
    mouse_.PicGeo_MouseUp(Button, Shift, X, Y);
}

void INSGEO01::ReimpostaVista() {
    mouse_.ReimpostaVista();
}

void INSGEO01::Ridisegna() {
    picGeo_->Cancella();
    DisegnaGrigliaSchema(PassoGriglia, *picGeo_);
    DisegnaSchema(this, *picGeo_, NumeroProgetti, VisualizzaCoordinate, VisualizzaDimensioni);
}

// ---- menus wired here ----------------------------------------------------------------------

void INSGEO01::ToolsItem_Click(int Index) {
    switch (Index) {
    case 1:
        Form_Activate();
        break;
    case 2:
        CmdAsta_Click();
        break;
    case 3:
        CmdSquadretta_Click();
        break;
    case 4:
        CmdMolla_Click();
        break;
    default:
        break;
    }
}

void INSGEO01::UnitaItem_Click(int Index) {
    if (Index != SISTEMA_METRICO && Index != SISTEMA_IMPERIALE) return;
    SistemaUnita = static_cast<int16_t>(Index);
    ImpostaUnita(SistemaUnita);
    picGeo_->Cancella();
    ModoEdit = 0;
    CambioCoordinate();
    Ridisegna();
    CaptionPannelli();
    CmbModifica->setCurrentIndex(0); // the swingarm
    if (CatenaCompleta(NumeroProgetti)) MostraPannello(FRMMOLLA);
}

// ---- the boxes as the editor's procedures see them ------------------------------------------

QLineEdit* INSGEO01::CasellaDi(Casella c) const {
    switch (c) {
    case Casella::ForcelloneX0:
        return TxtForcelloneX[0];
    case Casella::ForcelloneX1:
        return TxtForcelloneX[1];
    case Casella::ForcelloneX2:
        return TxtForcelloneX[2];
    case Casella::ForcelloneY0:
        return TxtForcelloneY[0];
    case Casella::ForcelloneY1:
        return TxtForcelloneY[1];
    case Casella::ForcelloneY2:
        return TxtForcelloneY[2];
    case Casella::Raggio:
        return TxtRaggio;
    case Casella::AstaPrecX:
        return LblAstaPrecX;
    case Casella::AstaPrecY:
        return LblAstaPrecY;
    case Casella::AstaX:
        return TxtAstaX;
    case Casella::AstaY:
        return TxtAstaY;
    case Casella::ElemPrecX:
        return LblElemPrecX;
    case Casella::ElemPrecY:
        return LblElemPrecY;
    case Casella::SquadrettaX0:
        return TxtSquadrettaX[0];
    case Casella::SquadrettaY0:
        return TxtSquadrettaY[0];
    case Casella::SquadrettaX1:
        return TxtSquadrettaX[1];
    case Casella::SquadrettaY1:
        return TxtSquadrettaY[1];
    case Casella::MollaPrecX:
        return LblMollaPrecX;
    case Casella::MollaPrecY:
        return LblMollaPrecY;
    case Casella::MollaX:
        return TxtMollaX;
    case Casella::MollaY:
        return TxtMollaY;
    case Casella::MaxEsc:
        return TxtMaxEsc;
    default:
        return nullptr;
    }
}

std::string INSGEO01::Testo(Casella c) const {
    const QLineEdit* casella = CasellaDi(c);
    return casella ? AdAnsi(casella->text()) : std::string();
}

void INSGEO01::Scrivi(Casella c, const std::string& testo, bool eventi) {
    QLineEdit* casella = CasellaDi(c);
    if (!casella) return;
    const QString nuovo = DaAnsi(testo);
    const bool cambiato = casella->text() != nuovo;
    casella->setText(nuovo);
    if (c == Casella::Raggio && eventi && cambiato) TxtRaggio_Change();
}

int16_t INSGEO01::Valore(Opzione o) const {
    switch (o) {
    case Opzione::ModifyAsta:
        return ChkModify[0]->isChecked() ? 1 : 0;
    case Opzione::ModifySquadretta:
        return ChkModify[1]->isChecked() ? 1 : 0;
    case Opzione::OptFix0:
        return OptFix[0]->isChecked() ? VERO : FALSO;
    case Opzione::OptFix1:
        return OptFix[1]->isChecked() ? VERO : FALSO;
    case Opzione::ChkFix:
        return ChkFix->isChecked() ? 1 : 0;
    default:
        return 0;
    }
}

void INSGEO01::ImpostaValore(Opzione o, int16_t valore) {
    switch (o) {
    case Opzione::ModifyAsta:
        ChkModify[0]->setChecked(valore == 1);
        break;
    case Opzione::ModifySquadretta:
        ChkModify[1]->setChecked(valore == 1);
        break;
    case Opzione::OptFix0:
        OptFix[0]->setChecked(valore != 0);
        break;
    case Opzione::OptFix1:
        OptFix[1]->setChecked(valore != 0);
        break;
    case Opzione::ChkFix:
        ChkFix->setChecked(valore == 1);
        break;
    default:
        break;
    }
}

void INSGEO01::Conferma(int tipo) {
    switch (tipo) {
    case PANNELLO_FORCELLONE:
        CmdOKForcellone_Click();
        break;
    case PANNELLO_ASTA:
        CmdOKAsta_Click();
        break;
    case PANNELLO_SQUADRETTA:
        CmdOKSquadretta_Click();
        break;
    case PANNELLO_MOLLA:
        CmdOKMolla_Click();
        break;
    default:
        break;
    }
}

void INSGEO01::ImpostaTxtForcellone(int i, const std::string& x, const std::string& y) {
    if (i < 0 || i > 2) return;
    TxtForcelloneX[i]->setText(DaAnsi(x));
    TxtForcelloneY[i]->setText(DaAnsi(y));
}

int INSGEO01::ValoreChkModify(int indice) const {
    if (indice < 0 || indice > 1) return 0;
    return ChkModify[indice]->isChecked() ? 1 : 0;
}

void INSGEO01::ScriviChkModify(int indice, int valore) {
    if (indice < 0 || indice > 1) return;
    ChkModify[indice]->setChecked(valore == 1);
}

bool INSGEO01::eventFilter(QObject* oggetto, QEvent* evento) {
    if (oggetto == picGeo_ && evento->type() == QEvent::Resize) {
        Line1->setGeometry(picGeo_->rect());
        if (Shape1->isVisibleTo(picGeo_)) ImpostaRettangoloShape1(shape1_);
        Form_Resize();
    }
    if (oggetto == CmdSimula &&
        (evento->type() == QEvent::Enter || evento->type() == QEvent::MouseMove))
        simulazione_.CmdSimula_MouseMove();
    if (evento->type() == QEvent::Enter || evento->type() == QEvent::MouseMove) {
        // A move over a control of the strip that the control does not take reaches the strip
        // as well: the strip's hint is for the strip itself, where no control lies.
        const bool suStriscia =
            oggetto != FrmTool ||
            !FrmTool->childAt(static_cast<QSinglePointEvent*>(evento)->position().toPoint());
        if (auto it = suggerimenti_.find(oggetto); suStriscia && it != suggerimenti_.end()) {
            ImpostaSuggerimento(Riga(TestiToolbar, it->second));
            if (oggetto == FrmTool) {
                for (auto* l : {LblX, LblY, LblL, LblAng}) l->setText("-");
            }
        }
    }
    return FinestraFiglia::eventFilter(oggetto, evento);
}

// ---- the controls as the mouse, the view tools and the animation see them --------------------

namespace {
QLabel* LabelDi(const INSGEO01& f, Etichetta e) {
    switch (e) {
    case Etichetta::LblX:
        return f.LblX;
    case Etichetta::LblY:
        return f.LblY;
    case Etichetta::LblL:
        return f.LblL;
    case Etichetta::LblAng:
        return f.LblAng;
    }
    return f.LblX;
}
} // namespace

std::string INSGEO01::TestoEtichetta(Etichetta e) const {
    return AdAnsi(LabelDi(*this, e)->text());
}

void INSGEO01::ImpostaEtichetta(Etichetta e, const std::string& testo) {
    LabelDi(*this, e)->setText(DaAnsi(testo));
}

void INSGEO01::PuntatoreCroce() {
    picGeo_->setCursor(Qt::CrossCursor);
}

void INSGEO01::MostraPannelloTipo(int tipo) {
    switch (tipo) {
    case PANNELLO_FORCELLONE:
        MostraPannello(FrmForcellone);
        break;
    case PANNELLO_ASTA:
        MostraPannello(FRMASTA);
        break;
    case PANNELLO_SQUADRETTA:
        MostraPannello(FrmSquadretta);
        break;
    case PANNELLO_MOLLA:
        MostraPannello(FRMMOLLA);
        break;
    default:
        break;
    }
}

void INSGEO01::ImpostaTestoCmbModifica(const std::string& testo) {
    // The list is not editable: the entry of that name (with or without its slot number)
    // is shown, and no choice handler runs.
    const QSignalBlocker blocco(CmbModifica);
    const QString nome = DaAnsi(testo);
    for (int i = 0; i < CmbModifica->count(); ++i) {
        const QString voce = CmbModifica->itemText(i);
        const int virgola = voce.lastIndexOf(',');
        if (voce == nome || (virgola >= 0 && voce.left(virgola) == nome)) {
            CmbModifica->setCurrentIndex(i);
            return;
        }
    }
}

void INSGEO01::ImpostaRettangoloShape1(const RettangoloZoom& r) {
    shape1_ = r;
    const QPointF a = PixelPicture(*picGeo_, r.Left, r.Top);
    const QPointF b = PixelPicture(*picGeo_, r.Left + r.Width, r.Top + r.Height);
    Shape1->setGeometry(QRectF(a, b).normalized().toAlignedRect());
}

bool INSGEO01::Shape1Visibile() const {
    return Shape1->isVisibleTo(picGeo_);
}

void INSGEO01::MostraShape1(bool visibile) {
    Shape1->setVisible(visibile);
}

bool INSGEO01::Line1Visibile() const {
    return Line1->isVisibleTo(picGeo_);
}

void INSGEO01::MostraLine1(bool visibile) {
    Line1->setGeometry(picGeo_->rect());
    Line1->setVisible(visibile);
    if (visibile) Line1->raise();
}

void INSGEO01::SpuntaGrigliaItem(int indice, bool spuntato) {
    if (auto it = GrigliaItem.find(indice); it != GrigliaItem.end())
        it->second->setChecked(spuntato);
}

void INSGEO01::SpuntaSimulazioneItem(int indice, bool spuntato) {
    if (auto it = SimulazioneItem.find(indice); it != SimulazioneItem.end())
        it->second->setChecked(spuntato);
}

float INSGEO01::LarghezzaInterna() const {
    return static_cast<float>(width()) * TwipsPerPixelX(this);
}

namespace {
RettangoloTwips Twips(const QWidget* w) {
    const float tx = TwipsPerPixelX(w);
    const float ty = TwipsPerPixelY(w);
    const QRect g = w->geometry();
    return {static_cast<float>(g.y()) * ty, static_cast<float>(g.x()) * tx,
            static_cast<float>(g.height()) * ty, static_cast<float>(g.width()) * tx};
}
} // namespace

RettangoloTwips INSGEO01::PosizionePicGeo() const {
    return Twips(picGeo_);
}

void INSGEO01::PosizionaPicGeo(const RettangoloTwips& r) {
    // The drawing sits in the window's layout, which keeps its top, left and height: only
    // its width is narrowed, or given back in full.
    const int larghezza = Pixel(r.Width, TwipsPerPixelX(this));
    if (larghezza >= width())
        picGeo_->setMaximumWidth(QWIDGETSIZE_MAX);
    else
        picGeo_->setMaximumWidth(std::max(larghezza, picGeo_->minimumWidth()));
    if (layout()) layout()->activate();
}

RettangoloTwips INSGEO01::PosizioneVScroll() const {
    return Twips(VScroll);
}

void INSGEO01::PosizionaVScroll(const RettangoloTwips& r) {
    PosizionaControllo(VScroll, r.Top, r.Left, r.Height, r.Width);
}

RettangoloTwips INSGEO01::PosizioneLblEsc() const {
    return Twips(LblEsc);
}

void INSGEO01::PosizionaLblEsc(const RettangoloTwips& r) {
    PosizionaControllo(LblEsc, r.Top, r.Left, r.Height, r.Width);
}

void INSGEO01::ImpostaValoreVScroll(int valore) {
    const QSignalBlocker blocco(VScroll);
    VScroll->setValue(valore);
}

void INSGEO01::ImpostaMassimoVScroll(int massimo) {
    const QSignalBlocker blocco(VScroll);
    VScroll->setMaximum(massimo);
}

void INSGEO01::MostraVScroll(bool visibile) {
    VScroll->setVisible(visibile);
    LblEsc->setVisible(visibile);
    if (visibile) {
        VScroll->raise();
        LblEsc->raise();
    }
}

void INSGEO01::ImpostaDidascaliaLblEsc(const std::string& testo) {
    LblEsc->setText(DaAnsi(testo));
}

std::string INSGEO01::DidascaliaCmdSimula() const {
    return AdAnsi(CmdSimula->text());
}

void INSGEO01::ImpostaDidascaliaCmdSimula(const std::string& testo) {
    CmdSimula->setText(ConTastoAccesso(DaAnsi(testo)));
}

void INSGEO01::AbilitaConferme(bool abilitate) {
    for (auto* b : {CmdOKForcellone, CmdOKAsta, CmdOKSquadretta, CmdOKMolla})
        b->setEnabled(abilitate);
    // Choosing an element would modify it while the drawing shows a position of the travel.
    if (abilitate)
        AttivaMenuInsGeo(controlli_);
    else
        CmbModifica->setEnabled(false);
}

void INSGEO01::AggiornaAbilitazione() {
    AttivaMenuInsGeo(controlli_);
}

void INSGEO01::Cedi() {
    QCoreApplication::processEvents();
}

void INSGEO01::ChiudiFinestra() {
    if (esciDopo_) {
        esciDopo_ = false;
        CmdEsci_Click();
        return;
    }
    if (QMdiSubWindow* sotto = SottoFinestra())
        sotto->close();
    else
        close();
}

// ---- start-up ------------------------------------------------------------------------------

void RegistraEditorGeometria() {
    Ganci.CreaEditorGeometria = [] { INSGEO01::Crea().ImpostaUnita(SistemaUnita); };
    Ganci.MostraInsGeo = [](MAIN& main, bool centra) {
        INSGEO01& editor = INSGEO01::Crea();
        QMdiSubWindow* sotto = main.AggiungiFiglia(&editor);
        if (centra && sotto) {
            sotto->move((main.AreaMdi()->width() - sotto->width()) / 2,
                        (main.AreaMdi()->height() - sotto->height()) / 2);
        }
        if (sotto) sotto->showMaximized();
        main.AttivaFiglia(&editor);
    };
    Ganci.AttivaInsGeo = [] {
        if (INSGEO01* editor = INSGEO01::Istanza()) editor->Form_Activate();
    };
    Ganci.ControlloVariabiliInsGeo = [] { return INSGEO01::Crea().ControlloVariabili(); };
    RegistraMenuOpzioniInsGeo();
}

} // namespace kelvra
