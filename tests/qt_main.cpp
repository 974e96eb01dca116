// Entry point of the tests that need Qt: one QApplication on the offscreen platform,
// so that no test ever opens a real window, with the desktop conventions the program has.
// KELVRA_SCHERMO=<width>x<height> gives the offscreen platform one screen of that size
// (without it the platform's own, 800 x 600).
#include "platform/Convenzioni.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>

namespace {

// Writes the platform's screen description and names it in the platform's options; the
// file is read while the application starts. Returns its path, empty when none was asked.
std::filesystem::path DescriviSchermo() {
    const char* richiesta = std::getenv("KELVRA_SCHERMO");
    int larghezza = 0, altezza = 0;
    if (!richiesta || std::sscanf(richiesta, "%dx%d", &larghezza, &altezza) != 2 ||
        larghezza <= 0 || altezza <= 0)
        return {};
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("kelvra_schermo_" + std::to_string(getpid()) + ".json");
    std::ofstream(file) << R"({"screens": [{"name": "prova", "x": 0, "y": 0, "width": )"
                        << larghezza << R"(, "height": )" << altezza << R"(, "logicalDpi": 96}]})";
    const std::string piattaforma = "offscreen:configfile=" + file.string();
    setenv("QT_QPA_PLATFORM", piattaforma.c_str(), 1);
    return file;
}

} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    const std::filesystem::path schermo = DescriviSchermo();
    QApplication app(argc, argv);
    if (!schermo.empty()) std::filesystem::remove(schermo);
    kelvra::InstallaConvenzioniDesktop();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
