// The real geometry editor in the main window, made by the program's own start-up on the
// offscreen platform with the language file in a temporary folder.
#pragma once

#include "core/Cinematica.h"
#include "core/Lingua.h"
#include "core/Vista.h"
#include "geometry_editor/Annulla.h"
#include "geometry_editor/Catena.h"
#include "geometry_editor/InsGeo01.h"
#include "platform/Testo.h"
#include "shell/Avvio.h"
#include "shell/Main.h"
#include "support/OrologioFinto.h"
#include "support/ProgrammaAvviato.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <gtest/gtest.h>

namespace kelvra::test {

class FinestraReale : public ProgrammaAvviato {
  protected:
    void PrimaDellAvvio() override { RegistraEditorGeometria(); }
    void SetUp() override {
        ProgrammaAvviato::SetUp();
        if (HasFatalFailure()) return;
        // Start-up made the editor; the main window shows it.
        MostraMain();
        ed = INSGEO01::Istanza();
        ASSERT_NE(ed, nullptr);
    }
    void TearDown() override {
        delete MAIN::Istanza();
        delete INSGEO01::Istanza();
        ProgrammaAvviato::TearDown();
    }

    Progetto& P() { return Progetti[NumeroProgetti]; }
    static void Digita(QLineEdit* casella, const QString& testo) {
        casella->selectAll();
        QTest::keyClicks(casella, testo);
    }
    static std::string T(const QLineEdit* c) { return AdAnsi(c->text()); }
    void Trascina(double x1, double y1, double x2, double y2) {
        emit ed->PicGeo().MouseDown(1, 0, x1, y1);
        emit ed->PicGeo().MouseMove(1, 0, x2, y2);
        emit ed->PicGeo().MouseUp(1, 0, x2, y2);
    }
    void DigitaAsta(const QString& x, const QString& y) {
        ed->CmdAsta->click();
        Digita(ed->TxtAstaX, x);
        Digita(ed->TxtAstaY, y);
        ed->CmdOKAsta->click();
    }
    // The four-bar: a link from the attachment to (800, 300), a link pinned to the frame
    // at (900, 250), the shock from their joint to (550, 650), maximum travel 100 mm.
    void QuadrilateroDigitato() {
        DigitaAsta("250", "-100");
        DigitaAsta("350", "-150");
        ed->CmdMolla->click();
        Digita(ed->TxtMollaX, "0");
        Digita(ed->TxtMollaY, "250");
        Digita(ed->TxtMaxEsc, "100");
        ed->CmdOKMolla->click();
    }

    OrologioFinto orologio; // the animation never waits on real time
    INSGEO01* ed = nullptr;
};

} // namespace kelvra::test
