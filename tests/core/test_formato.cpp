// Number formatting and reading: rounding modes, patterns, extremes and the machine's locale.
#include "core/Formato.h"

#include <array>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <locale>
#include <string>
#include <utility>

using namespace kelvra;

namespace {

TEST(FormattaNumero, Patterns) {
    struct Caso {
        double valore;
        const char* modello;
        const char* atteso;
    };
    // clang-format off
    const Caso casi[] = {
        // Placeholders before and after the point; the integer part is written in full.
        {12.5, "###0.00####", "12.50"}, {0.1234567, "###0.00####", "0.123457"},
        {7, "#####0.0#", "7.0"}, {1, "00", "01"}, {12345, "00", "12345"},
        // The point added or dropped at the ends; "#" writes no insignificant digit.
        {0.5, "#.##", "0.5"}, {5, "#.##", "5"}, {-0.5, "#.##", "-0.5"}, {0, "#.##", "0"},
        {0, "#", ""}, {-0.4, "##", ""}, {0.6, "#", "1"},
        // Halves away from zero, on the decimal the user sees, not its nearest binary value
        // (2.67499999...).
        {2.5, "0", "3"}, {-2.5, "0", "-3"}, {0.125, "0.00", "0.13"}, {-0.125, "0.00", "-0.13"},
        {2.675, "0.00", "2.68"}, {2.4999, "0", "2"},
        // Carries into the integer part.
        {99.96, "#0.0", "100.0"}, {0.9999996, "###0.00####", "1.00"}, {-0.96, "#.#", "-1"},
        // Very small and very large values; no "-0.00".
        {-1e-10, "###0.00####", "0.00"}, {6e-7, "0.######", "0.000001"},
        {1e20, "0.00", "100000000000000000000.00"}, {-1e15, "####0", "-1000000000000000"},
        // Literal text and the general form.
        {3, "0 mm", "3 mm"}, {-0.25, "", "-0.25"},
    };
    // clang-format on
    for (const Caso& c : casi) EXPECT_EQ(FormattaNumero(c.valore, c.modello), c.atteso) << c.valore;
}

// A machine whose locale writes a decimal comma: the result still carries ".".
class CommaDecimalLocale : public ::testing::Test {
  protected:
    void SetUp() override {
        precedenteC_ = std::setlocale(LC_ALL, nullptr);
        precedenteCpp_ = std::locale();
        for (const char* nome : {"de_DE.UTF-8", "it_IT.UTF-8", "de_DE.utf8", "it_IT.utf8"})
            if (std::setlocale(LC_ALL, nome) != nullptr) {
                attivo_ = true;
                break;
            }
        if (!attivo_) {
            // Build a German locale in a private folder when the system has none.
            cartella_ = std::filesystem::temp_directory_path() / "kelvra_test_locale";
            std::filesystem::create_directories(cartella_);
            std::string comando = "localedef -i de_DE -f UTF-8 '" +
                                  (cartella_ / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
            if (std::filesystem::exists(cartella_ / "de_DE.UTF-8") ||
                std::system(comando.c_str()) == 0) {
                setenv("LOCPATH", cartella_.c_str(), 1);
                attivo_ = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
            }
        }
        std::locale::global(std::locale(std::locale::classic(), new Virgola));
    }
    void TearDown() override {
        std::setlocale(LC_ALL, precedenteC_.c_str());
        std::locale::global(precedenteCpp_);
        unsetenv("LOCPATH");
    }
    struct Virgola : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    bool attivo_ = false;
    std::string precedenteC_;
    std::locale precedenteCpp_;
    std::filesystem::path cartella_;
};

TEST_F(CommaDecimalLocale, FormatsAndReadsWithAPoint) {
    if (attivo_) {
        char prova[16];
        std::snprintf(prova, sizeof prova, "%.1f", 1.5);
        ASSERT_STREQ(prova, "1,5") << "the comma locale is not in force";
    }
    EXPECT_EQ(FormattaNumero(1234.5, "###0.00####"), "1234.50");
    EXPECT_EQ(FormattaNumero(12.5, ""), "12.5");
    EXPECT_DOUBLE_EQ(Val("1.25"), 1.25);
    EXPECT_DOUBLE_EQ(Val("1,25"), 1.0);
    if (!attivo_) GTEST_SKIP() << "no comma locale could be made; only the C++ locale was set";
}

TEST(Val, LongestLeadingNumberWithAPoint) {
    // clang-format off
    const std::pair<const char*, double> casi[] = {
        {"", 0}, {"abc", 0}, {"12abc", 12}, {"-.5", -0.5}, {"  7", 7}, {"1.2.3", 1.2}, {".", 0},
        {"2.5E-1x", 0.25}, {"1e+", 1}, {"1e999", std::numeric_limits<double>::max()}};
    // clang-format on
    for (auto [testo, atteso] : casi) EXPECT_EQ(Val(testo), atteso) << testo;
}

TEST(IntegerPart, FloorTruncateAndBankersRounding) {
    EXPECT_EQ(std::make_pair(Int(2.5), Int(-2.5)), std::make_pair(2.0, -3.0));
    EXPECT_EQ(Fix(-2.5), -2.0);
    // clang-format off
    const std::pair<double, int> cint[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.6, 3},
                                           {1e9, 32767}, {-1e9, -32768}};
    // clang-format on
    for (auto [x, atteso] : cint) EXPECT_EQ(CInt(x), atteso) << x;
    EXPECT_EQ(std::make_pair(CLng(1e9 + 0.5), CLng(1e12)), std::make_pair(1000000000, 2147483647));
}

// To a number of decimals, negative values round like positive ones: -1.234 gives -1.23.
TEST(ArrotondaDecimali, NegativeValuesRoundLikePositiveOnes) {
    // clang-format off
    const std::array<double, 3> casi[] = {{1.234, 100, 1.23}, {-1.234, 100, -1.23},
        {-1.236, 100, -1.24}, {-2.5, 1, -3}, {2.5, 1, 3}};
    // clang-format on
    for (auto [x, scala, atteso] : casi) EXPECT_DOUBLE_EQ(ArrotondaDecimali(x, scala), atteso) << x;
}

} // namespace
