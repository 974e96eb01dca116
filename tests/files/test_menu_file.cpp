// The geometry editor's file items as a user runs them: save as, open after the save
// question, compare, and a cancelled compare; and its component menus.
#include "components/EditorComponenti.h"
#include "files/FileProgetto.h"
#include "files/FrmSalva.h"
#include "files/Scelte.h"
#include "support/CartellaProva.h"
#include "support/FinestraReale.h"
#include "support/RisposteDialoghi.h"

using namespace kelvra;

namespace {

class FileMenu : public test::FinestraReale {
  protected:
    void SetUp() override { FinestraReale::SetUp(), RegistraFileProgetto(); }
    void Scegli(int indice) {
        ed->FileItem.at(indice)->setEnabled(true);
        ed->FileItem.at(indice)->trigger();
    }
    // A message as the user reads it: language lines in UTF-8.
    static std::string Testo(int riga) { return InUtf8(Riga(Messaggi, riga)); }
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

// Two projects from one file (the file compared twice), then Save project as: two rows
// naming one file, as shown or as typed, write nothing and the message names them; a new
// name for one row saves both, the other row to its own file without a question.
TEST_F(FileMenu, SaveAsRefusesTwoRowsNamingOneFile) {
    const std::string p = PercorsoApplicazione + "p.kvp",
                      doppel = PercorsoApplicazione + "Doppel.kvp";
    Progetti[1].UltimoElemento = 1;
    ASSERT_TRUE(SalvaProgetto(p, 1));
    scelte.fileDaAprire = {p, ""};
    for (int i = 0; i < 4; ++i) dialoghi.Rispondi(vbOK); // what the file lacks
    dialoghi.Rispondi(vbYes);                            // load another
    Scegli(3);
    ASSERT_EQ(NumeroProgetti, 2);
    Progetti[2].LungMollaLibera = 123;
    for (int q : {1, 2}) Progetti[q].ModificatoFile[MOD_PROGETTO] = VERO;
    dialoghi.mostrati.clear();
    bool doppelScritto = false;
    scelte.RispondiModale([&](QWidget* w) {
        auto& f = *qobject_cast<FrmSalva*>(w);
        f.show();
        f.CmdSalva->click(); // both rows show "p"
        for (int i : {1, 2}) f.TxtSalva[size_t(i)]->setText("Doppel");
        f.CmdSalva->click();
        doppelScritto = std::filesystem::exists(doppel);
        f.TxtSalva[1]->setText("p"), f.CmdSalva->click();
        return 0;
    });
    Scegli(6);
    const std::string righe = Testo(86) + " 1 " + Testo(87) + " 2 " + Testo(88) + "\n";
    ASSERT_EQ(dialoghi.mostrati.size(), 2u);
    EXPECT_EQ(dialoghi.mostrati[0].testo, righe + p);
    EXPECT_EQ(dialoghi.mostrati[1].testo, righe + doppel);
    EXPECT_EQ(righe, "Rows 1 and 2 name the same file; nothing was saved:\n");
    EXPECT_FALSE(doppelScritto);
    // Project 1 went to its own file without a question, project 2 to Doppel.
    EXPECT_EQ(std::tuple(Progetti[1].ModificatoFile[MOD_PROGETTO],
                         Progetti[2].ModificatoFile[MOD_PROGETTO]),
              std::tuple(FALSO, FALSO));
    EXPECT_FALSE(test::LeggiFile(doppel) == test::LeggiFile(p));
    EXPECT_EQ(std::tuple(Progetti[1].NomeFileProgetto, Progetti[2].NomeFileProgetto),
              std::tuple(p, doppel));
}

// One project held: Save project as, the exit save step, a component's Save as and the save
// chooser write the project's own file without a question, but replace another file of the
// default name only on Yes to a question whose default is No; No leaves it byte for byte.
TEST_F(FileMenu, OneProjectSaveAsAsksBeforeReplacingAFileNotItsOwn) {
    struct Caso {
        int tipo;
        std::function<void()> salva;
    } casi[] = {{MOD_PROGETTO, [this] { Scegli(6); }},
                {MOD_PROGETTO, [] { PassoSalvataggio(); }},
                {MOD_MOLLA, [this] { ed->MollaItem_Click(5); }},
                {MOD_MOLLA, [this] { // the graph window's save chooser, the spring alone
                     P().MollaInserita = VERO;
                     scelte.RispondiModale([](QWidget* w) {
                         auto& s = *qobject_cast<SceltaSave*>(w);
                         for (size_t k = 0; k < 4; ++k) s.ChkOption[k]->setChecked(k == 2);
                         return s.CmdOK->click(), 0;
                     });
                     MostraSceltaSave();
                 }}};
    const int domanda = vbYesNo + vbQuestion + vbDefaultButton2 + TESTO_UTF8;
    for (const Caso& c : casi) {
        SCOPED_TRACE(&c - casi);
        const TipoFile& t = TipoDiFile(c.tipo);
        const std::string nome = PercorsoProgettoUnico(t), ieri = "yesterday's file";
        test::ScriviFile(nome, ieri);
        auto salva = [&](std::initializer_list<int> risposte) {
            P().ModificatoFile[MOD_PROGETTO] = VERO; // the exit step's question: Yes
            dialoghi.mostrati.clear(), dialoghi.risposte.clear();
            if (&c == &casi[1]) dialoghi.Rispondi(vbYes);
            for (int r : risposte) dialoghi.Rispondi(r);
            c.salva();
            return dialoghi.mostrati.empty() ? test::MessaggioMostrato{} : dialoghi.mostrati.back();
        };
        const test::MessaggioMostrato chiesto = salva({vbNo});
        EXPECT_EQ(std::tuple(chiesto.testo, chiesto.stile),
                  std::tuple(Testo(89) + "\n" + nome, domanda));
        EXPECT_TRUE(test::LeggiFile(nome) == ieri); // byte for byte
        EXPECT_EQ(P().*t.percorso, "");
        salva({vbYes});
        EXPECT_FALSE(test::LeggiFile(nome) == ieri);
        EXPECT_EQ(P().*t.percorso, nome);
        test::ScriviFile(nome, ieri); // its own file now: written again without a question
        EXPECT_EQ(salva({}).stile & vbDefaultButton2, 0);
        EXPECT_FALSE(test::LeggiFile(nome) == ieri);
        P().*t.percorso = "";
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
