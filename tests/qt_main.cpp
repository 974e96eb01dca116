// Entry point of the tests that need Qt: one QApplication on the offscreen platform,
// so that no test ever opens a real window, with the desktop conventions the program has.
#include "platform/Convenzioni.h"

#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    kelvra::InstallaConvenzioniDesktop();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
