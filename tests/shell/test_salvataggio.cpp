// The unsaved-changes question.
#include "core/Progetti.h"
#include "files/Salvataggio.h"
#include "support/Risposte.h"

#include <gtest/gtest.h>

using namespace kelvra;

namespace {

class Salvataggio : public test::TabelleAzzerate {};

TEST_F(Salvataggio, NoChangeMeansNoQuestion) {
    NumeroProgetti = 6;
    for (int16_t k = 0; k <= 4; ++k) EXPECT_EQ(ChiediSalvataggio("save?", k), FALSO);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Salvataggio, ChangedSpringOfSecondProjectAsksForSpringOnly) {
    NumeroProgetti = 2;
    Progetti[2].ModificatoFile[MOD_MOLLA] = VERO;

    dialoghi.Rispondi(vbYes);
    EXPECT_EQ(ChiediSalvataggio("Save the changes?", MOD_MOLLA), VERO);
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].testo, "Save the changes?");
    EXPECT_EQ(dialoghi.mostrati[0].stile, vbYesNo);

    dialoghi.Rispondi(vbNo);
    EXPECT_EQ(ChiediSalvataggio("Save the changes?", MOD_MOLLA), FALSO);
    EXPECT_EQ(dialoghi.mostrati.size(), 2u);

    EXPECT_EQ(ChiediSalvataggio("Save the changes?", MOD_TAMPONE), FALSO);
    EXPECT_EQ(ChiediSalvataggio("Save the changes?", MOD_SCHEMA), FALSO);
    EXPECT_EQ(dialoghi.mostrati.size(), 2u);
}

TEST_F(Salvataggio, OnlyProjectsHeldCount) {
    NumeroProgetti = 2;
    Progetti[3].ModificatoFile[MOD_PROGETTO] = VERO; // stale slot above the count
    EXPECT_EQ(ChiediSalvataggio("q", MOD_PROGETTO), FALSO);
    NumeroProgetti = 3;
    dialoghi.Rispondi(vbYes);
    EXPECT_EQ(ChiediSalvataggio("q", MOD_PROGETTO), VERO);
}

TEST_F(Salvataggio, OnlyMinusOneIsAChange) {
    NumeroProgetti = 1;
    Progetti[1].ModificatoFile[MOD_SCHEMA] = 1;
    EXPECT_EQ(ChiediSalvataggio("q", MOD_SCHEMA), FALSO);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Salvataggio, AnyOtherAnswerThanYesIsNo) {
    NumeroProgetti = 1;
    Progetti[1].ModificatoFile[MOD_AMMORTIZZATORE] = VERO;
    for (int r : {vbNo, vbCancel, vbOK}) {
        dialoghi.Rispondi(r);
        EXPECT_EQ(ChiediSalvataggio("q", MOD_AMMORTIZZATORE), FALSO);
    }
    // With no answer queued the box gets the answer that changes nothing.
    EXPECT_EQ(ChiediSalvataggio("q", MOD_AMMORTIZZATORE), FALSO);
    EXPECT_EQ(dialoghi.mostrati.size(), 4u);
}

TEST_F(Salvataggio, OutOfRangeKindOrCountNeverAsks) {
    Progetti[1].ModificatoFile[MOD_PROGETTO] = VERO;
    NumeroProgetti = 1;
    EXPECT_EQ(ChiediSalvataggio("q", -1), FALSO);
    EXPECT_EQ(ChiediSalvataggio("q", 5), FALSO);
    NumeroProgetti = 0;
    EXPECT_EQ(ChiediSalvataggio("q", MOD_PROGETTO), FALSO);
    NumeroProgetti = 7;
    EXPECT_EQ(ChiediSalvataggio("q", MOD_PROGETTO), FALSO);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

} // namespace
