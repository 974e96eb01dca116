// Writes that cannot finish: killed half-way, or stopped by the file-size limit. What they
// leave behind, and what the next write of the same file clears.
#include "core/FileDisco.h"
#include "support/CartellaProva.h"

#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/resource.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace kelvra;

namespace {

class StoppedWrites : public ::testing::Test {
  protected:
    std::string P(const std::string& nome) const { return (prova.cartella / nome).string(); }
    std::set<std::string> Nomi() const {
        std::set<std::string> nomi;
        for (const auto& f : fs::directory_iterator(prova.cartella))
            nomi.insert(f.path().filename().string());
        return nomi;
    }
    test::CartellaProva prova{"kelvra_scritture"};
};

// In a child process: writes `dati` with a file-size limit below their size.
void ScriviOltreIlLimite(const std::string& nome, const std::string& dati) {
    rlimit limite{};
    ::getrlimit(RLIMIT_FSIZE, &limite);
    limite.rlim_cur = 4096;
    ::setrlimit(RLIMIT_FSIZE, &limite);
    ::_exit(ScriviFileAtomico(nome, dati) ? 1 : 0);
}

const std::string GRANDE(20000, 'x');

TEST_F(StoppedWrites, TheNextWriteOfAFileClearsWhatKilledWritesLeftAndNothingElse) {
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

TEST_F(StoppedWrites, AWritePastTheFileSizeLimitFailsInsteadOfEndingTheProgram) {
    ASSERT_TRUE(ScriviFileAtomico(P("t"), "old"));
    EXPECT_EXIT((PreparaScrittureFile(), ScriviOltreIlLimite(P("t"), GRANDE)),
                testing::ExitedWithCode(0), "");
    EXPECT_EQ(test::LeggiFile(P("t")), "old");
    EXPECT_EQ(Nomi(), std::set<std::string>{"t"});
}

} // namespace
