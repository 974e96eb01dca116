// INSAMMORTIZZATORE, the shock-absorber window: dimensions A, B, stroke RA and eye-to-eye
// length L, the spring seat distance SA = L - (A + B) that follows them, the bounds the
// geometry and the spring set, and the gas panel that sets the gas charge.
#pragma once

#include "components/DatiComponenti.h"
#include "components/FinestraComponente.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace kelvra {

class INSAMMORTIZZATORE : public FinestraComponente {
    Q_OBJECT
  public:
    explicit INSAMMORTIZZATORE(QWidget* genitore = nullptr);

    // The working dimensions, mm: the stored ones, replaced by whatever the user types.
    DimensioniAmmortizzatore Dimensioni;

    QLineEdit *TxtA = nullptr, *TxtB = nullptr, *TxtR = nullptr, *TxtS = nullptr;
    QLabel* Lbl_LungMolla = nullptr;
    std::array<QLabel*, 8> LblQuote{};
    QGroupBox* SSRiferimenti = nullptr;
    std::array<QLabel*, 3> LblReference{};
    QPushButton* CmdPressione = nullptr;
    QGroupBox* FrmPressione = nullptr;
    std::array<QLabel*, 2> LblDati{};
    QLineEdit *TxtPressione = nullptr, *TxtDiametro = nullptr;
    QPushButton *CmdOKPressione = nullptr, *CmdAnnullaForzaGas = nullptr;
    QLabel* LblForzaGasIN = nullptr;
    QPushButton *CmdOK = nullptr, *CMDAnnulla = nullptr;

    void Form_Activate();
    // Stores the typed gas pressure and diameter into the project; always true.
    bool ControlloVariabili();
    // The references, for a seat distance L in the shown length unit.
    void VisualizzaRiferimenti(double L);
    void CmdPressione_Click() { FrmPressione->show(); }
    void CmdOKPressione_Click();
    void CmdAnnullaForzaGas_Click();
    void CmdOK_Click();
    void CMDAnnulla_Click() { Chiudi(); }

  private:
    void ImpostaTesto();
    void CreaControlli();
    QHBoxLayout* CreaQuote();
    QGroupBox* CreaPannelloGas();
    void AggiornaSedeMolla();
    void MostraGas();
    Progetto& Selezionato() const;

    bool pressioneDigitata_ = false, diametroDigitato_ = false;
};

} // namespace kelvra
