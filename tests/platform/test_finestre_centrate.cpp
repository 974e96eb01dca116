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
        finestra = {};
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
        ASSERT_FALSE(finestra.isNull());
        EXPECT_TRUE(schermo.contains(finestra)) << finestra.x() << "," << finestra.y() << " "
                                                << finestra.width() << "x" << finestra.height();
        const QPoint scarto = finestra.center() - main->frameGeometry().center();
        EXPECT_LE(std::abs(scarto.x()), 1);
        EXPECT_LE(std::abs(scarto.y()), 1);
    }

    RisposteDialoghi modali;
    QRect finestra;
};

TEST_F(CentredWindows, PreloadWindowAndSummaryTable) {
    test::ProgettoRisolto(1, 15, 120);
    NumeroProgetti = ProgettoSelezionato = 1;
    Misura();
    Ganci.MostraFrmPLoad();
    Centrata("preload");
    Misura();
    MostraRiassunto(1);
    Centrata("summary");
}

} // namespace
