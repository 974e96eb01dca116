// The open chooser SceltaOpen (one kind of file to open: geometry, shock absorber, spring,
// bump stop or whole project) and the save chooser SceltaSave (the kinds to save, among those
// the projects held have data for).
#pragma once

#include "files/FinestraFile.h"

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <array>

namespace kelvra {

class SceltaOpen : public FinestraFile {
    Q_OBJECT
  public:
    explicit SceltaOpen(QWidget* genitore = nullptr);

    // 0 geometry, 1 shock absorber, 2 spring, 3 bump stop, 4 whole project; one at a time.
    std::array<QRadioButton*, 5> ChkOption{};
    QPushButton *CmdOK = nullptr, *CmdChiudi = nullptr;

    void Form_Load();
    void Form_Activate() {}
    void CmdOK_Click();
    void CmdChiudi_Click() { close(); }
};

class SceltaSave : public FinestraFile {
    Q_OBJECT
  public:
    explicit SceltaSave(QWidget* genitore = nullptr);

    // 0 geometry, 1 shock absorber, 2 spring, 3 bump stop.
    std::array<QCheckBox*, 4> ChkOption{};
    QPushButton *CmdOK = nullptr, *CmdSelectAll = nullptr, *CmdChiudi = nullptr;

    void Form_Load();
    void Form_Activate();
    void CmdOK_Click();
    void CmdSelectAll_Click();
    void CmdChiudi_Click() { close(); }
};

} // namespace kelvra
