// Windows that take the size of their texts are centred over the main window at the size
// they are shown at, and stay wholly on the screen. The suite runs once on the offscreen
// platform's small screen and once on a large one (see tests/CMakeLists.txt).
#include "components/EditorComponenti.h"
#include "core/Unita.h"
#include "shell/Comandi.h"
#include "support/ProgettoRisolto.h"
#include "support/ProgrammaAvviato.h"
#include "support/RisposteDialoghi.h"
#include "tables/Tab01.h"

#include <QScreen>
#include <functional>

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
    // The next modal window, shown by `mostra` as it appears on the screen, centred over the
    // main window to the pixel and wholly on the screen.
    void Centrata(const char* quale, const std::function<void()>& mostra) {
        SCOPED_TRACE(quale);
        QRect finestra;
        modali.RispondiModale([&finestra](QWidget* w) {
            w->show();
            QCoreApplication::processEvents();
            finestra = w->frameGeometry();
            w->close();
            return 0;
        });
        mostra();
        ASSERT_FALSE(finestra.isNull());
        EXPECT_TRUE(main->screen()->geometry().contains(finestra))
            << finestra.x() << "," << finestra.y() << " " << finestra.width() << "x"
            << finestra.height();
        const QPoint scarto = finestra.center() - main->frameGeometry().center();
        EXPECT_LE(std::max(std::abs(scarto.x()), std::abs(scarto.y())), 1);
    }

    RisposteDialoghi modali;
};

TEST_F(CentredWindows, PreloadWindowAndSummaryTable) {
    test::ProgettoRisolto(1, 15, 120);
    NumeroProgetti = ProgettoSelezionato = 1;
    Centrata("preload", [] { Ganci.MostraFrmPLoad(); });
    Centrata("summary", [] { MostraRiassunto(1); });
}

} // namespace
