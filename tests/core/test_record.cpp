// The record codec against bytes worked out by hand, and a reader that must not trust them.
#include "core/Record.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <string>

using namespace kelvra;

namespace {

TEST(ScrittoreRecord, FieldsLittleEndianPackedInOrder) {
    ScrittoreRecord w;
    w.Int16(-2);                                                      // FE FF
    w.Int32(0x01020304);                                              // 04 03 02 01
    w.Single(1.5f);                                                   // 0x3FC00000
    w.Double(-2.0);                                                   // 0xC000000000000000
    w.TestoFisso("AB", 4);                                            // padded with spaces
    w.TestoFisso("TOOLONG", 3);                                       // cut
    w.TestoNonAssegnato(2);                                           // never assigned: zeros
    EXPECT_TRUE(w.TestoContato("xyz"));                               // count 3, then the bytes
    w.Campo(std::array<std::array<int16_t, 2>, 2>{{{1, 2}, {3, 4}}}); // inner index fastest
    const ByteRecord atteso = {0xFE, 0xFF, 4,   3,    2,   1,   0,   0,   0xC0, 0x3F, 0,   0, 0, 0,
                               0,    0,    0,   0xC0, 'A', 'B', ' ', ' ', 'T',  'O',  'O', 0, 0, 3,
                               0,    'x',  'y', 'z',  1,   0,   2,   0,   3,    0,    4,   0};
    EXPECT_EQ(w.Dati(), atteso);
    EXPECT_FALSE(w.TestoContato(std::string(65536, 'a')));
    EXPECT_FALSE(w.Completa(atteso.size() - 1)); // does not fit its record length
    EXPECT_TRUE(w.Completa(50));
    EXPECT_EQ(w.Dati().size(), 50u);
    EXPECT_EQ(w.Dati().back(), 0);
}

TEST(LettoreRecord, ReadsBackWhatWasWritten) {
    ScrittoreRecord w;
    w.Int16(-32768);
    w.Int32(-7);
    w.Single(-0.1f);
    w.Double(1e300);
    w.TestoFisso("", 3);
    w.TestoNonAssegnato(3);
    w.TestoContato("");
    w.TestoContato("\xE0 b");
    LettoreRecord r(w.Dati());
    EXPECT_EQ(r.Int16(), -32768);
    EXPECT_EQ(r.Int32(), -7);
    EXPECT_EQ(r.Single(), -0.1f);
    EXPECT_EQ(r.Double(), 1e300);
    const std::string vuoto = r.TestoFisso(3), mai = r.TestoFisso(3);
    EXPECT_EQ(vuoto, "   ");
    EXPECT_FALSE(TestoNonAssegnato(vuoto));
    EXPECT_TRUE(TestoNonAssegnato(mai));
    EXPECT_EQ(r.TestoContato(), "");
    EXPECT_EQ(r.TestoContato(3), "\xE0 b");
    EXPECT_TRUE(r.Riuscito());
    EXPECT_EQ(r.Rimanenti(), 0u);
}

// A read that does not fit fails with a zero value, names where it started and stops every
// later read, even one that would fit.
TEST(LettoreRecord, ShortOrBadReadsFailAndStayFailed) {
    struct Caso {
        ByteRecord dati;
        int campo; // 0 Int16, 1 Int32, 2 Single, 3 Double, 4 counted text of at most 4
        ErroreRecord errore;
        size_t dove;
    };
    const Caso casi[] = {
        {{1}, 0, ErroreRecord::Corto, 0},
        {{1, 2, 3}, 1, ErroreRecord::Corto, 0},
        {{0, 0, 0x80}, 2, ErroreRecord::Corto, 0},
        {{0, 0, 0, 0, 0, 0, 0xF0}, 3, ErroreRecord::Corto, 0},
        {{3, 0, 'a', 'b'}, 4, ErroreRecord::Corto, 0}, // count past the end
        {{5, 0, 'a', 'b', 'c', 'd', 'e'}, 4, ErroreRecord::ConteggioFuori, 0},
        {{0xFF, 0xFF}, 4, ErroreRecord::ConteggioFuori, 0},
    };
    for (const Caso& c : casi) {
        ByteRecord dati = {9, 0};
        dati.insert(dati.end(), c.dati.begin(), c.dati.end());
        LettoreRecord r(dati);
        EXPECT_EQ(r.Int16(), 9);
        double valore = 1;
        switch (c.campo) {
        case 0:
            valore = r.Int16();
            break;
        case 1:
            valore = r.Int32();
            break;
        case 2:
            valore = r.Single();
            break;
        case 3:
            valore = r.Double();
            break;
        default:
            valore = static_cast<double>(r.TestoContato(4).size());
            break;
        }
        EXPECT_EQ(valore, 0) << c.campo;
        EXPECT_EQ(r.Errore(), c.errore) << c.campo;
        EXPECT_EQ(r.PosizioneErrore(), 2 + c.dove) << c.campo;
        r.VaiA(0);
        EXPECT_EQ(r.Int16(), 0) << "a failed reader reads nothing more";
    }
    ByteRecord due = {1, 2};
    LettoreRecord r(due);
    r.VaiA(2);
    EXPECT_TRUE(r.Riuscito());
    r.VaiA(3);
    EXPECT_EQ(r.Errore(), ErroreRecord::Corto);
}

} // namespace
