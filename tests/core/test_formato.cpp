// Number formatting and reading: rounding modes, patterns, extremes and the machine's locale.
#include "core/Formato.h"

#include "support/Tsv.h"

#include <array>
#include <clocale>
#include <gtest/gtest.h>
#include <locale>

namespace fs = std::filesystem;
using namespace kelvra;

namespace {

TEST(FormattaNumero, PatternsOfTheCaseList) {
    const auto casi =
        test::LeggiTsv(fs::path(KELVRA_SORGENTI) / "tests/core/data/number-patterns.tsv");
    ASSERT_GE(casi.size(), 25u);
    const auto senzaVirgolette = [](const std::string& s) { return s.substr(1, s.size() - 2); };
    for (const auto& c : casi)
        EXPECT_EQ(FormattaNumero(std::stod(c.at(0)), senzaVirgolette(c.at(1))),
                  senzaVirgolette(c.at(2)))
            << c[0];
}

// A machine whose locale writes a decimal comma (a German one is built in a private folder when
// the system has none): the result still carries ".".
TEST(CommaDecimalLocale, FormatsAndReadsWithAPoint) {
    struct Ripristino {
        std::string c = std::setlocale(LC_ALL, nullptr);
        std::locale cpp;
        ~Ripristino() {
            std::setlocale(LC_ALL, c.c_str());
            std::locale::global(cpp);
            unsetenv("LOCPATH");
        }
    } ripristino;
    struct Virgola : std::numpunct<char> {
        char do_decimal_point() const override { return ','; }
        char do_thousands_sep() const override { return '.'; }
        std::string do_grouping() const override { return "\3"; }
    };
    bool attivo = false;
    for (const char* nome : {"de_DE.UTF-8", "it_IT.UTF-8", "de_DE.utf8", "it_IT.utf8"})
        attivo = attivo || std::setlocale(LC_ALL, nome) != nullptr;
    const fs::path cartella = fs::temp_directory_path() / "kelvra_test_locale";
    const std::string comando = "mkdir -p '" + cartella.string() +
                                "' && localedef -i de_DE -f UTF-8 '" +
                                (cartella / "de_DE.UTF-8").string() + "' >/dev/null 2>&1";
    if (!attivo && (fs::exists(cartella / "de_DE.UTF-8") || std::system(comando.c_str()) == 0)) {
        setenv("LOCPATH", cartella.c_str(), 1);
        attivo = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr;
    }
    std::locale::global(std::locale(std::locale::classic(), new Virgola));
    if (attivo) {
        char prova[16];
        std::snprintf(prova, sizeof prova, "%.1f", 1.5);
        ASSERT_STREQ(prova, "1,5") << "the comma locale is not in force";
    }
    EXPECT_EQ(FormattaNumero(1234.5, "###0.00####"), "1234.50");
    EXPECT_EQ(FormattaNumero(12.5, ""), "12.5");
    EXPECT_DOUBLE_EQ(Val("1.25"), 1.25);
    EXPECT_DOUBLE_EQ(Val("1,25"), 1.0);
    if (!attivo) GTEST_SKIP() << "no comma locale could be made; only the C++ locale was set";
}

TEST(Val, LongestLeadingNumberWithAPoint) {
    const std::pair<const char*, double> casi[] = {
        {"", 0},       {"abc", 0},
        {"12abc", 12}, {"-.5", -0.5},
        {"  7", 7},    {"1.2.3", 1.2},
        {".", 0},      {"2.5E-1x", 0.25},
        {"1e+", 1},    {"1e999", std::numeric_limits<double>::max()}};
    for (auto [testo, atteso] : casi) EXPECT_EQ(Val(testo), atteso) << testo;
}

TEST(Rounding, FloorTruncateBankersAndToDecimalsAlikeForNegativeValues) {
    EXPECT_EQ(std::make_pair(Int(2.5), Int(-2.5)), std::make_pair(2.0, -3.0));
    EXPECT_EQ(Fix(-2.5), -2.0);
    const std::pair<double, int> cint[] = {{2.5, 2}, {3.5, 4},     {-2.5, -2},
                                           {2.6, 3}, {1e9, 32767}, {-1e9, -32768}};
    for (auto [x, atteso] : cint) EXPECT_EQ(CInt(x), atteso) << x;
    EXPECT_EQ(std::make_pair(CLng(1e9 + 0.5), CLng(1e12)), std::make_pair(1000000000, 2147483647));
    // To a number of decimals, negative values round like positive ones: -1.234 gives -1.23.
    const std::array<double, 3> casi[] = {
        {1.234, 100, 1.23}, {-1.234, 100, -1.23}, {-1.236, 100, -1.24}, {-2.5, 1, -3}, {2.5, 1, 3}};
    for (auto [x, scala, atteso] : casi) EXPECT_DOUBLE_EQ(ArrotondaDecimali(x, scala), atteso) << x;
}

} // namespace
