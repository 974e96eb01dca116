// The graph window's toolbar and File menu as a user drives them: each button's command, the
// compare run up to six projects, open, new project, closing the last project, the printer
// set-up and the printed page, and the hints the controls write into the status panel.
#include "graphs/FinestraGrafici.h"
#include "graphs/PaginaGrafico.h"
#include "platform/CorniceMdi.h"
#include "platform/Dialoghi.h"

#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>
#include <QTemporaryDir>
#include <deque>
#include <map>

using namespace kelvra;
using kelvra::test::GraphWindow;

namespace {

class GraphToolbar : public GraphWindow {
  protected:
    void SetUp() override {
        GraphWindow::SetUp();
        for (const char* nome :
             {"MostraInsGeo", "MostraTab01", "MostraSceltaOpen", "ApriProgetto", "MostraSceltaSave",
              "SalvaProgetto", "MostraFrmSalvaTipo", "NuovoProgettoGrafici"})
            chiamate[nome] = 0;
        Ganci.MostraInsGeo = [this](MAIN&, bool) { ++chiamate["MostraInsGeo"]; };
        Ganci.MostraTab01 = [this] { ++chiamate["MostraTab01"]; };
        Ganci.MostraSceltaOpen = [this](MAIN&) { ++chiamate["MostraSceltaOpen"]; };
        Ganci.MostraSceltaSave = [this](MAIN&) { ++chiamate["MostraSceltaSave"]; };
        Ganci.MostraFrmSalvaTipo = [this](int16_t) { ++chiamate["MostraFrmSalvaTipo"]; };
        Ganci.SalvaProgetto = [this](const std::string&, int16_t) {
            ++chiamate["SalvaProgetto"];
            return true;
        };
        Ganci.NuovoProgettoGrafici = [this] { ++chiamate["NuovoProgettoGrafici"]; };
        // The project reader: each load in turn succeeds or fails, as queued.
        Ganci.ApriProgetto = [this] {
            ++chiamate["ApriProgetto"];
            const bool riesce = !carichi.empty() && carichi.front();
            if (!carichi.empty()) carichi.pop_front();
            if (riesce) {
                Progetto(NumeroProgetti, &kelvra::Progetto::CaricoRuota, 0, 500.0 * NumeroProgetti);
                CaricatoProgetto = VERO;
            }
        };
        for (int p = 1; p <= 5; ++p) Progetto(p, &kelvra::Progetto::CaricoRuota, 0, 1000);
    }
    CURVE01& ApriCon(int progetti) {
        NumeroProgetti = ProgettoSelezionato = static_cast<int16_t>(progetti);
        CURVE01& f = Apri();
        f.Form_Activate();
        f.CmdCurve[13]->click();
        return f;
    }
    std::string Titolo(const CURVE01& f) const { return AdAnsi(f.windowTitle()); }
    std::map<std::string, int> chiamate;
    std::deque<bool> carichi;
};

TEST_F(GraphToolbar, EachButtonRunsItsCommand) {
    struct Caso {
        int pulsante;
        int16_t editor;
        const char* gancio;   // hook called once, or nullptr
        const char* finestra; // modal window shown, or nullptr
    };
    const Caso casi[] = {{0, 1, "MostraInsGeo", nullptr},
                         {0, 0, nullptr, nullptr},
                         {1, 1, nullptr, "FUNZIONI"},
                         {2, 1, nullptr, "LETTORE"},
                         {3, 1, "MostraTab01", nullptr},
                         {3, 0, nullptr, nullptr},
                         {4, 1, nullptr, nullptr},
                         {5, 1, nullptr, "FUNZIONI"},
                         {7, 1, "MostraSceltaOpen", nullptr},
                         {8, 1, "ApriProgetto", nullptr},
                         {9, 1, "MostraSceltaSave", nullptr}};
    CURVE01& f = ApriCon(1);
    for (const Caso& c : casi) {
        SCOPED_TRACE("button " + std::to_string(c.pulsante));
        for (auto& [nome, n] : chiamate) n = 0;
        modali.classiModali.clear();
        EditorAperto = c.editor;
        f.CmdPulsantiera_Click(c.pulsante);
        for (auto& [nome, n] : chiamate) EXPECT_EQ(n, c.gancio && nome == c.gancio) << nome;
        EXPECT_EQ(modali.classiModali.size(), c.finestra ? 1u : 0u);
        if (c.finestra) {
            EXPECT_EQ(modali.classiModali.back(), QString("kelvra::") + c.finestra);
        }
    }
    EXPECT_EQ(NumeroProgetti, 1); // the failed compare load gave the slot back
    f.CmdPulsantiera_Click(6);
    EXPECT_TRUE(f.FrmColor->isVisible());
    f.CmdPulsantiera[11]->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(CURVE01::Istanza(), nullptr);
}

TEST_F(GraphToolbar, CompareFromFiveLoadsOnceAndClosingTheLastOffersItAgain) {
    CURVE01& f = ApriCon(5);
    carichi = {true};
    f.CmdPulsantiera[8]->click();
    EXPECT_EQ(NumeroProgetti, 6);
    EXPECT_TRUE(dialoghi.mostrati.empty()); // no seventh slot to ask about
    EXPECT_FALSE(f.FileItem[3]->isEnabled());
    EXPECT_FALSE(f.CmdPulsantiera[8]->isEnabled());
    EXPECT_EQ(Titolo(f), "Suspension graphs - 6 projects");
    EXPECT_EQ(T(f.LblY1[f.Testi().NumeroY]), "3000.0");

    Progetti[6].UltimoElemento = 5; // what a loaded geometry holds
    f.FileItem[4]->trigger();
    EXPECT_EQ(NumeroProgetti, 5);
    EXPECT_EQ(ProgettoSelezionato, 5);
    EXPECT_EQ(Progetti[6].UltimoElemento, 0);
    EXPECT_TRUE(f.CmdPulsantiera[8]->isEnabled());
    EXPECT_EQ(Titolo(f), "Suspension graphs - 5 projects");
    EXPECT_EQ(T(f.LblY1[f.Testi().NumeroY]), "1000.0");
}

TEST_F(GraphToolbar, CompareKeepsWhatLoadedAndGivesBackTheNumbersOfTheLastGoodLoad) {
    struct Caso {
        std::deque<bool> carichi;
        std::deque<int> risposte;
        int16_t numero;
        int16_t esito;
    };
    const Caso casi[] = {{{true}, {vbNo}, 3, VERO},
                         {{true, false}, {vbYes}, 3, VERO},
                         {{true, true, false}, {vbYes, vbYes}, 4, VERO},
                         {{false}, {}, 2, FALSO}};
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.numero);
        CURVE01& f = ApriCon(2);
        ProgettoSelezionato = 1;
        EsitoConfronto = FALSO;
        carichi = c.carichi;
        dialoghi.risposte = c.risposte;
        f.FileItem[3]->trigger();
        EXPECT_EQ(NumeroProgetti, c.numero);
        EXPECT_EQ(ProgettoSelezionato, c.numero == 2 ? 1 : c.numero);
        EXPECT_EQ(EsitoConfronto, c.esito);
        EXPECT_EQ(Titolo(f), "Suspension graphs - " + std::to_string(c.numero) + " projects");
    }
}

TEST_F(GraphToolbar, ACancelledOpenChangesNothingALoadedProjectStartsAfresh) {
    CURVE01& f = ApriCon(2);
    Grafico.ZoomIndietro = VERO;
    Grafico.XMinRichiesto = 20;
    Grafico.XMaxRichiesto = 60;
    Grafico.CurvaEsclusa[2] = VERO;
    f.DisegnaGrafico();
    CaricatoProgetto = EsitoConfronto = VERO;
    f.CmdPulsantiera[7]->click();
    EXPECT_EQ(chiamate["MostraSceltaOpen"], 1);
    EXPECT_EQ(CaricatoProgetto, VERO);
    EXPECT_EQ(EsitoConfronto, VERO);
    EXPECT_EQ(T(f.LblX[0]), "20.00");
    EXPECT_TRUE(Vero(Grafico.CurvaEsclusa[2]));

    Ganci.MostraSceltaOpen = [this](MAIN&) {
        Progetto(3, &kelvra::Progetto::CaricoRuota, 0, 1500);
        CaricatoProgetto = VERO;
    };
    f.FileItem[2]->trigger();
    EXPECT_EQ(Grafico.TipoGrafico, 13);
    EXPECT_EQ(T(f.LblX[0]), "0.00");
    EXPECT_FALSE(Vero(Grafico.CurvaEsclusa[2]));
    EXPECT_EQ(Titolo(f), "Suspension graphs - 3 projects");
}

TEST_F(GraphToolbar, NewProjectNeedsAFreeSlotAndThenClosesTheWindow) {
    Progetto(6, &kelvra::Progetto::CaricoRuota, 0, 1000);
    CURVE01& f = Apri();
    f.FileItem[1]->trigger();
    EXPECT_EQ(dialoghi.beep, 1);
    EXPECT_EQ(chiamate["NuovoProgettoGrafici"], 0);
    EXPECT_EQ(CURVE01::Istanza(), &f);

    f.FileItem[4]->trigger();
    Progetti[1].ModificatoFile[0] = VERO;
    dialoghi.Rispondi(vbNo);
    f.FileItem[1]->trigger();
    EXPECT_EQ(dialoghi.mostrati.back().testo, Riga(Messaggi, 18));
    EXPECT_EQ(chiamate["SalvaProgetto"] + chiamate["MostraFrmSalvaTipo"], 0);
    EXPECT_EQ(chiamate["NuovoProgettoGrafici"], 1);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(CURVE01::Istanza(), nullptr);
}

// Without a printer, Print says so until the set-up (shown with no question first) names a PDF
// file; Print then writes the chart there. A file that cannot take the page (a full disc, a
// folder that is a file) is the chart's failure.
TEST_F(GraphToolbar, PrinterSetUpNamesAPdfFileThatPrintWrites) {
    CURVE01& f = ApriCon(1);
    modali.stampantePresente = false;
    f.FileItem[11]->trigger();
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].testo, Riga(Messaggi, 46) + ".");
    EXPECT_EQ(dialoghi.mostrati[0].stile & vbCritical, vbCritical);
    QTemporaryDir cartella;
    const QString pdf = cartella.filePath(QStringLiteral("grafico.pdf"));
    modali.impostazioniStampante = {true};
    modali.fileStampa = {pdf};
    f.FileItem[10]->trigger();
    f.CmdPulsantiera[10]->click();
    EXPECT_EQ(modali.richiesteStampante, 1);
    EXPECT_EQ(dialoghi.mostrati.size(), 1u);
    QFile scritto(pdf);
    ASSERT_TRUE(scritto.open(QIODevice::ReadOnly));
    const QByteArray documento = scritto.readAll();
    EXPECT_TRUE(documento.startsWith("%PDF-"));
    EXPECT_TRUE(documento.contains("/Subtype /Image")); // the chart, not a blank page
    for (const QString& nome : {QStringLiteral("/dev/full"), pdf + QStringLiteral("/a.pdf")}) {
        StampanteImpostata().setOutputFileName(nome);
        f.CmdPulsantiera[10]->click();
        EXPECT_EQ(dialoghi.mostrati.back().testo, Riga(Messaggi, 76)) << nome.toStdString();
    }
    EXPECT_EQ(dialoghi.mostrati.size(), 3u);
    EXPECT_TRUE(QFileInfo::exists(QStringLiteral("/dev/full")));
}

TEST_F(GraphToolbar, PrintDrawsTheChartAfreshOnAPageOfThePrinter) {
    Progetto(2, &kelvra::Progetto::CaricoRuota, 0, 2000);
    CURVE01& f = ApriCon(2);
    const StatoGrafico prima = Grafico;
    const int32_t sfondo = ColoreSfondo;
    const auto curve = ColoreCurva;
    f.CmdPulsantiera[10]->click();
    ASSERT_EQ(modali.stampe.size(), 1u);
    const QImage& pagina = modali.stampe[0].immagine;
    const QPrinter& s = StampanteImpostata();
    EXPECT_EQ(pagina.width(), s.pageLayout().paintRectPixels(s.resolution()).width());
    EXPECT_EQ(modali.stampe[0].titolo, "Suspension graphs - 2 projects");
    // White paper with both curves in their printed colours.
    EXPECT_EQ(NumeroColore(pagina.pixelColor(2, 2)), 0xFFFFFF);
    std::map<long, int> colori;
    for (int y = 0; y < pagina.height(); y += 2)
        for (int x = 0; x < pagina.width(); x += 2) ++colori[NumeroColore(pagina.pixelColor(x, y))];
    for (int p = 1; p <= 2; ++p) EXPECT_GT(colori[ColoreSuCarta(ColoreCurva[p])], 20) << p;
    // The window's state and colours are as they were.
    EXPECT_EQ(Grafico.BordoDestro, prima.BordoDestro);
    EXPECT_EQ(Grafico.ScalaY, prima.ScalaY);
    EXPECT_EQ(ColoreSfondo, sfondo);
    EXPECT_EQ(ColoreCurva, curve);
}

// Under the chart the printed page names the projects whose curves it draws, each in its
// curve's printed colour beside a stroke of it; a hidden curve's project is left out.
TEST_F(GraphToolbar, ThePrintedChartCarriesItsLegend) {
    Progetto(2, &kelvra::Progetto::CaricoRuota, 0, 2000);
    Progetto(3, &kelvra::Progetto::CaricoRuota, 0, 3000);
    CURVE01& f = ApriCon(3);
    Grafico.CurvaEsclusa[2] = VERO;
    f.DisegnaGrafico();
    f.CmdPulsantiera[10]->click();
    ASSERT_EQ(modali.stampe.size(), 1u);
    const QImage& pagina = modali.stampe[0].immagine;
    std::map<long, int> colori; // of the rows under the axis title, the lowest black on the page
    for (int y = pagina.height() - 1, nero = 0; y >= 0 && !nero; --y)
        for (int x = 0; x < pagina.width(); ++x) {
            const long c = NumeroColore(pagina.pixelColor(x, y));
            nero |= c == 0;
            ++colori[c];
        }
    for (int p : {1, 3}) EXPECT_GT(colori[ColoreSuCarta(ColoreCurva[p])], 20) << p;
    EXPECT_EQ(colori.count(ColoreSuCarta(ColoreCurva[2])), 0u);
    EXPECT_EQ(NomeLegenda(3), QStringLiteral("Project: 03"));
}

TEST_F(GraphToolbar, HintsAndTheSaveButtonFollowTheControlsAndTheState) {
    CURVE01& f = ApriCon(1);
    const std::pair<QWidget*, const char*> casi[] = {
        {f.CmdPulsantiera[0], "Back to the geometry data"},
        {f.CmdPulsantiera[11], "Close this window"},
        {f.CmdCurve[4], "Chart: leverage"},
        {f.CmdCurve[14], "Chart: wheel rate"},
        {f.LblX[3], "Horizontal axis"},
        {f.PicAsseY[0], "Vertical axis"},
        {f.PicTitleBottom, "Chart title"},
        {f.PicCommand[0], "Choose the chart"}};
    for (const auto& [controllo, testo] : casi) {
        QEvent entra(QEvent::Enter);
        QCoreApplication::sendEvent(controllo, &entra);
        EXPECT_EQ(Suggerimento(), testo);
    }
    EXPECT_TRUE(f.CmdPulsantiera[9]->isEnabled());
    EXPECT_FALSE(f.CmdPulsantiera[4]->isEnabled());
    Progetti[1].StatoDatiProgetto = 1; // geometry alone: nothing to save as a project
    f.Form_Activate();
    EXPECT_FALSE(f.CmdPulsantiera[9]->isEnabled());
}

// Options, Reverse function runs what the toolbar's Reverse function button runs, and is offered
// exactly when the button is: the window has no reverse function, so both are greyed.
TEST_F(GraphToolbar, TheReverseFunctionItemIsOfferedAsItsButtonIs) {
    for (int progetti : {1, 5}) {
        CURVE01& f = ApriCon(progetti);
        f.Form_Activate();
        EXPECT_FALSE(f.CmdPulsantiera[4]->isEnabled());
        EXPECT_EQ(f.OpzioniItem[5]->isEnabled(), f.CmdPulsantiera[4]->isEnabled()) << progetti;
    }
}

} // namespace
