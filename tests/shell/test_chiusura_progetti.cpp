// Six projects made with the editor's Add project button and never saved, closed by the graph
// legend and by Close last file in the graph window, the editor and the start screen: projects
// with changes not saved go only after the question (Yes saves them first, No drops them,
// Cancel keeps them), saved ones without it, and every caption the Window menu lists follows.
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

using namespace kelvra;

namespace {

class ClosingProjects : public test::FinestraReale {
  protected:
    void PrimaDellAvvio() override {
        ReimpostaGrafico();
        FinestraReale::PrimaDellAvvio(), RegistraFrmMenu(), RegistraGrafici();
        RegistraFileProgetto();
    }
    void TearDown() override {
        delete CURVE01::Istanza(), delete MAIN::Istanza(), delete FRMMENU::Istanza();
        FinestraReale::TearDown();
        ReimpostaGrafico();
    }
    RisposteDialoghi scelte;
};

TEST_F(ClosingProjects, ClosingAsksBeforeDroppingUnsavedProjectsInEveryWindow) {
    QuadrilateroDigitato();
    for (int i = 0; i < 5; ++i) ed->CmdAddProject->click();
    MostraGrafici(1);
    CURVE01* f = CURVE01::Istanza();
    ASSERT_TRUE(f && NumeroProgetti == 6);
    enum Finestra { LEGENDA, GRAFICI, EDITOR, MENU };
    const struct {
        Finestra finestra;
        int tenuti; // the legend keeps projects 1..tenuti
        int risposta, riga;
        bool salva; // after Yes, the save dialog's Save pressed (else it is closed unused)
        int numero;
    } casi[] = {{LEGENDA, 3, vbCancel, 91, false, 6},
                {LEGENDA, 2, vbYes, 91, false, 6}, // nothing saved, nothing closed
                {LEGENDA, 5, vbNo, 90, false, 5},  // not asked about the kept ones
                {GRAFICI, 0, vbCancel, 90, false, 5},
                {GRAFICI, 0, vbNo, 90, false, 4},
                {EDITOR, 0, vbCancel, 90, false, 4},
                {MENU, 0, vbNo, 90, false, 3},
                {GRAFICI, 0, vbYes, 90, true, 2}};
    for (const auto& c : casi) {
        SCOPED_TRACE(&c - casi);
        dialoghi.mostrati.clear(), dialoghi.Rispondi(c.risposta);
        if (c.finestra == LEGENDA)
            scelte.RispondiModale([&c](QWidget* w) { // Remove projects, `tenuti` kept
                auto* fz = qobject_cast<FUNZIONI*>(w);
                fz->CmdProgetti->click();
                for (int i = 1; i <= NumeroProgetti; ++i)
                    fz->ChkCurva[i]->setChecked(i <= c.tenuti);
                fz->CmdOff->click();
                if (FUNZIONI::Istanza() == fz) fz->CommandChiudi[9]->click(); // left open
                return 0;
            });
        if (c.risposta == vbYes)
            scelte.RispondiModale([&c](QWidget* w) {
                if (c.salva) qobject_cast<FrmSalva*>(w)->CmdSalva->click();
                return 0;
            });
        if (c.finestra == LEGENDA) f->CmdPulsantiera[5]->click();
        if (c.finestra == GRAFICI) f->FileItem[4]->trigger();
        if (c.finestra == EDITOR) ed->FileItem_Click(4);
        if (c.finestra == MENU) FRMMENU::Istanza()->FileItem_Click(4);
        ASSERT_EQ(dialoghi.mostrati.size(), 1u);
        EXPECT_EQ(std::tuple(dialoghi.mostrati[0].testo, dialoghi.mostrati[0].stile),
                  std::tuple(Riga(Messaggi, c.riga), vbYesNoCancel + vbQuestion));
        EXPECT_EQ(std::tuple(NumeroProgetti, ProgettoSelezionato), std::tuple(c.numero, c.numero));
        emit f->MenuItem[8]->aboutToShow(); // the captions the Window menu lists count them
        QString voci;
        for (QAction* a : f->MenuItem[8]->actions()) voci += a->text() + "|";
        EXPECT_EQ(voci.count(QString(" - %1 projects|").arg(c.numero)), 3) << voci.toStdString();
    }
    EXPECT_TRUE(std::filesystem::exists(PercorsoApplicazione + "Project 03.kvp"));
    // The save dialog saved project 2 as well: it goes without a question.
    dialoghi.mostrati.clear(), f->FileItem[4]->trigger();
    EXPECT_EQ(std::tuple(dialoghi.mostrati.size(), NumeroProgetti), std::tuple(0u, 1));
}

} // namespace
