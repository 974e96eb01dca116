// The record codec against bytes worked out by hand, and a reader that must not trust them.
#include "core/Record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <tuple>

using namespace kelvra;

namespace {

using Matrice = std::array<std::array<int16_t, 2>, 2>;

TEST(Record, FieldsLittleEndianPackedInOrderBothWays) {
    // int16 -2; int32 0x01020304; float 1.5; double -2; "AB" padded to 4; "TOOLONG" cut to 3;
    // 2 never assigned; counted "xyz"; {{1, 2}, {3, 4}}, inner index fastest.
    // clang-format off
    const ByteRecord atteso = {0xFE, 0xFF,  4, 3, 2, 1,  0, 0, 0xC0, 0x3F,  0, 0, 0, 0, 0, 0, 0, 0xC0,
                               'A', 'B', ' ', ' ',  'T', 'O', 'O',  0, 0,  3, 0, 'x', 'y', 'z',
                               1, 0, 2, 0, 3, 0, 4, 0};
    // clang-format on
    const Matrice matrice{{{1, 2}, {3, 4}}};
    ScrittoreRecord w;
    w.Int16(-2);
    w.Int32(0x01020304);
    w.Single(1.5f);
    w.Double(-2.0);
    w.TestoFisso("AB", 4);
    w.TestoFisso("TOOLONG", 3);
    w.TestoNonAssegnato(2);
    EXPECT_TRUE(w.TestoContato("xyz"));
    w.Campo(matrice);
    EXPECT_EQ(w.Dati(), atteso);

    LettoreRecord r(atteso);
    // Braces read left to right.
    EXPECT_EQ((std::tuple{r.Int16(), r.Int32(), r.Single(), r.Double(), r.TestoFisso(4)}),
              (std::tuple{int16_t{-2}, 0x01020304, 1.5f, -2.0, std::string("AB  ")}));
    EXPECT_FALSE(TestoNonAssegnato(r.TestoFisso(3)));
    EXPECT_TRUE(TestoNonAssegnato(r.TestoFisso(2)));
    EXPECT_EQ(r.TestoContato(3), "xyz");
    Matrice letta{};
    r.Campo(letta);
    EXPECT_EQ(letta, matrice);
    EXPECT_TRUE(r.Riuscito() && r.Rimanenti() == 0);

    EXPECT_FALSE(w.TestoContato(std::string(65536, 'a')));
    EXPECT_FALSE(w.Completa(atteso.size() - 1)); // does not fit its record length
    ASSERT_TRUE(w.Completa(50));                 // padded with zeros
    EXPECT_EQ(std::count(w.Dati().begin() + 40, w.Dati().end(), 0), 10);
}

// After two good bytes, a read that does not fit fails with a zero value, names where it
// started and stops every later read, even one that would fit.
TEST(Record, ShortOrBadReadsFailAndStayFailed) {
    using Leggi = std::function<double(LettoreRecord&)>;
    const Leggi int16 = [](LettoreRecord& r) { return r.Int16(); };
    const Leggi testo = [](LettoreRecord& r) { return r.TestoContato(4).size(); };
    const std::tuple<ByteRecord, Leggi, ErroreRecord> casi[] = {
        {{1}, int16, ErroreRecord::Corto},
        {{1, 2, 3}, [](LettoreRecord& r) { return r.Int32(); }, ErroreRecord::Corto},
        {{0, 0, 0x80}, [](LettoreRecord& r) { return r.Single(); }, ErroreRecord::Corto},
        {{0, 0, 0, 0, 0, 0, 0xF0},
         [](LettoreRecord& r) { return r.Double(); },
         ErroreRecord::Corto},
        {{3, 0, 'a', 'b'}, testo, ErroreRecord::Corto}, // count past the end
        {{5, 0, 'a', 'b', 'c', 'd', 'e'}, testo, ErroreRecord::ConteggioFuori},
        {{0xFF, 0xFF}, testo, ErroreRecord::ConteggioFuori},
        {{}, [](LettoreRecord& r) { return r.VaiA(3), 0.0; }, ErroreRecord::Corto},
    };
    for (const auto& [coda, leggi, errore] : casi) {
        ByteRecord dati = {9, 0};
        dati.insert(dati.end(), coda.begin(), coda.end());
        LettoreRecord r(dati);
        EXPECT_EQ(r.Int16(), 9);
        EXPECT_EQ(leggi(r), 0) << coda.size();
        EXPECT_EQ(r.Errore(), errore) << coda.size();
        EXPECT_EQ(r.PosizioneErrore(), 2u) << coda.size();
        r.VaiA(0);
        EXPECT_EQ(r.Int16(), 0) << "a failed reader reads nothing more";
    }
}

} // namespace
