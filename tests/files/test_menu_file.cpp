// The geometry editor's file items as a user runs them: save as, open after the save
// question, compare, and a cancelled compare; and its component menus.
#include "components/EditorComponenti.h"
#include "files/FileProgetto.h"
#include "support/CartellaProva.h"
#include "support/FinestraReale.h"
#include "support/RisposteDialoghi.h"

using namespace kelvra;

namespace {

class FileMenu : public test::FinestraReale {
  protected:
    void SetUp() override { FinestraReale::SetUp(), RegistraFileProgetto(); }
    RisposteDialoghi scelte;
};

TEST_F(FileMenu, SaveOpenAndCompareGeometryFiles) {
    const std::string nome = PercorsoApplicazione + Riga(TestiInsGeo01, 18) + " 01.kv3";
    // Open with unsaved changes: Yes saves under the default name, then the dialog is
    // cancelled and nothing else happens.
    P().ModificatoFile[MOD_SCHEMA] = VERO;
    dialoghi.Rispondi(vbYes);
    ed->SchemaItem_Click(4);
    ASSERT_TRUE(std::filesystem::exists(nome));
    EXPECT_EQ(P().NomeFileSchema, nome);
    EXPECT_EQ(P().ModificatoFile[MOD_SCHEMA], FALSO);
    EXPECT_EQ(CaricatoSchema, FALSO);
    EXPECT_EQ(scelte.richiesteApri.at(0).cartella, PercorsoApplicazione);

    // Project 1 holds the swingarm alone, so the compare loads into slot 1 itself.
    P().RaggioRuota = 111;
    scelte.fileDaAprire.push_back(nome);
    ed->SchemaItem_Click(5);
    EXPECT_EQ(std::tuple(CaricatoSchema, EsitoConfronto, NumeroProgetti),
              std::tuple(VERO, VERO, 1));
    EXPECT_NE(P().RaggioRuota, 111);

    // A spring compare whose first load is cancelled gives back the slot numbers.
    NumeroProgetti = ProgettoSelezionato = 2;
    ed->MollaItem_Click(4);
    EXPECT_EQ(std::tuple(NumeroProgetti, ProgettoSelezionato, EsitoConfronto),
              std::tuple(2, 2, FALSO));
    EXPECT_EQ(scelte.richiesteApri.size(), 3u);
}

TEST_F(FileMenu, ExitSaveStepWritesTheWholeProject) {
    Progetti[1].ModificatoFile[MOD_MOLLA] = VERO;
    AggiornaModificatoProgetto(1);
    dialoghi.Rispondi(vbYes);
    PassoSalvataggio();
    EXPECT_TRUE(std::filesystem::exists(PercorsoApplicazione + Riga(TestiCommon, 12) + " 01.kvp"));
    EXPECT_EQ(Progetti[1].ModificatoFile, (std::array<int16_t, 5>{}));
}

TEST_F(FileMenu, FileMenuComparesProjectsIntoTheNextSlots) {
    Progetti[1].UltimoElemento = 1; // project 1 holds a chain: the compare adds slots
    ASSERT_TRUE(SalvaProgetto(PercorsoApplicazione + "p.kvp", 1));
    auto scegli = [this](int indice) {
        ed->FileItem.at(indice)->setEnabled(true);
        ed->FileItem.at(indice)->trigger();
    };
    scelte.fileDaAprire = {PercorsoApplicazione + "p.kvp", ""};
    for (int i = 0; i < 3; ++i) dialoghi.Rispondi(vbOK); // what the file lacks
    dialoghi.Rispondi(vbYes);                            // load another
    scegli(3);
    EXPECT_EQ(scelte.richiesteApri.size(), 2u);
    // The second load was cancelled: back to the first one.
    EXPECT_EQ(std::tuple(NumeroProgetti, EsitoConfronto), std::tuple(2, VERO));
    EXPECT_EQ(Progetti[2].NomeFileProgetto, PercorsoApplicazione + "p.kvp");
    Progetti[2].ModificatoFile[MOD_MOLLA] = VERO;
    dialoghi.Rispondi(vbYes);
    ed->MollaItem_Click(1); // entering data asks first: Yes shows the spring's save dialog
    scegli(6);              // save as: the project's
    EXPECT_EQ(scelte.classiModali, std::vector<QString>(2, "kelvra::FrmSalva"));
}

// One project held: Save project as, the exit save step and a component's Save as replace a file of
// the default name that is not the project's own only on Yes to a question whose default is No; No
// leaves it byte for byte.
TEST_F(FileMenu, OneProjectSaveAsAsksBeforeReplacingAFileNotItsOwn) {
    const std::pair<const char*, std::function<void()>> casi[] = {
        {"Project 01.kvp",
         [this] { ed->FileItem.at(6)->setEnabled(true), ed->FileItem.at(6)->trigger(); }},
        {"Project 01.kvp", [] { PassoSalvataggio(); }},
        {"Spring 01.kvr", [this] { ed->MollaItem_Click(5); }}};
    for (const auto& [nome, salva] : casi) {
        SCOPED_TRACE(&salva - &casi[0].second);
        const std::string file = PercorsoApplicazione + nome, ieri = "yesterday's file";
        test::ScriviFile(file, ieri);
        for (int risposta : {vbNo, vbYes}) {
            P().ModificatoFile[MOD_PROGETTO] = VERO, dialoghi.mostrati.clear();
            if (&salva == &casi[1].second) dialoghi.Rispondi(vbYes); // the exit step's question
            dialoghi.Rispondi(risposta), salva();
            ASSERT_FALSE(dialoghi.mostrati.empty());
            EXPECT_EQ(std::tuple(dialoghi.mostrati.back().testo, dialoghi.mostrati.back().stile),
                      std::tuple(InUtf8(Riga(Messaggi, 89)) + "\n" + file,
                                 vbYesNo + vbQuestion + vbDefaultButton2 + TESTO_UTF8));
            EXPECT_EQ(test::LeggiFile(file) == ieri, risposta == vbNo);
        }
        P().NomeFileProgetto = P().NomeFileMolla = ""; // the next case's file is not its own
    }
}

TEST_F(FileMenu, EachComponentItemOpensItsWindowModalOnTheEditorsProject) {
    RegistraEditorComponenti();
    ProgettoSelezionato = 0;
    ed->MollaItem_Click(1);
    EXPECT_EQ(ProgettoSelezionato, NumeroProgetti);
    ed->TamponeItem_Click(1), ed->AmmortizzatoreItem_Click(1), ed->AmmortizzatoreItem_Click(7);
    ed->PrecaricoItem_Click(1);
    EXPECT_EQ(scelte.classiModali, (std::vector<QString>{"kelvra::INSMOLLA", "kelvra::InsTampone",
                                                         "kelvra::INSAMMORTIZZATORE",
                                                         "kelvra::FRMACQ", "kelvra::FrmPLoad"}));
}

} // namespace
