// Windows that take the size of their texts are centred over the main window at the size
// they are shown at, and stay wholly on the screen. The suite runs once on the offscreen
// platform's small screen and once on a large one (see tests/CMakeLists.txt).
#include "components/EditorComponenti.h"
#include "components/FrmPLoad.h"
#include "core/Unita.h"
#include "shell/Comandi.h"
#include "support/ProgettoRisolto.h"
#include "support/ProgrammaAvviato.h"
#include "support/RisposteDialoghi.h"
#include "tables/Tab01.h"
#include "tables/TabRiass.h"

#include <QScreen>
#include <QTest>

using namespace kelvra;

namespace {

class CentredWindows : public test::ProgrammaAvviato {
  protected:
    void PrimaDellAvvio() override {
        RegistraEditorComponenti();
        RegistraTabelle();
    }
    void SetUp() override {
        ProgrammaAvviato::SetUp();
        if (HasFatalFailure()) return;
        ImpostaUnitaMisura(SISTEMA_METRICO);
        // The main window fills the screen, as it does when maximised.
        MostraMain().showMaximized();
        QCoreApplication::processEvents();
    }
    // Shows the next modal window as it appears on the screen and notes where it lands.
    void Misura() {
        modali.RispondiModale([this](QWidget* w) {
            w->show();
            QCoreApplication::processEvents();
            finestra = w->frameGeometry();
            w->close();
            return 0;
        });
    }
    // Centred over the main window to the pixel, and wholly on the screen.
    void Centrata(const char* quale) const {
        const QRect schermo = main->screen()->geometry();
        SCOPED_TRACE(quale);
        EXPECT_TRUE(schermo.contains(finestra)) << finestra.x() << "," << finestra.y() << " "
                                                << finestra.width() << "x" << finestra.height();
        const QPoint scarto = finestra.center() - main->frameGeometry().center();
        EXPECT_LE(std::abs(scarto.x()), 1);
        EXPECT_LE(std::abs(scarto.y()), 1);
    }

    RisposteDialoghi modali;
    QRect finestra;
};

TEST_F(CentredWindows, PreloadWindow) {
    ASSERT_GE(main->screen()->geometry().width(), 800);
    Misura();
    Ganci.MostraFrmPLoad();
    ASSERT_FALSE(finestra.isNull());
    Centrata("preload");
}

TEST_F(CentredWindows, SummaryTable) {
    test::ProgettoRisolto(1, 15, 120);
    NumeroProgetti = ProgettoSelezionato = 1;
    Misura();
    MostraRiassunto(1);
    ASSERT_FALSE(finestra.isNull());
    Centrata("summary");
    // The dimensions are drawn at the size the picture is shown at, not cut at the size it
    // had before the window was measured.
    Progetto& P = Progetti[1];
    P.UltimoElemento = 3;
    P.TipoElemento = {"F", "A", "S", "M"};
    P.DatiForcellone.P = {Punto{0, 350}, Punto{300, -50}, Punto{60, 270}};
    P.DatiAsta[1].P = {Punto{60, 270}, Punto{90, 310}, Punto{}};
    P.DatiSquadretta[2].P = {Punto{90, 310}, Punto{150, 310}, Punto{90, 390}, Punto{}};
    P.DatiMolla[3].P = {Punto{150, 310}, Punto{0, 510}, Punto{}};
    modali.RispondiModale([](QWidget* w) {
        auto* r = qobject_cast<TABRIASS*>(w);
        EXPECT_NE(r, nullptr);
        if (!r) return 0;
        w->show();
        QCoreApplication::processEvents();
        const QImage mostrata = r->PicSchema->grab().toImage();
        r->AggiornaDimensioniSchema();
        EXPECT_EQ(mostrata, r->PicSchema->grab().toImage());
        w->close();
        return 0;
    });
    MostraRiassunto(1);
}

} // namespace
