// The program started by its own start-up sequence on the offscreen platform, with the
// language file copied into a scratch program folder; the fixture every window test that
// needs the main window, the language or the settings builds on. Each fixture fills the hooks
// it watches in PrimaDellAvvio, which runs before the start-up.
#pragma once

#include "shell/Avvio.h"
#include "shell/Ganci.h"
#include "shell/Main.h"
#include "support/Risposte.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace kelvra::test {

class ProgrammaAvviato : public TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        cwd = std::filesystem::current_path();
        const std::filesystem::path bin(QCoreApplication::applicationDirPath().toStdString());
        std::filesystem::copy_file(bin / "Kelvra3.lng", Cartella() / "Kelvra3.lng");
        PrimaDellAvvio();
        // The program never ends the test process.
        if (!Ganci.TerminaProgramma)
            Ganci.TerminaProgramma = [this](int codice) { terminato = codice; };
        ASSERT_TRUE(Avvia());
    }
    void TearDown() override {
        delete MAIN::Istanza();
        std::filesystem::current_path(cwd);
        TabelleAzzerate::TearDown();
    }
    virtual void PrimaDellAvvio() {}
    // The start-up itself: the program's own sequence, at once.
    virtual bool Avvia() { return SequenzaAvvio(Cartella().string()); }

    // The main window shown at a fixed size.
    MAIN& MostraMain() {
        main = &MAIN::Mostra();
        main->showNormal();
        main->setGeometry(0, 0, 1280, 900);
        QCoreApplication::processEvents();
        return *main;
    }
    std::filesystem::path Cartella() const { return cartella.path().toStdString(); }

    QTemporaryDir cartella;
    std::filesystem::path cwd;
    MAIN* main = nullptr;
    int terminato = -1;
};

} // namespace kelvra::test
