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

class KeyFilterQt : public ::testing::Test {
  protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&finestra);
        layout->addWidget(casella = new QLineEdit(&finestra));
        layout->addWidget(altra = new QLineEdit(&finestra));
        finestra.show();
        casella->setFocus();
    }
    // Text and selection (or caret) set by the program.
    void Scrivi(const QString& testo, int inizio, int lunghezza = 0) {
        casella->setText(testo);
        if (lunghezza == 0)
            casella->setCursorPosition(inizio);
        else
            casella->setSelection(inizio, lunghezza);
    }
    void Lascia(const QString& testo) {
        QMimeData dati;
        dati.setText(testo);
        // A drop goes to the widget that accepted the drag's entry.
        QDragEnterEvent entrata(QPoint(2, 2), Qt::CopyAction, &dati, Qt::LeftButton,
                                Qt::NoModifier);
        QApplication::sendEvent(casella, &entrata);
        QDropEvent evento(QPointF(2, 2), Qt::CopyAction, &dati, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(casella, &evento);
    }
    test::Risposte risposte;
    QWidget finestra;
    QLineEdit* casella = nullptr;
    QLineEdit* altra = nullptr;
};

TEST_F(KeyFilterQt, TypedPastedAndCutTextPassOrBeepAndAreDropped) {
    FiltroTasti::Numerico(casella, 1, 100, 2);
    enum Azione { Batte, Preme, Incolla };
    struct Caso {
        QString testo;
        int inizio, lunghezza;
        Azione azione;
        QString dati, atteso;
        int beep;
    } casi[] = {
        {"", 0, 0, Batte, "12.345", "12.34", 1}, // a third decimal
        {"12.34", 5, 0, Batte, "a,", "12.34", 2},
        {"9", 1, 0, Batte, "99", "99", 1}, // 999 is above 100
        {"5", 0, 0, Preme, "Del", "5", 1}, // would leave the box below its minimum
        {"5", 1, 0, Preme, "Backspace", "5", 1},
        {"25", 0, 0, Preme, "Del", "5", 0},
        {"5", 1, 0, Preme, "Del", "5", 0}, // at the end: nothing to test
        {"15", 0, 2, Preme, "Ctrl+X", "15", 1},
        {"15", 1, 1, Preme, "Ctrl+X", "1", 0},
        {"1", 1, 0, Incolla, "2.5", "12.5", 0},
        {"12.5", 4, 0, Incolla, "5", "12.55", 0},
        {"12.55", 5, 0, Incolla, "1", "12.55", 1},
        {"12.55", 0, 5, Incolla, "abc", "12.55", 1},
        {"12.55", 0, 5, Incolla, "250", "12.55", 1},
        {"12.55", 0, 5, Incolla, "7.25", "7.25", 0},
    };
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.testo.toStdString() + " / " + c.dati.toStdString());
        Scrivi(c.testo, c.inizio, c.lunghezza);
        const int prima = risposte.beep;
        if (c.azione == Batte) QTest::keyClicks(casella, c.dati);
        if (c.azione == Preme) QTest::keySequence(casella, QKeySequence(c.dati));
        if (c.azione == Incolla) {
            QApplication::clipboard()->setText(c.dati);
            QTest::keyClick(casella, Qt::Key_V, Qt::ControlModifier);
        }
        EXPECT_EQ(casella->text(), c.atteso);
        EXPECT_EQ(risposte.beep - prima, c.beep);
    }
}

TEST_F(KeyFilterQt, WholeNumberBoxReplacesTheSelectionAndChecksDroppedText) {
    FiltroTasti::Intero(casella, 0, 150);
    Scrivi("123", 1, 1);
    QTest::keyClick(casella, Qt::Key_9); // 193
    EXPECT_EQ(casella->text(), "123");
    EXPECT_EQ(risposte.beep, 1);
    Scrivi("123", 1, 1);
    QTest::keyClick(casella, Qt::Key_4); // 143
    EXPECT_EQ(casella->text(), "143");
    Scrivi("", 0);
    Lascia("x");
    EXPECT_EQ(casella->text(), "");
    EXPECT_EQ(risposte.beep, 2);
    Lascia("145");
    EXPECT_EQ(casella->text(), "145");
    EXPECT_EQ(risposte.beep, 2);
}

TEST_F(KeyFilterQt, NavigationTabAndEnterPassAndLimitsAreReadAtEveryKey) {
    double massimo = 10;
    FiltroTasti::Numerico(
        casella, [] { return 0.0; }, [&] { return massimo; }, [] { return int16_t{2}; });
    QSignalSpy invio(casella, &QLineEdit::returnPressed);
    QTest::keyClicks(casella, "15");
    EXPECT_EQ(casella->text(), "1");
    massimo = 20;
    QTest::keyClicks(casella, "5");
    EXPECT_EQ(casella->text(), "15");
    EXPECT_EQ(risposte.beep, 1);
    QTest::keyClick(casella, Qt::Key_Home);
    EXPECT_EQ(casella->cursorPosition(), 0);
    QTest::keyClick(casella, Qt::Key_Return);
    QTest::keyClick(casella, Qt::Key_Tab);
    EXPECT_EQ(invio.count(), 1);
    EXPECT_EQ(casella->text(), "15");
    EXPECT_EQ(risposte.beep, 1);
    // Text the program sets is not filtered.
    casella->setText("12345");
    EXPECT_TRUE(casella->hasAcceptableInput());
    EXPECT_EQ(FiltroTasti::Di(casella)->Casella(), casella);
    EXPECT_EQ(FiltroTasti::Di(altra), nullptr);
    // The box as the filter reads it: a selection made backwards from 3 is "2.".
    casella->setText("12.5");
    casella->setSelection(3, -2);
    const CasellaTesto b = CasellaDa(casella);
    EXPECT_EQ(b.Text, "12.5");
    EXPECT_EQ(b.SelStart, 1);
    EXPECT_EQ(b.SelLength, 2);
}

// A box destroyed while it has the focus still sends events to its filter on the way out;
// the filter must not treat it as a line edit any more (the sanitizer build checks this).
TEST_F(KeyFilterQt, BoxDestroyedWithFocusLeavesTheFilterQuiet) {
    FiltroTasti::Intero(casella, 0, 100);
    QTest::keyClick(casella, Qt::Key_5);
    EXPECT_EQ(casella->text(), "5");
    delete casella;
    EXPECT_EQ(finestra.findChildren<FiltroTasti*>().size(), 0);
}

} // namespace
