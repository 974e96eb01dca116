// INSMOLLA, the spring window: free and coil-bound lengths, number of springs, the force
// table growing linearly along each block, and the references the shock absorber sets.
#pragma once

#include "components/FinestraTabella.h"

namespace kelvra {

class INSMOLLA : public FinestraTabella {
    Q_OBJECT
  public:
    explicit INSMOLLA(QWidget* genitore = nullptr);

    int16_t NumMolle = 1;
    QLabel* LblNmolle = nullptr;
    QLineEdit* TxtNmolle = nullptr;
    QLabel *LblRiferimenti = nullptr, *LblForzaGasIN = nullptr;

    void VisualizzaRiferimentiMolla();
    void TxtNmolle_Change();

  protected:
    std::string Titolo() const override;
    void ImpostaTesto() override;
    std::string FormatoCaricato(Colonna c) const override;
    std::string FormatoCostante(Colonna c) const override;
    void CaricaDaProgetto(const Progetto& p) override { Tabella.CaricaMolla(p); }
    bool ComponenteInserito(const Progetto& p) const override { return Vero(p.MollaInserita); }
    int16_t ModoSalvato(const Progetto& p) const override { return p.ModoMolla; }
    void Salva() override;
    void LunghezzeConfermate() override { LblRiferimenti->setEnabled(false); }
    void DopoAttivazione(bool inserito) override;
};

} // namespace kelvra
