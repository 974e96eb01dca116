// Both result windows opened by the Tables and Results commands and driven as a user drives
// them: choosing a project, a step, a travel, a maximum, printing.
#include "AmbienteTabelle.h"

#include "core/Seams.h"
#include "platform/CorniceMdi.h"
#include "platform/Dialoghi.h"
#include "platform/Testo.h"
#include "shell/Comandi.h"
#include "tables/TabRiass.h"

#include <QFile>
#include <QPageLayout>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace kelvra;

namespace {

using TableWindows = test::AmbienteTabelle;

// A choice in a drop-down list, as the user makes it.
void Scegli(QComboBox* lista, int indice) {
    lista->setCurrentIndex(indice);
    emit lista->activated(indice);
}

// Opens the detailed table through the Tables command and hands it to `azione`.
void ApriTab01(RisposteDialoghi& finestre, const std::function<void(TAB01&)>& azione) {
    finestre.RispondiModale([azione](QWidget* w) {
        auto* t = qobject_cast<TAB01*>(w);
        EXPECT_NE(t, nullptr);
        if (t) azione(*t);
        return 0;
    });
    MostraTabelle(1);
}

TEST_F(TableWindows, DetailedTableShowsTheNewestProjectAndEachProjectOnce) {
    Calcolato(1, 1, 50);
    Progetto& P = Calcolato(2, 15, 120);
    P.NomeConfigurazione = "C:\\dati\\Prova.kvp";
    P.NumPuntiTampone = 30;
    ApriTab01(finestre, [&](TAB01& t) {
        for (int volta = 0; volta < 2; ++volta) {
            if (volta) t.Form_Activate();
            ASSERT_EQ(t.CmbSceltaConf->count(), 2);
            EXPECT_EQ(t.CmbSceltaConf->currentText(), "Prova");
            EXPECT_EQ(t.CmbSceltaConf->itemText(0), DaAnsi(Riga(TestiCommon, 17)) + ": 01");
            EXPECT_EQ(std::tuple(t.Grid->Cols(), t.Grid->Rows(), t.Grid->FixedRows()),
                      std::tuple(18, 2 + 121, 2));
            EXPECT_EQ(t.Grid->TextMatrix(2 + 31, 17), ""); // past the bump stop's count
            EXPECT_EQ(t.Grid->ColAlignment(5), Griglia::CENTRATO);
            EXPECT_EQ(t.Grid->model()->headerData(0, Qt::Horizontal).toString(),
                      DaAnsi(Riga(TestiQuantity, 27)) + "\n[mm]");
            EXPECT_EQ(t.Grid->model()->index(0, 2).data().toString(), "310.50");
        }
    });
    ApriTab01(finestre, [](TAB01& t) {
        Scegli(t.CmbSceltaConf, 0);
        EXPECT_EQ(t.Grid->Cols(), 7);
        EXPECT_EQ(t.Grid->TextMatrix(2, 2), "310.500000");
        t.OptSceltaPasso[2]->click();
        EXPECT_EQ(t.Grid->Rows(), 2 + 6); // rows 0, 10, .. 50
        EXPECT_EQ(t.Grid->TextMatrix(3, 0), "10.00");
        EXPECT_EQ(t.ProgettoMostrato(), 1);
    });
}

TEST_F(TableWindows, SpringTableOfAThousandRowsAndEmptyLayoutsOpen) {
    Progetto& P = Progetti[1];
    for (int i = 0; i <= MAX_RIGHE; ++i) P.EscursioneMolla[i] = i;
    P.NumPuntiMolla = 1000;
    P.StatoDatiProgetto = 2;
    ApriTab01(finestre, [](TAB01& t) {
        EXPECT_EQ(t.Grid->model()->rowCount(), 1001);
        EXPECT_EQ(t.Grid->TextMatrix(1002, 0), "1000.00");
    });
    P.StatoDatiProgetto = 4;
    ApriTab01(finestre, [](TAB01& t) {
        EXPECT_EQ(t.Grid->Rows(), 1);
        EXPECT_EQ(t.Grid->Cols(), 2);
        EXPECT_TRUE(t.Grid->isColumnHidden(0) && t.Grid->isColumnHidden(1));
    });
}

TEST_F(TableWindows, PrintingAndLeavingForTheGraphs) {
    Calcolato(1, 1, 20);
    int grafici = 0;
    Ganci.MostraCurve01 = [&] { ++grafici; };
    finestre.stampantePresente = false;
    ApriTab01(finestre, [](TAB01& t) { t.CmdStampa->click(); });
    ASSERT_EQ(dialoghi.mostrati.size(), 1u);
    EXPECT_EQ(dialoghi.mostrati[0].testo, Riga(Messaggi, 46) + ".");
    EXPECT_EQ(dialoghi.mostrati[0].stile & vbCritical, vbCritical);
    // A PDF file that cannot take the page (every write fails on /dev/full) is the table's
    // failure, in both windows.
    StampanteImpostata().setOutputFileName(QStringLiteral("/dev/full"));
    ApriTab01(finestre, [](TAB01& t) { t.CmdStampa->click(); });
    finestre.RispondiModale([](QWidget* w) {
        qobject_cast<TABRIASS*>(w)->CmdStampa->click();
        return 0;
    });
    MostraRiassunto(1);
    ASSERT_EQ(dialoghi.mostrati.size(), 3u);
    for (size_t k : {1u, 2u}) EXPECT_EQ(dialoghi.mostrati[k].testo, Riga(Messaggi, 79));
    StampanteImpostata().setOutputFileName(QString());
    finestre.stampantePresente = true;
    ApriTab01(finestre, [](TAB01& t) {
        t.CmdStampa->click();
        t.CmdGrafici->click();
    });
    ASSERT_EQ(finestre.stampe.size(), 1u);
    EXPECT_GT(finestre.stampe[0].immagine.height(), 20 * 10);
    EXPECT_EQ(grafici, 1);
}

// The detailed table, wider than a portrait page, prints on landscape pages, its rows running
// on from page to page under the heading: to a PDF file, then to the printer.
TEST_F(TableWindows, TheWideDetailedTablePrintsOnLandscapePages) {
    Calcolato(1, 15, 120);
    QTemporaryDir cartella;
    const QString pdf = cartella.filePath(QStringLiteral("tabella.pdf"));
    QPrinter& stampante = StampanteImpostata();
    stampante.setOutputFormat(QPrinter::PdfFormat);
    stampante.setPageOrientation(QPageLayout::Portrait);
    stampante.setOutputFileName(pdf);
    ApriTab01(finestre, [](TAB01& t) { t.CmdStampa->click(); });
    QFile scritto(pdf);
    ASSERT_TRUE(scritto.open(QIODevice::ReadOnly));
    static const QRegularExpression box(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
    int pagine = 0;
    for (auto it = box.globalMatch(QString::fromLatin1(scritto.readAll())); it.hasNext();
         ++pagine) {
        const auto m = it.next();
        EXPECT_GT(m.captured(1).toDouble(), m.captured(2).toDouble()) << "page " << pagine;
    }
    EXPECT_GE(pagine, 2);
    stampante.setOutputFileName(QString());
    ApriTab01(finestre, [this](TAB01& t) {
        t.CmdStampa->click();
        int alta = 0;
        const QImage tabella = t.Grid->Immagine(&alta);
        const QImage intestazione = tabella.copy(0, 0, tabella.width(), alta);
        for (const auto& p : finestre.stampe)
            EXPECT_EQ(p.immagine.copy(intestazione.rect()), intestazione);
    });
    EXPECT_EQ(finestre.stampe.size(), static_cast<size_t>(pagine));
}

TEST_F(TableWindows, SummaryFollowsTheShownProjectAndTheTypedTravel) {
    Calcolato(1, 7, 120);
    Calcolato(2, 1, 50); // newest: the geometry alone, no wheel loads
    finestre.stampantePresente = true;
    finestre.RispondiModale([this](QWidget* w) {
        auto* r = qobject_cast<TABRIASS*>(w);
        EXPECT_NE(r, nullptr);
        if (!r) return 0;
        r->show();
        r->Form_Activate();
        EXPECT_EQ(r->CmbSceltaConf->count(), 2);
        EXPECT_EQ(r->Configurazione, 2);
        // Greyed rows read their (zero) curves too; Enter takes the travel and prints nothing.
        r->TxtEsc->selectAll();
        QTest::keyClicks(r->TxtEsc, "40");
        QTest::keyClick(r->TxtEsc, Qt::Key_Return);
        EXPECT_FALSE(r->LblRisultatiY[6]->isEnabled());
        for (int k : {0, 6, 7, 8, 9, 10})
            EXPECT_EQ(r->LblRisultatiY[static_cast<std::size_t>(k)]->text(), k ? "0.0" : "-1.0");
        EXPECT_TRUE(finestre.stampe.empty() && dialoghi.mostrati.empty());
        Scegli(r->CmbSceltaConf, 0);
        EXPECT_TRUE(r->ChkMAX[10]->isEnabled());
        EXPECT_EQ(r->LblRisultatiY[9]->text(), "1400.0");
        r->TxtEsc->selectAll();
        QTest::keyClicks(r->TxtEsc, "451");
        EXPECT_EQ(r->TxtEsc->text(), "45"); // 451 is past the last point
        EXPECT_EQ(r->LblRisultatiY[9]->text(), "1450.0");
        r->ChkMAX[9]->click();
        EXPECT_TRUE(r->LblRisultatiX[9]->isVisible());
        EXPECT_EQ(r->LblRisultatiX[9]->text(), "X:120.00");
        EXPECT_EQ(r->LblRisultatiY[9]->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        r->TxtEsc->setText("4x"); // what a paste could leave
        EXPECT_EQ(r->LblRisultatiY[1]->text(), "");
        EXPECT_EQ(r->LblRisultatiY[9]->text(), "Y:2200.0"); // ticked rows keep their maximum
        QEvent entra(QEvent::Enter);
        QCoreApplication::sendEvent(r->TxtEsc, &entra);
        EXPECT_EQ(Suggerimento(), "ALLOWED RANGE: (0; 120.00) mm");
        Scegli(r->CmbSceltaConf, 1);
        EXPECT_FALSE(r->ChkMAX[9]->isChecked());
        EXPECT_EQ(r->LblRisultatiY[9]->text(), "");
        return 0;
    });
    MostraRiassunto(1);
    EXPECT_GE(dialoghi.beep, 1);
    ASSERT_EQ(finestre.classiModali.size(), 1u);
}

} // namespace
