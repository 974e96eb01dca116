// The editor as it looks and answers the pointer: each control's own hint, the element list
// locked while the linkage is animated, a bottom strip that neither moves nor is cut at the
// frame's smallest size in either unit system, and the program's title and icon.
#include "FinestraReale.h"

#include "core/Unita.h"
#include "platform/CorniceMdi.h"
#include "platform/Messaggi.h"

#include <QApplication>
#include <QMouseEvent>

using namespace kelvra;

namespace {

class AspettoEditor : public test::FinestraReale {
  protected:
    static void Muovi(QWidget* w, QPoint punto) {
        QMouseEvent e(QEvent::MouseMove, punto, w->mapToGlobal(punto), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QApplication::sendEvent(w, &e);
    }
    void CatenaRisolta() {
        Digita(ed->TxtMaxEsc, "100");
        DigitaAsta("250", "-100");
        DigitaAsta("350", "-150");
        ed->CmdMolla->click();
        Digita(ed->TxtMollaX, "0");
        Digita(ed->TxtMollaY, "250");
        ed->CmdOKMolla->click();
        ASSERT_EQ(P().StatoDatiProgetto, 1);
    }
    QRect InMain(const QWidget* w) { return {w->mapTo(main, QPoint(0, 0)), w->size()}; }
};

TEST_F(AspettoEditor, OgniControlloMostraIlSuoSuggerimento) {
    const std::pair<QWidget*, int> casi[] = {
        {ed->CmdAsta, 4},        {ed->CmdSquadretta, 5}, {ed->CmdMolla, 6},     {ed->CmdEsci, 11},
        {ed->CmdStampa, 12},     {ed->CmdSimula, 44},    {ed->LblModifica, 45}, {ed->ChkQuote, 57},
        {ed->CmdAddProject, 79}, {ed->LblDati, 80},      {ed->TxtMaxEsc, 80}};
    for (auto [w, riga] : casi) {
        ed->LblX->setText("12.5");
        Muovi(w, w->rect().center());
        EXPECT_EQ(Suggerimento(), Riga(TestiToolbar, riga)) << riga;
        EXPECT_EQ(ed->LblX->text(), "12.5") << riga;
    }
    // The strip itself: its hint, the readouts blanked.
    Muovi(ed->FrmTool, {2, 2});
    EXPECT_EQ(Suggerimento(), Riga(TestiToolbar, 3));
    EXPECT_EQ(ed->LblX->text(), "-");
}

TEST_F(AspettoEditor, LaListaDegliElementiTaceDuranteLAnimazione) {
    CatenaRisolta();
    ASSERT_TRUE(ed->CmbModifica->isEnabled());
    ed->CmdSimula->click(); // manual
    EXPECT_FALSE(ed->CmbModifica->isEnabled());
    ed->CmdSimula->click();
    EXPECT_TRUE(ed->CmbModifica->isEnabled());
    // The automatic kind, looked at in its first yield and stopped there.
    bool durante = true;
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            durante = ed->CmbModifica->isEnabled();
            ed->CmdSimula->click();
        },
        Qt::QueuedConnection);
    ed->TipoSimulazione = 2;
    ed->CmdSimula->click();
    EXPECT_FALSE(durante);
    EXPECT_TRUE(ed->CmbModifica->isEnabled());
}

TEST_F(AspettoEditor, LaStrisciaNonSiMuoveENonSiTaglia) {
    CatenaRisolta();
    for (int unita : {SISTEMA_METRICO, SISTEMA_IMPERIALE}) {
        ed->UnitaItem_Click(unita);
        for (QSize dimensione : {QSize(1, 1), QSize(1400, 1050)}) {
            main->resize(dimensione);
            QCoreApplication::processEvents();
            const QRect area = InMain(main->AreaMdi());
            EXPECT_TRUE(area.contains(InMain(ed->FrmTool))) << unita << " " << main->width();
            const QRect simula = InMain(ed->CmdSimula);
            for (auto [x, y] : {std::pair{1.0, 1.0}, {5000.0, 5000.0}, {-3.0, 77.7}}) {
                emit ed->PicGeo().MouseMove(0, 0, x, y);
                QCoreApplication::processEvents();
                EXPECT_EQ(InMain(ed->CmdSimula), simula) << x;
                for (QLabel* l : {ed->LblX, ed->LblY, ed->LblL, ed->LblAng})
                    EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()),
                              l->contentsRect().width())
                        << AdAnsi(l->text());
            }
            const QLineEdit* c = ed->TxtMaxEsc;
            EXPECT_LE(c->fontMetrics().horizontalAdvance(c->text()) + 8, c->width())
                << AdAnsi(c->text());
        }
    }
}

TEST_F(AspettoEditor, TitoloEIconaDelProgramma) {
    EXPECT_EQ(TitoloApplicazione(), "KELVRATONE");
    EXPECT_EQ(AdAnsi(main->windowTitle()).rfind("KELVRATONE ", 0), 0u);
    for (const QWidget* w : {static_cast<QWidget*>(main), static_cast<QWidget*>(ed)}) {
        const QIcon icona = w->windowIcon();
        ASSERT_FALSE(icona.isNull());
        EXPECT_EQ(icona.cacheKey(), QApplication::windowIcon().cacheKey());
        EXPECT_FALSE(icona.pixmap(16).isNull());
    }
}

} // namespace
