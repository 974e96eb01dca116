// LETTORE, the curve reader: a small modal window at the bottom of the screen. The user types
// an abscissa or moves the scroll bar; each visible project's value there is shown in its
// colour and marked on the chart by a cursor and a horizontal line. The values of one
// abscissa can be memorised (each project's change from them is shown beside it), and two
// values picked by clicking give their difference and their ratio in percent.
#pragma once

#include "core/Progetti.h"
#include "graphs/CalcoliStrumenti.h"

#include <QDialog>
#include <QPointer>
#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

namespace kelvra {

class CURVE01;

class LETTORE : public QDialog {
    Q_OBJECT
  public:
    explicit LETTORE(QWidget* genitore = nullptr);

    static LETTORE* Istanza();
    static LETTORE& Crea();

    QLineEdit* TxTInfoCurva = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QCheckBox* ChkMemo = nullptr;
    std::array<QLabel*, 13> LblInfoCurva{}; // 1..6 values, 7..12 changes from the memo
    std::array<QFrame*, 4> LineEtich{};     // colour bars of the two picks
    QLabel *Label1 = nullptr, *LblDifference = nullptr, *Label3 = nullptr, *LblRatio = nullptr;
    QLabel* Label2 = nullptr;
    std::array<QLabel*, 2> LblEtich{};
    QPushButton* CommandChiudi4 = nullptr;

    // The reader's state.
    bool LettoreAttivo = false;
    bool Memo = false;
    float XMemo = 0;
    std::array<double, MAX_PROGETTI + 1> ValoreMemo{};
    ConfrontoCurve Confronto;

    // Opens over the graph window at abscissa x (display units; 0 means XMin).
    void Apri(CURVE01& grafico, double x);
    // The values at the abscissa typed, on the reader and on the chart.
    void LeggiValoriCurve();
    void MemorizzaValori();
    void LblInfoCurva_Click(int Index);
    void Scarica();

  protected:
    bool event(QEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;
    void closeEvent(QCloseEvent* evento) override;
    // Escape unloads the window as its close button does.
    void reject() override { Scarica(); }

  private:
    void ImpostaTesto();
    void ImpostaFinestra();
    void MostraConfronto();
    // The whole window, its frame included, at the bottom of the screen and on it.
    void CollocaSulloSchermo();
    CURVE01* grafico_ = nullptr;
    QPointer<QWidget> vivo_; // the graph window, null once it is gone
    float scala_ = 1;        // the scroll bar's units per display unit (its Tag)
    std::array<double, MAX_PROGETTI + 1> valori_{};
    bool scaricato_ = false;
    bool collocatoConCornice_ = false; // placed by its own frame, as the desktop drew it
};

} // namespace kelvra
