// The menu sections: the line grammar, its limits and the field splitter.
#include "core/Azzeramento.h"
#include "core/Lingua.h"
#include "core/MenuLingua.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace kelvra;

namespace {

using Testi = std::vector<std::string>;

class LanguageMenus : public ::testing::Test {
  protected:
    void SetUp() override { AzzeraProgramma(); }
    void TearDown() override { AzzeraProgramma(); }

    // Puts a menu section (and a section after it) among the decoded lines and reads it.
    static void Leggi(const Testi& righe, const char* nome = "MnuTest") {
        LineeLingua = {"[Main]", "caption", "", "[MnuTest]"};
        LineeLingua.insert(LineeLingua.end(), righe.begin(), righe.end());
        LineeLingua.insert(LineeLingua.end(), {"", "[Other]", "Other=Never,Read"});
        ASSERT_TRUE(LeggiMenuLingua(nome));
    }
    // Caption and items of every menu, as the windows read them.
    static std::vector<Testi> Menu() {
        std::vector<Testi> m(std::max<int>(NumeroMenu, 0));
        for (int r = 1; r <= NumeroMenu; ++r)
            for (int k = 0; k <= NumeroVociMenu[r]; ++k) m[r - 1].push_back(VoceMenu(r, k));
        return m;
    }
    static std::string Cella(const std::string& s) { return s + std::string(40 - s.size(), ' '); }
};

} // namespace

TEST(FieldSplitter, CollectsUpToTheSeparatorAndTellsWhetherMoreFollows) {
    // Text, separator, start, whether more follows, the field, the position after (-1: not
    // looked at).
    const std::tuple<const char*, char, int16_t, bool, const char*, int16_t> casi[] = {
        {"File=New,Open", '=', 1, true, "File", 6},
        {"File=New,Open", ',', 6, true, "New", 10},
        {"File=New,Open", ',', 10, false, "Open", 14},
        {"Help=", '=', 1, false, "Help", -1}, // a separator last: nothing more follows
        {"A,B,  ", ',', 3, false, "B", -1},   // trailing spaces are not more text
        {"short", ',', 20, false, "", -1},    // past the end: an empty field
    };
    for (auto [testo, separatore, da, altro, campo, dopo] : casi) {
        std::string uscita = "old";
        int16_t pos = da;
        EXPECT_EQ(EstraiCampo(testo, separatore, pos, uscita), altro) << testo << da;
        EXPECT_EQ(uscita, campo);
        EXPECT_TRUE(dopo < 0 || pos == dopo) << testo << " " << pos;
    }
}

TEST_F(LanguageMenus, LinesWithTheSameCaptionMakeOneMenuAndItemsKeepTheirOrder) {
    Leggi({"File=New,Open", "File=Save", "Help"});
    // A line without "=": a caption with no items.
    EXPECT_EQ(Menu(), (std::vector<Testi>{{"File", "New", "Open", "Save"}, {"Help"}}));
    EXPECT_EQ(VoceMenu(3, 0), ""); // nothing of the following section is read
    // Reading again replaces the whole table; a missing section empties it.
    Leggi({"C=5"});
    EXPECT_EQ(Menu(), (std::vector<Testi>{{"C", "5"}}));
    EXPECT_EQ(VoceMenu(2, 0), "");
    EXPECT_FALSE(LeggiMenuLingua("MnuNowhere"));
    EXPECT_EQ(NumeroMenu, 0);
    EXPECT_EQ(VoceMenu(1, 0), "");
    // The header is found anywhere on its line; the end of the lines ends the section.
    LineeLingua = {"x [MnuTest] y", "A=1", "B=2"};
    ASSERT_TRUE(LeggiMenuLingua("MnuTest"));
    EXPECT_EQ(VoceMenu(2, 1), "2");
}

TEST_F(LanguageMenus, ItemsKeepTheirSpacesAndEmptyPiecesAreItems) {
    Leggi({"  Edit=Cut, Copy,,Paste,  "}, " MnuTest ");
    EXPECT_EQ(TabellaMenu[1][2], Cella(" Copy"));
    EXPECT_EQ(Menu(),
              (std::vector<Testi>{{"Edit", "Cut", "Copy", "", "Paste"}})); // "": a separator
    // A caption with "=" and nothing after it has no items; an empty first piece is an item.
    Leggi({"Tools=", "View=,Grid"});
    EXPECT_EQ(Menu(), (std::vector<Testi>{{"Tools"}, {"View", "", "Grid"}}));
}

TEST_F(LanguageMenus, TwentyMenusOfThirtyItemsAtMost) {
    // 21 menus; the first has 20 items on its line and 12 more on a second line, 10 of which fit.
    Testi righe = {"Big=a10", "Big=b30"};
    for (int k = 11; k <= 29; ++k) righe[0] += ",a" + std::to_string(k);
    for (int k = 31; k <= 41; ++k) righe[1] += ",b" + std::to_string(k);
    for (int r = 2; r <= 21; ++r) righe.push_back("M" + std::to_string(r) + "=a,b");
    Leggi(righe);
    EXPECT_EQ(NumeroMenu, 20);
    EXPECT_EQ(VoceMenu(21, 0), "");
    EXPECT_EQ(NumeroVociMenu[1], 30);
    EXPECT_EQ(VoceMenu(1, 30), "b39");
}

TEST_F(LanguageMenus, CellsAreFortyCharactersAndLinesAreCutTo110BeforeSplitting) {
    const std::string lungo(45, 'c');
    Leggi({lungo + "=" + std::string(50, 'i')});
    EXPECT_EQ(TabellaMenu[1][0], std::string(40, 'c'));
    EXPECT_EQ(TabellaMenu[1][1], std::string(40, 'i'));
    // Captions that agree in their first 40 characters continue the same menu.
    Leggi({lungo + "=a", std::string(40, 'c') + "x=b"});
    EXPECT_EQ(NumeroMenu, 1);
    EXPECT_EQ(NumeroVociMenu[1], 2);
    // Characters 104..110 of the line are the last kept.
    Leggi({"F=" + std::string(100, 'a') + ",bcdefghijklmn"});
    ASSERT_EQ(NumeroVociMenu[1], 2);
    EXPECT_EQ(VoceMenu(1, 2), "bcdefgh");
}
