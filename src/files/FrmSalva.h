// FrmSalva01..FrmSalva05, the save dialogs of the whole project, the geometry, the shock
// absorber, the spring and the bump stop: one row per project held, a box that ticks the row
// and the name its file is saved under, in the project's curve colour. Save writes every ticked
// row into the program folder and leaves the dialog open for other names; Close ends it.
#pragma once

#include "files/FinestraFile.h"
#include "files/TipiFile.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <array>
#include <cstdint>

namespace kelvra {

class FrmSalva : public FinestraFile {
    Q_OBJECT
  public:
    // `tipo` 0 whole project .. 4 bump stop (FrmSalva01..FrmSalva05).
    explicit FrmSalva(int tipo, QWidget* genitore = nullptr);

    // Rows 1..6, one per project; index 0 is not used.
    std::array<QCheckBox*, MAX_PROGETTI + 1> ChkSave{};
    std::array<QLineEdit*, MAX_PROGETTI + 1> TxtSalva{};
    QPushButton *CmdSalva = nullptr, *CmdChiudi = nullptr;

    // The row flag of row i: VERO when the row is to be saved.
    int16_t RigaDaSalvare(int i) const { return righe_[size_t(i)]; }

    void Form_Load();
    void Form_Activate();
    void ChkSave_Click(int Index);
    void CmdSalva_Click();
    void CmdChiudi_Click() { close(); }

  private:
    void ColoraRiga(int i, long colore, bool progetto);
    QString TestoRiga(int i) const;

    const TipoFile& tipo_;
    std::array<int16_t, MAX_PROGETTI + 1> righe_{};
};

} // namespace kelvra
