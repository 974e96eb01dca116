// The menu sections: the line grammar, its limits and the field splitter.
#include "core/Lingua.h"
#include "core/MenuLingua.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kelvra;

namespace {

class MenuLingua : public ::testing::Test {
  protected:
    void SetUp() override { AzzeraLingua(); }
    void TearDown() override { AzzeraLingua(); }

    // Puts a menu section (and a section after it) among the decoded lines.
    void Sezione(const std::vector<std::string>& righe) {
        LineeLingua = {"[Main]", "caption", "", "[MnuTest]"};
        LineeLingua.insert(LineeLingua.end(), righe.begin(), righe.end());
        LineeLingua.insert(LineeLingua.end(), {"", "[Other]", "Other=Never,Read"});
    }
};

std::string Cella(const std::string& s) {
    return s + std::string(40 - s.size(), ' ');
}

} // namespace

TEST(EstraiCampo, CollectsUpToTheSeparatorAndTellsWhetherMoreFollows) {
    std::string uscita;
    int16_t pos = 1;
    EXPECT_TRUE(EstraiCampo("File=New,Open", '=', pos, uscita));
    EXPECT_EQ(uscita, "File");
    EXPECT_EQ(pos, 6);
    EXPECT_TRUE(EstraiCampo("File=New,Open", ',', pos, uscita));
    EXPECT_EQ(uscita, "New");
    EXPECT_EQ(pos, 10);
    EXPECT_FALSE(EstraiCampo("File=New,Open", ',', pos, uscita));
    EXPECT_EQ(uscita, "Open");
    EXPECT_EQ(pos, 14);

    // A separator as the last character: the field before it, and nothing more follows.
    pos = 1;
    EXPECT_FALSE(EstraiCampo("Help=", '=', pos, uscita));
    EXPECT_EQ(uscita, "Help");
    // No separator at all: the whole text.
    pos = 1;
    EXPECT_FALSE(EstraiCampo("Help", '=', pos, uscita));
    EXPECT_EQ(uscita, "Help");
    // Trailing spaces do not count as more text.
    pos = 1;
    EXPECT_FALSE(EstraiCampo("A,B,  ", ',', pos = 3, uscita));
    EXPECT_EQ(uscita, "B");
    // A position past the end gives an empty field.
    pos = 20;
    EXPECT_FALSE(EstraiCampo("short", ',', pos, uscita));
    EXPECT_EQ(uscita, "");
}

TEST_F(MenuLingua, LinesWithTheSameCaptionMakeOneMenu) {
    Sezione({"File=New,Open", "File=Save", "Help"});
    ASSERT_TRUE(LeggiMenuLingua("MnuTest"));
    EXPECT_EQ(NumeroMenu, 2);
    EXPECT_EQ(TabellaMenu[1][0], Cella("File"));
    EXPECT_EQ(NumeroVociMenu[1], 3);
    EXPECT_EQ(VoceMenu(1, 1), "New");
    EXPECT_EQ(VoceMenu(1, 2), "Open");
    EXPECT_EQ(VoceMenu(1, 3), "Save");
    // A line without "=" is a caption with no items.
    EXPECT_EQ(VoceMenu(2, 0), "Help");
    EXPECT_EQ(NumeroVociMenu[2], 0);
    // Nothing of the following section is read.
    EXPECT_EQ(VoceMenu(3, 0), "");
}

TEST_F(MenuLingua, ItemsKeepTheirSpacesAndEmptyPiecesAreItems) {
    Sezione({"  Edit=Cut, Copy,,Paste,  "});
    ASSERT_TRUE(LeggiMenuLingua(" MnuTest "));
    EXPECT_EQ(NumeroMenu, 1);
    EXPECT_EQ(NumeroVociMenu[1], 4);
    EXPECT_EQ(TabellaMenu[1][2], Cella(" Copy"));
    EXPECT_EQ(VoceMenu(1, 2), "Copy");
    EXPECT_EQ(VoceMenu(1, 3), ""); // a separator line
    EXPECT_EQ(VoceMenu(1, 4), "Paste");
}

TEST_F(MenuLingua, CaptionAloneWithEqualsSignHasNoItems) {
    Sezione({"Tools=", "View=,Grid"});
    ASSERT_TRUE(LeggiMenuLingua("MnuTest"));
    EXPECT_EQ(NumeroMenu, 2);
    EXPECT_EQ(VoceMenu(1, 0), "Tools");
    EXPECT_EQ(NumeroVociMenu[1], 0);
    EXPECT_EQ(NumeroVociMenu[2], 2);
    EXPECT_EQ(VoceMenu(2, 1), "");
    EXPECT_EQ(VoceMenu(2, 2), "Grid");
}

TEST_F(MenuLingua, TwentyMenusOfThirtyItemsAtMost) {
    std::vector<std::string> righe;
    for (int r = 1; r <= 21; ++r) righe.push_back("M" + std::to_string(r) + "=a,b");
    auto elenco = [](char lettera, int da, int a) {
        std::string s;
        for (int k = da; k <= a; ++k) s += lettera + std::to_string(k) + ",";
        s.pop_back();
        return s;
    };
    righe[0] = "Big=" + elenco('a', 10, 29);                       // 20 items
    righe.insert(righe.begin() + 1, "Big=" + elenco('b', 30, 41)); // 12 more, 10 fit
    Sezione(righe);
    ASSERT_TRUE(LeggiMenuLingua("MnuTest"));
    EXPECT_EQ(NumeroMenu, 20);
    EXPECT_EQ(VoceMenu(20, 0), "M20");
    EXPECT_EQ(VoceMenu(21, 0), "");
    EXPECT_EQ(NumeroVociMenu[1], 30);
    EXPECT_EQ(VoceMenu(1, 20), "a29");
    EXPECT_EQ(VoceMenu(1, 21), "b30");
    EXPECT_EQ(VoceMenu(1, 30), "b39");
    EXPECT_EQ(VoceMenu(1, 31), "");
}

TEST_F(MenuLingua, CellsAreFortyCharactersCutOrPadded) {
    const std::string lungo(45, 'c');
    Sezione({lungo + "=" + std::string(50, 'i')});
    ASSERT_TRUE(LeggiMenuLingua("MnuTest"));
    EXPECT_EQ(TabellaMenu[1][0], std::string(40, 'c'));
    EXPECT_EQ(TabellaMenu[1][1], std::string(40, 'i'));
    // Captions that agree in their first 40 characters continue the same menu.
    Sezione({lungo + "=a", std::string(40, 'c') + "x=b"});
    ASSERT_TRUE(LeggiMenuLingua("MnuTest"));
    EXPECT_EQ(NumeroMenu, 1);
    EXPECT_EQ(NumeroVociMenu[1], 2);
}

TEST_F(MenuLingua, LinesAreCutTo110CharactersBeforeSplitting) {
    std::string riga = "F=" + std::string(100, 'a') + ",bcdefghijklmn";
    Sezione({riga});
    ASSERT_TRUE(LeggiMenuLingua("MnuTest"));
    ASSERT_EQ(NumeroVociMenu[1], 2);
    EXPECT_EQ(VoceMenu(1, 2), "bcdefgh"); // characters 104..110
}

TEST_F(MenuLingua, ReadingAgainReplacesTheWholeTable) {
    Sezione({"A=1,2,3", "B=4"});
    ASSERT_TRUE(LeggiMenuLingua("MnuTest"));
    Sezione({"C=5"});
    ASSERT_TRUE(LeggiMenuLingua("MnuTest"));
    EXPECT_EQ(NumeroMenu, 1);
    EXPECT_EQ(VoceMenu(1, 0), "C");
    EXPECT_EQ(NumeroVociMenu[1], 1);
    EXPECT_EQ(VoceMenu(1, 2), "");
    EXPECT_EQ(VoceMenu(2, 0), "");
    EXPECT_EQ(NumeroVociMenu[2], 0);
}

TEST_F(MenuLingua, MissingSectionLeavesAnEmptyTable) {
    Sezione({"A=1"});
    ASSERT_TRUE(LeggiMenuLingua("MnuTest"));
    EXPECT_FALSE(LeggiMenuLingua("MnuNowhere"));
    EXPECT_EQ(NumeroMenu, 0);
    EXPECT_EQ(VoceMenu(1, 0), "");
    LineeLingua.clear();
    EXPECT_FALSE(LeggiMenuLingua("MnuTest"));
}

TEST_F(MenuLingua, HeaderFoundAnywhereOnItsLineAndEndOfLinesEndsTheSection) {
    LineeLingua = {"x [MnuTest] y", "A=1", "B=2"};
    ASSERT_TRUE(LeggiMenuLingua("MnuTest"));
    EXPECT_EQ(NumeroMenu, 2);
    EXPECT_EQ(VoceMenu(2, 1), "2");
}
