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
#include "geometry_editor/InsGeo01Comune.h"
#include "platform/Dialoghi.h"
#include "platform/FiltroTasti.h"
#include "platform/MenuQt.h"
#include "platform/Messaggi.h"
#include "platform/Testo.h"
#include "shell/Abilitazione.h"
#include "shell/Comandi.h"
#include "shell/Main.h"

#include "platform/Posizione.h"
#include "platform/Stampante.h"

#include <QCloseEvent>
#include <QKeySequence>
#include <QMdiSubWindow>
#include <QPointer>
#include <vector>

namespace kelvra {

namespace {

QPointer<INSGEO01> istanza;

// Line of InsGeo01 with the name of the shock element in the element list.
constexpr int RIGA_NOME_AMMORTIZZATORE = 29;

} // namespace

namespace insgeo01 {

QString Testo01(int riga) {
    return DaAnsi(Riga(TestiInsGeo01, riga));
}

QString ConTastoAccesso(const QString& testo) {
    return QKeySequence::mnemonic(testo).isEmpty() ? "&" + testo : testo;
}

} // namespace insgeo01

using insgeo01::ConTastoAccesso;
using insgeo01::Testo01;

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
    // Items with no command behind them, as on the start screen: File item 7 (delete project)
    // and Schema item 2 (a chain by dimensions) are not offered, the reverse function is greyed.
    FileItem[7]->setVisible(false);
    SchemaItem[2]->setVisible(false);
    FunzioniItem[1]->setEnabled(false);
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
        if (nome.empty()) continue;
        // As the chain's entry lists it: the swingarm, which starts every chain, by its name
        // alone, each element added after it by its name and its slot.
        CmbModifica->addItem(DaAnsi(k == 0 ? nome : nome + "," + std::to_string(k)));
    }
}

// The fourteen menus and their items, for the language file's captions.
void INSGEO01::AssociaMenuLingua() {
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
}

// The drawing as an activation finds it: no animation strip, no rubber shapes, no zoom.
void INSGEO01::AzzeraVista() {
    MostraVScroll(false);
    CorrezioneLarghezza = 0;
    CorrezioneAltezza = 0;
    picGeo_->Cancella();
    Shape1->hide();
    Line1->hide();
    ZoomUtente = FALSO;
    CmdSimula->setText(ConTastoAccesso(DaAnsi(Maiuscolo(Riga(TestiInsGeo01, 8)))));
    ImpostaScalaDisegno(*picGeo_, 1600, 1600);
}

// The annotation mode chosen in the settings: none, coordinates or dimensions.
void INSGEO01::ApplicaModoQuote() {
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
}

// Fills the element list and draws the chain: a lone swingarm (given its defaults when the
// chain is new) is entered again, a longer chain is offered for modification.
void INSGEO01::CaricaCatena(bool soloForcellone, bool nuova) {
    const int16_t n = NumeroProgetti;
    Progetto& pr = Progetti[n];
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
        AggiornaAbilitazione();
    } else {
        RiempiListaElementi();
        CmbModifica->setCurrentIndex(0); // the swingarm
        DisegnaSchema(this, *picGeo_, n, VisualizzaCoordinate, VisualizzaDimensioni);
        InitDati();
        AggiornaAbilitazione();
        AttivaControlli(1);
        // A shock absorber straight after the swingarm has no mount on the swingarm to choose,
        // whether the chain was typed or read from a file.
        const int16_t u = std::clamp<int16_t>(pr.UltimoElemento, 0, MAX_ELEMENTI);
        if (TipoDaLettera(pr.TipoElemento[u]) == PANNELLO_MOLLA) ChkFix->setEnabled(u != 1);
    }
}

// An incomplete chain can be continued: the grammar enables what may follow its last
// element, and the panel of that element is shown for it to be confirmed again.
void INSGEO01::RiprendiCatenaIncompleta() {
    const int16_t n = NumeroProgetti;
    if (CatenaCompleta(n)) return;
    int16_t u = Progetti[n].UltimoElemento;
    AttivaPulsantiera(u);
    const int tipo =
        TipoDaLettera(Progetti[n].TipoElemento[std::clamp<int16_t>(u, 0, MAX_ELEMENTI)]);
    if (tipo == PANNELLO_ASTA || tipo == PANNELLO_SQUADRETTA)
        MostraPannello(pannelli_[tipo].cornice);
}

void INSGEO01::Form_Activate() {
    const int16_t n = NumeroProgetti;
    const Progetto& pr = Progetti[n];

    AssociaMenuLingua();
    ImpostaLarghezzeEditor();
    MostraUnitaInUso();
    ImpostaTitolo();

    // A chain is new when it holds only the swingarm and no usable swingarm was ever given
    // (a project never edited): a swingarm already entered is kept.
    const bool nuova = pr.UltimoElemento == 0 && (pr.TipoElemento[0] != "F" ||
                                                  pr.DatiForcellone.P[0] == pr.DatiForcellone.P[1]);
    const bool soloForcellone = pr.UltimoElemento == 0;

    // The window is set up afresh, for a project that may have changed (loaded, closed): a
    // running simulation ends first, drawing nothing. A loop already asked to stop (the window
    // was deactivated during the same yield) takes its own stop step: the request stays
    // raised for it.
    const bool inCorso = simulazione_.SimulazioneInCorso();
    simulazione_.TerminaSimulazione(false);
    AzzeraVista();
    ApplicaModoQuote();
    OrigineX = 0;
    OrigineY = 0;
    CaricaCatena(soloForcellone, nuova);
    RiprendiCatenaIncompleta();

    LasciaModifica();
    if (!inCorso) RichiestaStop = FALSO;
    SimulazioneItem[1]->setChecked(true);
    SimulazioneItem[2]->setChecked(false);
    SimulazioneItem[3]->setChecked(false);
    TipoSimulazione = 1;
    StatoSimula = 0;
}

void INSGEO01::Form_Resize() {
    // The drawing follows the window: a view the user has not zoomed is fitted again to
    // the new size and the whole picture redrawn in it. The fit starts afresh, as a view
    // reset does: the extra height a drawing at a small size asked for would otherwise give
    // the picture a vertical scale of its own. Nothing is redrawn while an animation owns the
    // drawing.
    if (StatoSimula == 1 || Vero(ZoomUtente) || !ScalaValida()) return;
    CorrezioneLarghezza = 0;
    CorrezioneAltezza = 0;
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
    // has unwound. Closed by any way (its close box, the exit button), it leaves as the exit
    // button does: a chain without its shock absorber shrinks to the swingarm, and the start
    // screen comes back whole.
    if (!Form_Unload()) {
        evento->ignore();
        return;
    }
    if (!CatenaCompleta(NumeroProgetti)) Progetti[NumeroProgetti].UltimoElemento = 0;
    evento->accept();
    if (MAIN* main = MAIN::Istanza(); main && Ganci.MostraFrmMenu) Ganci.MostraFrmMenu(*main);
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
    // A box typed in and not yet confirmed stays so once converted: the drawing does not
    // write the model's swingarm over it.
    std::vector<std::pair<QLineEdit*, bool>> modificate;
    for (QLineEdit* c : caselle_)
        if (c) modificate.emplace_back(c, c->isModified());
    kelvra::CambioCoordinate(*this, fattoreCaselle_);
    for (auto [c, modificata] : modificate) c->setModified(modificata);
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
    if (tipo != PANNELLO_ASTA && tipo != PANNELLO_SQUADRETTA) tipo = PANNELLO_MOLLA;
    const int16_t k = ++pr.UltimoElemento;
    if (tipo == PANNELLO_ASTA)
        ++ContaAste;
    else if (tipo == PANNELLO_SQUADRETTA)
        ++ContaSquadrette;
    else
        ++ContaAmmortizzatori;
    const PannelloElemento& pannello = pannelli_[tipo];
    MostraPannello(pannello.cornice);
    CmdAsta->setEnabled(false);
    CmdSquadretta->setEnabled(false);
    CmdMolla->setEnabled(false);
    for (int i = 1; i <= 4; ++i) ToolsItem[i]->setEnabled(false);

    int16_t t = static_cast<int16_t>(tipo);
    ProceduraUndo(t);

    pannello.precX->setEnabled(false);
    pannello.precY->setEnabled(false);
    const Punto& inizio = PuntiCatena[std::min<int>(k, MAX_PUNTI_CATENA)];
    pannello.precX->setText(DaAnsi(MostraX(inizio.X)));
    pannello.precY->setText(DaAnsi(MostraY(inizio.Y)));
    PreparaPannelloNuovo(tipo, k);
    pr.TipoElemento[k] = pannello.lettera;
    CmbModifica->addItem(DaAnsi(NomeElemento(pannello.lettera) + "," + std::to_string(k)));
    LasciaModifica();
    // The add button just went disabled: the entry starts on the panel's first box.
    pannello.caselle.front()->setFocus();
}

// The entry boxes of a new element in slot k emptied, and its options set for the slot.
void INSGEO01::PreparaPannelloNuovo(int tipo, int16_t k) {
    // A rocker whose two free vertices both go on leaves the absent mark as its fourth point.
    const bool dopoSquadrettaAperta =
        Progetti[NumeroProgetti].DatiSquadretta[k - 1].P[3].X == PUNTO_ASSENTE.X;
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
        ChkFix->setEnabled(k != 1);
        if (k == 1) ChkFix->setChecked(false);
    }
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
    if (!CasellaVuota(PANNELLO_FORCELLONE)) ConfermaPannello(PANNELLO_FORCELLONE);
}

void INSGEO01::CmdOKAsta_Click() {
    if (!CasellaVuota(PANNELLO_ASTA)) ConfermaPannello(PANNELLO_ASTA);
}

void INSGEO01::CmdOKSquadretta_Click() {
    if (!CasellaVuota(PANNELLO_SQUADRETTA)) ConfermaPannello(PANNELLO_SQUADRETTA);
}

void INSGEO01::CmdOKMolla_Click() {
    if (!CasellaVuota(PANNELLO_MOLLA)) ConfermaPannello(PANNELLO_MOLLA);
}

// Stores the panel of kind `tipo`: while an element is being modified that element (even when
// a view tool holds the mouse), otherwise the swingarm or the element in the last slot.
void INSGEO01::ConfermaPannello(int tipo) {
    if (tipo < PANNELLO_FORCELLONE || tipo > PANNELLO_MOLLA) return;
    // Nothing is stored while a simulation runs, by whatever route the confirmation comes
    // (the option boxes, the program's own confirms): the confirm buttons are disabled then.
    if (StatoSimula == 1) return;
    if (tipo == PANNELLO_FORCELLONE) PortaRuotaASuolo();
    if (inModifica_) {
        Modifica();
        return;
    }
    const int16_t p = NumeroProgetti;
    int16_t u = Progetti[p].UltimoElemento;
    if (tipo == PANNELLO_FORCELLONE) {
        MemorizzaElemento(*this, PANNELLO_FORCELLONE, p, 0);
        CaselleForcelloneConfermate();
        Ridisegna();
        AttivaPulsantiera(u);
        if (u > 0) SchemaItem[8]->setEnabled(true);
        return;
    }
    if (tipo != PANNELLO_MOLLA) {
        ConfermaElementoCatena(tipo);
        return;
    }
    if (!MemorizzaElemento(*this, PANNELLO_MOLLA, p, u)) return;
    Ridisegna();
    RisolviCatena();
    SchemaItem[8]->setEnabled(true);
}

void INSGEO01::PortaRuotaASuolo() {
    if (ribasando_ || (inModifica_ && ElementoInModifica != 0) || !RuotaStaccata(*this)) return;
    const int16_t modo = ModoEdit;
    MemorizzaElemento(*this, PANNELLO_FORCELLONE, NumeroProgetti, 0);
    CaselleForcelloneConfermate();
    ribasando_ = true;
    RibasaSuolo(*this);
    ribasando_ = false;
    // A swingarm being modified goes on to its modification: what follows it joins it again
    // and the chain is solved on the ground.
    ModoEdit = modo;
}

// Confirms a link or a rocker panel into the last slot.
void INSGEO01::ConfermaElementoCatena(int pannello) {
    const int16_t p = NumeroProgetti;
    int16_t u = Progetti[p].UltimoElemento;
    if (!MemorizzaElemento(*this, pannello, p, u)) return;
    Ridisegna();
    AttivaPulsantiera(u);
    SchemaItem[8]->setEnabled(true);
}

void INSGEO01::RisolviCatena() {
    if (!ControlloVariabili()) {
        AggiornaAbilitazione(); // a refused chain is not entered
        return;
    }
    RisolviProgetto(NumeroProgetti, true); // an open graph window follows at once
    AggiornaAbilitazione();
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
        stampato = StampaImmagine(picGeo_->Immagine(), windowTitle().toStdString());
    }
    if (!stampato) MsgBox(Riga(Messaggi, 48), vbExclamation);
}

void INSGEO01::CmdEsci_Click() {
    if (simulazione_.SimulazioneInCorso()) {
        esciDopo_ = true;
        simulazione_.Form_Unload();
        return;
    }
    // Closing does what leaving asks (closeEvent); the window then goes for good.
    QMdiSubWindow* sotto = SottoFinestra();
    if (sotto ? sotto->close() : close()) deleteLater();
}

// ---- text input and the view reset ----------------------------------------------------------

void INSGEO01::TxtRaggio_Change() {
    // The simulation ends first, as for a change of units: the linkage is lowered from its
    // rest position, never from a frame of the travel.
    simulazione_.TerminaSimulazione(false);
    const bool prima = ribasando_;
    ribasando_ = true;
    // The whole chain is lowered through the entry confirms; an element being modified is
    // modified on, its panel showing it lowered, so that its next OK joins and solves the chain.
    const bool modificava = inModifica_;
    LasciaModifica();
    RibasaSuolo(*this);
    ribasando_ = prima;
    if (modificava && ElementoInModifica <= Progetti[NumeroProgetti].UltimoElemento) {
        ModoEdit = 5;
        inModifica_ = true;
        RiempiCaselle(*this, NumeroProgetti, ElementoInModifica);
    }
}

void INSGEO01::PicGeo_MouseDown(int Button, int Shift, double X, double Y) {
    // While a simulation runs a click enters no point, even after the right button has set
    // the entry mode again; the view tools still work.
    if (StatoSimula == 1 && (ModoEdit == 0 || ModoEdit == 5)) return;
    mouse_.PicGeo_MouseDown(Button, Shift, X, Y);
}

void INSGEO01::PicGeo_MouseMove(int Button, int Shift, double X, double Y) {
    mouse_.PicGeo_MouseMove(Button, Shift, X, Y);
}

void INSGEO01::PicGeo_MouseUp(int Button, int Shift, double X, double Y) {
    mouse_.PicGeo_MouseUp(Button, Shift, X, Y);
    // The view reset of the right button drew the rest geometry: the manual simulation shows
    // the bar's position again, fitted afresh.
    if (Button == 2 && StatoSimula == 1 && VScroll->isVisibleTo(this)) VScroll_Change();
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
    // The simulation ends first, as for any other change of what the window shows: the bar's
    // travel and the drawing would otherwise keep the old unit.
    simulazione_.TerminaSimulazione(false);
    // An element being modified keeps its panel open, converted, for its own confirmation.
    const bool inModifica = inModifica_;
    SistemaUnita = static_cast<int16_t>(Index);
    ImpostaUnita(SistemaUnita);
    picGeo_->Cancella();
    ModoEdit = 0;
    CambioCoordinate();
    Ridisegna();
    CaptionPannelli();
    if (inModifica) {
        ModoEdit = 5;
        return;
    }
    CmbModifica->setCurrentIndex(0); // the swingarm
    if (CatenaCompleta(NumeroProgetti)) MostraPannello(FRMMOLLA);
}

} // namespace kelvra
