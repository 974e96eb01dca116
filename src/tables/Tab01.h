// TAB01, the detailed result table: every computed point of one project in a grid, in the
// columns its state code selects (LayoutTabelle), at a chosen display step; from it the user
// goes back to the geometry editor or on to the graphs, or prints the table. Opened modal,
// centred over the main window, by the Tables command.
#pragma once

#include "platform/Griglia.h"
#include "tables/LayoutTabelle.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <cstdint>
#include <map>

namespace kelvra {

class TAB01 : public QDialog {
    Q_OBJECT
  public:
    explicit TAB01(QWidget* genitore = nullptr);

    Griglia* Grid;
    QComboBox* CmbSceltaConf;
    QLabel* LblScelta;
    std::array<QRadioButton*, 3> OptSceltaPasso{};
    QLabel* LblPasso;
    QPushButton* CmdDati;
    QPushButton* CmdGrafici;
    QPushButton* CmdStampa;
    QPushButton* CmdChiudi;

    // Display step in points, and the travel column's format and rounding.
    float Passo = 1.0f;
    FormatoCorsaRuota Corsa;

    // Where the user asked to go on closing.
    enum class Seguito { Nessuno, Dati, Grafici };
    Seguito SeguitoChiusura() const { return seguito_; }

    void Form_Load();
    void Form_Activate();
    void ImpostaTesto();
    void ImpostaFinestra();
    void CmbSceltaConf_Click();
    void OptSceltaPasso_Click(int Index);
    void CmdChiudi_Click();
    void CmdDati_Click();
    void CmdGrafici_Click();
    void CmdStampa_Click();

    // The project shown.
    int16_t ProgettoMostrato() const { return progetto_; }

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    void CostruisciControlli();
    void Mostra(int16_t progetto);
    void ImpostaColonne(int16_t progetto);
    void RiempimentoTabella(int16_t progetto);

    int16_t progetto_ = 0;
    Seguito seguito_ = Seguito::Nessuno;
    std::map<QObject*, int> suggerimenti_;
};

// The chooser entry of project p: its configuration's file name, or <Common 17>: nn.
QString VoceProgetto(int16_t p);

// Fills the result tables' hooks.
void RegistraTabelle();

} // namespace kelvra
