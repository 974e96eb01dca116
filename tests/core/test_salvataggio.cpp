// The unsaved-changes question: asked only when a held project holds VERO for the kind.
#include "core/Progetti.h"
#include "core/Salvataggio.h"
#include "support/Risposte.h"

#include <gtest/gtest.h>

using namespace kelvra;

namespace {

class SaveQuestion : public test::TabelleAzzerate {};

TEST_F(SaveQuestion, AskedOnlyForAChangedKindOfAHeldProject) {
    constexpr int NESSUNA = 0; // no answer queued: the box gets the harmless one
    struct Caso {
        int16_t numero, progetto, tipoModificato, valore, tipoChiesto;
        int risposta;
        int16_t atteso;
        bool chiede;
    } casi[] = {
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
    for (const Caso& c : casi) {
        SCOPED_TRACE(&c - casi);
        AzzeraTabelle();
        dialoghi.mostrati.clear();
        dialoghi.risposte.clear();
        NumeroProgetti = c.numero;
        Progetti[c.progetto].ModificatoFile[c.tipoModificato] = c.valore;
        if (c.risposta != NESSUNA) dialoghi.Rispondi(c.risposta);
        EXPECT_EQ(ChiediSalvataggio("Save the changes?", c.tipoChiesto), c.atteso);
        ASSERT_EQ(dialoghi.mostrati.size(), c.chiede ? 1u : 0u);
        if (c.chiede) {
            EXPECT_EQ(dialoghi.mostrati[0].testo, "Save the changes?");
            EXPECT_EQ(dialoghi.mostrati[0].stile, vbYesNo);
        }
    }
}

} // namespace
