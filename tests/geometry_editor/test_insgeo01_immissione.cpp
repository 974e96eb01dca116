// Entering a linkage on the real editor: keyboard, undo, complete chain, close box, huge values.
#include "support/FinestraReale.h"

#include <QApplication>
#include <QClipboard>
#include <QMenuBar>
#include <cmath>

using namespace kelvra;

namespace {

class DataEntry : public test::FinestraReale {
  protected:
    // Every access key of the menu bar and of the buttons shown is unique.
    void TastiUnici() {
        QStringList tasti;
        for (QAction* a : main->menuBar()->actions()) tasti << a->text();
        for (QAbstractButton* b : ed->findChildren<QAbstractButton*>())
            if (b->isVisible()) tasti << b->text();
        for (QString& t : tasti) t = QKeySequence::mnemonic(t).toString();
        tasti.removeAll(QString());
        EXPECT_EQ(QSet<QString>(tasti.begin(), tasti.end()).size(), tasti.size())
            << tasti.join(' ').toStdString();
    }
    // The four-bar by keyboard: each add command leaves the focus on its panel's first box,
    // Enter in a box confirms the panel.
    void QuadrilateroDaTastiera() {
        QApplication::setActiveWindow(main);
        Digita(ed->TxtMaxEsc, "100");
        const char* valori[][2] = {{"250", "-100"}, {"350", "-150"}, {"0", "250"}};
        for (const auto& v : valori) {
            TastiUnici();
            QPushButton* comando = v[0][0] == '0' ? ed->CmdMolla : ed->CmdAsta;
            comando->setFocus();
            QTest::keyClick(comando, Qt::Key_Space);
            auto* x = qobject_cast<QLineEdit*>(QApplication::focusWidget());
            ASSERT_TRUE(x == ed->TxtAstaX || x == ed->TxtMollaX);
            Digita(x, v[0]);
            QTest::keyClick(x, Qt::Key_Tab);
            Digita(qobject_cast<QLineEdit*>(QApplication::focusWidget()), v[1]);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        ASSERT_EQ(P().StatoDatiProgetto, 1);
    }
};

TEST_F(DataEntry, UndoKeepsTheChainNothingIsAddedToItAndARefusedChainIsNotEntered) {
    QuadrilateroDaTastiera();
    const Progetto prima = P();
    int16_t zero = 0;
    ed->ProceduraUndo(zero); // no shock absorber was confirmed before this one
    EXPECT_TRUE(P().DatiMolla[3].P[0] == prima.DatiMolla[3].P[0] &&
                P().DatiMolla[3].P[1] == prima.DatiMolla[3].P[1]);
    EXPECT_EQ(P().NumPunti, prima.NumPunti);
    ed->Form_Activate(); // back from another window
    EXPECT_FALSE(ed->ToolsItem[4]->isEnabled());
    ed->ToolsItem_Click(4);
    ed->CmdAsta_Click();
    EXPECT_EQ(P().UltimoElemento, 3);
    P().TipoElemento[3] = "A";
    EXPECT_FALSE(ed->ControlloVariabili());
    EXPECT_EQ(P().StatoDatiProgetto, 0);
}

TEST_F(DataEntry, TheCloseBoxLeavesAnUnfinishedChainAsExitDoes) {
    ed->CmdAsta->click(); // never confirmed
    ed->SottoFinestra()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    main->FileItem_Click(1);
    ASSERT_NE(ed = INSGEO01::Istanza(), nullptr);
    ed->CmdAsta->click();
    EXPECT_EQ(P().UltimoElemento, 1);
    EXPECT_EQ(T(ed->LblAstaPrecX) + T(ed->LblAstaPrecY), "200.0050.00");
}

TEST_F(DataEntry, NumbersBeyondTheFourByteRangeNeverReachTheRecords) {
    for (QLineEdit* c : {ed->TxtForcelloneX[0], ed->TxtForcelloneY[1], ed->TxtRaggio}) {
        for (const QString& testo : {QString("1e39"), QString("1e308"), QString(40, '9')}) {
            const QString prima = c->text();
            c->selectAll();
            QApplication::clipboard()->setText(testo);
            QTest::keyClick(c, Qt::Key_V, Qt::ControlModifier);
            EXPECT_EQ(c->text(), prima) << testo.toStdString();
        }
        Digita(c, "1e39"); // the last key is refused
        EXPECT_EQ(T(c), "1e3");
    }
    ed->CmdOKForcellone->click();
    for (const Punto& punto : P().DatiForcellone.P) EXPECT_TRUE(std::isfinite(punto.X + punto.Y));
    Digita(ed->TxtForcelloneX[2], "200");
    ed->CmdOKForcellone->click();
    EXPECT_NEAR(P().DatiForcellone.P[2].X - P().DatiForcellone.P[0].X, 200.0f, 1e-3f);
}

} // namespace
