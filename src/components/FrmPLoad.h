// FrmPLoad, the preload window: the housing and fitted preloads of the spring, the setup
// preload the user enters within its limit, and the total they add up to; OK stores the
// preload and brings the static shock curve and the solved curves up to date.
#pragma once

#include "components/FinestraComponente.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <array>

namespace kelvra {

class FrmPLoad : public FinestraComponente {
    Q_OBJECT
  public:
    explicit FrmPLoad(QWidget* genitore = nullptr);

    // The entry's upper limit, in the shown length unit.
    double PrecaricoMassimo = 0;

    QGroupBox* SSPanelDati = nullptr;
    std::array<QLabel*, 4> LblPrecarico{};
    std::array<QLabel*, 3> LblPreload{}; // 0 fitted, 1 housing, 2 total
    QLineEdit* TxtPrecarico = nullptr;
    QPushButton *Cmd_Ok = nullptr, *Cmd_Annulla = nullptr;

    void Form_Activate();
    void TxtPrecarico_Change();
    void Cmd_Ok_Click();
    void Cmd_Annulla_Click() { Chiudi(); }

  private:
    void ImpostaTesto();
    std::string Limite() const;

    bool digitato_ = false;
};

} // namespace kelvra
