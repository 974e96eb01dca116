// Whole-file reading with a size limit from regular files only, and the replacing write; writes
// that cannot finish (killed half-way, or stopped by the file-size limit), what they leave
// behind and what the next write of the same file clears.
#include "core/FileDisco.h"
#include "support/CartellaProva.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <fcntl.h>
#include <set>
#include <tuple>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace kelvra;

namespace {

class DiskFiles : public ::testing::Test {
  protected:
    std::string P(const std::string& nome) const { return (prova.cartella / nome).string(); }
    std::set<std::string> Nomi() const {
        std::set<std::string> nomi;
        for (const auto& f : fs::directory_iterator(prova.cartella))
            nomi.insert(f.path().filename().string());
        return nomi;
    }
    test::CartellaProva prova{"kelvra_file_disco"};
};

TEST_F(DiskFiles, ReadsRegularFilesUpToTheLimitAndNothingElse) {
    test::ScriviFile(P("dieci"), "0123456789");
    ASSERT_EQ(::mkfifo(P("fifo").c_str(), 0600), 0);
    fs::create_symlink("/dev/zero", P("zero"));
    fs::create_directory(P("cartella"));
    const std::tuple<const char*, size_t, EsitoLettura, const char*> casi[] = {
        {"dieci", 10, EsitoLettura::Riuscita, "0123456789"},
        {"dieci", 9, EsitoLettura::TroppoGrande, "012345678"},
        {"fifo", 10, EsitoLettura::NonRegolare, ""}, // would wait for a writer for ever
        {"zero", 10, EsitoLettura::NonRegolare, ""}, // would never end
        {"cartella", 10, EsitoLettura::NonRegolare, ""},
        {"manca", 10, EsitoLettura::Assente, ""},
    };
    for (const auto& [nome, massimo, esito, contenuto] : casi) {
        std::string letto = "old";
        EXPECT_EQ(LeggiFileRegolare(P(nome), massimo, letto), esito) << nome;
        EXPECT_EQ(letto, contenuto) << nome;
    }
}

TEST_F(DiskFiles, ReplacesWholeKeepingPermissionsOrLeavesTheOldFile) {
    ASSERT_TRUE(ScriviFileAtomico(P("a"), "old content, longer")); // a new file
    fs::permissions(P("a"), fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_TRUE(ScriviFileAtomico(P("a"), "new"));
    EXPECT_EQ(test::LeggiFile(P("a")), "new");
    EXPECT_EQ(fs::status(P("a")).permissions(), fs::perms::owner_read | fs::perms::owner_write);
    // Through a link the file it names is written and the link stays.
    fs::create_symlink(P("a"), P("link"));
    ASSERT_TRUE(ScriviFileAtomico(P("link"), "via link"));
    EXPECT_TRUE(fs::is_symlink(P("link")));
    EXPECT_EQ(test::LeggiFile(P("a")), "via link");

    // Read-only (for everyone: even a user the system lets through), a folder, no folder.
    fs::permissions(P("a"), fs::perms::owner_read);
    fs::create_directory(P("cartella"));
    for (const char* nome : {"a", "cartella", "manca/b"})
        EXPECT_FALSE(ScriviFileAtomico(P(nome), "lost")) << nome;
    EXPECT_EQ(test::LeggiFile(P("a")), "via link");
    EXPECT_TRUE(fs::is_empty(P("cartella")));
    EXPECT_EQ(Nomi(), (std::set<std::string>{"a", "cartella", "link"})) << "no temporary is left";
}

// In a child process: writes `dati` with a file-size limit below their size.
void ScriviOltreIlLimite(const std::string& nome, const std::string& dati) {
    rlimit limite{};
    ::getrlimit(RLIMIT_FSIZE, &limite);
    limite.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &limite);
    ::_exit(ScriviFileAtomico(nome, dati) ? 1 : 0);
}

const std::string GRANDE(20000, 'x');

TEST_F(DiskFiles, TheNextWriteOfAFileClearsWhatKilledWritesLeftAndNothingElse) {
    ASSERT_TRUE(ScriviFileAtomico(P(std::string(254, 'n')), "")); // the longest name allowed
    ASSERT_TRUE(ScriviFileAtomico(P("t"), "old"));
    ::signal(SIGXFSZ, SIG_DFL); // the limit's signal ends the writer half-way
    EXPECT_EXIT(ScriviOltreIlLimite(P("u"), GRANDE), testing::KilledBySignal(SIGXFSZ), "");
    const std::set<std::string> prima = Nomi();
    for (int i = 0; i < 2; ++i)
        EXPECT_EXIT(ScriviOltreIlLimite(P("t"), GRANDE), testing::KilledBySignal(SIGXFSZ), "");
    std::set<std::string> avanzo = Nomi();
    for (const auto& n : prima) avanzo.erase(n);
    ASSERT_EQ(avanzo.size(), 1u); // the second write cleared what the first left
    EXPECT_EQ(test::LeggiFile(P("t")), "old");

    // One of the same pattern that a live writer holds, and one that is not ours, stay.
    const std::string vivo = *avanzo.begin() + ".tmp";
    test::ScriviFile(P(vivo), "live");
    const int fd = ::open(P(vivo).c_str(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    test::ScriviFile(P("t.tmp1_0"), "not ours");
    ASSERT_TRUE(ScriviFileAtomico(P("t"), "new"));
    ::close(fd);
    EXPECT_EQ(test::LeggiFile(P("t")), "new");
    std::set<std::string> attesi = prima;
    attesi.insert({vivo, "t.tmp1_0"});
    EXPECT_EQ(Nomi(), attesi);
}

// Two names are one file when they reach it (through a link, a second name, "." or ".."), or,
// neither existing, the same place; a name held by anything, a broken link too, exists.
TEST_F(DiskFiles, NamesOfOneFileAreToldApartFromOthers) {
    test::ScriviFile(P("Prüfung"), "x"), test::ScriviFile(P("altro"), "y");
    fs::create_symlink(P("Prüfung"), P("legame")), fs::create_symlink(P("via"), P("rotto"));
    fs::create_hard_link(P("Prüfung"), P("secondo")), fs::create_directory(P("sotto"));
    // "nuovo" exists nowhere.
    const std::tuple<const char*, const char*, bool> casi[] = {
        {"Prüfung", "legame", true},
        {"Prüfung", "secondo", true},
        {"Prüfung", "sotto/.././Prüfung", true},
        {"Prüfung", "Prufung", false},
        {"Prüfung", "altro", false},
        {"nuovo", "sotto/../nuovo", true},
        {"nuovo", "Nuovo", false},
        {"nuovo", "altro", false}};
    for (const auto& [a, b, stesso] : casi)
        EXPECT_EQ(std::pair(StessoFile(P(a), P(b)), StessoFile(P(b), P(a))),
                  std::pair(stesso, stesso))
            << a << " " << b;
    EXPECT_EQ(std::tuple(StessoFile("", ""), FileEsiste(P("rotto")), FileEsiste(P("sotto")),
                         FileEsiste(P("nuovo")), FileEsiste("")),
              std::tuple(false, true, true, false, false));
}

TEST_F(DiskFiles, AWritePastTheFileSizeLimitFailsInsteadOfEndingTheProgram) {
    ASSERT_TRUE(ScriviFileAtomico(P("t"), "old"));
    EXPECT_EXIT((PreparaScrittureFile(), ScriviOltreIlLimite(P("t"), GRANDE)),
                testing::ExitedWithCode(0), "");
    EXPECT_EQ(test::LeggiFile(P("t")), "old");
    EXPECT_EQ(Nomi(), std::set<std::string>{"t"});
}

} // namespace
