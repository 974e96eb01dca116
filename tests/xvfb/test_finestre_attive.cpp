// Which window is in front and where the keys go, on a real X server with a real window
// manager (run by tests/xvfb/run.sh): the offscreen platform has no window activation. The
// program starts through its splash window as it does for the user; menus, Exit and the
// thumbnails are reached through the X server (xdotool), and after each path the geometry
// editor must be the active child in front and a key typed on the X server must land in the
// first box of its open panel.
#include "files/FileProgetto.h"
#include "geometry_editor/InsGeo01.h"
#include "platform/Convenzioni.h"
#include "shell/Avvio.h"
#include "shell/FrmMenu.h"
#include "shell/Main.h"
#include "support/ProgrammaIntero.h"
#include "support/Risposte.h"
#include "support/RisposteDialoghi.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>

using namespace kelvra;

namespace {

// What the window manager and the program may take, at most, to answer one step.
constexpr int ATTESA_MS = 8000;

// xdotool with these arguments; what it printed, trimmed.
QString Xdotool(const QStringList& argomenti) {
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), argomenti);
    if (!xdotool.waitForFinished(ATTESA_MS)) return QStringLiteral("(xdotool did not answer)");
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}
// The caption of the window the X server holds as active.
QString FinestraAttivaX() {
    return Xdotool({"getactivewindow", "getwindowname"});
}
// Keys typed on the X server, as the user types them.
void Tasti(const QString& tasti) {
    Xdotool({"key", tasti});
}

// The file chooser answered through the platform layer, as in every test, but first shown as
// a real window, which the window manager activates, and closed once it is active: the main
// window loses the activation to it and gets it back, as with the real chooser.
class SceltaMostrata : public RisposteDialoghi {
  public:
    std::string ApriFile(const RichiestaFile& richiesta) override {
        QDialog scelta(MAIN::Istanza());
        scelta.setWindowTitle(QStringLiteral("Choose the file"));
        scelta.resize(400, 300);
        QElapsedTimer tempo;
        tempo.start();
        QTimer controllo;
        QObject::connect(&controllo, &QTimer::timeout, &scelta, [&] {
            if (scelta.isActiveWindow()) {
                ++attivate;
                scelta.accept();
            } else if (tempo.elapsed() > ATTESA_MS) {
                scelta.reject();
            }
        });
        controllo.start(10);
        scelta.exec();
        return RisposteDialoghi::ApriFile(richiesta);
    }
    int attivate = 0; // choosers that became the active window
};

class ActiveWindows : public test::TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        cwd = std::filesystem::current_path();
        const std::filesystem::path bin(QCoreApplication::applicationDirPath().toStdString());
        std::filesystem::copy_file(bin / "Kelvra3.lng", Cartella() / "Kelvra3.lng");
        test::RegistraProgrammaIntero();
        Ganci.TerminaProgramma = [](int) {};
        // The program's own start: the splash window hands over to the main window.
        auto* logo = new FrmLogo(Cartella().string());
        logo->setAttribute(Qt::WA_DeleteOnClose);
        logo->show();
        ASSERT_TRUE(QTest::qWaitFor([] { return MAIN::Istanza() && MAIN::Istanza()->isVisible(); },
                                    ATTESA_MS));
        main = MAIN::Istanza();
    }
    void TearDown() override {
        delete MAIN::Istanza();
        delete INSGEO01::Istanza();
        std::filesystem::current_path(cwd);
        TabelleAzzerate::TearDown();
    }
    std::filesystem::path Cartella() const { return cartella.path().toStdString(); }

    // Whether `figlia` is the active child of the main window in front, for the program and
    // for the window manager alike.
    bool Davanti(const FinestraFiglia* figlia) const {
        return QApplication::activeWindow() == main && main->FigliaAttiva() == figlia &&
               main->AreaMdi()->activeSubWindow() == figlia->SottoFinestra() &&
               FinestraAttivaX() == main->windowTitle();
    }
    void AttendiDavanti(const FinestraFiglia* figlia) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return Davanti(figlia); }, ATTESA_MS))
            << "wanted in front: " << figlia->objectName().toStdString()
            << "; the X server's active window: " << FinestraAttivaX().toStdString()
            << "; the active child: "
            << (main->FigliaAttiva() ? main->FigliaAttiva()->objectName().toStdString() : "none");
    }
    // The editor (Exit ends it, a thumbnail makes it again) in front, maximised, its caption in
    // the frame's, and a key typed on the X server landing in the first box of the swingarm's
    // panel.
    void EditorDavanti() {
        ASSERT_TRUE(QTest::qWaitFor([] { return INSGEO01::Istanza(); }, ATTESA_MS));
        INSGEO01* ed = INSGEO01::Istanza();
        AttendiDavanti(ed);
        EXPECT_TRUE(ed->SottoFinestra()->isMaximized());
        EXPECT_TRUE(main->windowTitle().contains(ed->windowTitle()))
            << main->windowTitle().toStdString();
        QLineEdit* prima = ed->TxtForcelloneX[0];
        ASSERT_TRUE(prima->isVisible());
        prima->clear();
        Tasti(QStringLiteral("7"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return prima->text() == "7"; }, ATTESA_MS))
            << "the first box holds \"" << prima->text().toStdString() << "\"";
        const QWidget* fuoco = QApplication::focusWidget();
        EXPECT_EQ(fuoco, prima) << "the focus is on "
                                << (fuoco ? fuoco->metaObject()->className() : "nothing") << " "
                                << (fuoco ? fuoco->objectName().toStdString() : "");
    }
    // A menu item by its access keys, typed on the X server.
    void Menu(const QString& menu, const QString& voce) {
        Tasti(menu);
        ASSERT_TRUE(QTest::qWaitFor([] { return QApplication::activePopupWidget(); }, ATTESA_MS));
        Tasti(voce);
        ASSERT_TRUE(QTest::qWaitFor([] { return !QApplication::activePopupWidget(); }, ATTESA_MS));
    }

    QTemporaryDir cartella;
    std::filesystem::path cwd;
    MAIN* main = nullptr;
    SceltaMostrata scelte;
};

TEST_F(ActiveWindows, StartUpBringsTheEditorForwardWithTheFocusInItsFirstBox) {
    EditorDavanti();
}

// Exit on the editor brings the start screen back; a thumbnail brings the editor forward,
// taking keys at once: its Exit's access key works without a click on it first.
TEST_F(ActiveWindows, AThumbnailBringsTheEditorForwardTakingKeys) {
    EditorDavanti();
    for (int volta = 0; volta < 2; ++volta) {
        SCOPED_TRACE(volta);
        Tasti(QStringLiteral("alt+x"));
        ASSERT_TRUE(QTest::qWaitFor([] { return FRMMENU::Istanza(); }, ATTESA_MS));
        FRMMENU* inizio = FRMMENU::Istanza();
        AttendiDavanti(inizio);
        if (volta == 1) break;
        const QPoint centro = inizio->CmdIcon[0]->mapToGlobal(inizio->CmdIcon[0]->rect().center());
        Xdotool(
            {"mousemove", QString::number(centro.x()), QString::number(centro.y()), "click", "1"});
        EditorDavanti();
    }
}

// Open project and Open geometry from the editor: the chooser comes and goes, the file is read
// and the editor stays in front with the keys.
TEST_F(ActiveWindows, OpeningFromTheEditorLeavesItInFront) {
    const std::string progetto = PercorsoApplicazione + "linkage.kvp",
                      schema = PercorsoApplicazione + "linkage.kv3";
    ASSERT_TRUE(SalvaProgetto(progetto, 1));
    ASSERT_TRUE(SalvaSchema(schema, 1));
    EditorDavanti();

    scelte.fileDaAprire.push_back(progetto);
    Menu(QStringLiteral("alt+f"), QStringLiteral("o"));
    ASSERT_TRUE(QTest::qWaitFor([] { return Vero(CaricatoProgetto); }, ATTESA_MS));
    EXPECT_EQ(scelte.attivate, 1);
    EditorDavanti();

    scelte.fileDaAprire.push_back(schema);
    Menu(QStringLiteral("alt+h"), QStringLiteral("o"));
    ASSERT_TRUE(QTest::qWaitFor([] { return Vero(CaricatoSchema); }, ATTESA_MS));
    EXPECT_EQ(scelte.attivate, 2);
    EditorDavanti();
    EXPECT_EQ(std::tuple(Progetti[1].NomeFileProgetto, Progetti[1].NomeFileSchema),
              std::tuple(progetto, schema));
}

// File, New project then Close last file: the editor, back on project 1, stays in front.
TEST_F(ActiveWindows, ClosingTheLastFileLeavesTheEditorInFront) {
    EditorDavanti();
    Menu(QStringLiteral("alt+f"), QStringLiteral("n"));
    ASSERT_TRUE(QTest::qWaitFor([] { return NumeroProgetti == 2; }, ATTESA_MS));
    EditorDavanti();
    Menu(QStringLiteral("alt+f"), QStringLiteral("l"));
    ASSERT_TRUE(QTest::qWaitFor([] { return NumeroProgetti == 1; }, ATTESA_MS));
    EditorDavanti();
}

} // namespace

// The platform is the one the environment names (xcb, from run.sh), not the offscreen one of
// the other window tests.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    kelvra::InstallaConvenzioniDesktop();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
