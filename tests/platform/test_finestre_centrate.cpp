// Windows that take the size of their texts are centred over the main window at the size
// they are shown at, and stay wholly on the screen. The suite runs once on the offscreen
// platform's small screen and once on a large one (see tests/CMakeLists.txt).
#include "components/EditorComponenti.h"
#include "core/Unita.h"
#include "platform/PictureBox.h"
#include "shell/Comandi.h"
#include "support/ProgettoRisolto.h"
#include "support/ProgrammaAvviato.h"
#include "support/RisposteDialoghi.h"
#include "tables/Riassunto.h"
#include "tables/Tab01.h"
#include "tables/TabRiass.h"

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

// The dimensions of the linkage are drawn for the picture's size as the window is shown, not
// for the smaller size it had before the window took the size of its texts, and where the
// screen has room the picture is as wide as the list: every value reads whole.
TEST_F(CentredWindows, SummaryDrawsTheDimensionsAtTheSizeShown) {
    test::ProgettoRisolto(1, 15, 120);
    Progetto& P = Progetti[1];
    P.UltimoElemento = 1, P.TipoElemento = {"F", "M"};
    P.DatiForcellone.P = {Punto{0, 350}, Punto{300, -50}, Punto{60, 270}};
    P.DatiMolla[1].P = {Punto{60, 270}, Punto{0, 510}, Punto{}};
    NumeroProgetti = ProgettoSelezionato = 1;
    ASSERT_EQ(DimensioniSchema(1).size(), 7u);
    QImage mostrata, attesa;
    modali.RispondiModale([&](QWidget* w) {
        w->show();
        QCoreApplication::processEvents();
        const PictureBox& figura = *static_cast<TABRIASS*>(w)->PicSchema;
        mostrata = figura.Immagine();
        PictureBox rifatta;
        rifatta.resize(figura.size()), rifatta.show();
        QCoreApplication::processEvents();
        DisegnaDimensioni(rifatta, DimensioniSchema(1));
        attesa = rifatta.Immagine();
        w->close();
        return 0;
    });
    MostraRiassunto(1);
    ASSERT_FALSE(attesa.isNull());
    EXPECT_EQ(mostrata.size(), attesa.size());
    EXPECT_TRUE(mostrata == attesa);
    // Where the drawing ends, on a picture wide enough for anything: the shown one is wider.
    PictureBox larga;
    larga.resize(2 * mostrata.width(), mostrata.height()), larga.show();
    QCoreApplication::processEvents();
    DisegnaDimensioni(larga, DimensioniSchema(1));
    const QImage tutta = larga.Immagine();
    int fine = 0;
    for (int x = 0; x < tutta.width(); ++x)
        for (int y = 0; y < tutta.height(); ++y)
            if (tutta.pixel(x, y) != tutta.pixel(tutta.width() - 1, 0)) fine = x;
    EXPECT_LT(fine, mostrata.width());
}

// Ticking MAX shows the maxima's travels in a column the window was made wide enough for: in both
// unit systems every dimension reads whole, in the picture and on the printed page, and in the
// list's own type where the screen has room (on a small one it may be written smaller).
TEST_F(CentredWindows, TickingMaxCutsNoDimension) {
    test::ProgettoRisolto(1, 15, 120);
    Progetto& P = Progetti[1];
    P.UltimoElemento = 3, P.TipoElemento = {"F", "S", "A", "M"}, P.RaggioRuota = 310;
    P.DatiForcellone.P = {Punto{0, 350}, Punto{600, -50}, Punto{60, 270}};
    P.DatiSquadretta[1].P = {Punto{60, 270}, Punto{120, 200}, Punto{80, 150}, Punto{}};
    P.DatiAsta[2].P = {Punto{80, 150}, Punto{10, 100}, Punto{}};
    P.DatiMolla[3].P = {Punto{120, 200}, Punto{0, 510}, Punto{}};
    NumeroProgetti = ProgettoSelezionato = 1;
    ASSERT_EQ(DimensioniSchema(1).size(), 11u);
    for (int16_t sistema : {SISTEMA_METRICO, SISTEMA_IMPERIALE}) {
        SCOPED_TRACE(sistema);
        ImpostaUnitaMisura(SistemaUnita = sistema);
        modali.RispondiModale([&](QWidget* w) {
            auto& r = *static_cast<TABRIASS*>(w);
            w->show(), QCoreApplication::processEvents();
            for (int k = 0; k < RIGHE_RIASSUNTO; ++k) r.ChkMAX[size_t(k)]->click();
            QCoreApplication::processEvents();
            EXPECT_TRUE(r.LblRisultatiX[0]->isVisible());
            EXPECT_TRUE(main->screen()->geometry().contains(w->frameGeometry()));
            PictureBox& figura = *r.PicSchema;
            EXPECT_LE(LarghezzaDimensioni(figura, DimensioniSchema(1)), figura.LarghezzaScala());
            const int punti = main->screen()->size().width() >= 1280 ? 8 : 6;
            EXPECT_GE(figura.Carattere().pixelSize(), std::lround(punti * figura.Dpi() / 72));
            modali.stampe.clear(), r.CmdStampa->click();
            EXPECT_EQ(modali.stampe.size(), 1u);
            const QRect dove(figura.mapTo(w, QPoint(0, 0)), figura.size());
            for (const auto& pagina : modali.stampe)
                EXPECT_TRUE(pagina.immagine.copy(dove) == figura.grab().toImage());
            return w->close(), 0;
        });
        MostraRiassunto(1);
    }
}

} // namespace
