// The multi-document frame: the active child's menus on the frame's bar, Form_Activate once
// per activation and not when the focus comes back from a message box, the status panel.
#include "platform/CorniceMdi.h"
#include "platform/Testo.h"

#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

using namespace kelvra;

namespace {

class FigliaContata : public FinestraFiglia {
  public:
    using FinestraFiglia::FinestraFiglia;
    void Form_Activate() override {
        ++attivazioni;
        // What the active child's activation sees of the frame's bar.
        if (Cornice()) titoliAllAttivazione = TitoliBarra(Cornice());
    }
    void Form_Deactivate() override { ++disattivazioni; }
    static QStringList TitoliBarra(const CorniceMdi* c) {
        QStringList t;
        for (QAction* a : c->menuBar()->actions()) t << a->text();
        return t;
    }
    int attivazioni = 0, disattivazioni = 0;
    QStringList titoliAllAttivazione;
};

class Frame : public ::testing::Test {
  protected:
    void SetUp() override {
        cornice.resize(800, 600);
        for (const QString& m : BARRA_CORNICE) cornice.AggiungiMenu(m);
        for (const QString& m : BARRA_A) a->AggiungiMenu(m);
        c->AggiungiMenu("C-Grafici");
        for (FigliaContata* f : {a, b, c}) cornice.AggiungiFiglia(f);
        cornice.show();
        QApplication::setActiveWindow(&cornice);
    }
    QStringList Barra() const { return FigliaContata::TitoliBarra(&cornice); }
    const QStringList BARRA_CORNICE{"&File", "&?"}, BARRA_A{"A-File", "A-Schema"};

    CorniceMdi cornice;
    FigliaContata* a = new FigliaContata;
    FigliaContata* b = new FigliaContata; // no menus of its own
    FigliaContata* c = new FigliaContata;
};

} // namespace

TEST_F(Frame, ActiveChildsMenusTakeTheBarAndFormActivateRunsOncePerActivation) {
    cornice.AttivaFiglia(b); // no menus of its own: the frame's
    EXPECT_EQ(Barra(), BARRA_CORNICE);
    const int a0 = a->attivazioni, c0 = c->attivazioni, ad0 = a->disattivazioni;
    cornice.AttivaFiglia(a);
    EXPECT_EQ(cornice.FigliaAttiva(), a);
    EXPECT_EQ(Barra(), BARRA_A);
    EXPECT_EQ(a->titoliAllAttivazione, BARRA_A); // in place when its activation runs
    cornice.AttivaFiglia(a);                     // already active: nothing
    cornice.AttivaFiglia(c);
    EXPECT_EQ(Barra(), QStringList({"C-Grafici"}));
    cornice.AttivaFiglia(a);
    EXPECT_EQ(std::tuple(a->attivazioni - a0, a->disattivazioni - ad0, c->disattivazioni),
              std::tuple(2, 1, 1));
    // A menu added to the active child shows at once.
    a->AggiungiMenu("A-Vista");
    EXPECT_EQ(Barra(), BARRA_A + QStringList({"A-Vista"}));
    // Activation through the area itself (a click on a child's title) counts the same.
    cornice.AreaMdi()->setActiveSubWindow(c->SottoFinestra());
    QApplication::processEvents();
    EXPECT_EQ(cornice.FigliaAttiva(), c);
    EXPECT_EQ(c->attivazioni - c0, 2);
}

TEST_F(Frame, FocusBackFromAMessageBoxOrAHiddenFrameRunsNoActivationAndRestoringKeepsTheBar) {
    cornice.AttivaFiglia(a);
    const int prima = a->attivazioni, disattivazioniPrima = a->disattivazioni;
    // A message box takes the focus and gives it back.
    QMessageBox box(QMessageBox::Information, "t", "x", QMessageBox::Ok, &cornice);
    box.show();
    QApplication::setActiveWindow(&box);
    QApplication::processEvents();
    box.hide();
    QApplication::setActiveWindow(&cornice);
    // What the area reports on such a round trip: no active child, then the same child.
    emit cornice.AreaMdi()->subWindowActivated(nullptr);
    emit cornice.AreaMdi()->subWindowActivated(a->SottoFinestra());
    cornice.hide();
    QApplication::processEvents();
    cornice.show();
    QApplication::setActiveWindow(&cornice);
    QApplication::processEvents();
    EXPECT_EQ(std::pair(a->attivazioni, a->disattivazioni), std::pair(prima, disattivazioniPrima));
    EXPECT_EQ(cornice.FigliaAttiva(), a);
    EXPECT_EQ(Barra(), BARRA_A);
    // Restoring a maximised child hides and shows its sub-window; it keeps the bar.
    a->SottoFinestra()->showMaximized();
    QCoreApplication::processEvents();
    a->SottoFinestra()->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(Barra(), BARRA_A);
}

TEST_F(Frame, ClosedSubWindowKeepsItsChildForTheNextShowADestroyedOneLeavesTheBar) {
    cornice.AttivaFiglia(c);
    QMdiSubWindow* sotto = c->SottoFinestra();
    ASSERT_NE(sotto, nullptr);
    sotto->close();
    QApplication::processEvents();
    EXPECT_FALSE(c->isVisible());
    EXPECT_NE(cornice.FigliaAttiva(), c);
    EXPECT_FALSE(Barra().contains("C-Grafici"));
    const int prima = c->attivazioni;
    EXPECT_EQ(cornice.AggiungiFiglia(c), sotto);
    cornice.AttivaFiglia(c);
    EXPECT_TRUE(sotto->isVisible() && c->isVisible());
    EXPECT_EQ(c->attivazioni, prima + 1);
    EXPECT_EQ(Barra(), QStringList({"C-Grafici"}));
    // A click on the empty client area.
    QSignalSpy clic(&cornice, &CorniceMdi::ClicSfondo);
    QTest::mousePress(cornice.AreaMdi()->viewport(), Qt::LeftButton, {}, QPoint(790, 590));
    EXPECT_EQ(clic.count(), 1);
    // A destroyed child leaves the bar: either another child became active (its menus) or none
    // (the frame's); never the destroyed child's.
    delete c;
    QApplication::processEvents();
    EXPECT_EQ(Barra(), cornice.FigliaAttiva() == a ? BARRA_A : BARRA_CORNICE);
    delete a;
    delete b;
    QApplication::processEvents();
    EXPECT_EQ(cornice.FigliaAttiva(), nullptr);
    EXPECT_EQ(Barra(), BARRA_CORNICE);
}

TEST(StatusPanel, HintsGoToTheFramesLabelInTheLanguagesCodePage) {
    ImpostaCodicePagina(CodicePagina::Windows1252);
    ImpostaSuggerimento("prima");
    {
        CorniceMdi cornice;
        EXPECT_EQ(CorniceMdi::Principale(), &cornice);
        EXPECT_EQ(cornice.Toolbar()->text(), "prima"); // a new frame shows the last hint
        ImpostaSuggerimento("Perch\xe9 \x80");
        EXPECT_EQ(cornice.Toolbar()->text(), QString::fromUtf8("Perché €"));
        EXPECT_EQ(Suggerimento(), "Perch\xe9 \x80");
        EXPECT_TRUE(cornice.isAncestorOf(cornice.Toolbar()));
    }
    EXPECT_EQ(CorniceMdi::Principale(), nullptr);
    ImpostaSuggerimento("dopo"); // no frame: remembered only, no crash
    EXPECT_EQ(Suggerimento(), "dopo");
    SeguiCodicePaginaLingua();
}
