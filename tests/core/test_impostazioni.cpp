// The settings file: its 92-byte record byte by byte, the defaults, and what a damaged
// record is read as.
#include "core/Azzeramento.h"
#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Unita.h"
#include "support/CartellaProva.h"
#include "support/Risposte.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace kelvra;

namespace {

using Byte = std::vector<unsigned char>;

// IEEE 754 doubles of some colours, worked by hand, least significant byte first:
// 255 = 1.9921875 * 2^7 -> 0x406FE00000000000; 0xFF00 = 65280 -> 0x40EFE00000000000;
// 0xFF0000 = 16711680 -> 0x416FE00000000000; 0xFFFFFF = 16777215 -> 0x416FFFFFE0000000.
const Byte D0 = {0, 0, 0, 0, 0, 0, 0, 0};
const Byte DFF = {0, 0, 0, 0, 0, 0xE0, 0x6F, 0x40};
const Byte DFF00 = {0, 0, 0, 0, 0, 0xE0, 0xEF, 0x40};
const Byte DFF0000 = {0, 0, 0, 0, 0, 0xE0, 0x6F, 0x41};
const Byte DFFFFFF = {0, 0, 0, 0xE0, 0xFF, 0xFF, 0x6F, 0x41};

class Settings : public ::testing::Test {
  protected:
    void SetUp() override {
        AzzeraProgramma();
        SistemaUnita = 0;
        ModoQuote = 0;
        ColoreSfondo = 12345;
    }
    void TearDown() override { AzzeraProgramma(); }
    static Byte Slice(const Byte& b, long da, long n) {
        return Byte(b.begin() + da, b.begin() + da + n);
    }
    static void Metti(Byte& b, size_t da, const Byte& v) {
        std::copy(v.begin(), v.end(), b.begin() + da);
    }
    fs::path File() const { return prova.cartella / "Kelvra.INI"; }
    void Scrivi(const Byte& b) const { test::ScriviFile(File(), std::string(b.begin(), b.end())); }
    // Every colour in the order of the record.
    static std::vector<int32_t> Colori() {
        return {ColoreSfondo,        ColoreCurva[1], ColoreCurva[2], ColoreCurva[3],
                ColoreCurva[4],      ColoreCurva[5], ColoreCurva[6], ColoreAssi,
                ColoreEtichetteAssi, ColoreTitoli,   ColoreGriglia};
    }

    // A record with every field valid: curve colours 255, imperial, dimensions.
    static Byte RecordValido() {
        Byte b(92, 0);
        Metti(b, 0, DFF0000);
        for (int p = 1; p <= 6; ++p) Metti(b, 8 * p, DFF); // all 255, changed below
        Metti(b, 56, DFFFFFF);
        Metti(b, 64, DFF00);
        Metti(b, 72, DFF);
        b[88] = 2;
        b[90] = 2;
        return b;
    }

    test::CartellaProva prova{"kelvra_ini"};
    test::Risposte dialoghi;
};

} // namespace

TEST_F(Settings, RecordWrittenAtExitByteByByteReplacingALongerFile) {
    Scrivi(Byte(500, 0xAB));
    ImpostaINIDefault();
    ASSERT_TRUE(ScriviFileIni());
    const std::string t = test::LeggiFile(File());
    const Byte b(t.begin(), t.end());
    ASSERT_EQ(b.size(), 92u);
    EXPECT_EQ(Slice(b, 0, 8), D0);       // background
    EXPECT_EQ(Slice(b, 8, 8), DFF);      // curve 1
    EXPECT_EQ(Slice(b, 40, 8), DFF0000); // curve 5
    EXPECT_EQ(Slice(b, 56, 8), DFFFFFF); // axes
    EXPECT_EQ(Slice(b, 64, 8), DFF00);   // axis labels
    EXPECT_EQ(Slice(b, 88, 4), (Byte{1, 0, 1, 0}));
    // 0xC0C0C0 = 12632256 = 1.50588... * 2^23: exponent 0x416, mantissa 0x8181800000000.
    EXPECT_EQ(Slice(b, 80, 8), (Byte{0, 0, 0, 0, 0x18, 0x18, 0x68, 0x41}));
}

TEST_F(Settings, NoFileUnitSystemZeroOrAFileCutBeforeItMeanEveryDefault) {
    Byte zero = RecordValido(), corto = RecordValido();
    zero[88] = 0;
    corto.resize(40);
    for (const Byte* b : std::initializer_list<const Byte*>{nullptr, &zero, &corto}) {
        if (b) Scrivi(*b);
        ColoreSfondo = 12345;
        EXPECT_FALSE(LeggiFileIni());
        EXPECT_EQ(Colori(), (std::vector<int32_t>{0, 0xFF, 0xFF00, 0xFFFF00, 0x80FF, 0xFF0000,
                                                  0xFF00FF, 0xFFFFFF, 0xFF00, 0xFF8080, 0xC0C0C0}));
        EXPECT_EQ(SistemaUnita, 1);
        EXPECT_EQ(ModoQuote, 1);
    }
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Settings, AnInvalidColourTakesItsDefaultAloneAndOthersRound) {
    Byte b = RecordValido();
    Metti(b, 0, {0, 0, 0, 0, 0, 0, 0xF8, 0x7F});     // NaN
    Metti(b, 8, {0, 0, 0, 0, 0, 0, 0xF0, 0xBF});     // -1
    Metti(b, 16, {0, 0, 0, 0, 0, 0, 0x70, 0x41});    // 16777216, one past 24 bits
    Metti(b, 24, {0, 0, 0, 0, 0, 0, 0xF0, 0x7F});    // +infinity
    Metti(b, 32, {0, 0, 0, 0, 0, 0, 0xF0, 0xC3});    // about -1.8e19
    Metti(b, 40, {0, 0, 0, 0, 0, 0xD8, 0x6F, 0x40}); // 254.75 reads 255
    Metti(b, 48, {0, 0, 0, 0, 0, 0, 0xD0, 0x3F});    // 0.25 reads 0
    Scrivi(b);
    ASSERT_TRUE(LeggiFileIni());
    // Background and curves 1..4 take their defaults, valid fields are kept.
    EXPECT_EQ(Colori(), (std::vector<int32_t>{0, 0xFF, 0xFF00, 0xFFFF00, 0x80FF, 0xFF, 0, 0xFFFFFF,
                                              0xFF00, 0xFF, 0}));
}

// A record written by hand is read as it stands. An unknown unit system starts metric; an
// unknown annotation mode becomes coordinates (0 is none); the rest of the record stands.
TEST_F(Settings, AnUnknownUnitSystemOrAnnotationMode) {
    struct Caso {
        size_t da;
        Byte valore;
        int16_t sistema, modo;
        size_t lunghezza = 92; // a file of 90 bytes lacks the annotation mode: 0, none
    };
    for (const Caso& c : std::vector<Caso>{{0, {}, 2, 2},
                                           {88, {3, 0}, 1, 2},
                                           {88, {0xFF, 0xFF}, 1, 2},
                                           {90, {0, 0}, 2, 0},
                                           {90, {3, 0}, 2, 1},
                                           {0, {}, 2, 0, 90}}) {
        Byte b = RecordValido();
        Metti(b, c.da, c.valore);
        b.resize(c.lunghezza);
        Scrivi(b);
        ASSERT_TRUE(LeggiFileIni());
        EXPECT_EQ(SistemaUnita, c.sistema) << c.da << " " << int(c.valore[0]);
        EXPECT_EQ(ModoQuote, c.modo) << c.da << " " << int(c.valore[0]);
        EXPECT_EQ(Colori(), (std::vector<int32_t>{0xFF0000, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                  0xFFFFFF, 0xFF00, 0xFF, 0}));
    }
}

// A settings file that is there but cannot be read, or cannot be replaced: the user is told
// (the path on its own line, as the file system names it) and nothing waits or is lost.
TEST_F(Settings, UnreadableOrUnwritableFileIsToldAndLeftAsItWas) {
    Messaggi.assign(49, "-");
    Messaggi.insert(Messaggi.end(), {"not saved:", "not read:"});
    ASSERT_EQ(::mkfifo((prova.cartella / "fifo").c_str(), 0600), 0);
    fs::create_directory(prova.cartella / "folder");
    // A folder, a FIFO that would wait for a writer, a device that would read zeros as settings.
    for (const char* bersaglio : {"folder", "fifo", "/dev/zero"}) {
        fs::create_symlink(prova.cartella / bersaglio, File());
        EXPECT_FALSE(LeggiFileIni());
        EXPECT_FALSE(ScriviFileIni());
        ASSERT_EQ(dialoghi.mostrati.size(), 2u);
        EXPECT_EQ(dialoghi.mostrati[0].testo, "not read:\n" + File().string());
        EXPECT_EQ(dialoghi.mostrati[1].testo, "not saved:\n" + File().string());
        EXPECT_EQ(dialoghi.mostrati[1].stile, vbExclamation + TESTO_UTF8);
        dialoghi.mostrati.clear();
        fs::remove(File());
    }
    const Byte valido = RecordValido();
    Scrivi(valido);
    fs::permissions(File(), fs::perms::owner_read); // read-only, even for a user let through
    EXPECT_FALSE(ScriviFileIni());
    EXPECT_EQ(test::LeggiFile(File()), std::string(valido.begin(), valido.end()));
    EXPECT_EQ(dialoghi.mostrati.size(), 1u);
}
