// Menu captions applied to Qt menus from a menu section of the language lines.
#include "core/Azzeramento.h"
#include "core/Lingua.h"
#include "core/MenuLingua.h"
#include "platform/MenuQt.h"

#include <gtest/gtest.h>

using namespace kelvra;

namespace {

class QtMenus : public ::testing::Test {
  protected:
    void SetUp() override {
        AzzeraProgramma();
        LineeLingua = {"[MnuProva]", "&File=&New,,&Open,E&xit,Extra", "Unit\xE0=&Metric",
                       "&?=&Help", ""};
        file = std::make_unique<QMenu>("File");
        unita = std::make_unique<QMenu>("Units");
        guida = std::make_unique<QMenu>("Help");
        sotto = std::make_unique<QMenu>("sub");
        fileVoci = {nullptr, file->addAction("a"), file->addAction("b"), nullptr,
                    file->addMenu(sotto.get())};
    }
    void TearDown() override { AzzeraProgramma(); }

    std::unique_ptr<QMenu> file, unita, guida, sotto;
    std::vector<QAction*> fileVoci;
};

} // namespace

TEST_F(QtMenus, CaptionsSeparatorsAndAccessKeys) {
    ASSERT_TRUE(ImpostaMenuLingua("MnuProva", {{file.get(), fileVoci},
                                               {unita.get(), {nullptr}},
                                               {guida.get(), {nullptr, guida->addAction("x")}}}));
    EXPECT_EQ(file->title(), "&File");
    EXPECT_EQ(fileVoci[1]->text(), "&New");
    EXPECT_TRUE(!fileVoci[1]->isSeparator() && fileVoci[2]->isSeparator());
    // Element 3 is missing from the window's array; item 4 is a submenu entry.
    EXPECT_EQ(fileVoci[4]->text(), "E&xit");
    EXPECT_EQ(fileVoci[4]->menu(), sotto.get());
    EXPECT_EQ(unita->title(), QString::fromUtf8("Unit\xC3\xA0")); // from its code-page byte
    EXPECT_EQ(guida->title() + guida->actions().at(0)->text(), "&?&Help");

    // A separator becomes an item again; rows with no menu are skipped.
    LineeLingua = {"[MnuProva]", "&File=&New,&Close"};
    ImpostaMenuLingua("MnuProva", {{file.get(), fileVoci}, {nullptr, {}}});
    EXPECT_TRUE(!fileVoci[2]->isSeparator() && fileVoci[2]->text() == "&Close");
    EXPECT_EQ(unita->title(), QString::fromUtf8("Unit\xC3\xA0"));

    // A missing section leaves the captions.
    EXPECT_FALSE(ImpostaMenuLingua("MnuNowhere", {{file.get(), fileVoci}}));
    EXPECT_EQ(file->title() + fileVoci[1]->text(), "&File&New");
}
