// The key filter on a real line edit: typed keys, Delete and Backspace, keys that pass
// untouched, and text that arrives at once (paste, cut, drop) checked like typed text.
#include "platform/FiltroTasti.h"
#include "support/Risposte.h"

#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace kelvra;

namespace {

const QString EMOJI = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 units

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
    QString Stato() const { return casella->text() + "|" + QString::number(risposte.beep); }
    test::Risposte risposte;
    QWidget finestra;
    QLineEdit* casella = nullptr;
    QLineEdit* altra = nullptr;
};

TEST_F(KeyFilterQt, TypedPastedAndCutTextPassOrBeepAndAreDropped) {
    FiltroTasti::Numerico(casella, 1, 100, 2);
    enum Azione { Batte, Preme, Incolla };
    // clang-format off
    struct Caso { QString testo; int inizio, lunghezza; Azione azione; QString dati, atteso; int beep; }
    casi[] = {
        {"", 0, 0, Batte, "12.345", "12.34", 1} /* a third decimal */,
        {"12.34", 5, 0, Batte, "a,", "12.34", 2}, {"9", 1, 0, Batte, "99", "99", 1} /* 999 > 100 */,
        {"5", 0, 0, Preme, "Del", "5", 1} /* below the minimum */,
        {"5", 1, 0, Preme, "Backspace", "5", 1}, {"25", 0, 0, Preme, "Del", "5", 0},
        {"5", 1, 0, Preme, "Del", "5", 0} /* at the end: nothing to test */,
        {"15", 0, 2, Preme, "Ctrl+X", "15", 1}, {"15", 1, 1, Preme, "Ctrl+X", "1", 0},
        {"1", 1, 0, Incolla, "2.5", "12.5", 0}, {"12.5", 4, 0, Incolla, "5", "12.55", 0},
        {"12.55", 5, 0, Incolla, "1", "12.55", 1}, {"12.55", 0, 5, Incolla, "abc", "12.55", 1},
        {"12.55", 0, 5, Incolla, "250", "12.55", 1}, {"12.55", 0, 5, Incolla, "7.25", "7.25", 0},
        // clang-format on
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
        EXPECT_EQ(Stato(), c.atteso + "|" + QString::number(prima + c.beep));
    }
}

TEST_F(KeyFilterQt, WholeNumberBoxJudgesEveryCharacterAndDroppedOrPastedTextOnce) {
    FiltroTasti::Intero(casella, 0, 1000);
    Scrivi("123", 3);
    QTest::keyClick(casella, Qt::Key_4); // 1234
    EXPECT_EQ(Stato(), "123|1");
    Scrivi("123", 1, 1);
    QTest::keyClick(casella, Qt::Key_4); // 143
    EXPECT_EQ(Stato(), "143|1");
    Scrivi("", 0);
    Lascia("x");
    Lascia("145");
    EXPECT_EQ(Stato(), "145|2");
    // A character of two UTF-16 units is judged like any other; the caret stays in place.
    Scrivi("100", 3);
    QTest::sendKeyEvent(QTest::Click, casella, Qt::Key_unknown, EMOJI, Qt::NoModifier);
    QTest::keyClicks(casella, "0000");
    for (int i = 0; i < 4; ++i) QTest::keyClick(casella, Qt::Key_Left);
    QTest::keyClick(casella, Qt::Key_Backspace);
    EXPECT_EQ(Stato(), "1000|6");
    QElapsedTimer tempo;
    tempo.start();
    QApplication::clipboard()->setText(QString(32767, QChar('0'))); // the longest text
    Scrivi("", 0);
    QTest::keyClick(casella, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(casella->text().size(), 32767);
    EXPECT_LT(tempo.elapsed(), 300);
}

TEST_F(KeyFilterQt, NavigationTabAndEnterPass) {
    FiltroTasti::Numerico(casella, 0, 100, 2);
    QSignalSpy invio(casella, &QLineEdit::returnPressed);
    Scrivi("12", 2);
    QTest::keyClick(casella, Qt::Key_Home);
    EXPECT_EQ(casella->cursorPosition(), 0);
    QTest::keyClick(casella, Qt::Key_End);
    EXPECT_EQ(casella->cursorPosition(), 2);
    QTest::keyClick(casella, Qt::Key_Return);
    EXPECT_EQ(invio.count(), 1);
    QTest::keyClick(casella, Qt::Key_Tab);
    EXPECT_EQ(Stato(), "12|0");
    const QWidget* fuoco = QApplication::focusWidget(); // none without a window manager
    EXPECT_TRUE(fuoco == nullptr || fuoco == altra) << "Tab moves on to the next box";
}

// Alt or the system key and a character (no access key took it) types nothing and beeps; the line
// edit's Ctrl commands still work; Ctrl and Alt together (AltGr on some desktops) type a
// character judged like a plain key.
TEST_F(KeyFilterQt, AltChordsTypeNothingCtrlCommandsAndAltGrWork) {
    FiltroTasti::Numerico(casella, -100, 100, 2);
    const Qt::KeyboardModifiers alt = Qt::AltModifier, ctrl = Qt::ControlModifier;
    // clang-format off
    const std::tuple<Qt::Key, Qt::KeyboardModifiers, QString> casi[] = {
        {Qt::Key_I, alt, "1.5|1"}, {Qt::Key_5, Qt::MetaModifier, "1.5|1"},
        {Qt::Key_I, ctrl, "1.5|0"} /* no command, no character */, {Qt::Key_Left, alt, "1.5|0"},
        {Qt::Key_Backspace, ctrl, "1.|0"} /* deletes a word */, {Qt::Key_5, ctrl | alt, "1.55|0"},
        {Qt::Key_A, ctrl | alt, "1.5|1"}};
    // clang-format on
    for (const auto& [tasto, modificatori, atteso] : casi) {
        Scrivi("1.5", 3);
        risposte.beep = 0;
        QTest::keyClick(casella, tasto, modificatori);
        EXPECT_EQ(Stato(), atteso) << QKeySequence(tasto | modificatori).toString().toStdString();
    }
}

TEST_F(KeyFilterQt, LimitsAreReadAtEveryKeyProgramTextIsNotFilteredCaretInCharacters) {
    double massimo = 10;
    FiltroTasti::Numerico(
        casella, [] { return 0.0; }, [&] { return massimo; }, [] { return int16_t{2}; });
    QTest::keyClicks(casella, "15");
    EXPECT_EQ(Stato(), "1|1");
    massimo = 20;
    QTest::keyClicks(casella, "5");
    casella->setText(casella->text() + "345");
    EXPECT_EQ(Stato(), "15345|1");
    EXPECT_TRUE(casella->hasAcceptableInput());
    EXPECT_EQ(FiltroTasti::Di(casella)->Casella(), casella);
    EXPECT_EQ(FiltroTasti::Di(altra), nullptr);
    // The box as the filter reads it: caret and selection in characters.
    const auto letta = [&] {
        const CasellaTesto b = CasellaDa(casella);
        return b.Text + "|" + std::to_string(b.SelStart) + "|" + std::to_string(b.SelLength);
    };
    casella->setText(EMOJI + "12.5");
    casella->setSelection(5, -2); // selected backwards from 5: "2."
    EXPECT_EQ(letta(), "?12.5|2|2");
    casella->setCursorPosition(3);
    EXPECT_EQ(letta(), "?12.5|2|0");
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
