// Which window is in front and where the keys go, on a real X server with a window manager
// (tests/xvfb/run.sh): the offscreen platform has no activation. The program starts through its
// splash window; keys and clicks go through the X server (xdotool). After each path the geometry
// editor must be the active child in front and a typed key must land in its first box.
#include "files/FileProgetto.h"
#include "geometry_editor/InsGeo01.h"
#include "platform/Convenzioni.h"
#include "shell/Avvio.h"
#include "shell/FrmMenu.h"
#include "shell/Main.h"
#include "support/ProgrammaAvviato.h"
#include "support/ProgrammaIntero.h"
#include "support/Risposte.h"
#include "support/RisposteDialoghi.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTest>
#include <gtest/gtest.h>

using namespace kelvra;

namespace {

constexpr int ATTESA_MS = 8000; // the most one step may take

// xdotool with these arguments; what it printed, trimmed.
QString Xdotool(const QStringList& argomenti) {
    QProcess x;
    x.start(QStringLiteral("xdotool"), argomenti);
    return x.waitForFinished(ATTESA_MS) ? QString::fromUtf8(x.readAllStandardOutput()).trimmed()
                                        : QStringLiteral("(xdotool did not answer)");
}

// The file chooser, answered through the platform layer, is first shown as a real window and
// closed once the window manager has activated it: the main window loses the activation to it
// and gets it back, as with the real chooser.
class SceltaMostrata : public RisposteDialoghi {
  public:
    std::string ApriFile(const RichiestaFile& richiesta) override {
        QDialog scelta(MAIN::Istanza());
        scelta.setModal(true), scelta.resize(400, 300), scelta.show();
        if (QTest::qWaitFor([&] { return scelta.isActiveWindow(); }, ATTESA_MS)) ++attivate;
        return RisposteDialoghi::ApriFile(richiesta);
    }
    int attivate = 0; // choosers that became the active window
};

class ActiveWindows : public test::ProgrammaAvviato {
  protected:
    void PrimaDellAvvio() override { test::RegistraProgrammaIntero(); }
    // Through the splash window, which hands over to the main window once shown.
    bool Avvia() override {
        auto* logo = new FrmLogo(Cartella().string());
        logo->setAttribute(Qt::WA_DeleteOnClose);
        logo->show();
        main = QTest::qWaitFor([] { return MAIN::Istanza() && MAIN::Istanza()->isVisible(); },
                               ATTESA_MS)
                   ? MAIN::Istanza()
                   : nullptr;
        return main;
    }
    void TearDown() override {
        delete INSGEO01::Istanza();
        ProgrammaAvviato::TearDown();
    }
    static QString FinestraAttivaX() { return Xdotool({"getactivewindow", "getwindowname"}); }

    // `figlia` the active child of the main window in front, for the program and the X server.
    void AttendiDavanti(const FinestraFiglia* figlia) {
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                return QApplication::activeWindow() == main && main->FigliaAttiva() == figlia &&
                       main->AreaMdi()->activeSubWindow() == figlia->SottoFinestra() &&
                       FinestraAttivaX() == main->windowTitle();
            },
            ATTESA_MS))
            << "wanted in front: " << figlia->objectName().toStdString()
            << "; the X server's active window: " << FinestraAttivaX().toStdString();
    }
    // The editor in front, maximised, its caption in the frame's, and a key typed on the X
    // server landing in the first box of the swingarm's panel.
    void EditorDavanti() {
        ASSERT_TRUE(QTest::qWaitFor([] { return INSGEO01::Istanza(); }, ATTESA_MS));
        INSGEO01* ed = INSGEO01::Istanza();
        AttendiDavanti(ed);
        EXPECT_TRUE(ed->SottoFinestra()->isMaximized() &&
                    main->windowTitle().contains(ed->windowTitle()))
            << main->windowTitle().toStdString();
        QLineEdit* prima = ed->TxtForcelloneX[0];
        prima->clear();
        Xdotool({"key", "7"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return prima->text() == "7"; }, ATTESA_MS))
            << "the focus is on "
            << (QApplication::focusWidget() ? QApplication::focusWidget()->metaObject()->className()
                                            : "nothing");
    }
    // A menu item by its access keys typed on the X server; once `fatto`, the editor in front.
    void Menu(const char* menu, const char* voce, bool (*fatto)()) {
        Xdotool({"key", menu});
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget(); }, ATTESA_MS));
        Xdotool({"key", voce});
        ASSERT_TRUE(QTest::qWaitFor(fatto, ATTESA_MS));
        EditorDavanti();
    }

    SceltaMostrata scelte;
};

TEST_F(ActiveWindows, StartUpBringsTheEditorForwardWithTheFocusInItsFirstBox) {
    EditorDavanti();
}

// Exit's access key works on the editor at once (no click first) and brings the start screen
// back; its thumbnail brings the editor forward taking keys, and Exit works again.
TEST_F(ActiveWindows, AThumbnailBringsTheEditorForwardTakingKeys) {
    const auto esci = [this] {
        Xdotool({"key", "alt+x"});
        ASSERT_TRUE(QTest::qWaitFor([] { return FRMMENU::Istanza(); }, ATTESA_MS));
        AttendiDavanti(FRMMENU::Istanza());
    };
    EditorDavanti(), esci();
    const QWidget* miniatura = FRMMENU::Istanza()->CmdIcon[0];
    const QPoint centro = miniatura->mapToGlobal(miniatura->rect().center());
    Xdotool({"mousemove", QString::number(centro.x()), QString::number(centro.y()), "click", "1"});
    EditorDavanti(), esci();
}

// Open project and Open geometry from the editor: the chooser comes and goes, the file is read
// and the editor stays in front with the keys.
TEST_F(ActiveWindows, OpeningFromTheEditorLeavesItInFront) {
    const std::string progetto = PercorsoApplicazione + "linkage.kvp",
                      schema = PercorsoApplicazione + "linkage.kv3";
    ASSERT_TRUE(SalvaProgetto(progetto, 1) && SalvaSchema(schema, 1));
    EditorDavanti();
    scelte.fileDaAprire = {progetto, schema};
    Menu("alt+f", "o", [] { return Vero(CaricatoProgetto); });
    Menu("alt+h", "o", [] { return Vero(CaricatoSchema); });
    EXPECT_EQ(std::tuple(scelte.attivate, Progetti[1].NomeFileProgetto, Progetti[1].NomeFileSchema),
              std::tuple(2, progetto, schema));
}

// File, New project then Close last file: the editor, back on project 1, stays in front.
TEST_F(ActiveWindows, ClosingTheLastFileLeavesTheEditorInFront) {
    EditorDavanti();
    Menu("alt+f", "n", [] { return NumeroProgetti == 2; });
    Menu("alt+f", "l", [] { return NumeroProgetti == 1; });
}

} // namespace

// On the platform the environment names (xcb, from run.sh), not the offscreen one.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kelvra::InstallaConvenzioniDesktop();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
