// The entry filters of the numeric boxes: which keys pass, from the text each key would make.
#include "core/FiltriTasti.h"
#include "core/Unita.h"
#include "support/Risposte.h"
#include "support/Tsv.h"

#include <gtest/gtest.h>
#include <map>

using namespace kelvra;

namespace {

CasellaTesto Box(const std::string& testo, int caret, int selezione = 0) {
    return CasellaTesto{testo, caret, selezione};
}

const std::map<std::string, int16_t> TASTI = {
    {"Tab", 9}, {"Enter", TASTO_INVIO}, {"Backspace", TASTO_BACKSPACE}, {"Delete", TASTO_CANC}};

// Each row of data/numeric-keys.tsv: a box, the limits, a key or a pasted text, and whether
// it passes.
TEST(NumericFilter, KeysAndPastedTextsAreJudgedOnTheTextTheyWouldMake) {
    const auto casi =
        test::LeggiTsv(std::filesystem::path(KELVRA_SORGENTI) / "tests/core/data/numeric-keys.tsv");
    ASSERT_GE(casi.size(), 50u);
    const auto senzaVirgolette = [](const std::string& s) { return s.substr(1, s.size() - 2); };
    for (const auto& c : casi) {
        ASSERT_GE(c.size(), 8u);
        const CasellaTesto b = Box(senzaVirgolette(c[0]), std::stoi(c[1]), std::stoi(c[2]));
        const double min = std::stod(c[3]), max = std::stod(c[4]);
        const auto dec = static_cast<int16_t>(std::stoi(c[5]));
        const int16_t tasto = TASTI.contains(c[6]) ? TASTI.at(c[6]) : c[6][0];
        const bool passa =
            c[6].front() == '"'
                ? !RifiutaInserimentoNumerico(b, senzaVirgolette(c[6]), min, max, dec)
                : !RifiutaTastoNumerico(b, min, max, dec, tasto);
        EXPECT_EQ(passa, c[7] == "yes") << c[0] << " caret " << c[1] << " key " << c[6];
    }
    for (char c : std::string("aZ,+ e/"))
        EXPECT_TRUE(RifiutaTastoNumerico(Box("12", 2), -100, 100, 2, c)) << c;
}

TEST(NumericFilter, ValuesAreComparedAsFourByteReals) {
    // 1000 mm shown in inches: the limit is a 4-byte 39.37008.
    AzzeraUnitaMisura();
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    const double massimo = 1000.0f * FattoreUnita[UNITA_LUNGHEZZA];
    EXPECT_FALSE(RifiutaTastoNumerico(Box("39.3700", 7), 0, massimo, 6, '8'));
    EXPECT_TRUE(RifiutaTastoNumerico(Box("39.3700", 7), 0, massimo, 6, '9'));
    AzzeraUnitaMisura();
}

TEST(IntegerFilter, WholeNumbersOnlyAndBeepOnlyWhenTheKeyIsRejected) {
    // Refused: a sign, a point, 11, leaving 7 below 5; accepted: 10, deleting to 7, 15.
    EXPECT_TRUE(RifiutaTastoIntero(Box("", 0), -10, 10, '-') &&
                RifiutaTastoIntero(Box("1", 1), 0, 10, '.') &&
                RifiutaTastoIntero(Box("1", 1), 0, 10, '1') &&
                RifiutaTastoIntero(Box("7", 1), 5, 10, TASTO_BACKSPACE));
    EXPECT_FALSE(RifiutaTastoIntero(Box("1", 1), 0, 10, '0') ||
                 RifiutaTastoIntero(Box("17", 0, 1), 5, 10, TASTO_CANC) ||
                 RifiutaTastoIntero(Box("100", 1, 2), 0, 100, '5'));
    EXPECT_FALSE(RifiutaInserimentoIntero(Box("", 0), "450", 0, 500));
    EXPECT_TRUE(RifiutaInserimentoIntero(Box("", 0), "4.5", 0, 500));
    test::Risposte risposte;
    EXPECT_TRUE(ControlloTastoNumerico(Box("9", 1), 0, 50, 2, '9') &&
                !ControlloTastoNumerico(Box("4", 1), 0, 50, 2, '9'));
    EXPECT_TRUE(ControlloTastoIntero(Box("1", 1), 0, 10, '.') &&
                RifiutaTastoIntero(Box("1", 1), 0, 10, '.'));
    EXPECT_EQ(risposte.beep, 2) << "the bare verdicts never beep";
}

TEST(ApplicaTasto, EditsAsATextBoxDoes) {
    const auto applica = [](const CasellaTesto& b, int16_t tasto) {
        const CasellaTesto r = ApplicaTasto(b, tasto);
        return r.Text + "|" + std::to_string(r.SelStart) + "|" + std::to_string(r.SelLength);
    };
    EXPECT_EQ(applica(Box("123", 2), TASTO_BACKSPACE), "13|1|0");
    EXPECT_EQ(applica(Box("123", 1, 2), TASTO_CANC), "1|1|0");
    EXPECT_EQ(applica(Box("123", 1, 1), '9'), "193|2|0");
    EXPECT_EQ(applica(Box("123", 3), TASTO_CANC), "123|3|0");
}

} // namespace
