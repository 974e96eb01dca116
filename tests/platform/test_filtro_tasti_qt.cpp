// The key filter on a real line edit: typed keys, Delete and Backspace, keys that pass
// untouched, and text that arrives at once (paste, cut, drop) checked like typed text.
#include "platform/FiltroTasti.h"
#include "support/Risposte.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>

using namespace kelvra;

namespace {

class FiltroQt : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&finestra);
        casella = new QLineEdit(&finestra);
        altra = new QLineEdit(&finestra);
        layout->addWidget(casella);
        layout->addWidget(altra);
        finestra.show();
        casella->setFocus();
    }
    void Scrivi(const QString& testo, int caret) {
        casella->setText(testo);
        casella->setCursorPosition(caret);
    }
    void Incolla(const QString& testo) {
        QApplication::clipboard()->setText(testo);
        QTest::keyClick(casella, Qt::Key_V, Qt::ControlModifier);
    }
    test::Risposte risposte;
    QWidget finestra;
    QLineEdit* casella = nullptr;
    QLineEdit* altra = nullptr;
};

TEST_F(FiltroQt, TypedKeysPassOrBeepAndAreDropped) {
    FiltroTasti::Numerico(casella, 0, 100, 2);
    QTest::keyClicks(casella, "12.345");
    EXPECT_EQ(casella->text(), "12.34");
    EXPECT_EQ(risposte.beep, 1);
    QTest::keyClicks(casella, "a,");
    EXPECT_EQ(casella->text(), "12.34");
    EXPECT_EQ(risposte.beep, 3);
    Scrivi("9", 1);
    QTest::keyClicks(casella, "99");
    EXPECT_EQ(casella->text(), "99");
    EXPECT_EQ(risposte.beep, 4); // 999 is above 100
}

TEST_F(FiltroQt, DeleteAndBackspaceAreFiltered) {
    FiltroTasti::Numerico(casella, 1, 100, 2);
    Scrivi("5", 0);
    QTest::keyClick(casella, Qt::Key_Delete);
    EXPECT_EQ(casella->text(), "5");
    EXPECT_EQ(risposte.beep, 1);
    Scrivi("5", 1);
    QTest::keyClick(casella, Qt::Key_Backspace);
    EXPECT_EQ(casella->text(), "5");
    EXPECT_EQ(risposte.beep, 2);
    Scrivi("25", 0);
    QTest::keyClick(casella, Qt::Key_Delete); // leaves 5
    EXPECT_EQ(casella->text(), "5");
    Scrivi("5", 1);
    QTest::keyClick(casella, Qt::Key_Delete); // at the end: nothing to test
    EXPECT_EQ(risposte.beep, 2);
}

TEST_F(FiltroQt, SelectionIsReplaced) {
    FiltroTasti::Intero(casella, 0, 150);
    casella->setText("123");
    casella->setSelection(1, 1);
    QTest::keyClick(casella, Qt::Key_9); // 193
    EXPECT_EQ(casella->text(), "123");
    EXPECT_EQ(risposte.beep, 1);
    casella->setSelection(1, 1);
    QTest::keyClick(casella, Qt::Key_4); // 143
    EXPECT_EQ(casella->text(), "143");
}

TEST_F(FiltroQt, NavigationTabAndEnterPass) {
    FiltroTasti::Numerico(casella, 0, 100, 2);
    QSignalSpy invio(casella, &QLineEdit::returnPressed);
    Scrivi("12", 2);
    QTest::keyClick(casella, Qt::Key_Left);
    QTest::keyClick(casella, Qt::Key_Home);
    EXPECT_EQ(casella->cursorPosition(), 0);
    QTest::keyClick(casella, Qt::Key_End);
    EXPECT_EQ(casella->cursorPosition(), 2);
    QTest::keyClick(casella, Qt::Key_Return);
    EXPECT_EQ(invio.count(), 1);
    QTest::keyClick(casella, Qt::Key_Tab);
    EXPECT_EQ(casella->text(), "12");
    EXPECT_EQ(risposte.beep, 0);
    if (QApplication::focusWidget() != nullptr) {
        EXPECT_EQ(QApplication::focusWidget(), altra) << "Tab moves on to the next box";
    }
}

TEST_F(FiltroQt, LimitsAreReadAtEveryKey) {
    double massimo = 10;
    FiltroTasti::Numerico(
        casella, [] { return 0.0; }, [&] { return massimo; }, [] { return int16_t{2}; });
    QTest::keyClicks(casella, "15");
    EXPECT_EQ(casella->text(), "1");
    massimo = 20;
    QTest::keyClicks(casella, "5");
    EXPECT_EQ(casella->text(), "15");
}

TEST_F(FiltroQt, PastedTextPassesTheSameChecks) {
    FiltroTasti::Numerico(casella, 0, 100, 2);
    Scrivi("1", 1);
    Incolla("2.5");
    EXPECT_EQ(casella->text(), "12.5");
    EXPECT_EQ(risposte.beep, 0);
    Incolla("5"); // 12.55
    EXPECT_EQ(casella->text(), "12.55");
    Incolla("1"); // a third decimal
    EXPECT_EQ(casella->text(), "12.55");
    EXPECT_EQ(risposte.beep, 1);
    casella->selectAll();
    Incolla("abc");
    EXPECT_EQ(casella->text(), "12.55");
    casella->selectAll();
    Incolla("250"); // above 100
    EXPECT_EQ(casella->text(), "12.55");
    EXPECT_EQ(risposte.beep, 3);
    casella->selectAll();
    Incolla("7.25");
    EXPECT_EQ(casella->text(), "7.25");
    EXPECT_EQ(risposte.beep, 3);
}

TEST_F(FiltroQt, CuttingIsCheckedAsDeleting) {
    FiltroTasti::Numerico(casella, 1, 100, 2);
    casella->setText("15");
    casella->selectAll();
    QTest::keyClick(casella, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(casella->text(), "15");
    EXPECT_EQ(risposte.beep, 1);
    casella->setSelection(1, 1);
    QTest::keyClick(casella, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(casella->text(), "1");
}

TEST_F(FiltroQt, DroppedTextPassesTheSameChecks) {
    FiltroTasti::Intero(casella, 0, 500);
    auto lascia = [&](const QString& testo) {
        QMimeData dati;
        dati.setText(testo);
        // A drop goes to the widget that accepted the drag's entry.
        QDragEnterEvent entrata(QPoint(2, 2), Qt::CopyAction, &dati, Qt::LeftButton,
                                Qt::NoModifier);
        QApplication::sendEvent(casella, &entrata);
        QDropEvent evento(QPointF(2, 2), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(casella, &evento);
    };
    casella->setText("");
    lascia("x");
    EXPECT_EQ(casella->text(), "");
    EXPECT_EQ(risposte.beep, 1);
    lascia("450");
    EXPECT_EQ(casella->text(), "450");
    EXPECT_EQ(risposte.beep, 1);
}

TEST_F(FiltroQt, TextSetByTheProgramIsNotFiltered) {
    FiltroTasti::Intero(casella, 0, 10);
    casella->setText("12345");
    EXPECT_EQ(casella->text(), "12345");
    EXPECT_EQ(risposte.beep, 0);
    EXPECT_TRUE(casella->hasAcceptableInput());
    EXPECT_EQ(FiltroTasti::Di(casella)->Casella(), casella);
    EXPECT_EQ(FiltroTasti::Di(altra), nullptr);
}

TEST_F(FiltroQt, CasellaDaReadsCaretAndSelection) {
    casella->setText("12.5");
    casella->setSelection(3, -2); // selected backwards from 3: "2."
    CasellaTesto b = CasellaDa(casella);
    EXPECT_EQ(b.Text, "12.5");
    EXPECT_EQ(b.SelStart, 1);
    EXPECT_EQ(b.SelLength, 2);
    casella->setCursorPosition(2);
    b = CasellaDa(casella);
    EXPECT_EQ(b.SelStart, 2);
    EXPECT_EQ(b.SelLength, 0);
}

} // namespace

// A box destroyed while it has the focus still sends events to its filter on the way out;
// the filter must not treat it as a line edit any more (the sanitizer build checks this).
TEST(FiltroQtDistruzione, BoxDestroyedWithFocusLeavesTheFilterQuiet) {
    QWidget finestra;
    auto* layout = new QVBoxLayout(&finestra);
    auto* casella = new QLineEdit(&finestra);
    layout->addWidget(casella);
    FiltroTasti::Intero(casella, 0, 100);
    finestra.show();
    casella->setFocus();
    QTest::keyClick(casella, Qt::Key_5);
    EXPECT_EQ(casella->text(), "5");
    delete casella;
    EXPECT_EQ(finestra.findChildren<FiltroTasti*>().size(), 0);
}
