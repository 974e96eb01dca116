// The settings file: its 92-byte record byte by byte, the defaults, and what a damaged
// record is read as.
#include "core/Azzeramento.h"
#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Unita.h"
#include "support/CartellaProva.h"
#include "support/Risposte.h"
#include "support/Tsv.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <sstream>
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

// Each row of data/settings-records.tsv: the valid record with some bytes changed, cut to a
// length or absent, and what it is read as. A damaged field takes its default alone; a record
// without a unit system is no settings file at all.
TEST_F(Settings, RecordsAreReadAsTheCaseListSays) {
    const auto casi =
        test::LeggiTsv(fs::path(KELVRA_SORGENTI) / "tests/core/data/settings-records.tsv");
    ASSERT_GE(casi.size(), 10u);
    for (const auto& c : casi) {
        SCOPED_TRACE(c[0]);
        ASSERT_EQ(c.size(), 7u);
        fs::remove(File());
        if (c[2] != "absent") {
            Byte b = RecordValido();
            std::istringstream modifiche(c[1] == "-" ? "" : c[1]);
            for (std::string m; std::getline(modifiche, m, ';');) {
                std::istringstream campi(m);
                size_t da = 0;
                char duepunti = 0;
                campi >> da >> duepunti;
                for (unsigned v; campi >> std::hex >> v;)
                    b.at(da++) = static_cast<unsigned char>(v);
            }
            b.resize(std::stoul(c[2]));
            Scrivi(b);
        }
        ColoreSfondo = 12345;
        EXPECT_EQ(LeggiFileIni(), c[3] == "1");
        std::vector<int32_t> colori;
        std::istringstream attesi(c[4]);
        for (unsigned v; attesi >> std::hex >> v;) colori.push_back(static_cast<int32_t>(v));
        EXPECT_EQ(Colori(), colori);
        EXPECT_EQ(SistemaUnita, std::stoi(c[5]));
        EXPECT_EQ(ModoQuote, std::stoi(c[6]));
    }
    EXPECT_TRUE(dialoghi.mostrati.empty());
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
