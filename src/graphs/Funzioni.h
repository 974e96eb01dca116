// FUNZIONI, the graph tool window: a small modal window whose panels (PictFunzioni) carry
// the typed axis range (2), the maximum table (5), the legend that hides and shows curves
// (6) and the closing of projects (11). A command shows the one panel it needs; the window
// is created on first use and unloaded by its buttons.
#pragma once

#include "core/Progetti.h"

#include <QDialog>
#include <array>
#include <map>
#include <set>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kelvra {

// Panels of the window.
inline constexpr int PANNELLO_ASSE_X = 0;
inline constexpr int PANNELLO_RANGE = 2;
inline constexpr int PANNELLO_MASSIMI = 5;
inline constexpr int PANNELLO_LEGENDA = 6;
inline constexpr int PANNELLO_PROGETTI = 11;

class FUNZIONI : public QDialog {
    Q_OBJECT
  public:
    explicit FUNZIONI(QWidget* genitore = nullptr);

    static FUNZIONI* Istanza();
    static FUNZIONI& Crea();

    std::array<QWidget*, 12> PictFunzioni{};
    // The X-axis choice: wheel travel, spring deflection, shock absorber stroke. The graph
    // window's set-up ticks the choice in force; no command shows the panel.
    std::array<QRadioButton*, 3> OptAsseX{};
    // Range panel.
    std::array<QLineEdit*, 2> TxtGestioneRange{};
    std::array<QLabel*, 2> LblGestioneRange{};
    // Maximum table: the title, the column headings and one row per project (the cells of
    // group 3, LblValueX/Y(p + 29), held at p).
    QLabel* LblPunti3 = nullptr;
    QLabel* LblGrdX = nullptr;
    QLabel* LblGrdY = nullptr;
    std::array<QLabel*, MAX_PROGETTI + 1> LblValueX{}, LblValueY{};
    // Legend, and its way to the closing of projects.
    std::array<QLabel*, MAX_PROGETTI + 1> LblEscludiCurva{};
    QPushButton* CmdProgetti = nullptr;
    // Closing projects: ticked ones are kept.
    QLabel* LblProgetti = nullptr;
    std::array<QCheckBox*, MAX_PROGETTI + 1> ChkCurva{};
    QPushButton* CmdOff = nullptr;
    std::map<int, QPushButton*> CommandOK, CommandChiudi;

    // Hides every panel and shows panel `indice`.
    void MostraPannello(int indice);
    // The window's unloading: the graph window's matching info mode is closed.
    void Scarica();
    // Shown modal over the main window.
    void Mostra();

    void CommandOK_Click(int Index);
    void CommandChiudi_Click(int Index);
    void LblEscludiCurva_Click(int Index);
    void CmdProgetti_Click();
    void CmdOff_Click();

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    // Escape unloads the window as its close button does.
    void reject() override { Scarica(); }

  private:
    void CreaAsseX();
    void CreaRange();
    void CreaTabella();
    void CreaLegenda();
    void CreaProgetti();
    QPushButton* NuovoChiudi(int indice, QWidget* pannello);
    // The panels, their buttons and the range boxes take the keyboard focus as the mouse
    // passes over them.
    void FuocoAlPassaggio();
    std::set<QObject*> fuocoAlPassaggio_;
    bool scaricata_ = false;
};

} // namespace kelvra
