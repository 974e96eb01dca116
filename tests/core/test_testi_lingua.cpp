// The program's own English language file: every line a window reads has a text, and the
// menu sections give each window's menus in their order.
#include "core/Azzeramento.h"
#include "core/Lingua.h"
#include "core/MenuLingua.h"
#include "core/Progetti.h"
#include "support/CartellaProva.h"
#include "support/Risposte.h"
#include "support/Tsv.h"

#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace kelvra;

namespace {

// The source tree, named by the build, so the test reads the same files wherever it runs.
const fs::path Qui = fs::path(KELVRA_SORGENTI) / "tests/core";

// The text sections by the names the lists give them ("Unità" in UTF-8).
// clang-format off
const std::map<std::string, const SezioneTesti*> TABELLE{
    {"Lingua", &TestiLingua}, {"Common", &TestiCommon}, {"Quantity", &TestiQuantity},
    {"Unit\xC3\xA0", &TestiUnita}, {"Toolbar", &TestiToolbar}, {"MsgBox", &Messaggi},
    {"Main", &TestiMain}, {"FrmMenu", &TestiFrmMenu}, {"InsGeo01", &TestiInsGeo01},
    {"InsMolla", &TestiInsMolla}, {"InsAmmortizzatore", &TestiInsAmmortizzatore},
    {"InsTampone", &TestiInsTampone}, {"FrmPLoad", &TestiFrmPLoad}, {"Curve", &TestiCurve},
    {"Funzioni", &TestiFunzioni}, {"Lettore", &TestiLettore}, {"Tabelle", &TestiTabelle},
    {"AboutBox", &TestiAboutBox}, {"FrmAcquisizione", &TestiFrmAcquisizione}};
// clang-format on

// Scrambles lang/english.txt as the build does and loads it from a program folder.
class EnglishLanguageFile : public ::testing::Test {
  protected:
    void SetUp() override {
        AzzeraProgramma();
        std::string codificato, errore;
        ASSERT_TRUE(CodificaSorgenteLingua(test::LeggiFile(Qui / "../../lang/english.txt"),
                                           codificato, errore))
            << errore;
        test::ScriviFile(prova.cartella / "Kelvra3.lng", codificato);
        ASSERT_TRUE(CaricaLingua());
    }
    void TearDown() override { AzzeraProgramma(); }

    test::CartellaProva prova{"kelvra_english"};
    test::Risposte dialoghi;
};

} // namespace

TEST_F(EnglishLanguageFile, EveryLineTheWindowsReadHasAText) {
    auto righe = test::LeggiTsv(Qui / "data/language-lines.tsv");
    ASSERT_GT(righe.size(), 300u);
    for (const auto& r : righe) {
        ASSERT_GE(r.size(), 3u);
        auto t = TABELLE.find(r[0]);
        ASSERT_NE(t, TABELLE.end()) << r[0];
        EXPECT_FALSE(Riga(*t->second, std::stoi(r[1])).empty()) << r[0] << " " << r[1];
    }
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(EnglishLanguageFile, CatalogueMatchesTheLoadedTexts) {
    auto righe = test::LeggiTsv(Qui / "../../lang/catalogue.tsv");
    int testi = 0;
    for (const auto& r : righe) {
        ASSERT_EQ(r.size(), 5u);
        if (r[0].rfind("Mnu", 0) == 0) continue;
        auto t = TABELLE.find(r[0]);
        ASSERT_NE(t, TABELLE.end()) << r[0];
        // The catalogue shows the text in UTF-8, the table holds code-page bytes.
        EXPECT_EQ(InUtf8(Riga(*t->second, std::stoi(r[1]))), r[4]) << r[0] << " " << r[1];
        ++testi;
    }
    size_t caricate = 0;
    for (const auto& [nome, tabella] : TABELLE) caricate += tabella->size();
    EXPECT_EQ(static_cast<size_t>(testi), caricate);
}

TEST_F(EnglishLanguageFile, MenuSectionsFollowTheWindowsMenus) {
    struct Atteso {
        const char* sezione;
        int menu;
        std::vector<int> voci; // items per menu
    };
    // The menus are read from the lines kept in memory: the plain file may be gone.
    EliminaFileLingua();
    ASSERT_FALSE(fs::exists(prova.cartella / "Kelvra3@@.lng"));
    const Atteso attesi[] = {
        {"MnuMain", 2, {3, 5}},
        {"MnuFrmMenu", 11, {13, 6, 7, 5, 5, 1, 1, 1, 1, 1, 5}},
        {"MnuFrmInsGeo", 14, {14, 9, 7, 5, 5, 1, 4, 7, 1, 3, 1, 1, 1, 5}},
        {"MnuCurve", 10, {22, 6, 2, 2, 5, 14, 1, 1, 4, 5}},
    };
    for (const auto& a : attesi) {
        ASSERT_TRUE(LeggiMenuLingua(a.sezione)) << a.sezione;
        ASSERT_EQ(NumeroMenu, a.menu) << a.sezione;
        for (int r = 1; r <= a.menu; ++r) {
            EXPECT_EQ(NumeroVociMenu[r], a.voci[static_cast<size_t>(r - 1)])
                << a.sezione << " menu " << r;
            EXPECT_FALSE(VoceMenu(r, 0).empty()) << a.sezione << " menu " << r;
        }
    }
    // Separators where the windows have them, the exit item last.
    ASSERT_TRUE(LeggiMenuLingua("MnuFrmMenu"));
    EXPECT_EQ(VoceMenu(1, 5), "");
    EXPECT_EQ(VoceMenu(1, 13), "E&xit");
    EXPECT_EQ(VoceMenu(11, 5), "&About");
    ASSERT_TRUE(LeggiMenuLingua("MnuCurve"));
    EXPECT_EQ(VoceMenu(6, 14), "Wheel rate");
}

// Each menu bar's captions, and the items of each menu, have access keys of their own.
TEST_F(EnglishLanguageFile, AccessKeysDifferWithinEachMenu) {
    auto tasto = [](const std::string& testo) {
        for (size_t i = testo.find('&'); i != std::string::npos; i = testo.find('&', i + 2))
            if (i + 1 < testo.size() && testo[i + 1] != '&')
                return static_cast<char>(std::tolower(static_cast<unsigned char>(testo[i + 1])));
        return '\0';
    };
    for (const char* sezione : {"MnuMain", "MnuFrmMenu", "MnuFrmInsGeo", "MnuCurve"}) {
        ASSERT_TRUE(LeggiMenuLingua(sezione)) << sezione;
        // Row 0 holds the bar's captions; each row k > 0 the items of menu k.
        for (int r = 0; r <= NumeroMenu; ++r) {
            std::map<char, std::string> visti;
            const int n = r == 0 ? NumeroMenu : NumeroVociMenu[r];
            for (int k = 1; k <= n; ++k) {
                const std::string voce = r == 0 ? VoceMenu(k, 0) : VoceMenu(r, k);
                if (char t = tasto(voce)) {
                    EXPECT_TRUE(visti.emplace(t, voce).second)
                        << sezione << ": " << voce << " and " << visti[t];
                }
            }
        }
    }
}

// The windows call a project a project: no text names it a configuration.
TEST_F(EnglishLanguageFile, ProjectsAreCalledProjects) {
    for (const auto& [nome, tabella] : TABELLE)
        for (size_t k = 0; k < tabella->size(); ++k) {
            std::string testo = (*tabella)[k];
            for (char& c : testo)
                c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            EXPECT_EQ(testo.find("configuration"), std::string::npos) << nome << " " << k;
        }
    EXPECT_EQ(Riga(TestiToolbar, 61), "Save the ticked projects");
}
