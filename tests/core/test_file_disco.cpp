// Whole-file reading with a size limit from regular files only, and the replacing write.
#include "core/FileDisco.h"
#include "support/CartellaProva.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <string>
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
    EXPECT_EQ(std::distance(fs::directory_iterator(prova.cartella), fs::directory_iterator()), 3)
        << "no temporary file is left behind";
}

// In a child process: the file-size limit of the process below the size of `dati`.
void ScriviOltreIlLimite(const std::string& nome, const std::string& dati) {
    rlimit limite{};
    ::getrlimit(RLIMIT_FSIZE, &limite);
    limite.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &limite);
    ::_exit(ScriviFileAtomico(nome, dati) ? 1 : 0);
}

TEST_F(DiskFiles, AKilledWriteLeavesNothingTheNextWriteOfItsTargetKeeps) {
    // Names as long as the file system allows are written like any other.
    const std::string lungo(254, 'n');
    ASSERT_TRUE(ScriviFileAtomico(P(lungo), "long"));
    EXPECT_EQ(test::LeggiFile(P(lungo)), "long");
    fs::remove(P(lungo));

    // Writes killed half-way (by the file-size signal) leave temporary files behind.
    const std::string grande(20000, 'x');
    ASSERT_TRUE(ScriviFileAtomico(P("t"), "old"));
    ::signal(SIGXFSZ, SIG_DFL);
    EXPECT_EXIT(ScriviOltreIlLimite(P("u"), grande), testing::KilledBySignal(SIGXFSZ), "");
    const std::set<std::string> diU = Nomi();
    for (int i = 0; i < 2; ++i)
        EXPECT_EXIT(ScriviOltreIlLimite(P("t"), grande), testing::KilledBySignal(SIGXFSZ), "");
    std::set<std::string> diT = Nomi();
    for (const auto& n : diU) diT.erase(n);
    ASSERT_EQ(diU.size(), 2u); // "t" and the leftover of "u"
    ASSERT_EQ(diT.size(), 1u); // the second cleared what the first left
    EXPECT_EQ(test::LeggiFile(P("t")), "old");

    // One of the same pattern that a live writer holds, and one not ours, stay.
    const std::string vivo = P(*diT.begin() + ".tmp");
    test::ScriviFile(vivo, "live");
    const int fd = ::open(vivo.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(fd, LOCK_EX), 0);
    test::ScriviFile(P("t.tmp1_0"), "not ours");

    ASSERT_TRUE(ScriviFileAtomico(P("t"), "new"));
    EXPECT_EQ(test::LeggiFile(P("t")), "new");
    ::close(fd);
    std::set<std::string> attesi = diU;
    attesi.insert({fs::path(vivo).filename().string(), "t.tmp1_0"});
    EXPECT_EQ(Nomi(), attesi);
}

TEST_F(DiskFiles, AWritePastTheFileSizeLimitFailsInsteadOfEndingTheProgram) {
    ASSERT_TRUE(ScriviFileAtomico(P("t"), "old"));
    EXPECT_EXIT(
        {
            PreparaScrittureFile();
            ScriviOltreIlLimite(P("t"), std::string(20000, 'x'));
        },
        testing::ExitedWithCode(0), "");
    EXPECT_EQ(test::LeggiFile(P("t")), "old");
    EXPECT_EQ(Nomi(), std::set<std::string>{"t"});
}

} // namespace
