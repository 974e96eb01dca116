// The platform services that stand between the windows and the desktop: common dialogs
// answered in advance, the modal show, the Qt message box behind MsgBox, the wait cursor,
// help, the screen in twips and the code-page conversions.
#include "core/Seams.h"
#include "core/Superficie.h"
#include "platform/Dialoghi.h"
#include "platform/Guida.h"
#include "platform/Messaggi.h"
#include "platform/RisposteDialoghi.h"
#include "platform/Schermo.h"
#include "platform/Testo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

using namespace kelvra;

// ---- common dialogs ------------------------------------------------------------------

TEST(Dialoghi, FileDialogsAnswerInOrderAndRecordWhatWasAsked) {
    RisposteDialoghi risposte;
    risposte.fileDaAprire = {"/tmp/uno.kvp", "/tmp/due.kv3"};
    RichiestaFile r{"Apri Progetto", "Progetto (*.kvp)|*.kvp", "/tmp", ""};
    EXPECT_EQ(DialogoApriFile(r), "/tmp/uno.kvp");
    r.filtro = "Schema|*.kv3";
    EXPECT_EQ(DialogoApriFile(r), "/tmp/due.kv3");
    // Nothing queued: the user cancels, the name is empty.
    EXPECT_EQ(DialogoApriFile(r), "");
    ASSERT_EQ(risposte.richiesteApri.size(), 3u);
    EXPECT_EQ(risposte.richiesteApri[0].titolo, "Apri Progetto");
    EXPECT_EQ(risposte.richiesteApri[0].filtro, "Progetto (*.kvp)|*.kvp");
    EXPECT_EQ(risposte.richiesteApri[0].cartella, "/tmp");
    EXPECT_EQ(risposte.richiesteApri[1].filtro, "Schema|*.kv3");

    risposte.fileDaSalvare = {"/tmp/salvato.kva"};
    EXPECT_EQ(DialogoSalvaFile({"Salva", "Ammortizzatore|*.kva", "", "A 01.kva"}),
              "/tmp/salvato.kva");
    EXPECT_EQ(DialogoSalvaFile({}), "");
    ASSERT_EQ(risposte.richiesteSalva.size(), 2u);
    EXPECT_EQ(risposte.richiesteSalva[0].nome, "A 01.kva");
    // Open and save answers do not mix.
    EXPECT_TRUE(risposte.fileDaAprire.empty());
}

TEST(Dialoghi, ColourCancelIsAnErrorTheCallerTests) {
    RisposteDialoghi risposte;
    risposte.colori.push_back({RGB(0, 255, 0), false});
    SceltaColore scelta = DialogoColore(COLORE_ROSSO);
    EXPECT_FALSE(scelta.errore);
    EXPECT_EQ(scelta.colore, RGB(0, 255, 0));
    scelta = DialogoColore(COLORE_BLU);
    EXPECT_TRUE(scelta.errore);
    EXPECT_EQ(risposte.coloriIniziali, (std::vector<long>{COLORE_ROSSO, COLORE_BLU}));
}

TEST(Dialoghi, PrinterSetUpAndPresence) {
    RisposteDialoghi risposte;
    risposte.impostazioniStampante = {true};
    EXPECT_TRUE(DialogoImpostaStampante());
    EXPECT_FALSE(DialogoImpostaStampante()); // cancelled
    EXPECT_EQ(risposte.richiesteStampante, 2);
    EXPECT_TRUE(StampantePresente());
    risposte.stampantePresente = false;
    EXPECT_FALSE(StampantePresente());
    EXPECT_EQ(risposte.verificheStampante, 2);
}

TEST(Dialoghi, RespondentsNestAndRestore) {
    RisposteDialoghi esterna;
    esterna.fileDaAprire = {"esterna"};
    {
        RisposteDialoghi interna;
        interna.fileDaAprire = {"interna"};
        EXPECT_EQ(DialogoApriFile({}), "interna");
    }
    EXPECT_EQ(DialogoApriFile({}), "esterna");
    EXPECT_EQ(esterna.richiesteApri.size(), 1u);
}

TEST(Dialoghi, DocumentsOpenThroughTheRespondent) {
    RisposteDialoghi risposte;
    EXPECT_TRUE(ApriDocumento("/prog/Kelvra.Pdf"));
    risposte.documentoApribile = false;
    EXPECT_FALSE(ApriDocumento("/prog/altro.pdf"));
    EXPECT_EQ(risposte.documentiAperti,
              (std::vector<std::string>{"/prog/Kelvra.Pdf", "/prog/altro.pdf"}));
}

TEST(Dialoghi, FilterTakesTheToolkitsForm) {
    EXPECT_EQ(FiltroQt("Progetto (*.kvp)|*.kvp"), "Progetto (*.kvp) (*.kvp)");
    EXPECT_EQ(FiltroQt("Molla|*.kvr|Tutti|*.*"), "Molla (*.kvr);;Tutti (*.*)");
    EXPECT_EQ(FiltroQt("Componenti|*.kva;*.kvr"), "Componenti (*.kva *.kvr)");
    EXPECT_EQ(FiltroQt("Solo descrizione"), "Solo descrizione (*)");
    EXPECT_EQ(FiltroQt(""), "");
    ImpostaCodicePagina(CodicePagina::Windows1252);
    EXPECT_EQ(FiltroQt("Unit\xe0|*.u"), QString::fromUtf8("Unità (*.u)"));
    SeguiCodicePaginaLingua();
}

// ---- modal show ----------------------------------------------------------------------

TEST(Modale, AnsweredByTheTestInPlaceOfTheUser) {
    RisposteDialoghi risposte;
    QDialog dialogo;
    auto* casella = new QLineEdit(&dialogo);
    bool vistoModale = false;
    risposte.RispondiModale([&](QWidget* w) {
        vistoModale = (w == &dialogo);
        casella->setText("42");
        static_cast<QDialog*>(w)->accept();
        return static_cast<QDialog*>(w)->result();
    });
    EXPECT_EQ(MostraModale(&dialogo), QDialog::Accepted);
    EXPECT_TRUE(vistoModale);
    EXPECT_EQ(casella->text(), "42");
    EXPECT_FALSE(dialogo.isVisible());
    // No answer queued: closed at once, result 0, still recorded.
    QWidget finestra;
    EXPECT_EQ(MostraModale(&finestra), 0);
    ASSERT_EQ(risposte.classiModali.size(), 2u);
    EXPECT_EQ(risposte.classiModali[0], "QDialog");
    EXPECT_EQ(risposte.classiModali[1], "QWidget");
    EXPECT_EQ(risposte.finestreModali[1], &finestra);
}

TEST(Modale, RealShowOfAPlainWindowEndsWhenItCloses) {
    // The desktop path: a local event loop that a close ends (the window closes itself
    // from the event loop, as a window's own OK button would).
    QWidget finestra;
    QTimer::singleShot(0, &finestra, [&] { finestra.close(); });
    EXPECT_EQ(MostraModale(&finestra), 0);
    EXPECT_FALSE(finestra.isVisible());
    EXPECT_EQ(finestra.windowModality(), Qt::ApplicationModal);

    QDialog dialogo;
    QTimer::singleShot(0, &dialogo, [&] { dialogo.accept(); });
    EXPECT_EQ(MostraModale(&dialogo), QDialog::Accepted);
}

// ---- message boxes -------------------------------------------------------------------

TEST(MessaggioQt, StyleGivesButtonsIconAndDefaultTitle) {
    QCoreApplication::setApplicationName("Kelvra");
    auto box = CreaMessaggio("Uscire?", vbYesNo | vbQuestion, "");
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    EXPECT_EQ(box->windowTitle(), "Kelvra");
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Yes));
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::No));

    box = CreaMessaggio("x", vbYesNoCancel | vbExclamation, "Titolo");
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(box->icon(), QMessageBox::Warning);
    EXPECT_EQ(box->windowTitle(), "Titolo");
    EXPECT_EQ(box->escapeButton(), box->button(QMessageBox::Cancel));

    box = CreaMessaggio("x", vbAbortRetryIgnore | vbCritical, "");
    EXPECT_EQ(box->standardButtons(),
              QMessageBox::Abort | QMessageBox::Retry | QMessageBox::Ignore);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    EXPECT_EQ(box->defaultButton(), box->button(QMessageBox::Abort));

    box = CreaMessaggio("x", vbRetryCancel | vbInformation, "");
    EXPECT_EQ(box->standardButtons(), QMessageBox::Retry | QMessageBox::Cancel);
    EXPECT_EQ(box->icon(), QMessageBox::Information);

    box = CreaMessaggio("x", vbOKOnly, "");
    EXPECT_EQ(box->standardButtons(), QMessageBox::Ok);
    EXPECT_EQ(box->icon(), QMessageBox::NoIcon);

    ImpostaTitoloApplicazione("KELVRATONE");
    EXPECT_EQ(CreaMessaggio("x", vbOKCancel, "")->windowTitle(), "KELVRATONE");
    EXPECT_EQ(CreaMessaggio("x", vbOKCancel, "")->standardButtons(),
              QMessageBox::Ok | QMessageBox::Cancel);
}

TEST(MessaggioQt, MsgBoxGoesThroughTheQtBoxAndReturnsThePressedButton) {
    InstallaGestoriQt();
    RisposteDialoghi risposte;
    ImpostaCodicePagina(CodicePagina::Windows1252);
    QString testoVisto;
    const int premuti[] = {QMessageBox::No, QMessageBox::Yes, QMessageBox::Cancel,
                           QMessageBox::Retry, QMessageBox::Ignore};
    for (int pulsante : premuti)
        risposte.RispondiModale([&, pulsante](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            testoVisto = box->text();
            box->button(static_cast<QMessageBox::StandardButton>(pulsante))->click();
            return 0;
        });
    EXPECT_EQ(MsgBox("Perch\xe9 \x80?", vbYesNo | vbQuestion), vbNo);
    EXPECT_EQ(testoVisto, QString::fromUtf8("Perché €?"));
    EXPECT_EQ(MsgBox("a", vbYesNoCancel), vbYes);
    EXPECT_EQ(MsgBox("b", vbOKCancel), vbCancel);
    EXPECT_EQ(MsgBox("c", vbRetryCancel), vbRetry);
    EXPECT_EQ(MsgBox("d", vbAbortRetryIgnore), vbIgnore);
    // A box closed without a button gives its Escape answer, or the harmless one.
    EXPECT_EQ(MsgBox("e", vbYesNo), vbNo);
    EXPECT_EQ(MsgBox("f", vbOKOnly), vbOK);
    EXPECT_EQ(MsgBox("g", vbAbortRetryIgnore), vbAbort);
    EXPECT_EQ(risposte.classiModali.size(), 8u);
    ImpostaGestoreMessaggio({});
    ImpostaGestoreBeep({});
    SeguiCodicePaginaLingua();
}

// ---- wait cursor ---------------------------------------------------------------------

TEST(Cursore, WaitCursorNestsAndAMessageBoxShowsTheArrow) {
    ASSERT_EQ(LivelloCursoreAttesa(), 0);
    RipristinaCursore(); // one too many: nothing
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        CursoreAttesa attesa;
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        MostraCursoreAttesa();
        EXPECT_EQ(LivelloCursoreAttesa(), 2);
        RipristinaCursore();
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);

        RisposteDialoghi risposte;
        Qt::CursorShape durante = Qt::WaitCursor;
        risposte.RispondiModale([&](QWidget*) {
            durante = QGuiApplication::overrideCursor()->shape();
            return 0;
        });
        MostraMessaggioQt("x", vbOKOnly, "");
        EXPECT_EQ(durante, Qt::ArrowCursor);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(LivelloCursoreAttesa(), 0);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

// ---- help ----------------------------------------------------------------------------

TEST(Guida, FileAndContextsAreKept) {
    ImpostaFileGuida("/prog/KELVRA.HLP");
    EXPECT_EQ(FileGuida(), "/prog/KELVRA.HLP");
    QWidget finestra, altra;
    EXPECT_EQ(ContestoGuida(&finestra), 0);
    ImpostaContestoGuida(&finestra, 23);
    ImpostaContestoGuida(&altra, 34);
    EXPECT_EQ(ContestoGuida(&finestra), 23);
    EXPECT_EQ(ContestoGuida(&altra), 34);
    ImpostaContestoGuida(nullptr, 5);
    EXPECT_EQ(ContestoGuida(nullptr), 0);
    ImpostaFileGuida("/prog/PLIMOR.HLP");
    EXPECT_EQ(FileGuida(), "/prog/PLIMOR.HLP");
}

// ---- screen --------------------------------------------------------------------------

TEST(Schermo, WholePixelsFromTwips) {
    QScreen* schermo = QGuiApplication::primaryScreen();
    ASSERT_NE(schermo, nullptr);
    const double dpi = schermo->logicalDotsPerInchX();
    const int fattore = static_cast<int>(std::lround(1440.0 / dpi));
    // Integer division toward zero by the whole factor (15 at 96 dpi: 3014 -> 200).
    EXPECT_EQ(PixelDaTwipsX(3000), 3000 / fattore);
    EXPECT_EQ(PixelDaTwipsX(fattore * 200 + fattore - 1), 200);
    EXPECT_EQ(PixelDaTwipsX(-(fattore * 200 + fattore - 1)), -200);
    EXPECT_EQ(TwipsDaPixelX(640), std::lround(640 * 1440.0 / dpi));
    EXPECT_EQ(PixelDaTwipsY(TwipsDaPixelY(480)), 480);
    if (dpi == 96.0) {
        EXPECT_EQ(PixelDaTwipsX(3014), 200);
        EXPECT_EQ(TwipsDaPixelX(640), 9600);
    }
}

// ---- code pages ----------------------------------------------------------------------

TEST(Testo, BytesOfBothCodePages) {
    // Checked against the code-page charts.
    EXPECT_EQ(DaAnsi("\x80\x8a\xe8", CodicePagina::Windows1252), QString::fromUtf8("€Šè"));
    EXPECT_EQ(DaAnsi("\x80\x8a\xe8", CodicePagina::Windows1250), QString::fromUtf8("€Šč"));
    EXPECT_EQ(DaAnsi("\xa3\xb3", CodicePagina::Windows1250), QString::fromUtf8("Łł"));
    EXPECT_EQ(AdAnsi(QString::fromUtf8("čšž"), CodicePagina::Windows1250), "\xe8\x9a\x9e");
    // A character the page cannot hold becomes one '?', the rest converts.
    EXPECT_EQ(AdAnsi(QString::fromUtf8("ač€"), CodicePagina::Windows1252), "a?\x80");
    EXPECT_EQ(AdAnsi(QString::fromUtf8("x😀y"), CodicePagina::Windows1252), "x?y");
    // Every byte survives a round trip in both pages.
    std::string tutti;
    for (int b = 1; b < 256; ++b) tutti.push_back(static_cast<char>(b));
    for (auto pagina : {CodicePagina::Windows1252, CodicePagina::Windows1250})
        EXPECT_EQ(AdAnsi(DaAnsi(tutti, pagina), pagina), tutti);
}

TEST(Testo, PageInForceFollowsTheLanguageUnlessSet) {
    SeguiCodicePaginaLingua();
    // No language loaded: western.
    EXPECT_EQ(CodicePaginaCorrente(), CodicePagina::Windows1252);
    EXPECT_EQ(DaAnsi("\xe8"), QString::fromUtf8("è"));
    ImpostaCodicePagina(CodicePagina::Windows1250);
    EXPECT_EQ(DaAnsi("\xe8"), QString::fromUtf8("č"));
    EXPECT_EQ(AdAnsi(QString::fromUtf8("č")), "\xe8");
    SeguiCodicePaginaLingua();
    EXPECT_EQ(CodicePaginaCorrente(), CodicePagina::Windows1252);
}
