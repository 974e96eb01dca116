// The settings file: its 92-byte record byte by byte, the defaults, and what a damaged
// record is read as.
#include "core/Azzeramento.h"
#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Unita.h"
#include "support/Risposte.h"
#include "support/Tsv.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace fs = std::filesystem;
using namespace kelvra;

namespace {

const fs::path DATI = fs::path(KELVRA_SORGENTI) / "tests/core/data";

// Hexadecimal numbers separated by spaces.
std::vector<unsigned> Esadecimali(const std::string& s) {
    std::istringstream in(s);
    std::vector<unsigned> v;
    for (unsigned x; in >> std::hex >> x;) v.push_back(x);
    return v;
}

// The records of data/settings-bytes.tsv: 0 the valid one, 1 the one written at exit.
std::string Record(size_t riga) {
    const auto v = Esadecimali(test::LeggiTsv(DATI / "settings-bytes.tsv").at(riga).at(1));
    return std::string(v.begin(), v.end());
}

class Settings : public ::testing::Test {
  protected:
    void SetUp() override { AzzeraProgramma(); }
    void TearDown() override { AzzeraProgramma(); }
    fs::path File() const { return prova.cartella / "Kelvra.INI"; }
    test::CartellaProva prova{"kelvra_ini"};
    test::Risposte dialoghi;
};

TEST_F(Settings, RecordWrittenAtExitByteByByteReplacingALongerFile) {
    test::ScriviFile(File(), std::string(500, '\xAB'));
    ImpostaINIDefault();
    ASSERT_TRUE(ScriviFileIni());
    EXPECT_EQ(test::LeggiFile(File()), Record(1));
}

// Each row of data/settings-records.tsv: the valid record with some bytes changed, cut to a
// length or absent, and what it is read as. A damaged field takes its default alone; a record
// without a unit system is no settings file at all.
TEST_F(Settings, RecordsAreReadAsTheCaseListSays) {
    const auto casi = test::LeggiTsv(DATI / "settings-records.tsv");
    ASSERT_GE(casi.size(), 10u);
    for (const auto& c : casi) {
        SCOPED_TRACE(c[0]);
        ASSERT_EQ(c.size(), 7u);
        fs::remove(File());
        if (c[2] != "absent") {
            std::string b = Record(0);
            std::istringstream modifiche(c[1] == "-" ? "" : c[1]);
            for (std::string m; std::getline(modifiche, m, ';');) {
                const auto duepunti = m.find(':');
                size_t da = std::stoul(m.substr(0, duepunti));
                for (unsigned v : Esadecimali(m.substr(duepunti + 1))) b.at(da++) = char(v);
            }
            b.resize(std::stoul(c[2]));
            test::ScriviFile(File(), b);
        }
        SistemaUnita = ModoQuote = 0;
        ColoreSfondo = 12345;
        EXPECT_EQ(LeggiFileIni(), c[3] == "1");
        const std::vector<int32_t> colori = {ColoreSfondo,   ColoreCurva[1], ColoreCurva[2],
                                             ColoreCurva[3], ColoreCurva[4], ColoreCurva[5],
                                             ColoreCurva[6], ColoreAssi,     ColoreEtichetteAssi,
                                             ColoreTitoli,   ColoreGriglia};
        const auto attesi = Esadecimali(c[4]);
        EXPECT_EQ(colori, std::vector<int32_t>(attesi.begin(), attesi.end()));
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
    test::ScriviFile(File(), Record(0));
    fs::permissions(File(), fs::perms::owner_read); // read-only, even for a user let through
    EXPECT_FALSE(ScriviFileIni());
    EXPECT_EQ(test::LeggiFile(File()), Record(0));
    EXPECT_EQ(dialoghi.mostrati.size(), 1u);
}

} // namespace
