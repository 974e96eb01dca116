// Common services: state code, titles, file names, the program folder, tolerance tests.
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Servizi.h"
#include "support/Risposte.h"

#include <filesystem>
#include <gtest/gtest.h>

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
    void TearDown() override {
        TestiCommon.clear();
        TestiCurve.clear();
        TabelleAzzerate::TearDown();
    }
};

TEST_F(Services, StateCodeSumsTheFlagsOfTheNewestProject) {
    NumeroProgetti = 2;
    Progetti[2].GeometriaInserita = VERO;
    Progetti[2].TamponeInserito = VERO;
    AggiornaStatoProgetto();
    EXPECT_EQ(Progetti[2].StatoDatiProgetto, 9);
    EXPECT_EQ(Progetti[1].StatoDatiProgetto, 0) << "only the newest project is recomputed";
    Progetti[2].GeometriaInserita = 1; // a flag holding 1 is not true
    Progetti[2].AmmortizzatoreInserito = VERO;
    AggiornaStatoProgetto();
    EXPECT_EQ(Progetti[2].StatoDatiProgetto, 12);
    NumeroProgetti = 0; // no project: nothing to recompute, nothing touched
    AggiornaStatoProgetto();
    EXPECT_EQ(Progetti[0].StatoDatiProgetto, 0);
}

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
    NumeroProgetti = 3;
    EXPECT_EQ(ComponiTitolo("Graphs"), "Graphs - 3 configurations");
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

class ProgramFolder : public Services {
  protected:
    void TearDown() override {
        std::filesystem::current_path(precedente_);
        std::filesystem::remove_all(cartella_);
        PercorsoApplicazione.clear();
        Services::TearDown();
    }
    std::filesystem::path precedente_ = std::filesystem::current_path();
    std::filesystem::path cartella_ = std::filesystem::temp_directory_path() / "kelvra_cartella";
};

TEST_F(ProgramFolder, FolderBecomesCurrentWithOneTrailingSeparator) {
    std::filesystem::create_directories(cartella_);
    ASSERT_TRUE(ImpostaPercorsoApplicazione(cartella_.string()));
    EXPECT_EQ(PercorsoApplicazione, cartella_.string() + "/");
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::canonical(cartella_));
    ASSERT_TRUE(ImpostaPercorsoApplicazione("/"));
    EXPECT_EQ(PercorsoApplicazione, "/");
    // A missing folder changes nothing.
    ASSERT_TRUE(ImpostaPercorsoApplicazione(cartella_.string()));
    EXPECT_FALSE(ImpostaPercorsoApplicazione((cartella_ / "absent").string()));
    EXPECT_EQ(PercorsoApplicazione, cartella_.string() + "/");
    EXPECT_FALSE(ImpostaPercorsoApplicazione(""));
    // None given: the running program's folder.
    ASSERT_TRUE(ImpostaPercorsoApplicazione());
    const auto eseguibile = std::filesystem::canonical("/proc/self/exe").parent_path();
    EXPECT_EQ(PercorsoApplicazione, eseguibile.string() + "/");
    EXPECT_EQ(std::filesystem::current_path(), eseguibile);
}

} // namespace
