// The window around a force table, shared by the spring and the bump-stop windows: the two
// lengths and their confirmation, the entry-mode options, the grid, the block entry by rate
// or by force, the print step and the commit. The two windows differ only in what the
// virtual functions below give: texts, cell formats, the length check and the commit.
#pragma once

#include "components/FinestraComponente.h"
#include "components/TabellaComponente.h"
#include "platform/Griglia.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>
#include <cstdint>

namespace kelvra {

// 1 once a force-table window has been activated; block selections wait for it.
extern int16_t TabellaAttiva;

class FinestraTabella : public FinestraComponente {
    Q_OBJECT
  public:
    explicit FinestraTabella(LeggeForza legge, QWidget* genitore = nullptr);

    TabellaComponente Tabella;
    int16_t RigheBlocco = 0;

    // ---- controls ---------------------------------------------------------------------
    QGroupBox *Frame1 = nullptr, *Frame3 = nullptr, *Frame4 = nullptr;
    QGroupBox* FrameModo = nullptr; // Frame2 (spring) / Frame5 (bump stop)
    QLabel *LblLunghezza = nullptr, *Lbl_MaxComp = nullptr;
    QLineEdit *TxtLunghezza = nullptr, *TxtLunghezzaCompressa = nullptr;
    std::array<QLabel*, 3> Lbl_mm{};
    QLabel *Lbl_N = nullptr, *Lbl_Nmm = nullptr;
    QPushButton* CmdOK1 = nullptr;
    std::array<QRadioButton*, 3> OptCostModo{}; // 1 rate, 2 force
    Griglia* GrdTabella = nullptr;
    QLabel *Lbl_Corsa = nullptr, *Label8 = nullptr, *Lbl_Forza = nullptr, *Lbl_CostEl = nullptr;
    QLineEdit *TxtEscursione = nullptr, *TxtForza = nullptr, *TxtCostanteElastica = nullptr;
    QGroupBox* Frame_PassoStampa = nullptr;
    std::array<QRadioButton*, 3> Opt_PassoStampa{};
    QPushButton *CmdStampa = nullptr, *CmdOK2 = nullptr, *CmdEsci = nullptr;

    // ---- procedures -------------------------------------------------------------------
    // Builds the window for ProgettoSelezionato; called before it is shown, and by the
    // project reader without showing it.
    void Form_Activate();
    void CmdOK1_Click();
    void CmdOK2_Click();
    void CmdEsci_Click() { Chiudi(); }
    void CmdStampa_Click();
    void OptCostModo_Click(int Index);
    void GrdTabella_FineSelezione();
    void TxtCostanteElastica_Change();
    void TxtForza_Change();
    // Enter in the rate or force box: the block is closed, or the next block of the same
    // size is offered while it fits in the table.
    void ChiudiBlocco(QLineEdit* casella, QLabel* etichetta);
    void ControllaTabella(int colonna);
    void AttivaPassoStampa(bool flag);
    // The force box in the rate layout (wide) or the force layout (narrow, after Label8).
    void LayoutForza(bool modoForza);

  protected:
    enum Colonna { COL_CORSA = 0, COL_FORZA = 1, COL_COSTANTE = 2 };

    virtual std::string Titolo() const = 0;
    // The unit label of the rate column and box.
    virtual std::string EtichettaCoefficiente() const;
    virtual void ImpostaTesto();
    // Cell formats of the rows built from the project.
    virtual std::string FormatoCaricato(Colonna c) const = 0;
    // Cell formats of the force and rate cells written by a rate entry.
    virtual std::string FormatoCostante(Colonna c) const = 0;
    virtual void CaricaDaProgetto(const Progetto& p) = 0;
    virtual bool ComponenteInserito(const Progetto& p) const = 0;
    virtual int16_t ModoSalvato(const Progetto& p) const = 0;
    virtual void Salva() = 0;
    // After the lengths are accepted.
    virtual void LunghezzeConfermate() {}
    virtual void DopoAttivazione(bool inserito) { (void)inserito; }

    int16_t ModoScelto() const;
    Progetto& Selezionato() const;
    QWidget* PannelloSinistro() const { return sinistra_; }

  private:
    void CreaControlli();
    QGroupBox* CreaLunghezze();
    QGroupBox* CreaBlocco();
    void ImpostaGriglia();
    std::string CellaCorsa(int i, const std::string& formato) const;
    // The force and rate cells of table row i, blank while the row holds no value.
    void ScriviRiga(int i, const std::string& formatoForza, const std::string& formatoCostante);
    // The refusal of a table whose row i holds no value: the open block is closed and the row
    // selected, so that a click or a key makes the block that fills it.
    void RigaSenzaValore(int i);
    void VisualizzaIntervallo();
    void VisualizzaIntervalloForza();
    int UltimaRigaBlocco() const { return GrdTabella->SelStartRow() + RigheBlocco - 1; }
    int PassoStampa() const;

    QWidget* sinistra_ = nullptr;
};

} // namespace kelvra
