// TABRIASS, the summary table: eleven results of one project read at a wheel travel the user
// types, each of which can show its maximum and where it lies instead, beside the dimensions
// of every element of the project's linkage. Opened modal, centred over the main window, by
// the Results command.
#pragma once

#include "platform/PictureBox.h"
#include "tables/Riassunto.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <cstdint>
#include <map>

namespace kelvra {

class TABRIASS : public QDialog {
    Q_OBJECT
  public:
    explicit TABRIASS(QWidget* genitore = nullptr);

    std::array<QLabel*, RIGHE_RIASSUNTO + 1> PanelDati{}; // 11: the travel entry's caption
    std::array<QCheckBox*, RIGHE_RIASSUNTO> ChkMAX{};
    std::array<QLabel*, RIGHE_RIASSUNTO> LblRisultatiX{};
    std::array<QLabel*, RIGHE_RIASSUNTO> LblRisultatiY{};
    QLineEdit* TxtEsc;
    QLabel* PanelSchema;
    PictureBox* PicSchema;
    QComboBox* CmbSceltaConf;
    QLabel* LblSceltaConfig;
    QPushButton* CmdStampa;
    QPushButton* CmdChiudi;

    // The project shown, 1..NumeroProgetti (0 before the first activation).
    int16_t Configurazione = 0;

    void Form_Activate();
    void ImpostaTesto();
    void AttivaLabels();
    void ImpostaFinestra();
    void AggiornaDimensioniSchema();
    void ChkMAX_Click(int Index);
    void CmbSceltaConf_Click();
    void TxtEsc_Change();
    void CmdChiudi_Click();
    void CmdStampa_Click();

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    void CostruisciControlli();
    QWidget* CostruisciRisultati();
    void ColoreRisultato(int k, bool massimo);
    void LarghezzeRisultati();

    std::map<QObject*, int> suggerimenti_;
};

} // namespace kelvra
