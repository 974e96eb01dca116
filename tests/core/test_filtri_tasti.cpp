// The entry filters of the numeric boxes: which keys pass, from the text each key would make.
#include "core/FiltriTasti.h"
#include "core/Unita.h"
#include "support/Risposte.h"

#include <gtest/gtest.h>
#include <limits>

using namespace kelvra;

namespace {

CasellaTesto Box(const std::string& testo, int caret, int selezione = 0) {
    return CasellaTesto{testo, caret, selezione};
}

// Whether the decimal filter lets the key through.
bool PassaN(const CasellaTesto& b, double min, double max, int16_t dec, int16_t tasto) {
    return !RifiutaTastoNumerico(b, min, max, dec, tasto);
}

constexpr double INF = std::numeric_limits<double>::infinity();

// Each row: text, caret, selection length, minimum, maximum, decimals, key, whether it passes;
// the comment gives the text the key would make. Whatever the limits, no 4-byte overflow.
TEST(NumericFilter, KeysAreJudgedOnTheTextTheyWouldMake) {
    struct Caso {
        const char* testo;
        int caret, selezione;
        double min, max;
        int16_t dec, tasto;
        bool passa;
    };
    // clang-format off
    const Caso casi[] = {
        // Only digits, sign, point and editing keys; Tab is not for the filter; Enter is never
        // tested.
        {"12", 2, 0, -100, 100, 2, 9, false}, {"", 0, 0, 5, 10, 2, TASTO_INVIO, true},
        {"12", 2, 0, -1000, 1000, 2, '3', true},
        // The range of the text the digit would make; a digit replaces the selection.
        {"9", 1, 0, 0, 50, 2, '9', false} /* 99 */, {"4", 1, 0, 0, 50, 2, '9', true} /* 49 */,
        {"4", 0, 0, 0, 50, 2, '9', false} /* 94 */, {"123", 1, 1, 0, 150, 2, '9', false} /* 193 */,
        {"999", 0, 3, 0, 10, 2, '7', true} /* 7 */,
        // A minimum above zero: the box cannot be emptied.
        {"5", 1, 0, 1, 100, 2, TASTO_BACKSPACE, false}, {"5", 0, 0, 1, 100, 2, TASTO_CANC, false},
        // Delete at the end and Backspace at the start are not tested; elsewhere they are.
        {"5", 1, 0, 1, 100, 2, TASTO_CANC, true}, {"5", 0, 0, 1, 100, 2, TASTO_BACKSPACE, true},
        {"205", 1, 0, 10, 100, 2, TASTO_CANC, true} /* 25 */,
        {"205", 0, 0, 10, 100, 2, TASTO_CANC, false} /* 05 */,
        // The sign: only at the start, once, and within the range ("-" reads 0).
        {"", 0, 0, 0, 100, 2, '-', true}, {"-", 1, 0, 0, 100, 2, '5', false},
        {"5", 1, 0, -10, 100, 2, '-', false}, {"5", 0, 0, -4, 100, 2, '-', false},
        {"-5", 0, 0, -10, 100, 2, '-', false}, {"35", 0, 1, -10, 100, 2, '-', true} /* -5 */,
        // Limit 2, text 1.25: no third decimal; before the point a digit is fine.
        {"1.25", 4, 0, 0, 100, 2, '3', false}, {"1.25", 2, 0, 0, 100, 2, '3', false},
        {"1.25", 0, 0, 0, 100, 2, '3', true}, {"1.25", 3, 1, 0, 100, 2, '7', true},
        // Limit 2, text 123: the point may leave at most two decimals after it.
        {"123", 0, 0, 0, 1000, 2, '.', false}, {"123", 1, 0, 0, 1000, 2, '.', true},
        // A second point only in place of the first; a lone point reads 0.
        {"1.5", 3, 0, 0, 100, 2, '.', false}, {"1.5", 0, 3, 0, 100, 2, '.', true},
        {"1.5", 0, 3, 1, 100, 2, '.', false}, {"1.5", 1, 2, 0, 100, 2, '.', true} /* 1. */,
        // Limit 0: a point only at the end, and no digit after it.
        {"12", 2, 0, 0, 100, 0, '.', true}, {"12", 1, 0, 0, 100, 0, '.', false},
        {"12.", 3, 0, 0, 100, 0, '4', false},
        {"3e38", 2, 0, -INF, INF, 2, '9', false} /* 3e938 */, {"1", 0, 0, -INF, INF, 2, '-', true},
        // A caret outside the text is brought back.
        {"12", 99, 5, 0, 100, 2, TASTO_CANC, true}, {"12", -3, -1, 0, 100, 2, '-', false},
    };
    // clang-format on
    for (const Caso& c : casi)
        EXPECT_EQ(PassaN(Box(c.testo, c.caret, c.selezione), c.min, c.max, c.dec, c.tasto), c.passa)
            << '"' << c.testo << "\" caret " << c.caret << " key " << c.tasto;
    for (char c : std::string("aZ,+ e/")) EXPECT_FALSE(PassaN(Box("12", 2), -100, 100, 2, c)) << c;
}

TEST(NumericFilter, ValuesAreComparedAsFourByteReals) {
    // 1000 mm shown in inches: the limit is a 4-byte 39.37008.
    AzzeraUnitaMisura();
    ImpostaUnitaMisura(SISTEMA_IMPERIALE);
    const double massimo = 1000.0f * FattoreUnita[UNITA_LUNGHEZZA];
    EXPECT_TRUE(PassaN(Box("39.3700", 7), 0, massimo, 6, '8'));
    EXPECT_FALSE(PassaN(Box("39.3700", 7), 0, massimo, 6, '9'));
    AzzeraUnitaMisura();
}

TEST(IntegerFilter, WholeNumbersOnly) {
    // Refused: a sign, a point, 11, leaving 7 below 5; accepted: 10, deleting to 7, 15.
    EXPECT_TRUE(RifiutaTastoIntero(Box("", 0), -10, 10, '-') &&
                RifiutaTastoIntero(Box("1", 1), 0, 10, '.') &&
                RifiutaTastoIntero(Box("1", 1), 0, 10, '1') &&
                RifiutaTastoIntero(Box("7", 1), 5, 10, TASTO_BACKSPACE));
    EXPECT_FALSE(RifiutaTastoIntero(Box("1", 1), 0, 10, '0') ||
                 RifiutaTastoIntero(Box("17", 0, 1), 5, 10, TASTO_CANC) ||
                 RifiutaTastoIntero(Box("100", 1, 2), 0, 100, '5'));
}

TEST(KeyFilters, BeepOnlyWhenTheKeyIsRejected) {
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

TEST(Pasting, PastedTextIsJudgedOnTheTextItWouldLeave) {
    const struct {
        CasellaTesto b;
        std::string inserito;
        double min, max;
        bool rifiuta;
    } casi[] = {
        // clang-format off
        {Box("1", 1), "2.5", 0, 100, false},   {Box("1", 1), "2.555", 0, 100, true},
        {Box("1", 1), "2.5", 0, 10, true},     {Box("", 0), "1,5", 0, 100, true},
        {Box("1", 1), "-5", -10, 100, true},   {Box("", 0), "-5", -10, 100, false},
        {Box("-5", 0), "-", -10, 100, true},   {Box("1.5", 3), ".2", 0, 100, true},
        {Box("1.5", 0, 3), "0.25", 0, 100, false}, {Box("1.25", 4), "5", 0, 100, true},
        {Box("5", 0, 1), "", 1, 100, true},    {Box("15", 1, 1), "", 1, 100, false},
        {Box("", 0), std::string(40, '9'), -INF, INF, true},
        // clang-format on
    };
    for (const auto& c : casi)
        EXPECT_EQ(RifiutaInserimentoNumerico(c.b, c.inserito, c.min, c.max, 2), c.rifiuta)
            << '"' << c.b.Text << "\" + \"" << c.inserito << '"';
    EXPECT_FALSE(RifiutaInserimentoIntero(Box("", 0), "450", 0, 500));
    EXPECT_TRUE(RifiutaInserimentoIntero(Box("", 0), "4.5", 0, 500));
}

} // namespace
