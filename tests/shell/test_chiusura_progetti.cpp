// Six projects made with the editor's Add project button and never saved, closed from the
// graph window, the editor and the start screen and by the graph legend: a project with
// changes not saved goes only after the question (Yes saves first, No drops it, Cancel keeps
// it), a saved one without it, and every caption the Window menu lists follows at once.
#include "files/FileProgetto.h"
#include "files/FrmSalva.h"
#include "graphs/Curve01.h"
#include "graphs/Funzioni.h"
#include "graphs/StatoGrafico.h"
#include "shell/Comandi.h"
#include "shell/FrmMenu.h"
#include "support/FinestraReale.h"
#include "support/RisposteDialoghi.h"

#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <algorithm>

using namespace kelvra;

namespace {

class ClosingProjects : public test::FinestraReale {
  protected:
    void PrimaDellAvvio() override {
        ReimpostaGrafico();
        FinestraReale::PrimaDellAvvio(), RegistraFrmMenu(), RegistraGrafici();
        RegistraFileProgetto();
    }
    void SetUp() override {
        FinestraReale::SetUp();
        QuadrilateroDigitato();
        for (int i = 0; i < 5; ++i) ed->CmdAddProject->click();
        ASSERT_EQ(NumeroProgetti, 6);
        for (int p = 1; p <= 6; ++p) ASSERT_TRUE(Vero(Progetti[p].ModificatoFile[MOD_PROGETTO]));
        MostraGrafici(1);
        f = CURVE01::Istanza();
        ASSERT_NE(f, nullptr);
    }
    void TearDown() override {
        delete CURVE01::Istanza(), delete MAIN::Istanza(), delete FRMMENU::Istanza();
        FinestraReale::TearDown();
        ReimpostaGrafico();
    }
    // Every caption the graph window's Window menu lists names `n` projects.
    void CaptionsName(int n) {
        emit f->MenuItem[8]->aboutToShow();
        std::string voci;
        for (QAction* a : f->MenuItem[8]->actions()) voci += AdAnsi(a->text()) + "|";
        for (const char* finestra : {"Main menu", "Linkage geometry", "Suspension graphs"})
            EXPECT_NE(voci.find(finestra + (" - " + std::to_string(n)) + " projects|"),
                      std::string::npos)
                << voci;
    }
    // The save dialog that comes after a Yes: Save pressed, or closed unused.
    void SaveDialog(bool salva) {
        scelte.RispondiModale([salva](QWidget* w) {
            if (salva) qobject_cast<FrmSalva*>(w)->CmdSalva->click();
            return 0;
        });
    }
    // The legend's Remove projects with only `tenuti` ticked; a Cancel leaves the panel open.
    void RemoveInLegend(std::vector<int> tenuti, bool yes) {
        scelte.RispondiModale([tenuti](QWidget* w) {
            auto* fz = qobject_cast<FUNZIONI*>(w);
            fz->CmdProgetti->click();
            for (int i = 1; i <= NumeroProgetti; ++i)
                fz->ChkCurva[i]->setChecked(std::count(tenuti.begin(), tenuti.end(), i) != 0);
            fz->CmdOff->click();
            if (FUNZIONI::Istanza() == fz) fz->CommandChiudi[9]->click();
            return 0;
        });
        if (yes) SaveDialog(false);
        f->CmdPulsantiera[5]->click();
    }
    CURVE01* f = nullptr;
    RisposteDialoghi scelte;
};

TEST_F(ClosingProjects, CloseLastFileAsksBeforeDroppingUnsavedWorkFromEveryFileMenu) {
    enum Finestra { GRAFICI, EDITOR, MENU };
    const struct {
        Finestra finestra;
        int risposta;
        bool salva; // the save dialog's Save pressed
        int numero;
    } casi[] = {{GRAFICI, vbCancel, false, 6}, {GRAFICI, vbNo, false, 5},
                {GRAFICI, vbYes, false, 5}, // the save dialog closed unused: nothing lost
                {EDITOR, vbCancel, false, 5},  {EDITOR, vbNo, false, 4},
                {MENU, vbCancel, false, 4},    {MENU, vbNo, false, 3},
                {GRAFICI, vbYes, true, 2}};
    for (const auto& c : casi) {
        SCOPED_TRACE(std::to_string(c.finestra) + " " + std::to_string(c.risposta));
        const int16_t prima = NumeroProgetti;
        dialoghi.mostrati.clear(), scelte.classiModali.clear();
        dialoghi.Rispondi(c.risposta);
        if (c.risposta == vbYes) SaveDialog(c.salva);
        if (c.finestra == GRAFICI) f->FileItem[4]->trigger();
        if (c.finestra == EDITOR) ed->FileItem_Click(4);
        if (c.finestra == MENU) FRMMENU::Istanza()->FileItem_Click(4);
        ASSERT_EQ(dialoghi.mostrati.size(), 1u);
        EXPECT_EQ(dialoghi.mostrati[0].testo, Riga(Messaggi, 90));
        EXPECT_EQ(dialoghi.mostrati[0].stile, vbYesNoCancel + vbQuestion);
        EXPECT_EQ(scelte.classiModali.size(), c.risposta == vbYes ? 1u : 0u);
        EXPECT_EQ(std::tuple(NumeroProgetti, ProgettoSelezionato), std::tuple(c.numero, c.numero));
        EXPECT_EQ(Progetti[prima].UltimoElemento == 0, c.numero < prima); // a kept one is whole
        CaptionsName(c.numero);
    }
    const std::string salvato = PercorsoApplicazione + Riga(TestiCommon, 12) + " 03.kvp";
    EXPECT_TRUE(std::filesystem::exists(salvato));
    EXPECT_EQ(Progetti[3].NomeFileProgetto, salvato);
    // The dialog saved project 2 as well: it goes without a question; the last one stays.
    dialoghi.mostrati.clear();
    f->FileItem[4]->trigger(), f->FileItem[4]->trigger();
    EXPECT_TRUE(dialoghi.mostrati.empty());
    EXPECT_EQ(NumeroProgetti, 1);
}

TEST_F(ClosingProjects, LegendRemovalAsksOnlyForProjectsWithUnsavedWork) {
    ASSERT_TRUE(SalvaProgetto(PercorsoApplicazione + "salvato.kvp", 6));
    const struct {
        std::vector<int> tenuti;
        int risposta, riga, numero;         // risposta 0: no question
    } casi[] = {{{1, 2, 3, 4, 5}, 0, 0, 5}, // project 6 is saved
                {{1, 2, 3}, vbCancel, 91, 5},
                {{1, 2, 3, 4}, vbCancel, 90, 5},
                {{1, 2, 3, 4}, vbNo, 90, 4},
                {{1, 3}, vbYes, 91, 4}}; // the save dialog closed unused
    for (const auto& c : casi) {
        SCOPED_TRACE(c.riga * 10 + c.numero);
        dialoghi.mostrati.clear();
        if (c.risposta) dialoghi.Rispondi(c.risposta);
        RemoveInLegend(c.tenuti, c.risposta == vbYes);
        ASSERT_EQ(dialoghi.mostrati.size(), c.risposta ? 1u : 0u);
        if (c.risposta) {
            EXPECT_EQ(dialoghi.mostrati[0].testo, Riga(Messaggi, c.riga));
        }
        EXPECT_EQ(NumeroProgetti, c.numero);
        CaptionsName(c.numero);
    }
    EXPECT_EQ(AdAnsi(ed->windowTitle()), "Linkage geometry - 4 projects");
}

} // namespace
