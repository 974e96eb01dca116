// Whole-file reading with a size limit from regular files only, and the replacing write.
#include "core/FileDisco.h"
#include "support/CartellaProva.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <tuple>

namespace fs = std::filesystem;
using namespace kelvra;

namespace {

class DiskFiles : public ::testing::Test {
  protected:
    std::string P(const char* nome) const { return (prova.cartella / nome).string(); }
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

} // namespace
