#include "graphs/Curve01.h"

#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Servizi.h"
#include "graphs/CalcoliStrumenti.h"
#include "graphs/Funzioni.h"
#include "graphs/Lettore.h"
#include "graphs/Sovrapposizione.h"
#include "graphs/StatoGrafico.h"
#include "graphs/Strumenti.h"
#include "platform/Guida.h"
#include "platform/MenuQt.h"
#include "platform/Messaggi.h"
#include "platform/SuperficieQt.h"
#include "platform/Testo.h"
#include "shell/Abilitazione.h"
#include "shell/Comandi.h"
#include "shell/Main.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRadioButton>
#include <algorithm>
#include <cmath>

namespace kelvra {

namespace {

QPointer<CURVE01> istanza;

constexpr float TWIPS_PER_PIXEL = 15.0f;
int Pixel(float twips) {
    return static_cast<int>(std::lround(twips / TWIPS_PER_PIXEL));
}

// Quantity lines of the chart buttons' captions, kinds 1..14.
constexpr std::array<int, NUMERO_TIPI_GRAFICO> CAPTION_PULSANTI{34, 42, 43, 31, 38, 39, 10,
                                                                26, 47, 48, 49, 50, 51, 52};

// Items of the ten menus, in menu-bar order.
constexpr std::array<int, 10> VOCI_MENU{22, 6, 2, 2, 5, 14, 1, 1, 4, 5};
// File items that the window keeps hidden.
constexpr std::array<int, 9> FILE_NASCOSTI{6, 8, 14, 15, 16, 17, 18, 19, 20};

// The smallest face the chart buttons' captions shrink to in a narrow window.
constexpr double MINIMO_PUNTI_PULSANTI = 6.0;
// Room a push button takes round its caption.
constexpr int MARGINE_PULSANTI = 24;

// Help topic of the window.
constexpr int CONTESTO_GUIDA = 23;

constexpr int FILE_UNITA = 13;
constexpr int MENU_FINESTRA = 8;
constexpr int OPZIONE_GRIGLIA = 1;

// The title face; central-European languages need its CE cut.
QString FaceTitoli() {
    const QString lingua = DaAnsi(Riga(TestiLingua, 0)).trimmed().toUpper();
    return lingua == QStringLiteral("SLOVENO") ? QStringLiteral("Times New Roman CE")
                                               : QStringLiteral("Times New Roman");
}

void ImpostaSfondo(QWidget* w, int32_t colore) {
    QPalette p = w->palette();
    p.setColor(QPalette::Window, ColoreQt(colore));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void ImpostaColoreTesto(QLabel* l, int32_t colore) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, ColoreQt(colore));
    l->setPalette(p);
}

QWidget* NuovoPannello(QWidget* genitore) {
    auto* w = new QWidget(genitore);
    w->setAutoFillBackground(true);
    return w;
}

} // namespace

// ---- creation -----------------------------------------------------------------------------

CURVE01::CURVE01(QWidget* genitore) : FinestraFiglia(genitore) {
    setObjectName("CURVE01");
    setMinimumSize(320, 240);
    CreaControlli();
    CreaMenu();
    CreaCorniceColori();
    CollegaStrumenti();
    RegistraSuggerimenti();
    controlli_.tipoGrafico = [this](int16_t tipo) { primoGrafico_ = tipo; };
    Form_Load();
}

CURVE01::~CURVE01() = default;

CURVE01* CURVE01::Istanza() {
    return istanza.data();
}

CURVE01& CURVE01::Crea() {
    if (!istanza) istanza = new CURVE01;
    return *istanza;
}

void CURVE01::CreaControlli() {
    PicTitleGrafico = NuovoPannello(this);
    LblTitleGrafico = new QLabel(PicTitleGrafico);
    LblTitleGrafico->setAlignment(Qt::AlignCenter);
    PicTitleBottom = NuovoPannello(this);
    LblTitleBottom = new QLabel(PicTitleBottom);
    LblTitleBottom->setAlignment(Qt::AlignCenter);

    PicGrafico = new PictureBox(this);
    PicAsseX = NuovoPannello(this);
    for (int j = 0; j <= MASSIMO_ETICHETTE; ++j) {
        LblX[j] = new QLabel(PicAsseX);
        LblX[j]->setAlignment(Qt::AlignCenter);
        LblX[j]->hide();
    }
    for (auto& p : PicAsseY) p = NuovoPannello(this);
    for (int j = 0; j <= MASSIMO_ETICHETTE; ++j) {
        LblY1[j] = new QLabel(PicAsseY[0]);
        LblY1[j]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        LblY1[j]->hide();
    }
    PicAsseY[1]->hide();
    PicUnit = NuovoPannello(this);
    PicUnit->hide();
    DisplayY = new QLabel(this);
    DisplayY->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (auto& p : PicCommand) p = NuovoPannello(this);
    PicCommand[2]->hide();
    CreaPulsantiGrafico();
    CreaPulsantiera();

    QFont titolo(FaceTitoli());
    titolo.setPointSize(14);
    titolo.setBold(true);
    LblTitleGrafico->setFont(titolo);
    titolo.setPointSize(12);
    LblTitleBottom->setFont(titolo);
}

void CURVE01::CreaPulsantiGrafico() {
    for (int i = 1; i <= NUMERO_TIPI_GRAFICO; ++i) {
        auto* b = new QPushButton(PicCommand[0]);
        b->setProperty("Tag", QString::number(i));
        b->setFocusPolicy(Qt::NoFocus);
        CmdCurve[i] = b;
        controlli_.Registra(Controllo::CmdCurve, i, b);
        connect(b, &QPushButton::clicked, this, [this, i] { CmdCurve_Click(i); });
    }
}

void CURVE01::CreaMenu() {
    const std::array<std::map<int, QAction*>*, 10> mappe{
        &FileItem,    &InfoItem,    &ScalaItem,     &VistaItem,    &OpzioniItem,
        &GraficiItem, &TabelleItem, &RisultatiItem, &FinestraItem, &GuidaItem};
    for (size_t r = 0; r < mappe.size(); ++r) {
        QMenu* m = AggiungiMenu(QString());
        MenuItem[r] = m;
        controlli_.Registra(Controllo::MenuItem, static_cast<int>(r), m->menuAction());
        for (int k = 1; k <= VOCI_MENU[r]; ++k) (*mappe[r])[k] = m->addAction(QString());
    }
    for (auto& [k, a] : FileItem) controlli_.Registra(Controllo::FileItem, k, a);
    for (auto& [k, a] : InfoItem) controlli_.Registra(Controllo::InfoItem, k, a);
    for (auto& [k, a] : GraficiItem) controlli_.Registra(Controllo::GraficiItem, k, a);

    MenuUnita = new QMenu(this);
    FileItem[FILE_UNITA]->setMenu(MenuUnita);
    for (int k = 1; k <= 2; ++k) {
        UnitaItem[k] = MenuUnita->addAction(QString());
        UnitaItem[k]->setCheckable(true);
        controlli_.Registra(Controllo::UnitaItem, k, UnitaItem[k]);
    }
    OpzioniItem[OPZIONE_GRIGLIA]->setCheckable(true);
    for (int k = 1; k <= 3; ++k) InfoItem[k]->setCheckable(true);

    auto collega = [this](std::map<int, QAction*>& mappa, void (CURVE01::*gestore)(int)) {
        for (auto& [k, a] : mappa) {
            const int indice = k;
            connect(a, &QAction::triggered, this,
                    [this, indice, gestore] { (this->*gestore)(indice); });
        }
    };
    collega(GraficiItem, &CURVE01::GraficiItem_Click);
    collega(OpzioniItem, &CURVE01::OpzioniItem_Click);
    collega(FileItem, &CURVE01::FileItem_Click);
    collega(TabelleItem, &CURVE01::TabelleItem_Click);
    collega(RisultatiItem, &CURVE01::RisultatiItem_Click);
    collega(GuidaItem, &CURVE01::GuidaItem_Click);
    connect(MenuItem[MENU_FINESTRA], &QMenu::aboutToShow, this, &CURVE01::ElencaFinestre);
}

void CURVE01::ElencaFinestre() {
    QMenu* menu = MenuItem[MENU_FINESTRA];
    for (QAction* a : vociFinestre_) {
        menu->removeAction(a);
        a->deleteLater();
    }
    vociFinestre_.clear();
    CorniceMdi* cornice = Cornice();
    if (!cornice || !SottoFinestra()) return;
    int n = 0;
    for (QMdiSubWindow* sotto : cornice->AreaMdi()->subWindowList()) {
        QPointer<FinestraFiglia> figlia = qobject_cast<FinestraFiglia*>(sotto->widget());
        if (!figlia || sotto->isHidden()) continue;
        if (n++ == 0) vociFinestre_.push_back(menu->addSeparator());
        QString titolo = sotto->windowTitle();
        titolo.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* a = menu->addAction(n <= 9 ? QStringLiteral("&%1 %2").arg(n).arg(titolo)
                                            : QStringLiteral("%1 %2").arg(n).arg(titolo));
        a->setCheckable(true);
        a->setChecked(figlia == cornice->FigliaAttiva());
        connect(a, &QAction::triggered, this, [cornice, figlia] {
            if (figlia) cornice->AttivaFiglia(figlia);
        });
        vociFinestre_.push_back(a);
    }
}

// ---- load, captions and activation ----------------------------------------------------------

void CURVE01::Form_Load() {
    ImpostaContestoGuida(this, CONTESTO_GUIDA);
    ImpostaTesto();
    FinestraInChiusura = FALSO;
}

void CURVE01::ImpostaTitolo() {
    setWindowTitle(QString::fromStdString(ComponiTitolo(Riga(TestiCurve, 0))));
    // The sub-window of the frame, or the modal dialog, that holds the window.
    if (QWidget* cornice = parentWidget()) cornice->setWindowTitle(windowTitle());
}

void CURVE01::ImpostaTesto() {
    ImpostaTitolo();
    for (int i = 1; i <= NUMERO_TIPI_GRAFICO; ++i)
        CmdCurve[i]->setText(DaAnsi(Riga(TestiQuantity, CAPTION_PULSANTI[i - 1])));
    ImpostaTestoPulsantiera();
}

void CURVE01::ImpostaMenuCurve() {
    const std::array<std::map<int, QAction*>*, 10> mappe{
        &FileItem,    &InfoItem,    &ScalaItem,     &VistaItem,    &OpzioniItem,
        &GraficiItem, &TabelleItem, &RisultatiItem, &FinestraItem, &GuidaItem};
    std::vector<MenuFinestra> mappa;
    for (size_t r = 0; r < mappe.size(); ++r) {
        MenuFinestra m;
        m.menu = MenuItem[r];
        m.voci.assign(static_cast<size_t>(VOCI_MENU[r]) + 1, nullptr);
        for (auto& [k, a] : *mappe[r]) m.voci[static_cast<size_t>(k)] = a;
        mappa.push_back(m);
    }
    ImpostaMenuLingua("MnuCurve", mappa);
    for (int k : FILE_NASCOSTI) FileItem[k]->setVisible(false);
    UnitaItem[1]->setText(DaAnsi(Riga(TestiUnita, 0)));
    UnitaItem[2]->setText(DaAnsi(Riga(TestiUnita, 6)));
}

void CURVE01::Form_Activate() {
    ImpostaMenuCurve();
    ImpostaFileGuida(PercorsoApplicazione + "KELVRA.HLP");
    FinestraDisattivata = FALSO;
    Grafico.GraficoAttivo = VERO;
    SeguiStatoProgetto(!attivata_);
    attivata_ = true;
    // Projects may have been added or computed while another window was in front.
    AggiornaRisultati();
}

void CURVE01::AggiornaRisultati() {
    if (!GraficoImpostato) return;
    ImpostaTesto();
    DisegnaGrafico();
}

bool CURVE01::SeguiStatoProgetto(bool primo) {
    primoGrafico_ = 0;
    AttivaMenuCurve(controlli_);
    AllineaPulsantiera(*this);
    const int16_t tipo = Grafico.TipoGrafico;
    if (primoGrafico_ == 0 || primoGrafico_ == tipo) return false;
    if (!primo && controlli_.Abilitato(Controllo::GraficiItem, tipo)) return false;
    Grafico.TipoGrafico = primoGrafico_;
    // Before the first set-up there is no chart yet: the set-up starts on this kind.
    if (GraficoImpostato) AzzeraStatoGrafico(*this);
    return true;
}

void CURVE01::Form_Deactivate() {
    FinestraDisattivata = VERO;
}

// ---- layout ---------------------------------------------------------------------------------

void CURVE01::resizeEvent(QResizeEvent* evento) {
    FinestraFiglia::resizeEvent(evento);
    Form_Resize();
}

void CURVE01::Form_Resize() {
    if (Vero(FinestraInChiusura) || scaricata_) return;
    for (QWidget* w :
         {static_cast<QWidget*>(PicGrafico), PicCommand[0], PicCommand[1], PicCommand[2], PicAsseX,
          PicAsseY[0], PicAsseY[1], PicTitleGrafico, PicTitleBottom})
        w->hide();
    PosizionaPannelli();
    CursoreAttesa attesa;
    // The first chart the enabling named, when the window was activated before its first
    // layout; else the first chart of the newest project's data.
    RidimensionaGrafici(*this, primoGrafico_ > 0 ? primoGrafico_ : PrimaCurva());
}

void CURVE01::PosizionaPannelli() {
    const int W = width();
    const int H = height();
    const QFontMetrics titolo(LblTitleGrafico->font());
    const QFontMetrics basso(LblTitleBottom->font());
    const QFontMetrics etichette(LblX[0]->font());
    const int altezzaEtichetta = etichette.height() + 2;

    PicGrafico->setGeometry(
        static_cast<int>(std::lround(0.099 * W)), static_cast<int>(std::lround(0.066 * H)),
        static_cast<int>(std::lround(0.771 * W)), static_cast<int>(std::lround(0.7 * H)));
    PicTitleGrafico->setGeometry(0, 0, W,
                                 std::max<int>(titolo.height() + 4, std::lround(0.06 * H)));
    LblTitleGrafico->setGeometry(0, 0, W, PicTitleGrafico->height());
    DisplayY->adjustSize();
    DisplayY->move(W - DisplayY->width() - 2, 2);
    PicAsseX->setGeometry(0, std::lround(0.775 * H), W, altezzaEtichetta);
    PicTitleBottom->setGeometry(0, std::lround(0.8 * H), W, basso.height() + 4);
    LblTitleBottom->setGeometry(0, 0, W, PicTitleBottom->height());
    PicAsseY[0]->setGeometry(0, PicGrafico->y() - altezzaEtichetta / 2, PicGrafico->x(),
                             PicGrafico->height() + altezzaEtichetta);
    PicAsseY[1]->setGeometry(0, 0, PicGrafico->x(), PicAsseX->y() + PicAsseX->height());
    PosizionaCorniceColori();

    // The chart buttons, one above the other, right of the plot; in a narrow window their
    // captions take a smaller face, so that they still read whole.
    const int spazio = W - (PicGrafico->x() + PicGrafico->width()) - 8;
    QFont carattere = font();
    int larghezza = 0;
    for (int i = 1; i <= NUMERO_TIPI_GRAFICO; ++i)
        larghezza =
            std::max(larghezza, QFontMetrics(carattere).horizontalAdvance(CmdCurve[i]->text()));
    if (larghezza + MARGINE_PULSANTI > spazio && larghezza > 0 && carattere.pointSizeF() > 0) {
        const double punti = carattere.pointSizeF() * (spazio - MARGINE_PULSANTI) / larghezza;
        carattere.setPointSizeF(std::max(MINIMO_PUNTI_PULSANTI, punti));
    }
    for (int i = 1; i <= NUMERO_TIPI_GRAFICO; ++i) CmdCurve[i]->setFont(carattere);
    larghezza = 0;
    for (int i = 1; i <= NUMERO_TIPI_GRAFICO; ++i)
        larghezza = std::max(larghezza, CmdCurve[i]->sizeHint().width());
    larghezza = std::max(0, std::min(larghezza, spazio));
    const int altezzaPulsante = std::max(CmdCurve[1]->sizeHint().height() - 4, 18);
    const int altezza = std::max(Pixel(4515), altezzaPulsante * NUMERO_TIPI_GRAFICO);
    PicCommand[0]->setGeometry(W - larghezza - 3, PicGrafico->y(), larghezza, altezza);
    for (int i = 1; i <= NUMERO_TIPI_GRAFICO; ++i)
        CmdCurve[i]->setGeometry(0, (i - 1) * altezza / NUMERO_TIPI_GRAFICO, larghezza,
                                 altezza / NUMERO_TIPI_GRAFICO);
    PosizionaPulsantiera();
}

// The label of tick j centred under its grid line (X) or beside it (Y).
void CURVE01::PosizionaEtichetteX() {
    const StatoGrafico& g = Grafico;
    const int origine = PicGrafico->x() + BORDO_PICTURE;
    for (int j = 0; j <= MASSIMO_ETICHETTE; ++j) {
        QLabel* l = LblX[j];
        if (j > testi_.NumeroX || !testi_.tipoValido) {
            l->hide();
            continue;
        }
        l->setText(DaAnsi(testi_.X[j]));
        const double mm = g.MargineSinistro + j * static_cast<double>(g.LarghezzaGrafico) /
                                                  std::max<int16_t>(g.DivisioniX, 1);
        const int centro = origine + static_cast<int>(std::lround(PicGrafico->PixelDa(mm, 0).x()));
        const int larghezza = LarghezzaEtichettaX(j);
        const int sinistra =
            std::clamp(centro - larghezza / 2, 0, std::max(0, width() - larghezza));
        l->setGeometry(sinistra, 0, larghezza, PicAsseX->height());
        l->show();
    }
}

int CURVE01::LarghezzaEtichettaX(int j) {
    const QLabel* l = LblX[static_cast<size_t>(j)];
    MisuraEtichetta& m = misureX_[static_cast<size_t>(j)];
    if (m.larghezza < 0 || m.testo != l->text() || m.carattere != l->font())
        m = {l->text(), l->font(), l->fontMetrics().horizontalAdvance(l->text()) + 6};
    return m.larghezza;
}

void CURVE01::PosizionaEtichetteY() {
    const StatoGrafico& g = Grafico;
    const int origine = PicGrafico->y() + BORDO_PICTURE - PicAsseY[0]->y();
    const int altezza = LblY1[0]->fontMetrics().height() + 2;
    const int larghezza = std::max(0, PicAsseY[0]->width() - 6);
    for (int j = 0; j <= MASSIMO_ETICHETTE; ++j) {
        QLabel* l = LblY1[j];
        if (j > testi_.NumeroY || !testi_.tipoValido) {
            l->hide();
            continue;
        }
        l->setText(DaAnsi(testi_.Y[j]));
        const double mm = g.BordoInferiore - j * static_cast<double>(g.AltezzaGrafico) /
                                                 std::max<int16_t>(g.DivisioniY, 1);
        const int centro = origine + static_cast<int>(std::lround(PicGrafico->PixelDa(0, mm).y()));
        l->setGeometry(0, centro - altezza / 2, larghezza, altezza);
        l->show();
    }
}

// ---- colours ----------------------------------------------------------------------------------

void CURVE01::ApplicaColori() {
    for (QWidget* w :
         {static_cast<QWidget*>(this), PicTitleGrafico, PicTitleBottom, PicAsseX, PicAsseY[0],
          PicAsseY[1], PicUnit, PicCommand[0], PicCommand[1], PicCommand[2]})
        ImpostaSfondo(w, ColoreSfondo);
    PicGrafico->ImpostaColoreSfondo(ColoreSfondo);
    for (int j = 0; j <= MASSIMO_ETICHETTE; ++j) {
        ImpostaColoreTesto(LblX[j], ColoreEtichetteAssi);
        ImpostaColoreTesto(LblY1[j], ColoreEtichetteAssi);
    }
    ImpostaColoreTesto(DisplayY, ColoreEtichetteAssi);
    ImpostaColoreTesto(LblTitleGrafico, ColoreTitoli);
    ImpostaColoreTesto(LblTitleBottom, ColoreTitoli);
    for (int i = 1; i <= MAX_PROGETTI; ++i) {
        ImpostaSfondo(LabCambiaColore[i], ColoreSfondo);
        ImpostaColoreTesto(LabCambiaColore[i], ColoreCurva[static_cast<size_t>(i)]);
    }
    Sovrapposizione->coloreBanda = ColoreGriglia;
}

// ---- the redraw -------------------------------------------------------------------------------

bool CURVE01::Griglia() const {
    const auto it = OpzioniItem.find(OPZIONE_GRIGLIA);
    return it != OpzioniItem.end() && it->second->isChecked();
}

void CURVE01::DisegnaGrafico() {
    ImpostaSfondo(PicUnit, ColoreSfondo);
    ImpostaSfondo(PicAsseY[1], ColoreSfondo);
    PicAsseY[1]->hide();
    CursoreAttesa attesa;
    AllineaCurveEscluse();

    const QString face = FaceTitoli();
    for (QLabel* l : {LblTitleGrafico, LblTitleBottom}) {
        QFont f = l->font();
        f.setFamily(face);
        l->setFont(f);
    }
    DisegnaGraficoSu(*PicGrafico, Griglia(), testi_);
    DisplayY->setText(DaAnsi(testi_.DisplayY));
    DisplayY->adjustSize();
    DisplayY->move(width() - DisplayY->width() - 2, 2);
    LblTitleGrafico->setText(DaAnsi(testi_.Titolo));
    LblTitleBottom->setText(DaAnsi(testi_.TitoloBasso));
    PosizionaEtichetteX();
    PosizionaEtichetteY();
    // The axis and title panels show with a valid kind; without one they go, unless an info
    // mode keeps them. Each is shown or hidden only when that changes it: a hide and show on
    // every redraw would only repaint them for nothing.
    for (QWidget* w : {PicTitleGrafico, PicTitleBottom, PicAsseX, PicAsseY[0]}) {
        if (testi_.tipoValido)
            w->show();
        else if (!Vero(Grafico.InfoAttivo))
            w->hide();
    }
    PicUnit->hide();
}

// ---- handlers -----------------------------------------------------------------------------

void CURVE01::CmdCurve_Click(int Index) {
    SelezionaGrafico(static_cast<int16_t>(Index), *this);
}

void CURVE01::GraficiItem_Click(int Index) {
    CambiaGrafico(static_cast<int16_t>(Index), *this);
}

void CURVE01::OpzioniItem_Click(int Index) {
    if (Index == OPZIONE_FUNZIONE_INVERSA) {
        ComandoPulsantiera(PULSANTE_FUNZIONE_INVERSA, *this);
        return;
    }
    // The grid item ticks itself when chosen; the redraw follows the tick.
    GestisciOpzioni(Index, *this);
}

void CURVE01::FileItem_Click(int Index) {
    ComandoFileGrafici(Index, *this);
}

void CURVE01::TabelleItem_Click(int Index) {
    if (Index == 1) MostraTabelle(EditorAperto);
}

void CURVE01::RisultatiItem_Click(int Index) {
    MostraRiassunto(Index);
}

void CURVE01::GuidaItem_Click(int Index) {
    if (MAIN* main = MAIN::Istanza(); main && Ganci.GestisciMenuGuida)
        Ganci.GestisciMenuGuida(Index, *main);
}

// ---- unloading ----------------------------------------------------------------------------

void CURVE01::closeEvent(QCloseEvent* evento) {
    Form_Unload();
    evento->accept();
    deleteLater();
}

void CURVE01::Form_Unload() {
    if (scaricata_) return;
    scaricata_ = true;
    FinestraInChiusura = VERO;
    Grafico.GraficoAttivo = FALSO;
    if (LETTORE* l = LETTORE::Istanza()) l->Scarica();
    if (FUNZIONI* f = FUNZIONI::Istanza()) f->Scarica();
    {
        // Hidden curves are shown again the next time the window opens.
        CursoreAttesa attesa;
        Grafico.CurvaEsclusa.fill(FALSO);
        Grafico.ZoomAttivo = FALSO;
    }
    if (MAIN* main = MAIN::Istanza(); main && Ganci.MostraFrmMenu) Ganci.MostraFrmMenu(*main);
}

// ---- module procedures ------------------------------------------------------------------

void SelezionaGrafico(int16_t Index, CURVE01& form) {
    Grafico.TipoGrafico = Index;
    CambiaGrafico(Index, form);
    if (Index >= 1 && Index <= NUMERO_TIPI_GRAFICO)
        Grafico.TestoPulsante = AdAnsi(form.CmdCurve[Index]->property("Tag").toString());
}

void CambiaGrafico(int16_t tipo, CURVE01& form) {
    Grafico.TipoGrafico = tipo;
    AzzeraStatoGrafico(form);
    form.DisegnaGrafico();
}

void RidimensionaGrafici(CURVE01& form, int16_t tipo) {
    ImpostaFinestraGrafici(form, tipo);
}

void ImpostaFinestraGrafici(CURVE01& form, int16_t tipo) {
    if (!form.GraficoImpostato) {
        // Set up once: later resizes keep the kind, the zoom and the ranges.
        form.GraficoImpostato = true;
        ReimpostaGrafico();
        Grafico.TipoGrafico = tipo;
        Grafico.GraficoAttivo = VERO;
        ImpostaRangeFissi();
        form.ApplicaColori();
        form.OpzioniItem[OPZIONE_GRIGLIA]->setChecked(true);
        for (int k = 1; k <= 2; ++k) form.VistaItem[k]->setChecked(false);
        form.Sovrapposizione->NascondiTutto();
        form.FrmColor->hide();
        if (LETTORE* l = LETTORE::Istanza()) l->Scarica();
        form.PicAsseX->hide();
        form.PicAsseY[0]->hide();
        AllineaPulsantiera(form);
    }
    // The tool window's X-axis choice follows the one in force.
    const std::array<int16_t, 3> scelte{Grafico.AsseX1, Grafico.AsseX2, Grafico.AsseX3};
    for (size_t k = 0; k < scelte.size(); ++k)
        if (Vero(scelte[k])) FUNZIONI::Crea().OptAsseX[k]->setChecked(true);
    form.DisegnaGrafico();
    for (QWidget* w : {static_cast<QWidget*>(form.PicGrafico), form.PicCommand[0],
                       form.PicCommand[1], form.PicTitleGrafico, form.PicTitleBottom})
        w->show();
    form.PicCommand[2]->hide();
}

void AzzeraStatoGrafico(CURVE01& form) {
    form.PicGrafico->Cancella();
    Grafico.ZoomIndietro = Grafico.ZoomAttivo = FALSO;
    ImpostaRangeFissi();
    form.Sovrapposizione->NascondiTutto();
    for (int k = 1; k <= 3; ++k) form.InfoItem[k]->setChecked(false);
    Grafico.MassimiAttivi = FALSO;
    form.FrmColor->hide();
    Grafico.InfoAttivo = FALSO;
}

} // namespace kelvra
