// The unit table in both systems: factors as 4-byte reals, labels, names from the language
// texts, and what the user sees for known quantities.
#include "core/Azzeramento.h"
#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Unita.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kelvra;

namespace {

using Testi = std::vector<std::string>;

class UnitTable : public ::testing::Test {
  protected:
    void SetUp() override {
        AzzeraProgramma();
        for (int i = 0; i <= 11; ++i) TestiUnita.push_back("unit " + std::to_string(i));
    }
    void TearDown() override { AzzeraProgramma(); }
    // What the user sees for an internal value of a quantity.
    static std::string Mostra(double v, int riga) {
        return FormattaNumero(v * FattoreUnita[riga], FormatoUnita[riga]);
    }
    // Some rows of a column of the table.
    template <class T>
    static std::vector<T> Righe(const std::array<T, RIGHE_TABELLA_UNITA>& a, std::vector<int> r) {
        std::vector<T> v;
        for (int i : r) v.push_back(a[i]);
        return v;
    }
};

// Rows: length, force, rate, angle, number, moment, speed, pressure.
TEST_F(UnitTable, MetricShowsInternalValues) {
    ImpostaUnitaMisura(SISTEMA_METRICO);
    EXPECT_EQ(Righe(FattoreUnita, {0, 1, 2, 3, 4, 5, 6, 7}), std::vector<float>(8, 1.0f));
    EXPECT_EQ(Righe(EtichettaUnita, {0, 2, 4, 5, 7}),
              (Testi{"[mm]", "[N/mm]", "", "[N.m]", "[Bar]"}));
    EXPECT_EQ(SiglaUnita[UNITA_FORZA], "N");
    EXPECT_EQ(Mostra(12.6, UNITA_VELOCITA), "13");
    EXPECT_EQ(Mostra(12.5, UNITA_LUNGHEZZA), "12.50");
    EXPECT_EQ(Mostra(7, UNITA_FORZA), "7.0");
    EXPECT_EQ(DecimaliUnita[UNITA_LUNGHEZZA], 6);
    EXPECT_EQ(ArrotondamentoUnita[UNITA_FORZA], 100.0f);
}

TEST_F(UnitTable, ImperialConversionsAsTheUserSeesThemWithFourByteFactors) {
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    EXPECT_EQ(Mostra(25.4, UNITA_LUNGHEZZA), "1.00");
    EXPECT_EQ(Mostra(1, UNITA_RIGIDEZZA), "5.71"); // 25.4 / 4.448222 = 5.7101
    EXPECT_EQ(Mostra(1, UNITA_PRESSIONE), "14.5");
    EXPECT_EQ(Mostra(1, UNITA_MOMENTO), "0.738"); // 1 / 4.448222 / 0.3048 = 0.73756
    EXPECT_EQ(Mostra(254, UNITA_VELOCITA), "10"); // held in mm/s, shown in in/s
    EXPECT_EQ(Righe(EtichettaUnita, {0, 1, 2, 5, 6, 7}),
              (Testi{"[in]", "[Lb]", "[Lb/in]", "[Lb.ft]", "[in/s]", "[PSI]"}));
    EXPECT_EQ(SiglaUnita[UNITA_VELOCITA], "in/s");
    // The factors are 4-byte reals.
    EXPECT_EQ(FattoreUnita[UNITA_LUNGHEZZA], 0.03937008f);
    EXPECT_EQ(1000.0f * FattoreUnita[UNITA_LUNGHEZZA], 39.37008f);
    EXPECT_FLOAT_EQ(FattoreUnita[UNITA_RIGIDEZZA], 5.710146f);
    EXPECT_FLOAT_EQ(FattoreUnita[UNITA_MOMENTO], 0.7375621f);
    EXPECT_EQ(FattoreUnita[UNITA_ANGOLO], 1.0f);
    // Typed values are stored in internal units.
    EXPECT_NEAR(LeggiValore("1", UNITA_LUNGHEZZA), 25.4, 1e-5);
    EXPECT_EQ(MostraValore(25.4, UNITA_LUNGHEZZA), "1.00");
    ImpostaUnitaMisura(SISTEMA_METRICO);
    EXPECT_EQ(LeggiValore("12.5abc", UNITA_LUNGHEZZA), 12.5);
    AzzeraUnitaMisura();
    EXPECT_EQ(LeggiValore("5", UNITA_LUNGHEZZA), 0.0); // an empty table divides by nothing
}

TEST_F(UnitTable, NamesComeFromTheLanguageSection) {
    ImpostaUnitaMisura(SISTEMA_METRICO);
    EXPECT_EQ(Righe(NomeUnita, {5, 6, 7}), (Testi{"unit 5", "unit 10", "Bar"}));
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    EXPECT_EQ(Righe(NomeUnita, {0, 1, 2, 3, 5, 6, 7}),
              (Testi{"unit 6", "unit 7", "unit 8", "unit 3", "unit 9", "unit 11", "PSI"}));
    // A section too short leaves the names empty, the labels stand.
    TestiUnita.resize(3);
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    EXPECT_EQ(NomeUnita[UNITA_ANGOLO], "");
    EXPECT_EQ(EtichettaUnita[UNITA_LUNGHEZZA], "[in]");
}

TEST_F(UnitTable, OtherSystemKeepsTheTableButSetsTheStepAndUnusedRowsStayEmpty) {
    const int16_t sistema = SistemaUnita;
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    PassoTabella = 2.0f;
    ImpostaUnitaMisura(3);
    EXPECT_EQ(PassoTabella, 1.0f);
    EXPECT_FLOAT_EQ(FattoreUnita[UNITA_FORZA], 0.2248089f);
    ImpostaUnitaMisura(0);
    EXPECT_EQ(EtichettaUnita[UNITA_LUNGHEZZA], "[in]");
    EXPECT_EQ(SistemaUnita, sistema) << "the caller stores the system, not the table";
    for (int r = RIGHE_UNITA_USATE; r < RIGHE_TABELLA_UNITA; ++r) {
        EXPECT_EQ(FattoreUnita[r], 0.0f);
        EXPECT_EQ(FormatoUnita[r], "");
    }
}

} // namespace
