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
#include "geometry_editor/EditorGeometria.h"
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
#include <QScrollBar>
#include <array>
#include <cstdint>
#include <map>

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

class INSGEO01 : public FinestraFiglia, public EditorGeometria, public DisegnoEditorGeometria {
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
        TabelleItem, RisultatiItem, GuidaItem, UnitaItem;
    QMenu* MenuUnita = nullptr;

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
    void Form_Load();
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_Resize();
    void Form_Unload();
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
    void PicGeo_MouseUp(int pulsante, int maiuscole, double x, double y);
    void ToolsItem_Click(int Index);
    void UnitaItem_Click(int Index);

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

    // The enabling's view of the window's named controls.
    ControlliQt& Controlli() { return controlli_; }

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

  private:
    void CreaControlli();
    void CreaMenu();
    void MostraPannello(QGroupBox* pannello);
    void AggiungiElemento(int tipo);
    void ApplicaPulsantiera(int16_t ultimo);
    void CaptionPannelli();
    void RiempiListaElementi();
    QLineEdit* CasellaDi(Casella c) const;
    std::string NomeElemento(const std::string& lettera) const;

    PictureBox* picGeo_ = nullptr;
    ControlliQt controlli_;
    std::map<QObject*, int> suggerimenti_;
    // The length factor the boxes are shown in, for the next change of units.
    float fattoreCaselle_ = 1;
};

// Connects the geometry editor to the start-up and the main window: the editor is created
// and given the unit system at start-up, and shown by the main window.
void RegistraEditorGeometria();

} // namespace kelvra
