// InsTampone, the bump-stop window: unloaded and fully compressed lengths and the force
// table, whose force grows with the square of the deflection along each block.
#pragma once

#include "components/FinestraTabella.h"

namespace kelvra {

class InsTampone : public FinestraTabella {
    Q_OBJECT
  public:
    explicit InsTampone(QWidget* genitore = nullptr);

  protected:
    std::string Titolo() const override;
    // The coefficient of a force growing with the square of the deflection: force / length^2.
    std::string EtichettaCoefficiente() const override;
    void ImpostaTesto() override;
    std::string FormatoCaricato(Colonna c) const override;
    std::string FormatoCostante(Colonna c) const override { return FormatoCaricato(c); }
    void CaricaDaProgetto(const Progetto& p) override { Tabella.CaricaTampone(p); }
    bool ComponenteInserito(const Progetto& p) const override { return Vero(p.TamponeInserito); }
    int16_t ModoSalvato(const Progetto& p) const override { return p.ModoTampone; }
    void Salva() override;
    void DopoAttivazione(bool inserito) override;
};

} // namespace kelvra
