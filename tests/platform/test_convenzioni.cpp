// The desktop conventions on the program's real windows, driven with keys and the pointer:
// Escape cancels, Enter and Space press the focused button, a hint goes with the pointer,
// titles are shown whole.
#include "components/EditorComponenti.h"
#include "components/FrmPLoad.h"
#include "components/InsAmmortizzatore.h"
#include "components/InsMolla.h"
#include "components/InsTampone.h"
#include "files/FileProgetto.h"
#include "files/FinestraFile.h"
#include "files/FrmSalva.h"
#include "files/Scelte.h"
#include "platform/Messaggi.h"
#include "shell/FrmMenu.h"
#include "support/ProgrammaAvviato.h"
#include "support/RisposteDialoghi.h"

#include <QComboBox>
#include <QMessageBox>
#include <QSpinBox>
#include <QTest>

using namespace kelvra;
namespace fs = std::filesystem;

namespace {

class DesktopConventions : public test::ProgrammaAvviato {
  protected:
    void PrimaDellAvvio() override {
        RegistraFrmMenu();
        RegistraEditorComponenti();
        RegistraFileProgetto();
    }
    void TearDown() override {
        delete FRMMENU::Istanza();
        ProgrammaAvviato::TearDown();
    }
    // Shows the next modal window to `utente`, as it appears on the screen.
    void Quando(std::function<void(QWidget&)> utente) {
        modali.RispondiModale([utente](QWidget* w) {
            w->show();
            utente(*w);
            return 0;
        });
    }

    RisposteDialoghi modali;
};

// Escape in a box of each window with a Cancel or Close closes it, and what was typed is not
// kept: no component is entered, the preload stays, no file is written or asked for.
TEST_F(DesktopConventions, EscapeClosesTheWindowAndStoresNothing) {
    Progetto& p = Progetti[1];
    p.MollaInserita = VERO;
    p.LungMollaLibera = 250;
    p.StatoDatiProgetto = 2;
    const std::pair<std::function<void()>, std::function<QWidget*(QWidget&)>> casi[] = {
        {Ganci.MostraInsMolla, [](QWidget& w) { return static_cast<INSMOLLA&>(w).TxtLunghezza; }},
        {Ganci.MostraInsTampone,
         [](QWidget& w) { return static_cast<InsTampone&>(w).TxtLunghezza; }},
        {Ganci.MostraInsAmmortizzatore,
         [](QWidget& w) { return static_cast<INSAMMORTIZZATORE&>(w).TxtA; }},
        {Ganci.MostraFrmPLoad, [](QWidget& w) { return static_cast<FrmPLoad&>(w).TxtPrecarico; }},
        {[] { MostraFrmSalva(MOD_PROGETTO); },
         [](QWidget& w) { return static_cast<FrmSalva&>(w).TxtSalva[1]; }},
        {[] { MostraSceltaOpen(); },
         [](QWidget& w) { return static_cast<SceltaOpen&>(w).ChkOption[2]; }}};
    for (const auto& [apri, casella] : casi) {
        bool chiusa = false;
        Quando([&, casella = casella](QWidget& w) {
            QTest::keyClicks(casella(w), "3");
            QTest::keyClick(casella(w), Qt::Key_Escape);
            chiusa = !w.isVisible();
        });
        apri();
        EXPECT_TRUE(chiusa) << modali.classiModali.back().toStdString();
    }
    EXPECT_EQ(p.StatoDatiProgetto, 2);
    EXPECT_EQ(p.LungMollaLibera, 250);
    EXPECT_EQ(p.PrecaricoImpostato, FALSO);
    EXPECT_TRUE(modali.richiesteApri.empty() && modali.richiesteSalva.empty());
    for (const auto& file : fs::directory_iterator(PercorsoApplicazione))
        EXPECT_NE(file.path().extension(), ".kvp");
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

// A button reached with the keyboard is pressed by Enter (also the keypad's) and by Space.
TEST_F(DesktopConventions, EnterAndSpacePressTheFocusedButton) {
    bool chiusa = false;
    Quando([&](QWidget& w) {
        auto& f = static_cast<INSMOLLA&>(w);
        QTest::keyClicks(f.TxtLunghezza, "200");
        QTest::keyClicks(f.TxtLunghezzaCompressa, "120");
        f.CmdOK1->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.CmdOK1, Qt::Key_Return);
        EXPECT_TRUE(f.OptCostModo[1]->isEnabled()); // the lengths were confirmed
        f.OptCostModo[1]->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.OptCostModo[1], Qt::Key_Enter, Qt::KeypadModifier);
        EXPECT_FALSE(f.OptCostModo[1]->isChecked()); // an option is chosen with Space only
        f.CmdEsci->setFocus(Qt::TabFocusReason);
        QTest::keyClick(f.CmdEsci, Qt::Key_Space);
        chiusa = !w.isVisible();
    });
    Ganci.MostraInsMolla();
    EXPECT_TRUE(chiusa);
    EXPECT_TRUE(dialoghi.mostrati.empty());
}

// Alt and a letter that no access key takes types nothing and beeps in a box of any kind: the
// save dialog's name box, and a number box and a list one types in, put in the dialog.
TEST_F(DesktopConventions, AnAltChordTypesNothingIntoAnyBox) {
    NumeroProgetti = 1;
    Progetti[1].StatoDatiProgetto = 15;
    Quando([this](QWidget& w) {
        QApplication::setActiveWindow(&w);
        auto* elenco = new QComboBox(&w);
        elenco->setEditable(true);
        for (QWidget* casella : std::initializer_list<QWidget*>{
                 static_cast<FrmSalva&>(w).TxtSalva[1], new QSpinBox(&w), elenco}) {
            auto* riga = qobject_cast<QLineEdit*>(casella);
            if (!riga) riga = casella->findChild<QLineEdit*>();
            riga->setText("5");
            casella->setFocus();
            const int prima = dialoghi.beep;
            for (Qt::Key k : {Qt::Key_I, Qt::Key_Q, Qt::Key_7})
                QTest::keyClick(casella, k, Qt::AltModifier);
            EXPECT_EQ(riga->text(), "5") << casella->metaObject()->className();
            EXPECT_EQ(dialoghi.beep, prima + 3);
        }
    });
    MostraFrmSalva(MOD_PROGETTO);
    EXPECT_TRUE(modali.modali.empty());
}

// The start screen's hints: over a button, then off it onto the panel (which writes none),
// then onto the background, which writes its own.
TEST_F(DesktopConventions, AHintGoesWhenThePointerLeavesItsControl) {
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&MostraMain()));
    FRMMENU* f = FRMMENU::Istanza();
    ASSERT_NE(f, nullptr);
    QToolButton* esci = f->CmdMenu[24];
    QTest::mouseMove(esci, esci->rect().center());
    EXPECT_EQ(Suggerimento(), Riga(TestiFrmMenu, 29));
    QTest::mouseMove(f->SSPanel, QPoint(f->SSPanel->width() - 5, 5));
    EXPECT_EQ(main->Toolbar()->text(), "");
    QTest::mouseMove(f, QPoint(5, f->height() - 5));
    EXPECT_EQ(Suggerimento(), Riga(TestiToolbar, 0)); // the background's own hint
}

// A message box and a chooser are wide enough for their titles, with room for the icon and
// the buttons of the title bar.
TEST_F(DesktopConventions, TitlesAreShownWhole) {
    QFont grassetto = QApplication::font("QMdiSubWindowTitleBar");
    grassetto.setBold(true);
    const auto basta = [&](const QWidget& w) {
        return QFontMetrics(grassetto).horizontalAdvance(w.windowTitle()) + 100;
    };
    auto box = CreaMessaggio("Ok.", vbOKOnly, "KELVRATONE");
    box->show();
    EXPECT_GE(box->width(), basta(*box));
    box->close();
    int larghezza = 0, serve = 0;
    Quando([&](QWidget& w) {
        larghezza = w.width();
        serve = basta(w);
        w.close();
    });
    MostraSceltaOpen();
    EXPECT_GE(larghezza, serve);
}

// A box that gets the focus when its window opens has its text selected, so typing replaces
// the value shown: the spring window opened again.
TEST_F(DesktopConventions, TheBoxFocusedWhenAComponentWindowOpensHasItsTextSelected) {
    Progetto& p = Progetti[1];
    p.MollaInserita = VERO, p.NumeroMolle = 1, p.LungMollaLibera = 20;
    p.LungMollaMaxCompressione = 10;
    std::string digitato;
    Quando([&](QWidget& w) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
        auto& f = static_cast<INSMOLLA&>(w);
        ASSERT_EQ(QApplication::focusWidget(), f.TxtLunghezza);
        QTest::keyClicks(f.TxtLunghezza, "25");
        digitato = f.TxtLunghezza->text().toStdString();
        w.close();
    });
    Ganci.MostraInsMolla();
    EXPECT_EQ(digitato, "25");
}

// Any window of the program selects the box it opens on; the focus coming back from another
// window (a message box, say) or a click leaves the cursor where it was.
TEST_F(DesktopConventions, OnlyTheOpeningOfAWindowSelectsItsBox) {
    QWidget finestra;
    auto* casella = new QLineEdit(QStringLiteral("12.50"), &finestra);
    auto* ok = new QPushButton(QStringLiteral("OK"), &finestra);
    finestra.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
    EXPECT_EQ(casella->selectedText(), "12.50");
    casella->end(false);
    QWidget altra;
    altra.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&altra));
    altra.close();
    finestra.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&finestra));
    EXPECT_EQ(QApplication::focusWidget(), casella);
    EXPECT_EQ(casella->selectedText(), "");
    ok->setFocus(Qt::TabFocusReason);
    QTest::mouseClick(casella, Qt::LeftButton, {}, QPoint(2, 2));
    EXPECT_EQ(casella->selectedText(), "");
}

} // namespace
