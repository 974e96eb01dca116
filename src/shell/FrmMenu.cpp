#include "shell/FrmMenu.h"

#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Servizi.h"
#include "core/Vista.h"
#include "platform/MenuQt.h"
#include "platform/Posizione.h"
#include "platform/Testo.h"
#include "shell/Abilitazione.h"
#include "shell/Comandi.h"
#include "shell/Ganci.h"
#include "shell/IconeFrmMenu.h"
#include "shell/Main.h"
#include "shell/Miniature.h"

#include <QEvent>
#include <QKeySequence>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <algorithm>
#include <vector>

namespace kelvra {

namespace {

FRMMENU* istanza = nullptr;

// Design places, in twips.
constexpr float ALTEZZA_PANNELLO = 675;
constexpr float SOPRA_PULSANTI = 30;
constexpr float LATO_PULSANTE = 375;
constexpr std::array<float, NUMERO_PULSANTI> SINISTRA_PULSANTI{
    60,   390,  750,  1110, 1590, 1950, 2310, 2670, 3150, 3510, 3870, 4230, 4710,
    5070, 5430, 5790, 6270, 6630, 6990, 7350, 7830, 8310, 8670, 9120, 9540};
// The buttons whose command may be unavailable; each has a twin at its index + 50.
constexpr std::array<int, 7> PULSANTI_CON_GEMELLO{2, 6, 10, 14, 18, 21, 22};
constexpr float SINISTRA_TOOLTIP = 60;
constexpr float SOPRA_TOOLTIP = 420;
constexpr float ALTEZZA_TOOLTIP = 225;
constexpr float LARGHEZZA_MINIATURA = 3645;
constexpr std::array<float, 6> ALTEZZA_MINIATURA{2685, 2685, 2715, 2685, 2685, 2685};

// The menus: item count, the items that are hidden, the indexes that are no item, and the
// enabling's name of the item array.
struct DatiMenu {
    int voci;
    std::vector<int> nascoste;
    std::vector<int> assenti;
    Controllo controllo;
    bool registra;
};
const std::array<DatiMenu, 11> MENU{{{13, {7, 10}, {}, Controllo::FileItem, true},
                                     {6, {2}, {}, Controllo::SchemaItem, true},
                                     {7, {6, 7}, {}, Controllo::AmmortizzatoreItem, true},
                                     {5, {}, {}, Controllo::MollaItem, true},
                                     {5, {}, {}, Controllo::TamponeItem, true},
                                     {1, {}, {}, Controllo::MenuItem, false},
                                     {1, {}, {}, Controllo::MenuItem, false},
                                     {1, {}, {}, Controllo::MenuItem, false},
                                     {1, {}, {}, Controllo::MenuItem, false},
                                     {1, {}, {}, Controllo::MenuItem, false},
                                     {5, {}, {3, 4}, Controllo::MenuItem, false}}};

bool Contiene(const std::vector<int>& v, int k) {
    return std::find(v.begin(), v.end(), k) != v.end();
}

const char* const PROPRIETA_INDICE = "indice";

} // namespace

FRMMENU::FRMMENU(QWidget* genitore) : FinestraFiglia(genitore) {
    istanza = this;
    setObjectName(QStringLiteral("FRMMENU"));
    setWindowTitle(QStringLiteral("Menu principale"));
    setMouseTracking(true);
    CreaPulsanti();
    CreaMiniature();
    CreaMenu();
    CollegaMenu();
    kelvra::RegistraFrmMenu(&controlli_);
}

FRMMENU::~FRMMENU() {
    if (FrmMenuRegistrato() == &controlli_) kelvra::RegistraFrmMenu(nullptr);
    if (istanza == this) istanza = nullptr;
}

FRMMENU* FRMMENU::Istanza() {
    return istanza;
}

FRMMENU& FRMMENU::Crea() {
    if (istanza) return *istanza;
    auto* f = new FRMMENU;
    f->Form_Load();
    return *f;
}

// ---- building ----------------------------------------------------------------------------

void FRMMENU::CreaPulsanti() {
    SSPanel = new QFrame(this);
    SSPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    SSPanel->setAutoFillBackground(true);
    SSPanel->setMouseTracking(true);
    SSPanel->installEventFilter(this);
    PosizionaControllo(SSPanel, 0, 0, ALTEZZA_PANNELLO, LarghezzaSchermo(this));

    auto crea = [this](int indice, const QImage& immagine, float sinistra) {
        auto* b = new QToolButton(SSPanel);
        b->setIcon(QPixmap::fromImage(immagine));
        b->setIconSize(QSize(LATO_ICONA, LATO_ICONA));
        b->setFocusPolicy(Qt::NoFocus);
        b->setMouseTracking(true);
        b->setProperty(PROPRIETA_INDICE, indice);
        b->installEventFilter(this);
        PosizionaControllo(b, SOPRA_PULSANTI, sinistra, LATO_PULSANTE, LATO_PULSANTE);
        connect(b, &QToolButton::clicked, this, [this, indice] { CmdMenu_Click(indice); });
        CmdMenu[indice] = b;
        controlli_.Registra(Controllo::CmdMenu, indice, b);
        return b;
    };
    for (int i = 0; i < NUMERO_PULSANTI; ++i)
        crea(i, IconaPulsante(i), SINISTRA_PULSANTI[static_cast<size_t>(i)]);
    for (int i : PULSANTI_CON_GEMELLO) {
        crea(i + SCARTO_GEMELLO, IconaGrigia(IconaPulsante(i)),
             SINISTRA_PULSANTI[static_cast<size_t>(i)])
            ->hide();
    }

    LblToolTip = new QLabel(SSPanel);
    LblToolTip->setAutoFillBackground(true);
    QPalette giallo = LblToolTip->palette();
    giallo.setColor(QPalette::Window, QColor(255, 255, 128));
    giallo.setColor(QPalette::WindowText, Qt::black);
    LblToolTip->setPalette(giallo);
    PosizionaControllo(LblToolTip, SOPRA_TOOLTIP, SINISTRA_TOOLTIP, ALTEZZA_TOOLTIP, 75);
    LblToolTip->hide();
}

void FRMMENU::CreaMiniature() {
    for (size_t i = 0; i < CmdIcon.size(); ++i) {
        auto* pic = new PictureBox(this);
        pic->setObjectName(QStringLiteral("CmdIcon%1").arg(i));
        ImpostaLarghezzaTwips(pic, LARGHEZZA_MINIATURA);
        ImpostaAltezzaTwips(pic, ALTEZZA_MINIATURA[i]);
        const int indice = static_cast<int>(i);
        connect(pic, &PictureBox::Click, this, [this, indice] { CmdIcon_Click(indice); });
        connect(pic, &PictureBox::MouseMove, this,
                [this, indice](int, int, double, double) { CmdIcon_MouseMove(indice); });
        CmdIcon[i] = pic;
    }
}

void FRMMENU::CreaMenu() {
    for (size_t r = 0; r < MENU.size(); ++r) {
        std::map<int, QAction*>* voci = VociMenu(static_cast<MenuFrmMenu>(r));
        QMenu* m = AggiungiMenu(QString());
        MenuItem[r] = m;
        controlli_.Registra(Controllo::MenuItem, static_cast<int>(r), m->menuAction());
        for (int k = 1; k <= MENU[r].voci; ++k) {
            if (Contiene(MENU[r].assenti, k)) continue;
            QAction* a = m->addAction(QString());
            (*voci)[k] = a;
            if (Contiene(MENU[r].nascoste, k)) a->setVisible(false);
            if (MENU[r].registra) controlli_.Registra(MENU[r].controllo, k, a);
        }
    }
    FunzioniItem[1]->setEnabled(false);
    MenuUnita = new QMenu(this);
    FileItem[11]->setMenu(MenuUnita);
    for (int k = 1; k <= 2; ++k) {
        QAction* a = MenuUnita->addAction(QString());
        a->setCheckable(true);
        UnitaItem[k] = a;
        controlli_.Registra(Controllo::UnitaItem, k, a);
    }
    const std::pair<QAction*, QKeySequence> tasti[] = {
        {FileItem[1], QKeySequence(Qt::CTRL | Qt::Key_N)},
        {FileItem[2], QKeySequence(Qt::CTRL | Qt::Key_O)},
        {FileItem[3], QKeySequence(Qt::CTRL | Qt::Key_C)},
        {FileItem[4], QKeySequence(Qt::CTRL | Qt::Key_R)},
        {FileItem[6], QKeySequence(Qt::CTRL | Qt::Key_S)},
        {UnitaItem[1], QKeySequence(Qt::CTRL | Qt::Key_I)},
        {UnitaItem[2], QKeySequence(Qt::CTRL | Qt::Key_B)}};
    for (const auto& [azione, tasto] : tasti) azione->setShortcut(tasto);
}

std::map<int, QAction*>* FRMMENU::VociMenu(MenuFrmMenu menu) {
    const std::array<std::map<int, QAction*>*, 11> mappe{
        &FileItem,    &SchemaItem,    &AmmortizzatoreItem, &MollaItem,
        &TamponeItem, &PrecaricoItem, &FunzioniItem,       &GraficiItem,
        &TabelleItem, &RisultatiItem, &GuidaItem};
    return mappe[static_cast<size_t>(menu)];
}

namespace {
using Gestore = void (FRMMENU::*)(int);
// The handler of each menu, in menu-bar order; the Functions menu has none.
constexpr std::array<Gestore, 11> GESTORI{&FRMMENU::FileItem_Click,
                                          &FRMMENU::SchemaItem_Click,
                                          &FRMMENU::AmmortizzatoreItem_Click,
                                          &FRMMENU::MollaItem_Click,
                                          &FRMMENU::TamponeItem_Click,
                                          &FRMMENU::PrecaricoItem_Click,
                                          nullptr,
                                          &FRMMENU::GraficiItem_Click,
                                          &FRMMENU::TabelleItem_Click,
                                          &FRMMENU::RisultatiItem_Click,
                                          &FRMMENU::GuidaItem_Click};
} // namespace

void FRMMENU::CollegaMenu() {
    for (size_t r = 0; r < GESTORI.size(); ++r) {
        const Gestore gestore = GESTORI[r];
        if (!gestore) continue;
        for (auto& [indice, azione] : *VociMenu(static_cast<MenuFrmMenu>(r))) {
            const int k = indice;
            connect(azione, &QAction::triggered, this, [this, k, gestore] { (this->*gestore)(k); });
        }
    }
    for (auto& [indice, azione] : UnitaItem) {
        const int k = indice;
        connect(azione, &QAction::triggered, this, [this, k] { UnitaItem_Click(k); });
    }
}

// ---- load, activation, layout ----------------------------------------------------------

void FRMMENU::Form_Load() {
    PicSfondo = TesseraSfondo();
    update();
}

void FRMMENU::Form_Activate() {
    std::vector<MenuFinestra> mappa;
    for (size_t r = 0; r < MenuItem.size(); ++r) {
        const std::map<int, QAction*>& voci = *VociMenu(static_cast<MenuFrmMenu>(r));
        MenuFinestra m;
        m.menu = MenuItem[r];
        m.voci.assign(voci.empty() ? 1 : static_cast<size_t>(voci.rbegin()->first) + 1, nullptr);
        for (auto& [k, a] : voci) m.voci[static_cast<size_t>(k)] = a;
        mappa.push_back(m);
    }
    ImpostaMenuLingua("MnuFrmMenu", mappa);
    UnitaItem[1]->setText(DaAnsi(Riga(TestiUnita, 0)));
    UnitaItem[2]->setText(DaAnsi(Riga(TestiUnita, 6)));
    ImpostaTitolo();

    ImpostaLarghezzeMiniature();
    // One extent for all six, from the newest project: they compare at one scale.
    const float estensione = EstensioneMiniature(NumeroProgetti);
    for (PictureBox* pic : CmdIcon) pic->Cancella();
    for (int p = 1; p <= MAX_PROGETTI; ++p)
        DisegnaMiniatura(*CmdIcon[static_cast<size_t>(p - 1)], p, estensione);

    AttivaMenuFrmMenu(controlli_);
    LblToolTip->hide();
}

void FRMMENU::ImpostaTitolo() {
    setWindowTitle(QString::fromStdString(ComponiTitolo(Riga(TestiFrmMenu, 0))));
    if (QMdiSubWindow* sotto = SottoFinestra()) sotto->setWindowTitle(windowTitle());
}

void FRMMENU::Form_Resize() {
    const double sw = width() * static_cast<double>(TwipsPerPixelX(this));
    const double sh = height() * static_cast<double>(TwipsPerPixelY(this));
    const std::array<double, 3> colonne{sw / 6, sw / 2, 5 * sw / 6};
    for (size_t i = 0; i < CmdIcon.size(); ++i) {
        PictureBox* pic = CmdIcon[i];
        const double w = LarghezzaTwips(pic);
        const double h = AltezzaTwips(pic);
        const double sinistra = colonne[i % 3] - w / 2;
        const double sopra = i < 3 ? sh / 3 - h / 2 : sh / 3 + h / 1.1;
        PosizionaControllo(pic, static_cast<float>(sopra), static_cast<float>(sinistra),
                           static_cast<float>(h), static_cast<float>(w));
    }
}

void FRMMENU::resizeEvent(QResizeEvent* evento) {
    FinestraFiglia::resizeEvent(evento);
    // The panel runs across the top whatever the width; the buttons keep their places.
    SSPanel->resize(std::max(width(), SSPanel->width()), SSPanel->height());
    Form_Resize();
}

void FRMMENU::paintEvent(QPaintEvent*) {
    // The tiles start at the window's corner, so a resize never moves them.
    QPainter p(this);
    p.drawTiledPixmap(rect(), QPixmap::fromImage(PicSfondo));
}

// ---- thumbnails ----------------------------------------------------------------------------

void FRMMENU::CmdIcon_Click(int Index) {
    const int16_t p = ProgettoMiniatura(Index);
    // The projects after the one opened are no longer held: they go only as closing lets them.
    if (p == 0 || !ProgettiLasciati(static_cast<int16_t>(p + 1))) return;
    EditorAperto = 1;
    NumeroProgetti = ProgettoSelezionato = p;
    if (MAIN* main = MAIN::Istanza(); main && Ganci.MostraInsGeo) Ganci.MostraInsGeo(*main, false);
}

// ---- hints ---------------------------------------------------------------------------------

void FRMMENU::Form_MouseMove() {
    ImpostaSuggerimento(Riga(TestiToolbar, 0));
    LblToolTip->hide();
}

void FRMMENU::SSPanel_MouseMove() {
    LblToolTip->hide();
}

void FRMMENU::CmdIcon_MouseMove(int Index) {
    ImpostaSuggerimento(Riga(TestiToolbar, 1) + " " + Riga(TestiCommon, 12) + ": " +
                        std::to_string(Index + 1));
    LblToolTip->hide();
}

void FRMMENU::CmdMenu_MouseMove(int Index) {
    auto pulsante = CmdMenu.find(Index);
    if (pulsante == CmdMenu.end()) return;
    // A twin stands in for its button and shows that button's hint: the hint of the button
    // the pointer came from was cleared when the pointer left it.
    const int bottone = Index >= NUMERO_PULSANTI ? Index - SCARTO_GEMELLO : Index;
    if (bottone >= 0 && bottone < NUMERO_PULSANTI)
        ImpostaSuggerimento(Riga(TestiFrmMenu, bottone + 5));
    LblToolTip->setText(DaAnsi(Suggerimento()));
    LblToolTip->adjustSize();
    LblToolTip->move(pulsante->second->x(), LblToolTip->y());
    LblToolTip->show();
    LblToolTip->raise();
}

// A move over a child that the child leaves unhandled reaches its parents too: only a move
// over the background itself is the window's or the panel's own.
void FRMMENU::mouseMoveEvent(QMouseEvent* evento) {
    FinestraFiglia::mouseMoveEvent(evento);
    if (!childAt(evento->position().toPoint())) Form_MouseMove();
}

bool FRMMENU::eventFilter(QObject* oggetto, QEvent* evento) {
    if (evento->type() == QEvent::MouseMove) {
        if (oggetto == SSPanel) {
            const auto* mossa = static_cast<QMouseEvent*>(evento);
            if (!SSPanel->childAt(mossa->position().toPoint())) SSPanel_MouseMove();
        }
        if (const QVariant indice = oggetto->property(PROPRIETA_INDICE); indice.isValid())
            CmdMenu_MouseMove(indice.toInt());
    }
    return FinestraFiglia::eventFilter(oggetto, evento);
}

// ---- commands ------------------------------------------------------------------------------

void FRMMENU::Esegui(const std::function<void()>& comando) {
    QPointer<FRMMENU> guardia(this);
    comando();
    if (!guardia) return;
    const CorniceMdi* cornice = Cornice();
    if (!cornice || cornice->FigliaAttiva() == this) Form_Activate();
}

void FRMMENU::CmdMenu_Click(int Index) {
    if (Index < 0 || Index >= NUMERO_PULSANTI) return; // the twins do nothing
    const VocePulsante& v = VOCI_PULSANTI[static_cast<size_t>(Index)];
    if (const Gestore gestore = GESTORI[static_cast<size_t>(v.menu)]) (this->*gestore)(v.voce);
}

void FRMMENU::FileItem_Click(int Index) {
    Esegui([Index] { GestisciMenuFileFrmMenu(Index); });
}

void FRMMENU::UnitaItem_Click(int Index) {
    Esegui([this, Index] { ImpostaUnita(Index, &controlli_); });
}

void FRMMENU::SchemaItem_Click(int Index) {
    Esegui([this, Index] { ComandoSchema(Index, *this); });
}

void FRMMENU::AmmortizzatoreItem_Click(int Index) {
    Esegui([this, Index] { ComandoAmmortizzatore(Index, *this); });
}

void FRMMENU::MollaItem_Click(int Index) {
    Esegui([this, Index] { ComandoMolla(Index, *this); });
}

void FRMMENU::TamponeItem_Click(int Index) {
    Esegui([this, Index] { ComandoTampone(Index, *this); });
}

void FRMMENU::PrecaricoItem_Click(int Index) {
    Esegui([Index] { MostraPrecarico(Index); });
}

void FRMMENU::GraficiItem_Click(int Index) {
    Esegui([Index] { MostraGrafici(Index); });
}

void FRMMENU::TabelleItem_Click(int Index) {
    Esegui([Index] { MostraTabelle(Index); });
}

void FRMMENU::RisultatiItem_Click(int Index) {
    Esegui([Index] { MostraRiassunto(Index); });
}

void FRMMENU::GuidaItem_Click(int Index) {
    Esegui([Index] {
        if (MAIN* main = MAIN::Istanza(); main && Ganci.GestisciMenuGuida)
            Ganci.GestisciMenuGuida(Index, *main);
    });
}

// ---- start-up ------------------------------------------------------------------------------

void RegistraFrmMenu() {
    Ganci.MostraFrmMenu = [](MAIN& main) {
        FRMMENU& f = FRMMENU::Crea();
        const bool giaAttiva = main.FigliaAttiva() == &f;
        if (QMdiSubWindow* sotto = main.AggiungiFiglia(&f)) sotto->showMaximized();
        main.AttivaFiglia(&f);
        // Already the active window: nothing activates it, and it must still show the
        // projects as they are now.
        if (giaAttiva) f.Form_Activate();
    };
    Ganci.CaricaFrmMenu = [](MAIN& main) {
        if (FRMMENU::Istanza()) return;
        if (QMdiSubWindow* sotto = main.AggiungiFiglia(&FRMMENU::Crea())) sotto->showMaximized();
    };
    Ganci.AttivaFrmMenu = [] {
        if (FRMMENU* f = FRMMENU::Istanza()) f->Form_Activate();
    };
    Ganci.TitoloFrmMenu = [] {
        if (FRMMENU* f = FRMMENU::Istanza()) f->ImpostaTitolo();
    };
}

} // namespace kelvra
