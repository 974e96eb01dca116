// Entering a linkage on the real editor window: values the records cannot hold, the undo of a
// freshly closed chain, the add commands on a complete chain, the close box, and the keyboard
// (access keys, focus, Enter).
#include "FinestraReale.h"

#include "platform/FiltroTasti.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <cmath>
#include <set>

using namespace kelvra;

namespace {

class Immissione : public test::FinestraReale {
  protected:
    // The four-bar of a link, a rocker pinned to the frame and the shock absorber.
    void QuadrilateroConSquadretta() {
        DigitaAsta("200", "-100");
        ed->CmdSquadretta->click();
        Digita(ed->TxtSquadrettaX[0], "100");
        Digita(ed->TxtSquadrettaY[0], "-100");
        Digita(ed->TxtSquadrettaX[1], "150");
        Digita(ed->TxtSquadrettaY[1], "-20");
        ed->CmdOKSquadretta->click();
        ed->CmdMolla->click();
        Digita(ed->TxtMollaX, "50");
        Digita(ed->TxtMollaY, "200");
        Digita(ed->TxtMaxEsc, "150");
        ed->CmdOKMolla->click();
    }
    static void Incolla(QLineEdit* casella, const QString& testo) {
        casella->selectAll();
        QApplication::clipboard()->setText(testo);
        QTest::keyClick(casella, Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_F(Immissione, NumbersBeyondTheFourByteRangeNeverReachTheRecords) {
    const std::array<QLineEdit*, 3> caselle{ed->TxtForcelloneX[0], ed->TxtForcelloneY[1],
                                            ed->TxtRaggio};
    for (const QString& testo : {QString("1e39"), QString("1e308"), QString(40, QChar('9'))}) {
        for (QLineEdit* casella : caselle) {
            const QString prima = casella->text();
            Incolla(casella, testo);
            EXPECT_EQ(casella->text(), prima) << testo.toStdString() << " refused as out of range";
        }
    }
    // Typed, the key that would leave the range is refused.
    for (QLineEdit* casella : caselle) {
        Digita(casella, "1e39");
        EXPECT_EQ(T(casella), "1e3");
    }
    ed->CmdOKForcellone->click();
    for (const Punto& punto : P().DatiForcellone.P)
        EXPECT_TRUE(std::isfinite(punto.X) && std::isfinite(punto.Y));
    EXPECT_FLOAT_EQ(P().RaggioRuota, 1000.0f);
    // Valid values still go where they are typed.
    Digita(ed->TxtForcelloneX[2], "200");
    ed->CmdOKForcellone->click();
    EXPECT_NEAR(P().DatiForcellone.P[2].X - P().DatiForcellone.P[0].X, 200.0f, 1e-3f);
}

TEST_F(Immissione, UndoAfterTheShockAbsorberKeepsTheConfirmedChain) {
    QuadrilateroConSquadretta();
    ASSERT_EQ(P().StatoDatiProgetto, 1);
    const Progetto prima = P();
    int16_t zero = 0;
    ed->ProceduraUndo(zero);
    for (int i = 0; i < 2; ++i) {
        EXPECT_FLOAT_EQ(P().DatiMolla[3].P[i].X, prima.DatiMolla[3].P[i].X);
        EXPECT_FLOAT_EQ(P().DatiMolla[3].P[i].Y, prima.DatiMolla[3].P[i].Y);
    }
    EXPECT_FLOAT_EQ(P().DatiAsta[1].P[1].X, prima.DatiAsta[1].P[1].X);
    EXPECT_FLOAT_EQ(P().DatiSquadretta[2].P[2].Y, prima.DatiSquadretta[2].P[2].Y);
    EXPECT_EQ(P().NumPunti, prima.NumPunti);
    EXPECT_EQ(P().StatoDatiProgetto, 1);
}

TEST_F(Immissione, NothingIsAddedToACompleteChainAndARefusedChainIsNotEntered) {
    QuadrilateroConSquadretta();
    ed->Form_Activate(); // back from another window
    EXPECT_FALSE(ed->ToolsItem[4]->isEnabled());
    ed->ToolsItem[4]->trigger();
    ed->ToolsItem_Click(4);
    ed->CmdAsta_Click();
    EXPECT_EQ(P().UltimoElemento, 3);
    // A check that refuses the chain leaves it not entered.
    ASSERT_EQ(P().GeometriaInserita, VERO);
    P().TipoElemento[3] = "A";
    EXPECT_FALSE(ed->ControlloVariabili());
    EXPECT_EQ(P().GeometriaInserita, FALSO);
    EXPECT_EQ(P().StatoDatiProgetto, 0);
}

TEST_F(Immissione, TheCloseBoxLeavesAnUnfinishedChainAsExitDoes) {
    ed->CmdAsta->click(); // a new link, never confirmed
    ed->SottoFinestra()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(P().UltimoElemento, 0);
    main->FileItem_Click(1);
    ed = INSGEO01::Istanza();
    ASSERT_NE(ed, nullptr);
    EXPECT_EQ(ed->CmbModifica->count(), 1);
    ed->CmdAsta->click();
    EXPECT_EQ(T(ed->LblAstaPrecX), "200.00");
    EXPECT_EQ(T(ed->LblAstaPrecY), "50.00");
}

// The access keys of the menu bar and of every button shown at once.
std::multiset<QString> TastiAccesso(INSGEO01* ed, QMenuBar* barra) {
    std::multiset<QString> tasti;
    const auto aggiungi = [&](const QString& testo) {
        const QKeySequence s = QKeySequence::mnemonic(testo);
        if (!s.isEmpty()) tasti.insert(s.toString());
    };
    for (QAction* a : barra->actions()) aggiungi(a->text());
    for (QAbstractButton* b : ed->findChildren<QAbstractButton*>())
        if (b->isVisible()) aggiungi(b->text());
    return tasti;
}

TEST_F(Immissione, AccessKeysAreUniqueFocusGoesToTheFirstBoxAndEnterConfirms) {
    QMenuBar* barra = main->menuBar();
    const auto unici = [&] {
        const auto tasti = TastiAccesso(ed, barra);
        for (const QString& t : tasti) EXPECT_EQ(tasti.count(t), 1u) << t.toStdString();
    };
    unici();
    main->activateWindow();
    QApplication::setActiveWindow(main);
    // Enter in a box confirms its panel; the focus starts on the panel's first box.
    ed->CmdAsta->setFocus();
    QTest::keyClick(ed->CmdAsta, Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), ed->TxtAstaX);
    Digita(ed->TxtAstaX, "200");
    Digita(ed->TxtAstaY, "-100");
    QTest::keyClick(ed->TxtAstaY, Qt::Key_Return);
    EXPECT_FLOAT_EQ(P().DatiAsta[1].P[1].X, 750.0f);
    unici();
    DigitaAsta("300", "-150"); // after slot 2 the shock absorber may follow
    ed->CmdMolla->setFocus();
    QTest::keyClick(ed->CmdMolla, Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), ed->TxtMollaX);
    Digita(ed->TxtMollaX, "50");
    Digita(ed->TxtMollaY, "200");
    Digita(ed->TxtMaxEsc, "150");
    QTest::keyClick(ed->TxtMollaY, Qt::Key_Return);
    EXPECT_EQ(P().StatoDatiProgetto, 1);
    unici();
}

} // namespace
