// CURVE01, the graph window: a child of the main window that plots one of the fourteen chart
// kinds for every project held, each curve in its project's colour, over rounded axes with
// tick labels, grid and titles, laid out by proportions of the window at any size.
//
// The plot PicGrafico works in millimetres; the tick labels, the titles and the chart
// buttons are widgets placed around it. The window's state is the graph record `Grafico`
// (StatoGrafico.h): the first set-up after the window opens resets it, later resizes keep
// it (kind, zoom, ranges) and only redraw. Every redraw goes through DisegnaGrafico.
//
// PicCommand(1) holds the toolbar (Pulsantiera.h); the Info, Scale, Zoom and File commands
// plug into the menu items of the same names, and the tools change `Grafico` and call
// DisegnaGrafico. Every control names what it does in the status panel as the mouse passes.
#pragma once

#include "graphs/DisegnoGrafico.h"
#include "graphs/Pulsantiera.h"
#include "platform/CorniceMdi.h"
#include "platform/PictureBox.h"
#include "shell/ControlliQt.h"

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QToolButton>
#include <array>
#include <cstdint>
#include <map>
#include <vector>

namespace kelvra {

class SovrapposizioneGrafico;

class CURVE01 : public FinestraFiglia {
    Q_OBJECT
  public:
    explicit CURVE01(QWidget* genitore = nullptr);
    ~CURVE01() override;

    // The one graph window: created on first use, null once it is unloaded.
    static CURVE01* Istanza();
    static CURVE01& Crea();

    // ---- controls -----------------------------------------------------------------------
    PictureBox* PicGrafico = nullptr;
    QWidget* PicAsseX = nullptr; // the X tick labels
    std::array<QLabel*, MASSIMO_ETICHETTE + 1> LblX{};
    std::array<QWidget*, 2> PicAsseY{}; // 0 holds the Y tick labels; 1 stays hidden
    std::array<QLabel*, MASSIMO_ETICHETTE + 1> LblY1{};
    QWidget* PicTitleGrafico = nullptr;
    QLabel* LblTitleGrafico = nullptr;
    QWidget* PicTitleBottom = nullptr;
    QLabel* LblTitleBottom = nullptr;
    QWidget* PicUnit = nullptr;
    QLabel* DisplayY = nullptr; // the Y read-out of the curve reader
    // 0 the chart buttons, 1 the toolbar's strip, 2 hidden.
    std::array<QWidget*, 3> PicCommand{};
    std::array<QPushButton*, NUMERO_TIPI_GRAFICO + 1> CmdCurve{}; // 1..14
    // The toolbar in PicCommand(1): 0 data, 1 maximum, 2 reader, 3 tables, 4 reverse
    // function, 5 legend, 6 colours, 7 open, 8 compare, 9 save, 10 print, 11 close.
    std::array<QToolButton*, NUMERO_PULSANTI_GRAFICO> CmdPulsantiera{};
    // The zoom band and the tools' marker lines, painted over the plot.
    SovrapposizioneGrafico* Sovrapposizione = nullptr;
    // The colour frame: the element buttons, one swatch per project, save and OK.
    QFrame* FrmColor = nullptr;
    std::map<int, QPushButton*> CommandColor;
    std::array<QLabel*, MAX_PROGETTI + 1> LabCambiaColore{};
    QPushButton* CmdSalvaColori = nullptr;
    QPushButton* CommandOK2 = nullptr;

    // ---- menus (MenuItem(0..9), items by index) -------------------------------------------
    std::array<QMenu*, 10> MenuItem{};
    std::map<int, QAction*> FileItem, InfoItem, ScalaItem, VistaItem, OpzioniItem, GraficiItem,
        TabelleItem, RisultatiItem, FinestraItem, GuidaItem, UnitaItem;
    QMenu* MenuUnita = nullptr;

    int16_t FinestraDisattivata = FALSO;
    int16_t FinestraInChiusura = FALSO;
    // The first set-up of the graph state has run (the first resize after opening).
    bool GraficoImpostato = false;

    // ---- public procedures --------------------------------------------------------------
    void Form_Load();
    void Form_Activate() override;
    void Form_Deactivate() override;
    void Form_Resize();
    void Form_Unload();
    // The window caption (and its frame's): the projects held now.
    void ImpostaTitolo();
    // The window caption and the chart buttons' captions.
    void ImpostaTesto();
    // The redraw of the chart kind in Grafico.TipoGrafico with the state as it stands.
    void DisegnaGrafico();
    // Projects added or computed since the last redraw: the caption and the chart follow them,
    // with the kind, zoom and ranges kept (nothing before the window's first set-up).
    void AggiornaRisultati();
    // The menus, chart buttons and toolbar follow the newest project's state, and so does the
    // chart: it becomes the state's first chart when `primo` (the window's first activation)
    // or when the chart shown has no data in that state (its button is disabled); otherwise
    // it stays, zoom and all, as the window is restored, maximised or comes back to the
    // front. A new kind starts without zoom, info modes or typed ranges, and the caller
    // redraws; true when the kind changed.
    bool SeguiStatoProgetto(bool primo);
    // The grid option (OpzioniItem(1) ticked).
    bool Griglia() const;
    // The texts of the last redraw, as the labels show them.
    const TestiGrafico& Testi() const { return testi_; }
    ControlliQt& Controlli() { return controlli_; }
    // The settings' colours on the window's panels, labels and titles (the plot takes the
    // axis, grid and curve colours at each redraw).
    void ApplicaColori();
    // The colour frame centred in the window.
    void PosizionaCorniceColori();

    // ---- handlers -----------------------------------------------------------------------
    void CmdCurve_Click(int Index);
    void CmdPulsantiera_Click(int Index);
    void GraficiItem_Click(int Index);
    void OpzioniItem_Click(int Index);
    void FileItem_Click(int Index);
    void TabelleItem_Click(int Index);
    void RisultatiItem_Click(int Index);
    void GuidaItem_Click(int Index);
    void InfoItem_Click(int Index);
    void ScalaItem_Click(int Index);
    void VistaItem_Click(int Index);
    void UnitaItem_Click(int Index);
    void LblX_Click(int Index);
    void LblY1_Click(int Index);

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;

  private:
    void CreaControlli();
    void CreaPulsantiGrafico();
    void CreaPulsantiera();
    void ImpostaTestoPulsantiera();
    void PosizionaPulsantiera();
    // The status hint (a line of section Toolbar) of each control that has one, and the
    // controls that take the keyboard focus as the mouse passes.
    void RegistraSuggerimenti();
    void PassaggioMouse(QObject* oggetto);
    void CreaMenu();
    // The Window menu's list of the frame's open windows, made afresh as the menu opens.
    void ElencaFinestre();
    std::vector<QAction*> vociFinestre_;
    void CreaCorniceColori();
    void CollegaStrumenti();
    void ImpostaMenuCurve();
    void PosizionaPannelli();
    void PosizionaEtichetteX();
    void PosizionaEtichetteY();

    // The width of an X tick label, with the text and face it was measured for: a redraw
    // that leaves a label as it was takes the width kept rather than measuring again.
    struct MisuraEtichetta {
        QString testo;
        QFont carattere;
        int larghezza = -1;
    };
    int LarghezzaEtichettaX(int j);
    std::array<MisuraEtichetta, MASSIMO_ETICHETTE + 1> misureX_{};

    ControlliQt controlli_;
    // The first chart of the newest project's state, as the enabling last named it (0 before
    // it ever ran).
    int16_t primoGrafico_ = 0;
    bool attivata_ = false; // activated at least once since it was loaded
    std::map<QObject*, int> suggerimenti_;
    TestiGrafico testi_;
    bool scaricata_ = false;
};

// Module procedures of the graph window (the window's handlers forward to them).
// A chart button: the kind is drawn afresh and remembered as the last button used.
void SelezionaGrafico(int16_t Index, CURVE01& form);
// A new chart kind: zoom, info and fixed ranges reset, then the redraw.
void CambiaGrafico(int16_t tipo, CURVE01& form);
// Every resize: ImpostaFinestraGrafici.
void RidimensionaGrafici(CURVE01& form, int16_t tipo);
// The first time after the window opens the whole graph state is reset with kind `tipo`;
// every time the chart is redrawn and the panels shown.
void ImpostaFinestraGrafici(CURVE01& form, int16_t tipo);
// Before a new kind is drawn (and after a project is removed): the plot cleared, zoom and
// info modes off, the stored ranges back in force.
void AzzeraStatoGrafico(CURVE01& form);

// Fills the graph window's hook (Ganci.MostraCurve01).
void RegistraGrafici();

} // namespace kelvra
