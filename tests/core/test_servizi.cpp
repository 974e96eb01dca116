// Common services: titles, file names, the program folder, tolerance tests, and the
// unsaved-changes question, asked only when a held project holds VERO for the kind.
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Salvataggio.h"
#include "core/Servizi.h"
#include "support/CartellaProva.h"
#include "support/Risposte.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <tuple>

using namespace kelvra;

namespace {

class Services : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        TestiCommon.assign(20, "");
        TestiCommon[17] = "Project";
        TestiCurve = {"Graphs", "configurations"};
    }
};

TEST_F(Services, TitleFromTheProjectsHeldWithTheFileNameAlone) {
    for (const char* nome :
         {"C:\\Data\\Link A.kvp", "/data/Link A.kvp", "/a\\b/Link A.kvr", "C:\\a.b\\Link A.kvt"}) {
        EXPECT_EQ(EstraiNomeFile(nome), "Link A");
        Progetti[1].NomeConfigurazione = nome;
        EXPECT_EQ(ComponiTitolo("Tables"), "Tables - Link A");
    }
    EXPECT_EQ(EstraiNomeFile("/x/.kvp"), "");
    Progetti[1].NomeConfigurazione.clear();
    EXPECT_EQ(ComponiTitolo("Tables"), "Tables - Project: 01");
    NumeroProgetti = 0;
    EXPECT_EQ(ComponiTitolo("Graphs"), "");
}

TEST_F(Services, CeilingAndToleranceTests) {
    EXPECT_EQ(ArrotondaEccesso(2.1f), 3);
    EXPECT_EQ(ArrotondaEccesso(-2.1f), -2);
    EXPECT_EQ(ArrotondaEccesso(-3.0f), -3);
    EXPECT_EQ(ArrotondaEccesso(1e20f), 2147483647);
    EXPECT_TRUE(SuperaTolleranza(10, 4, 5, 6));
    EXPECT_FALSE(SuperaTolleranza(10, 4, 6, 6)); // 6 is not greater than 6
    EXPECT_FALSE(SuperaTolleranza(10, 4, 5, 7)); // 6 is less than 7
    EXPECT_TRUE(SuperaTolleranzaSeNonMaggiore(2, 2, 10, 4, 5, 6));
    EXPECT_FALSE(SuperaTolleranzaSeNonMaggiore(2, 1, 10, 4, 5, 6));
    EXPECT_FALSE(SuperaTolleranzaSeNonMaggiore(1, 2, 10, 4, 6, 6));
    EXPECT_TRUE(VerificaDifferenzaMaggiore(10, 4, 5.5));
    EXPECT_FALSE(VerificaDifferenzaMaggiore(10, 4, 6));
}

TEST_F(Services, AskedOnlyForAChangedKindOfAHeldProject) {
    constexpr int NESSUNA = 0; // no answer queued: the box gets the harmless one
    // Projects held, the project changed, the kind changed, its flag, the kind asked about, the
    // answer, what the question returns and whether it is asked.
    const std::tuple<int16_t, int16_t, int16_t, int16_t, int16_t, int, int16_t, bool> casi[] = {
        {2, 2, MOD_MOLLA, VERO, MOD_MOLLA, vbYes, VERO, true},
        {2, 2, MOD_MOLLA, VERO, MOD_MOLLA, vbNo, FALSO, true},
        {2, 2, MOD_MOLLA, VERO, MOD_TAMPONE, vbYes, FALSO, false},
        {2, 2, MOD_MOLLA, VERO, MOD_SCHEMA, vbYes, FALSO, false},
        {2, 3, MOD_PROGETTO, VERO, MOD_PROGETTO, vbYes, FALSO, false}, // above the count
        {3, 3, MOD_PROGETTO, VERO, MOD_PROGETTO, vbYes, VERO, true},
        {1, 1, MOD_SCHEMA, 1, MOD_SCHEMA, vbYes, FALSO, false}, // only -1 is a change
        {1, 1, MOD_AMMORTIZZATORE, VERO, MOD_AMMORTIZZATORE, vbCancel, FALSO, true},
        {1, 1, MOD_AMMORTIZZATORE, VERO, MOD_AMMORTIZZATORE, vbOK, FALSO, true},
        {1, 1, MOD_AMMORTIZZATORE, VERO, MOD_AMMORTIZZATORE, NESSUNA, FALSO, true},
        {1, 1, MOD_PROGETTO, VERO, -1, vbYes, FALSO, false},
        {1, 1, MOD_PROGETTO, VERO, 5, vbYes, FALSO, false},
        {0, 1, MOD_PROGETTO, VERO, MOD_PROGETTO, vbYes, FALSO, false},
        {7, 1, MOD_PROGETTO, VERO, MOD_PROGETTO, vbYes, FALSO, false},
    };
    for (const auto& [numero, progetto, modificato, valore, chiesto, risposta, atteso, chiede] :
         casi) {
        SCOPED_TRACE(testing::PrintToString(std::tie(numero, progetto, chiesto, risposta)));
        AzzeraTabelle();
        dialoghi.mostrati.clear();
        dialoghi.risposte.clear();
        NumeroProgetti = numero;
        Progetti[progetto].ModificatoFile[modificato] = valore;
        if (risposta != NESSUNA) dialoghi.Rispondi(risposta);
        EXPECT_EQ(ChiediSalvataggio("Save the changes?", chiesto), atteso);
        ASSERT_EQ(dialoghi.mostrati.size(), chiede ? 1u : 0u);
        if (chiede) {
            EXPECT_EQ(dialoghi.mostrati[0].testo, "Save the changes?");
            EXPECT_EQ(dialoghi.mostrati[0].stile, vbYesNo);
        }
    }
}

class ProgramFolder : public Services {
  protected:
    void TearDown() override {
        std::filesystem::current_path(precedente_);
        Services::TearDown();
    }
    std::filesystem::path precedente_ = std::filesystem::current_path();
    test::CartellaProva prova{"kelvra_cartella"};
};

TEST_F(ProgramFolder, FolderBecomesCurrentWithOneTrailingSeparator) {
    ASSERT_TRUE(ImpostaPercorsoApplicazione("/"));
    EXPECT_EQ(PercorsoApplicazione, "/");
    ASSERT_TRUE(ImpostaPercorsoApplicazione(prova.cartella.string()));
    EXPECT_EQ(PercorsoApplicazione, prova.cartella.string() + "/");
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(prova.cartella));
    // A missing folder changes nothing.
    EXPECT_FALSE(ImpostaPercorsoApplicazione((prova.cartella / "absent").string()));
    EXPECT_EQ(PercorsoApplicazione, prova.cartella.string() + "/");
    EXPECT_FALSE(ImpostaPercorsoApplicazione(""));
    // None given: the running program's folder.
    ASSERT_TRUE(ImpostaPercorsoApplicazione());
    const auto eseguibile = std::filesystem::canonical("/proc/self/exe").parent_path();
    EXPECT_EQ(PercorsoApplicazione, eseguibile.string() + "/");
    EXPECT_EQ(std::filesystem::current_path(), eseguibile);
}

} // namespace
