// The language files: scrambling and descrambling, the sections, the fixed failure messages
// and the code pages.
#include "core/Azzeramento.h"
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "support/CartellaProva.h"
#include "support/Risposte.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using namespace kelvra;
using test::LeggiFile;
using test::ScriviFile;

namespace {

// A record built by hand: text, the end code, filler, all xor-ed with the key.
std::string RecordCodificato(const std::string& testo, bool conFine = true) {
    std::string r = testo;
    if (conFine) r.push_back(static_cast<char>(145));
    r.resize(110, 'x');
    const std::string& k = ChiaveLingua();
    for (size_t i = 0; i < r.size(); ++i) r[i] = static_cast<char>(r[i] ^ k[i]);
    return r;
}

// Every section once, each with a line that tells it apart.
std::string SorgenteCompleta() {
    const char* nomi[] = {
        "Lingua",         "Common",  "Quantity", "Unità",    "Toolbar",           "MsgBox",
        "Main",           "FrmMenu", "InsGeo01", "InsMolla", "InsAmmortizzatore", "InsTampone",
        "FrmPLoad",       "Curve",   "Funzioni", "Lettore",  "Tabelle",           "AboutBox",
        "FrmAcquisizione"};
    std::string s;
    for (const char* n : nomi) {
        s += std::string("[") + n + "]\n";
        s += std::string("first of ") + n + "\n";
        s += std::string("second of ") + n + "\n\n";
    }
    return s;
}

class Language : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        FileLingua.clear();
    }
    fs::path Scrambled() const { return cartella / "Kelvra3.lng"; }
    fs::path Plain() const { return cartella / "Kelvra3@@.lng"; }

    void ScriviSorgente(const std::string& sorgente) {
        std::string codificato, errore;
        ASSERT_TRUE(CodificaSorgenteLingua(sorgente, codificato, errore)) << errore;
        ScriviFile(Scrambled(), codificato);
    }

    void UnMessaggio(const std::string& testo, int stile = vbOKOnly + TESTO_UTF8) {
        ASSERT_EQ(dialoghi.mostrati.size(), 1u);
        EXPECT_EQ(dialoghi.mostrati[0].testo, testo);
        EXPECT_EQ(dialoghi.mostrati[0].titolo, "");
        EXPECT_EQ(dialoghi.mostrati[0].stile, stile);
        dialoghi.mostrati.clear();
    }

    test::CartellaProva prova{"kelvra_lingua"};
    const fs::path& cartella = prova.cartella;
};

} // namespace

TEST_F(Language, RoundTripThroughTheScramblerLoadsEverySection) {
    ScriviFile(Plain(), "[Lingua]\r\nSTALE\r\n"); // left by an earlier run: replaced
    ScriviSorgente(SorgenteCompleta());
    ASSERT_TRUE(CaricaLingua());
    EXPECT_EQ(FileLingua, PercorsoApplicazione + "Kelvra3@@.lng");

    EXPECT_EQ(Riga(TestiLingua, 0), "first of Lingua");
    EXPECT_EQ(Riga(Messaggi, 1), "second of MsgBox");
    // The accented section name is one byte of code page 1252, in the header and the text.
    EXPECT_EQ(Riga(TestiUnita, 0), "first of Unit\xE0");

    // The plain file holds the source lines with CR LF line ends.
    const std::string piano = LeggiFile(Plain());
    EXPECT_EQ(piano.substr(0, 57),
              "[Lingua]\r\nfirst of Lingua\r\nsecond of Lingua\r\n\r\n[Common]\r\n");
    EXPECT_EQ(LineeLingua.size(), 19u * 4u);

    // The scrambled file is whole records and holds none of the text in the clear.
    const std::string codificato = LeggiFile(Scrambled());
    EXPECT_EQ(codificato.size(), 19u * 4u * 110u);
    EXPECT_EQ(codificato.find("Lingua"), std::string::npos);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

TEST_F(Language, RecordsWithoutEndCodeAndIncompleteRecordsGiveNoLine) {
    ScriviFile(Scrambled(), RecordCodificato("[Lingua]") + RecordCodificato("no end", false) +
                                RecordCodificato("ENGLISH") + RecordCodificato("") +
                                RecordCodificato("cut off").substr(0, 60));
    ASSERT_TRUE(DecodificaFileLingua(PercorsoApplicazione + "Kelvra3"));
    EXPECT_EQ(LeggiFile(Plain()), "[Lingua]\r\nENGLISH\r\n\r\n");
    EXPECT_EQ(LineeLingua, (std::vector<std::string>{"[Lingua]", "ENGLISH", ""}));
}

// Loading stops at the first missing section: Lingua when there is no scrambled file.
TEST_F(Language, LoadingStopsAtTheFirstMissingSection) {
    ASSERT_FALSE(CaricaLingua());
    EXPECT_EQ(fs::file_size(Plain()), 0u);
    UnMessaggio(PercorsoApplicazione + "Kelvra3@@.lng: [Lingua] section not Found!");
    ScriviSorgente("[Lingua]\nENGLISH\n\n[Common]\nOK\n\n[Quantity]\nq\n");
    ASSERT_FALSE(CaricaLingua());
    UnMessaggio(PercorsoApplicazione + "Kelvra3@@.lng: [Unit\xC3\xA0] section not Found!");
    EXPECT_EQ(Riga(TestiCommon, 0), "OK");
    EXPECT_TRUE(TestiUnita.empty());
}

// A scrambled file that is a folder, a FIFO (would wait), a device (would never end) or longer
// than a language file may be; or a plain file that cannot be made.
TEST_F(Language, UnreadableScrambledFileOrPlainFileThatCannotBeMadeIsAFormatError) {
    ASSERT_EQ(::mkfifo((cartella / "fifo").c_str(), 0600), 0);
    ScriviFile(cartella / "long", std::string(MassimoRecordLingua * 110 + 1, '\0'));
    fs::create_directory(cartella / "folder");
    for (const char* bersaglio : {"folder", "fifo", "/dev/zero", "long"}) {
        fs::create_symlink(cartella / bersaglio, Scrambled());
        ASSERT_FALSE(CaricaLingua());
        UnMessaggio("Language file Format error", vbOKOnly);
        fs::remove(Scrambled());
    }
    ScriviSorgente(SorgenteCompleta());
    fs::create_directories(Plain() / "inside"); // a folder in the way, not removable
    ASSERT_FALSE(CaricaLingua());
    UnMessaggio("Language file Format error", vbOKOnly);
}

// A plain file not found or not readable; a header anywhere on its line, the first match
// winning; at most 111 lines, up to a blank line; each line cut to 110 characters, trimmed.
TEST_F(Language, PlainFileMissingSectionHeadersLineCountsAndLineLengths) {
    FileLingua = "  " + (cartella / "nowhere" / "Kelvra3@@.lng").string() + " ";
    SezioneTesti t{"old"};
    EXPECT_FALSE(LeggiSezioneLingua("Common", t));
    EXPECT_TRUE(t.empty());
    UnMessaggio((cartella / "nowhere" / "Kelvra3@@.lng").string() + ": File not Found!");

    FileLingua = cartella.string(); // a folder: not a file that can be read
    EXPECT_FALSE(LeggiSezioneLingua("Common", t));
    UnMessaggio(cartella.string() + ": Error accessing File!");

    FileLingua = Plain().string();
    std::string s = "; comment [Common] here\r\nfirst\r\n\r\n[Common]\r\nsecond\r\n[Tabelle]\n";
    for (int i = 0; i < 150; ++i) s += "row " + std::to_string(i) + "\n";
    s += "   \n[After]\nnot part\n\n[Empty]\n\nnever read\n";
    const std::string lunga = "   " + std::string(105, 'a') + "bcdefghij"; // 117 characters
    ScriviFile(Plain(), s + "[Main]\r\n" + lunga + "\r\n   padded text   \r\n");
    ASSERT_TRUE(LeggiSezioneLingua(" Common ", t));
    EXPECT_EQ(t, (SezioneTesti{"first"}));
    ASSERT_TRUE(LeggiSezioneLingua("Tabelle", t));
    ASSERT_EQ(t.size(), 111u);
    EXPECT_EQ(Riga(t, 110), "row 110");
    EXPECT_EQ(Riga(t, 111) + Riga(t, -1), "");

    ASSERT_TRUE(LeggiSezioneLingua("Empty", t));
    EXPECT_TRUE(t.empty());
    ASSERT_TRUE(LeggiSezioneLingua("Main", t));
    // The cut keeps 3 spaces, 105 'a' and "bc"; trimming drops the spaces.
    EXPECT_EQ(t, (SezioneTesti{std::string(105, 'a') + "bc", "padded text"}));
}

TEST_F(Language, ScramblerRefusesLinesThatDoNotFitARecordOrTooManyLines) {
    std::string codificato, errore;
    EXPECT_FALSE(
        CodificaSorgenteLingua(std::string(MassimoRecordLingua + 1, '\n'), codificato, errore));
    EXPECT_TRUE(CodificaSorgenteLingua(std::string(109, 'a'), codificato, errore));
    EXPECT_EQ(codificato.size(), 110u);
    EXPECT_FALSE(CodificaSorgenteLingua("ok\n" + std::string(110, 'a'), codificato, errore));
    EXPECT_NE(errore.find("line 2"), std::string::npos);
    // U+2018 is byte 145 in code page 1252: it would end the line early.
    EXPECT_FALSE(CodificaSorgenteLingua("it\xE2\x80\x98s", codificato, errore));
    // A character with no byte in the code page.
    EXPECT_FALSE(CodificaSorgenteLingua("\xE6\x97\xA5", codificato, errore));
    // A UTF-8 byte order mark at the start is not text.
    ASSERT_TRUE(CodificaSorgenteLingua("\xEF\xBB\xBF[Main]", codificato, errore));
    EXPECT_EQ(ApplicaXor(codificato, ChiaveLingua()).substr(0, 7), "[Main]\x91");
}

// A menu caption or item holds a 40-character cell, "&" included; other sections, and lines
// after a menu section's end, may be longer.
TEST_F(Language, ScramblerRefusesMenuTextsLongerThanTheirCell) {
    const std::string quaranta(40, 'm');
    std::string codificato, errore;
    const std::pair<std::string, bool> casi[] = {
        {"[MnuFrmMenu]\n" + quaranta + "=" + quaranta + ",,x", true},
        {"[MnuFrmMenu]\n&File=New,&" + quaranta + ",Exit", false},
        {"[MnuFrmMenu]\nFile=New\nFile=," + quaranta + "m", false},
        {"[MnuCurve]\n&" + quaranta + "=New", false},
        {"[MnuMain]\n" + quaranta + "m", false},
        {"[MnuMain]\nFile=New\n\n" + quaranta + "=" + quaranta + "mm", true},
        {"[Toolbar]\n" + quaranta + quaranta + ",x", true},
    };
    for (const auto& [sorgente, accettata] : casi)
        EXPECT_EQ(CodificaSorgenteLingua(sorgente, codificato, errore), accettata) << sorgente;
    // The error names the line and the text that does not fit.
    EXPECT_FALSE(
        CodificaSorgenteLingua("[Main]\nx\n[MnuMain]\nF=A," + quaranta + "!", codificato, errore));
    EXPECT_EQ(errore, "line 4: menu text longer than 40 characters: " + quaranta + "!");
}

TEST(CodePageConversion, BothPagesBothWays) {
    EXPECT_EQ(InUtf8("\x80", 1252), "\xE2\x82\xAC");         // €
    EXPECT_EQ(InUtf8("\x9A\x8A", 1250), "\xC5\xA1\xC5\xA0"); // š Š
    EXPECT_EQ(InUtf8("\x81", 1252), "\xC2\x81");             // undefined: same control code
    std::string b;
    // Not in 1252 (č), cut short, overlong.
    for (const char* u : {"\xC4\x8D", "\xC3", "\xC0\x80"}) EXPECT_FALSE(DaUtf8(u, 1252, b)) << u;
    for (int c = 0x80; c <= 0xFF; ++c) {
        std::string uno(1, static_cast<char>(c));
        for (int pagina : {1250, 1252}) {
            ASSERT_TRUE(DaUtf8(InUtf8(uno, pagina), pagina, b)) << c;
            EXPECT_EQ(b, uno) << c << " " << pagina;
        }
    }
}

TEST_F(Language, SlovenianLanguageUsesCodePage1250) {
    ScriviSorgente("[Lingua]\nSloveno\n\n[Common]\n\xC4\x8C\x65\n");
    std::string piano = ApplicaXor(LeggiFile(Scrambled()).substr(4 * 110, 110), ChiaveLingua());
    EXPECT_EQ(piano.substr(0, 3), "\xC8\x65\x91"); // Č in code page 1250
    FileLingua = Plain().string();
    ASSERT_TRUE(DecodificaFileLingua(PercorsoApplicazione + "Kelvra3"));
    ASSERT_TRUE(LeggiSezioneLingua("Lingua", TestiLingua));
    EXPECT_EQ(CodicePaginaLingua(), 1250);
    ASSERT_TRUE(LeggiSezioneLingua("Common", TestiCommon));
    EXPECT_EQ(InUtf8(Riga(TestiCommon, 0)), "\xC4\x8C\x65");
    TestiLingua = {"ENGLISH"};
    EXPECT_EQ(CodicePaginaLingua(), 1252);
}
