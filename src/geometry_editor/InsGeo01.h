// INSGEO01, the geometry editor: the main working window, a child of the main window, in
// which the linkage of the newest project is built as a chain of elements entered by
// coordinates in four entry panels, drawn in PicGeo, checked and handed to the solver when
// the shock absorber closes the chain, modified element by element, undone, and re-expressed
// when the units change.
//
// Handlers are named after their control and event and run only on the user's action
// (a click, an edit, a choice in the list); writes by the program run no handler, except the
// wheel radius, whose change re-bases the ground line however it comes.
#pragma once

#include "core/ControlliDisegno.h"
#include "core/Progetti.h"
#include "geometry_editor/ControlliEditor.h"
#include "geometry_editor/EditorGeometria.h"
#include "geometry_editor/MouseGeo.h"
#include "geometry_editor/Simulazione.h"
#include "geometry_editor/StrumentiVista.h"
#include "platform/CorniceMdi.h"
#include "platform/PictureBox.h"
#include "shell/ControlliQt.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QRubberBand>
#include <QScrollBar>
#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <vector>

class QHBoxLayout;
class QVBoxLayout;

namespace kelvra {

// The drawers' view of the editor. The check boxes ChkModify are controls of the window, so
// the drawers' accessors of the same name reach them through these two.
class DisegnoEditorGeometria : public EditorDisegno {
  public:
    int ChkModify(int indice) const final { return ValoreChkModify(indice); }
    void ImpostaChkModify(int indice, int valore) final { ScriviChkModify(indice, valore); }

  protected:
    virtual int ValoreChkModify(int indice) const = 0;
    virtual void ScriviChkModify(int indice, int valore) = 0;
};

// The rubber line of a pan: a transparent layer over the drawing that paints one line.
class LineaGomma : public QWidget {
  public:
    explicit LineaGomma(PictureBox* picture);
    // Ends in picture millimetres.
    void Imposta(const LineaPan& linea);
    const LineaPan& Linea() const { return linea_; }

  protected:
    void paintEvent(QPaintEvent* evento) override;

  private:
    PictureBox* picture_;
    LineaPan linea_;
};

class INSGEO01 : public FinestraFiglia,
                 public EditorGeometria,
                 public DisegnoEditorGeometria,
                 public ControlliEditor {
    Q_OBJECT
  public:
    explicit INSGEO01(QWidget* genitore = nullptr);
    ~INSGEO01() override;

    // The one editor window: created on first use, null after it is unloaded.
    static INSGEO01* Istanza();
    static INSGEO01& Crea();

    // ---- fields -----------------------------------------------------------------------
    int16_t RichiestaStop = FALSO;
    int16_t StatoSimula = 0;
    int16_t TipoSimulazione = 1;
    int16_t ElementoInModifica = 0;

    // ---- controls ---------------------------------------------------------------------
    // PicGeo is PicGeo() below: the drawing the editor and the drawers share.
    // Shape1, the rubber rectangle of a window zoom, and Line1, the rubber line of a pan,
    // lie over it.
    QRubberBand* Shape1 = nullptr;
    LineaGomma* Line1 = nullptr;
    // The position slider of the manual animation and its travel label: placed by the
    // animation beside the narrowed drawing, hidden otherwise.
    QScrollBar* VScroll = nullptr;
    QFrame* FrmTool = nullptr;
    QWidget* PicTool = nullptr;
    QLabel *LblX = nullptr, *LblY = nullptr, *LblL = nullptr, *LblAng = nullptr;
    QLabel *LblXX = nullptr, *LblYY = nullptr, *Label2 = nullptr, *Label3 = nullptr;

    QGroupBox* FrmForcellone = nullptr;
    std::array<QLineEdit*, 3> TxtForcelloneX{};
    std::array<QLineEdit*, 3> TxtForcelloneY{};
    QLineEdit* TxtRaggio = nullptr;
    QPushButton* CmdOKForcellone = nullptr;

    QGroupBox* FRMASTA = nullptr;
    QLineEdit *LblAstaPrecX = nullptr, *LblAstaPrecY = nullptr;
    QLineEdit *TxtAstaX = nullptr, *TxtAstaY = nullptr;
    std::array<QCheckBox*, 2> ChkModify{};
    QPushButton* CmdOKAsta = nullptr;

    QGroupBox* FrmSquadretta = nullptr;
    QLineEdit *LblElemPrecX = nullptr, *LblElemPrecY = nullptr;
    std::array<QLineEdit*, 2> TxtSquadrettaX{};
    std::array<QLineEdit*, 2> TxtSquadrettaY{};
    std::array<QRadioButton*, 2> OptFix{};
    QPushButton* CmdOKSquadretta = nullptr;

    QGroupBox* FRMMOLLA = nullptr;
    QLineEdit *LblMollaPrecX = nullptr, *LblMollaPrecY = nullptr;
    QLineEdit *TxtMollaX = nullptr, *TxtMollaY = nullptr;
    QCheckBox* ChkFix = nullptr;
    QPushButton* CmdOKMolla = nullptr;

    QComboBox* CmbModifica = nullptr;
    QPushButton *CmdAsta = nullptr, *CmdSquadretta = nullptr, *CmdMolla = nullptr;
    QPushButton *CmdSimula = nullptr, *CmdStampa = nullptr, *CmdEsci = nullptr;
    QPushButton* CmdAddProject = nullptr;
    QCheckBox *ChkQuote = nullptr, *ChkDimensioni = nullptr;
    QLineEdit* TxtMaxEsc = nullptr;
    QLabel *LblDati = nullptr, *LblModifica = nullptr, *LblQuote = nullptr;
    QLabel *LblCoordX = nullptr, *LblCoordY = nullptr, *LblPunto = nullptr, *LblEsc = nullptr;

    // ---- menus (MenuItem(0..13), items by index) ----------------------------------------
    std::array<QMenu*, 14> MenuItem{};
    std::map<int, QAction*> FileItem, SchemaItem, AmmortizzatoreItem, MollaItem, TamponeItem,
        PrecaricoItem, ToolsItem, VistaItem, FunzioniItem, SimulazioneItem, GraficiItem,
        TabelleItem, RisultatiItem, GuidaItem, UnitaItem, GrigliaItem;
    QMenu* MenuUnita = nullptr;
    QMenu* MenuGriglia = nullptr;

    // ---- public procedures ------------------------------------------------------------
    void AttivaPulsantiera(int16_t& ultimo);
    void CambioCoordinate();
    bool ControlloVariabili();
    void DatiDefault();
    void ImpostaTesto();
    void InitDati();
    void Modifica();
    void ProceduraUndo(int16_t& tipo);
    void StampaModello() {}
    void CmdStampa_Click();
    bool Animazione(int16_t& tipo) { return simulazione_.Animazione(tipo); }
    void AssegnazioneSimula(int16_t& posizione) { simulazione_.AssegnazioneSimula(posizione); }
    void Form_Load();
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_Resize();
    // True when the window may go now; false while an animation's loop is still running
    // (the window then closes once the loop has unwound).
    bool Form_Unload();
    void AttivaControlli(int16_t k);
    // Applies a unit system to the editor: fills the unit table and ticks the Units menu.
    void ImpostaUnita(int16_t sistema);

    // ---- handlers -----------------------------------------------------------------------
    void CmdAsta_Click();
    void CmdSquadretta_Click();
    void CmdMolla_Click();
    void CmdOKForcellone_Click();
    void CmdOKAsta_Click();
    void CmdOKSquadretta_Click();
    void CmdOKMolla_Click();
    void CmdEsci_Click();
    void CmbModifica_Click();
    void TxtRaggio_Change();
    void PicGeo_MouseDown(int Button, int Shift, double X, double Y);
    void PicGeo_MouseMove(int Button, int Shift, double X, double Y);
    void PicGeo_MouseUp(int Button, int Shift, double X, double Y);
    void CmdSimula_Click() { simulazione_.CmdSimula_Click(); }
    void VScroll_Change() { simulazione_.VScroll_Change(); }
    void VistaItem_Click(int Index) { strumenti_.VistaItem_Click(Index); }
    void GrigliaItem_Click(int Index) { strumenti_.GrigliaItem_Click(Index); }
    void SimulazioneItem_Click(int Index) { simulazione_.SimulazioneItem_Click(Index); }
    void ToolsItem_Click(int Index);
    void UnitaItem_Click(int Index);
    // Menu commands that open other windows (MenuInsGeo.cpp).
    void GraficiItem_Click(int Index);
    void TabelleItem_Click(int Index);
    void RisultatiItem_Click(int Index);
    void PrecaricoItem_Click(int Index);
    void AmmortizzatoreItem_Click(int Index);
    void MollaItem_Click(int Index);
    void TamponeItem_Click(int Index);
    // Runs a command that shows the preload, shock absorber, spring or bump-stop window; once
    // it has closed, the menus and buttons follow the project's state.
    void ConFinestraComponente(const std::function<void()>& comando);
    // The Schema menu's file items 4 open, 5 compare, 6 save as (MenuInsGeo.cpp).
    void SchemaItem_Click(int Index);
    // The File and Help menus, the Schema commands, the annotation and option boxes and the
    // add-project button (MenuOpzioniInsGeo.cpp). SchemaItem_Click calls the three Schema
    // commands for its items 1 (new chain), 8 (remove the last element) and 9 (undo).
    void FileItem_Click(int Index);
    void GuidaItem_Click(int Index);
    void SchemaNuovaCatena();
    void SchemaRimuoviUltimo();
    void SchemaAnnulla();
    void CmdAddProject_Click();
    void ChkDimensioni_Click();
    void ChkQuote_Click();
    void ChkFix_Click();
    void OptFix_Click();
    void ChkModify_Click(int Index);
    // The editor's part of a new project (the shell has appended the empty project).
    void PreparaNuovoProgettoEditor();
    // The caption, on the window and its frame: the projects held now.
    void ImpostaTitolo();

    // ---- EditorGeometria ----------------------------------------------------------------
    std::string Testo(Casella c) const override;
    void Scrivi(Casella c, const std::string& testo, bool eventi = true) override;
    int16_t Valore(Opzione o) const override;
    void ImpostaValore(Opzione o, int16_t valore) override;
    void Conferma(int tipo) override;
    void Ridisegna() override;
    void ReimpostaVista() override;
    void RisolviCatena() override;

    // ---- EditorDisegno ------------------------------------------------------------------
    PictureBox& PicGeo() override { return *picGeo_; }
    void ImpostaTxtForcellone(int i, const std::string& x, const std::string& y) override;
    int ValoreChkModify(int indice) const override;
    void ScriviChkModify(int indice, int valore) override;

    // ---- ControlliEditor ------------------------------------------------------------------
    EditorGeometria& Caselle() override { return *this; }
    EditorDisegno& Disegno() override { return *this; }
    std::string TestoEtichetta(Etichetta e) const override;
    void ImpostaEtichetta(Etichetta e, const std::string& testo) override;
    void PuntatoreCroce() override;
    int16_t ElementoSelezionato() const override { return ElementoInModifica; }
    void MostraPannelloTipo(int tipo) override;
    void ImpostaTestoCmbModifica(const std::string& testo) override;
    // Not while an animation runs: the list is locked then.
    void RicaricaElementoInModifica() override {
        if (StatoSimula != 1) CmbModifica_Click();
    }
    bool InModifica() const override { return inModifica_; }
    void LasciaModifica() override;
    RettangoloZoom RettangoloShape1() const override { return shape1_; }
    void ImpostaRettangoloShape1(const RettangoloZoom& r) override;
    bool Shape1Visibile() const override;
    void MostraShape1(bool visibile) override;
    LineaPan LineaLine1() const override { return Line1->Linea(); }
    void ImpostaLineaLine1(const LineaPan& l) override { Line1->Imposta(l); }
    bool Line1Visibile() const override;
    void MostraLine1(bool visibile) override;
    void SpuntaGrigliaItem(int indice, bool spuntato) override;
    void SpuntaSimulazioneItem(int indice, bool spuntato) override;
    int16_t& CampoRichiestaStop() override { return RichiestaStop; }
    int16_t& CampoStatoSimula() override { return StatoSimula; }
    int16_t& CampoTipoSimulazione() override { return TipoSimulazione; }
    float LarghezzaInterna() const override;
    RettangoloTwips PosizionePicGeo() const override;
    void PosizionaPicGeo(const RettangoloTwips& r) override;
    RettangoloTwips PosizioneVScroll() const override;
    void PosizionaVScroll(const RettangoloTwips& r) override;
    RettangoloTwips PosizioneLblEsc() const override;
    void PosizionaLblEsc(const RettangoloTwips& r) override;
    int ValoreVScroll() const override { return VScroll->value(); }
    void ImpostaValoreVScroll(int valore) override;
    void ImpostaMassimoVScroll(int massimo) override;
    void MostraVScroll(bool visibile) override;
    void ImpostaDidascaliaLblEsc(const std::string& testo) override;
    std::string DidascaliaCmdSimula() const override;
    void ImpostaDidascaliaCmdSimula(const std::string& testo) override;
    void AbilitaConferme(bool abilitate) override;
    bool VerificaCatena() override { return ControlloVariabili(); }
    void AggiornaAbilitazione() override;
    bool Cedi() override;
    void ChiudiFinestra() override;

    // The enabling's view of the window's named controls.
    ControlliQt& Controlli() { return controlli_; }
    // An animation's loop is running inside one of the window's handlers.
    bool SimulazioneInCorso() const { return simulazione_.SimulazioneInCorso(); }

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;

  private:
    // The entry panel of one element kind, indexed by the kind (PANNELLO_FORCELLONE ..
    // PANNELLO_MOLLA): its frame, its previous-point boxes (none for the swingarm), its entry
    // boxes in reading order (the first takes the focus when an element is added), the kind's
    // letter in the chain and the InsGeo01 line of the kind's name.
    struct PannelloElemento {
        QGroupBox* cornice = nullptr;
        QLineEdit* precX = nullptr;
        QLineEdit* precY = nullptr;
        std::vector<QLineEdit*> caselle;
        const char* lettera = "";
        int rigaNome = 0;
    };

    // What the confirm buttons do once their boxes are accepted; the program's own confirms
    // (a click on the drawing, the undo replay, the ground-line re-basing) run it directly.
    void ConfermaPannello(int tipo);
    void ConfermaElementoCatena(int pannello);
    // A swingarm confirmed with its tyre off the ground line (an axle's Y typed after the
    // radius) is stored and the whole chain re-based onto the ground, as a radius change does.
    void PortaRuotaASuolo();
    // A panel with an empty entry box is not stored: the user is told which panel, and the
    // box gets the focus. True when the panel was refused.
    bool CasellaVuota(int tipo);
    // The swingarm's boxes hold what the model holds again: what was typed in them is stored.
    void CaselleForcelloneConfermate();
    // The controls, built part by part (InsGeo01Pannelli.cpp).
    void CreaControlli();
    void CreaDisegno(QVBoxLayout* principale);
    QHBoxLayout* CreaStrisciaStrumenti(QVBoxLayout* principale);
    void CreaLetture(QHBoxLayout* barra);
    void CreaPulsantiAggiunta(QHBoxLayout* barra);
    void CreaPannelli(QHBoxLayout* barra);
    void CreaPannelloForcellone(QWidget* posto);
    void CreaPannelloAsta(QWidget* posto);
    void CreaPannelloSquadretta(QWidget* posto);
    void CreaPannelloMolla(QWidget* posto);
    void CreaColonnaElementi(QHBoxLayout* barra);
    void CreaComandi(QHBoxLayout* barra);
    void CollegaControlli();
    void RegistraSuggerimenti();
    void RiempiTabelleControlli();
    void CollegaCaselle();
    void CreaMenu();
    void CollegaMenuComandi();
    void CollegaMenuOpzioni();
    // The chain back to the default swingarm alone, drawn fitted to `lato` mm.
    void RiportaAlForcellone(float lato);
    void RidisegnaAnnotazioni();
    // The Units ticks, panel captions and unit labels of the unit system in force (it may
    // have been switched from another window while this one was away).
    void MostraUnitaInUso();
    void MostraPannello(QGroupBox* pannello);
    void AggiungiElemento(int tipo);
    void PreparaPannelloNuovo(int tipo, int16_t k);
    void ApplicaPulsantiera(int16_t ultimo);
    void CaptionPannelli();
    void DimensionaPostoPannelli();
    void RiempiListaElementi();
    void AssociaMenuLingua();
    void AzzeraVista();
    void ApplicaModoQuote();
    void CaricaCatena(bool soloForcellone, bool nuova);
    void RiprendiCatenaIncompleta();
    QLineEdit* CasellaDi(Casella c) const;
    QLabel* LetturaDi(Etichetta e) const;
    std::string NomeElemento(const std::string& lettera) const;

    PictureBox* picGeo_ = nullptr;
    ControlliQt controlli_;
    std::map<QObject*, int> suggerimenti_;
    // The boxes, the options and the pointer readouts by their names, and the panels by
    // element kind.
    std::array<QLineEdit*, static_cast<size_t>(Casella::Numero)> caselle_{};
    std::array<QAbstractButton*, static_cast<size_t>(Opzione::Numero)> opzioni_{};
    std::array<QLabel*, 4> letture_{};
    std::array<PannelloElemento, PANNELLO_MOLLA + 1> pannelli_{};
    // The length factor the boxes are shown in, for the next change of units.
    float fattoreCaselle_ = 1;
    // The zoom rectangle in picture millimetres, as the view tools set it.
    RettangoloZoom shape1_;
    // Leaving was asked while an animation ran: it is carried out once the loop unwinds.
    bool esciDopo_ = false;
    // A ground-line re-basing is running: its own confirmation of the swingarm re-bases nothing.
    bool ribasando_ = false;
    // An element is being modified (InModifica): set by its choice in the list, kept through
    // the view tools and the simulation, which only borrow the mouse.
    bool inModifica_ = false;

    // The mouse on the drawing, the view tools and the animation, over this window.
    StrumentiVista strumenti_{*this};
    MouseGeo mouse_{*this, strumenti_};
    SimulazioneGeo simulazione_{*this};
};

// Connects the geometry editor to the start-up and the main window: the editor is created
// and given the unit system at start-up, and shown by the main window.
void RegistraEditorGeometria();

} // namespace kelvra
