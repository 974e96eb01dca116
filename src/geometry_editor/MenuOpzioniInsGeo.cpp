// The geometry editor's File and Help menus (forwarded to the shared commands), the Schema
// commands that act on the chain (new chain, remove the last element, undo; SchemaItem_Click
// calls them for its items 1, 8 and 9), the add-project button, the annotation boxes and the
// option boxes of the rocker, shock and link panels.
#include "core/Disegno.h"
#include "core/Formato.h"
#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Seams.h"
#include "core/Servizi.h"
#include "core/Unita.h"
#include "core/Vista.h"
#include "geometry_editor/Catena.h"
#include "geometry_editor/Coordinate.h"
#include "geometry_editor/InsGeo01.h"
#include "platform/Testo.h"
#include "shell/Abilitazione.h"
#include "shell/Comandi.h"
#include "shell/Ganci.h"
#include "shell/Main.h"

#include <QMdiSubWindow>

namespace kelvra {

namespace {

// The element list's single entry of a new chain: the swingarm.
QString VoceForcellone() {
    return DaAnsi(Riga(TestiInsGeo01, 1));
}

// The editor counter of an element kind, by its type letter.
int16_t* ContatoreElemento(const std::string& lettera) {
    if (lettera == "A") return &ContaAste;
    if (lettera == "S") return &ContaSquadrette;
    if (lettera == "M") return &ContaAmmortizzatori;
    return nullptr;
}

bool CaselleRiempite(std::initializer_list<const QLineEdit*> caselle) {
    for (const QLineEdit* c : caselle) {
        if (c->text().trimmed().isEmpty()) return false;
    }
    return true;
}

} // namespace

void INSGEO01::CollegaMenuOpzioni() {
    for (auto& [indice, azione] : FileItem) {
        const int k = indice;
        connect(azione, &QAction::triggered, this, [this, k] { FileItem_Click(k); });
    }
    for (auto& [indice, azione] : GuidaItem) {
        const int k = indice;
        connect(azione, &QAction::triggered, this, [this, k] { GuidaItem_Click(k); });
    }
    connect(CmdAddProject, &QPushButton::clicked, this, [this] { CmdAddProject_Click(); });
    connect(ChkDimensioni, &QCheckBox::clicked, this, [this] { ChkDimensioni_Click(); });
    connect(ChkQuote, &QCheckBox::clicked, this, [this] { ChkQuote_Click(); });
    connect(ChkFix, &QCheckBox::clicked, this, [this] { ChkFix_Click(); });
    for (QRadioButton* o : OptFix)
        connect(o, &QRadioButton::clicked, this, [this] { OptFix_Click(); });
    for (int i = 0; i < 2; ++i)
        connect(ChkModify[static_cast<size_t>(i)], &QCheckBox::clicked, this,
                [this, i] { ChkModify_Click(i); });
}

// ---- menus forwarded to the shared commands ----------------------------------------------

void INSGEO01::FileItem_Click(int Index) {
    GestisciMenuFileInsGeo(Index, {[this] { Form_Activate(); }, [this] { CmdStampa_Click(); }});
}

void INSGEO01::GuidaItem_Click(int Index) {
    if (MAIN* main = MAIN::Istanza()) GestisciMenuGuida(Index, *main);
}

// ---- the chain ----------------------------------------------------------------------------

void INSGEO01::RiportaAlForcellone(float lato) {
    Progetto& pr = Progetti[NumeroProgetti];
    CmbModifica->setCurrentText(VoceForcellone());
    AttivaControlli(0);
    LasciaModifica();
    const int16_t u = std::clamp<int16_t>(pr.UltimoElemento, 0, MAX_ELEMENTI);
    for (int16_t k = 0; k <= u; ++k) pr.TipoElemento[k].clear();
    pr.UltimoElemento = 0;
    pr.TipoElemento[0] = "F";
    CmbModifica->clear();
    CmbModifica->addItem(VoceForcellone());
    CmbModifica->setCurrentIndex(0);
    CmbModifica->setEnabled(false);
    CmdAddProject->setEnabled(false);
    DatiDefault();
    PicGeo().Cancella();
    ImpostaScalaDisegno(PicGeo(), lato, lato);
    pr.RaggioRuota = pr.DatiForcellone.P[1].Y;
    DisegnaSchema(this, PicGeo(), NumeroProgetti, VisualizzaCoordinate, VisualizzaDimensioni);
    InitDati();
    // As on activation: what may follow the swingarm can be added at once.
    int16_t ultimo = 0;
    AttivaPulsantiera(ultimo);
}

void INSGEO01::PreparaNuovoProgettoEditor() {
    simulazione_.TerminaSimulazione(false); // the window shows the new project from here on
    RiportaAlForcellone(1500);
    AggiornaStatoProgetto();
    AggiornaAbilitazione();
    ImpostaTitolo();
}

void INSGEO01::ImpostaTitolo() {
    setWindowTitle(QString::fromStdString(ComponiTitolo(Riga(TestiInsGeo01, 0))));
    if (QMdiSubWindow* sotto = SottoFinestra()) sotto->setWindowTitle(windowTitle());
}

void INSGEO01::SchemaNuovaCatena() {
    simulazione_.TerminaSimulazione(false); // the chain is drawn afresh below
    PassoSalvataggioTipo(MOD_SCHEMA, true);
    RiportaAlForcellone(1600);
    Progetti[NumeroProgetti].GeometriaInserita = FALSO;
    AggiornaStatoProgetto();
    AggiornaAbilitazione();
}

void INSGEO01::SchemaRimuoviUltimo() {
    Progetto& pr = Progetti[NumeroProgetti];
    int16_t u = pr.UltimoElemento;
    // The swingarm in slot 0 stays, whatever enabled the command.
    if (u <= 0 || u > MAX_ELEMENTI || StatoSimula == 1) {
        Beep();
        return;
    }
    const bool eraCompleta = CatenaCompleta(NumeroProgetti);
    if (int16_t* conta = ContatoreElemento(pr.TipoElemento[u]); conta && *conta > 0) --*conta;
    pr.TipoElemento[u].clear();
    if (u < CmbModifica->count()) CmbModifica->removeItem(u);
    pr.UltimoElemento = --u;
    LasciaModifica();
    if (ElementoInModifica > u) ElementoInModifica = 0;
    Ridisegna();
    // Without its shock absorber the chain is no longer a solved linkage.
    if (eraCompleta) {
        pr.GeometriaInserita = FALSO;
        AggiornaStatoProgetto();
    }
    AggiornaAbilitazione();
    AttivaPulsantiera(u);
    // The panel of the element now last, showing its record, takes the place of the removed
    // element's: confirming it stores that element again.
    MostraPannelloTipo(TipoDaLettera(pr.TipoElemento[u]));
    RiempiCaselle(*this, NumeroProgetti, u);
    CmbModifica->setCurrentIndex(std::min<int>(u, CmbModifica->count() - 1));
}

void INSGEO01::SchemaAnnulla() {
    int16_t tutti = 0;
    ProceduraUndo(tutti);
}

// ---- add project ------------------------------------------------------------------------------

void INSGEO01::CmdAddProject_Click() {
    if (!AggiungiProgettoNuovo()) return;
    // The element chosen for modification is stored again from its own record, so that the
    // new project is computed on the copied linkage whatever the panels show.
    ElementoInModifica =
        std::clamp<int16_t>(ElementoInModifica, 0, Progetti[NumeroProgetti].UltimoElemento);
    RiempiCaselle(*this, NumeroProgetti, ElementoInModifica);
    Modifica();
    ImpostaTitolo();
}

void INSGEO01::MostraUnitaInUso() {
    if (SistemaUnita == SISTEMA_METRICO || SistemaUnita == SISTEMA_IMPERIALE) {
        UnitaItem[1]->setChecked(SistemaUnita == SISTEMA_METRICO);
        UnitaItem[2]->setChecked(SistemaUnita == SISTEMA_IMPERIALE);
    }
    CaptionPannelli();
}

// ---- annotation boxes ---------------------------------------------------------------------

void INSGEO01::RidisegnaAnnotazioni() {
    if (StatoSimula != 0) return; // the animation owns the drawing
    Ridisegna();
}

void INSGEO01::ChkDimensioni_Click() {
    const Qt::CheckState stato = ChkDimensioni->checkState();
    if (stato == Qt::Checked) {
        VisualizzaDimensioni = VERO;
        ChkQuote->setChecked(false);
        VisualizzaCoordinate = FALSO;
        ModoQuote = 2;
    } else if (stato == Qt::Unchecked) {
        VisualizzaDimensioni = FALSO;
        if (!Vero(VisualizzaCoordinate)) ModoQuote = 0;
    }
    RidisegnaAnnotazioni();
}

void INSGEO01::ChkQuote_Click() {
    const Qt::CheckState stato = ChkQuote->checkState();
    if (stato == Qt::Checked) {
        VisualizzaCoordinate = VERO;
        ChkDimensioni->setChecked(false);
        VisualizzaDimensioni = FALSO;
        ModoQuote = 1;
    } else if (stato == Qt::Unchecked) {
        VisualizzaCoordinate = FALSO;
        if (!Vero(VisualizzaDimensioni)) ModoQuote = 0;
    }
    RidisegnaAnnotazioni();
}

// ---- option boxes -------------------------------------------------------------------------------

// A choice made before the panel's points are typed is kept for the panel's confirmation;
// one made on a filled panel stores the element again at once (not while a simulation runs:
// the choice is then kept, and the drawing left to the simulation).
void INSGEO01::ChkFix_Click() {
    if (StatoSimula == 1 || !CaselleRiempite({TxtMollaX, TxtMollaY})) return;
    PicGeo().Cancella();
    CmdOKMolla_Click();
}

void INSGEO01::OptFix_Click() {
    if (!CaselleRiempite(
            {TxtSquadrettaX[0], TxtSquadrettaY[0], TxtSquadrettaX[1], TxtSquadrettaY[1]}))
        return;
    CmdOKSquadretta_Click();
}

void INSGEO01::ChkModify_Click(int Index) {
    if (Index != 0 && Index != 1) return;
    const Progetto& pr = Progetti[NumeroProgetti];
    const int16_t s = static_cast<int16_t>(pr.UltimoElemento - 1);
    if (s < 0 || s > MAX_ELEMENTI || pr.TipoElemento[s] != "S") return;
    const Punto& v =
        pr.DatiSquadretta[s].P[ChkModify[static_cast<size_t>(Index)]->isChecked() ? 2 : 1];
    QLineEdit* x = Index == 0 ? LblAstaPrecX : LblElemPrecX;
    QLineEdit* y = Index == 0 ? LblAstaPrecY : LblElemPrecY;
    x->setText(DaAnsi(MostraX(v.X)));
    y->setText(DaAnsi(MostraY(v.Y)));
    x->setEnabled(false);
    y->setEnabled(false);
}

} // namespace kelvra
