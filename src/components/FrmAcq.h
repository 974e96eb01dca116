// FRMACQ, the test-bench window: the stroke range, up to ten cycles each with its speed, and
// the temperature channel of a measurement of a dismounted shock absorber. OK checks and
// stores the parameters and runs the bench; when the bench delivers a load curve the
// working project is solved again and the graph window opens on the shock absorber's load.
#pragma once

#include "components/Banco.h"
#include "components/FinestraComponente.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>

namespace kelvra {

class FRMACQ : public FinestraComponente {
    Q_OBJECT
  public:
    explicit FRMACQ(QWidget* genitore = nullptr);

    QGroupBox* PanelDati = nullptr;
    std::array<QLabel*, 14> LblDati{};
    QLineEdit *TxtCorsaMin = nullptr, *TxtCorsaMax = nullptr;
    std::array<QCheckBox*, CICLI_BANCO + 1> ChkFreq{}; // 1..10
    std::array<QLineEdit*, CICLI_BANCO + 1> TxtFreq{};
    QPushButton *CmdSelect = nullptr, *CmdUnselect = nullptr;
    QCheckBox* ChkTemperatura = nullptr;
    QLabel* LblTemperatura = nullptr;
    std::array<QLabel*, 2> PanelTitle{};
    std::array<QLabel*, 3> LblCounter{};
    QLabel* LblModalita = nullptr;
    QPushButton *CmdOK = nullptr, *CmdChiudi = nullptr;

    void Form_Activate();
    // Checks the entries and stores them for the working project; false after the message
    // that names the first value out of range.
    bool ControlloVariabili();
    void ChkFreq_Click(int Index);
    void ChkTemperatura_Click();
    void CmdSelect_Click() { SpuntaTutti(true); }
    void CmdUnselect_Click() { SpuntaTutti(false); }
    void CmdOK_Click();
    void CmdChiudi_Click() { Chiudi(); }

  private:
    QGroupBox* CreaPannelloDati();
    QVBoxLayout* CreaLetture();
    void Suggerimenti();
    void ImpostaTesto();
    void SpuntaTutti(bool spunta);
    std::string Intervallo(double minimo, double massimo, int riga, bool unita) const;
};

} // namespace kelvra
