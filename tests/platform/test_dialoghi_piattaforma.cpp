// The platform services that stand between the windows and the desktop: common dialogs
// answered in advance, the modal show, the Qt message box behind MsgBox, the wait cursor,
// help, the screen in twips and the code-page conversions.
#include "core/Azzeramento.h"
#include "core/Seams.h"
#include "core/Superficie.h"
#include "platform/Dialoghi.h"
#include "platform/Messaggi.h"
#include "platform/Schermo.h"
#include "platform/Testo.h"
#include "support/RisposteDialoghi.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

using namespace kelvra;

// Every common dialog goes to the installed respondent; an inner one restores the outer.
TEST(CommonDialogs, EveryDialogGoesToTheInstalledRespondentWhichNestsAndRestoresFilters) {
    RisposteDialoghi risposte;
    risposte.fileDaAprire = {"/tmp/uno.kvp"};
    risposte.fileDaSalvare = {"/tmp/salvato.kva"};
    risposte.colori.push_back({RGB(0, 255, 0), false});
    risposte.impostazioniStampante = {true};
    {
        RisposteDialoghi interna;
        interna.fileDaAprire = {"interna"};
        EXPECT_EQ(DialogoApriFile({}), "interna");
    }
    EXPECT_EQ(DialogoApriFile({"Apri", "Progetto (*.kvp)|*.kvp", "/tmp", ""}), "/tmp/uno.kvp");
    EXPECT_EQ(risposte.richiesteApri.at(0).filtro, "Progetto (*.kvp)|*.kvp");
    EXPECT_EQ(DialogoSalvaFile({"Salva", "", "", "A 01.kva"}), "/tmp/salvato.kva");
    EXPECT_EQ(risposte.richiesteSalva.at(0).nome, "A 01.kva");
    EXPECT_EQ(DialogoColore(COLORE_ROSSO).colore, RGB(0, 255, 0));
    EXPECT_TRUE(DialogoColore(COLORE_BLU).errore); // cancelled: an error the caller tests
    EXPECT_EQ(risposte.coloriIniziali, (std::vector<long>{COLORE_ROSSO, COLORE_BLU}));
    EXPECT_TRUE(DialogoImpostaStampante());
    risposte.stampantePresente = false;
    EXPECT_FALSE(StampantePresente());
    risposte.documentoApribile = false;
    EXPECT_FALSE(ApriDocumento("/prog/altro.pdf"));
    EXPECT_EQ(risposte.documentiAperti.size(), 1u);
    // The filter in the toolkit's form.
    const std::pair<const char*, const char*> casi[] = {
        {"Progetto (*.kvp)|*.kvp", "Progetto (*.kvp)"},
        {"Componenti (*.kva; *.kvr)|*.kva;*.kvr", "Componenti (*.kva *.kvr)"},
        {"Nota (bozza)|*.txt", "Nota (bozza) (*.txt)"},
        {"Molla|*.kvr|Tutti|*.*", "Molla (*.kvr);;Tutti (*.*)"},
        {"Componenti|*.kva;*.kvr", "Componenti (*.kva *.kvr)"},
        {"Solo descrizione", "Solo descrizione (*)"},
        {"", ""}};
    for (auto [filtro, qt] : casi) EXPECT_EQ(FiltroQt(filtro), qt);
    ImpostaCodicePagina(CodicePagina::Windows1252);
    EXPECT_EQ(FiltroQt("Unit\xe0|*.u"), QString::fromUtf8("Unità (*.u)"));
    SeguiCodicePaginaLingua();
}

TEST(ModalShow, AnsweredByTheTestOrEndedWhenTheWindowCloses) {
    {
        RisposteDialoghi risposte;
        QDialog dialogo;
        risposte.RispondiModale([&](QWidget* w) {
            EXPECT_EQ(w, &dialogo);
            dialogo.accept();
            return dialogo.result();
        });
        EXPECT_EQ(MostraModale(&dialogo), QDialog::Accepted);
        EXPECT_FALSE(dialogo.isVisible());
        // No answer queued: closed at once, result 0, still recorded.
        QWidget finestra;
        EXPECT_EQ(MostraModale(&finestra), 0);
        EXPECT_EQ(risposte.classiModali, (std::vector<QString>{"QDialog", "QWidget"}));
    }
    // The desktop path: a local event loop that a close ends (the window closes itself from
    // the event loop, as a window's own OK button would).
    QWidget finestra;
    QTimer::singleShot(0, &finestra, [&] { finestra.close(); });
    EXPECT_EQ(MostraModale(&finestra), 0);
    EXPECT_FALSE(finestra.isVisible());
    EXPECT_EQ(finestra.windowModality(), Qt::ApplicationModal);
    QDialog dialogo;
    QTimer::singleShot(0, &dialogo, [&] { dialogo.accept(); });
    EXPECT_EQ(MostraModale(&dialogo), QDialog::Accepted);
}

TEST(QtMessageBox, StyleGivesButtonsIconDefaultEscapeAndTitle) {
    using B = QMessageBox;
    struct Caso {
        int stile;
        QMessageBox::StandardButtons pulsanti;
        QMessageBox::Icon icona;
        B::StandardButton predefinito, uscita;
    } casi[] = {
        {vbYesNo | vbQuestion, B::Yes | B::No, B::Question, B::Yes, B::No},
        {vbYesNoCancel | vbExclamation, B::Yes | B::No | B::Cancel, B::Warning, B::Yes, B::Cancel},
        {vbAbortRetryIgnore | vbCritical, B::Abort | B::Retry | B::Ignore, B::Critical, B::Abort,
         B::NoButton},
        {vbRetryCancel | vbInformation, B::Retry | B::Cancel, B::Information, B::Retry, B::Cancel},
        {vbOKOnly, B::Ok, B::NoIcon, B::Ok, B::Ok},
        {vbOKCancel, B::Ok | B::Cancel, B::NoIcon, B::Ok, B::Cancel},
        // A default named by the style: a question whose safe answer is the second button.
        {vbYesNo | vbQuestion | vbDefaultButton2, B::Yes | B::No, B::Question, B::No, B::No},
        {vbYesNoCancel | vbDefaultButton3, B::Yes | B::No | B::Cancel, B::NoIcon, B::Cancel,
         B::Cancel},
        {vbOKOnly | vbDefaultButton3, B::Ok, B::NoIcon, B::Ok, B::Ok}}; // no third: the first
    QCoreApplication::setApplicationName("Kelvra");
    for (const Caso& c : casi) {
        SCOPED_TRACE(c.stile);
        auto box = CreaMessaggio("x", c.stile, "");
        EXPECT_EQ(box->standardButtons(), c.pulsanti);
        EXPECT_EQ(box->icon(), c.icona);
        EXPECT_EQ(box->windowTitle(), "Kelvra");
        EXPECT_EQ(box->defaultButton(), box->button(c.predefinito));
        if (c.uscita != B::NoButton) {
            EXPECT_EQ(box->escapeButton(), box->button(c.uscita));
        }
    }
    EXPECT_EQ(CreaMessaggio("x", vbOKOnly, "Titolo")->windowTitle(), "Titolo");
    ImpostaTitoloApplicazione("KELVRATONE");
    EXPECT_EQ(CreaMessaggio("x", vbOKCancel, "")->windowTitle(), "KELVRATONE");
    AzzeraProgramma(); // back to the application's name for the cases after this one
    EXPECT_EQ(CreaMessaggio("x", vbOKCancel, "")->windowTitle(), "Kelvra");
}

TEST(QtMessageBox, MsgBoxGoesThroughTheQtBoxAndReturnsThePressedButton) {
    InstallaGestoriQt();
    RisposteDialoghi risposte;
    ImpostaCodicePagina(CodicePagina::Windows1252);
    // A box closed without a button (no answer queued) gives its Escape answer, or the
    // harmless one.
    struct Caso {
        const char* testo;
        int stile;
        QMessageBox::StandardButton premuto;
        int atteso;
    } casi[] = {{"Perch\xe9 \x80?", vbYesNo | vbQuestion, QMessageBox::No, vbNo},
                {"a", vbYesNoCancel, QMessageBox::Yes, vbYes},
                {"b", vbOKCancel, QMessageBox::Cancel, vbCancel},
                {"c", vbRetryCancel, QMessageBox::Retry, vbRetry},
                {"d", vbAbortRetryIgnore, QMessageBox::Ignore, vbIgnore},
                {"e", vbYesNo, QMessageBox::NoButton, vbNo},
                {"f", vbOKOnly, QMessageBox::NoButton, vbOK},
                {"g", vbAbortRetryIgnore, QMessageBox::NoButton, vbAbort}};
    QString testoVisto;
    for (const Caso& c : casi) {
        if (c.premuto != QMessageBox::NoButton)
            risposte.RispondiModale([&](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                if (testoVisto.isEmpty()) testoVisto = box->text();
                box->button(c.premuto)->click();
                return 0;
            });
        EXPECT_EQ(MsgBox(c.testo, c.stile), c.atteso) << c.testo;
    }
    EXPECT_EQ(testoVisto, QString::fromUtf8("Perché €?"));
    EXPECT_EQ(risposte.classiModali.size(), 8u);
    ImpostaGestoreMessaggio({});
    ImpostaGestoreBeep({});
    SeguiCodicePaginaLingua();
}

TEST(WaitCursor, NestsAndAMessageBoxShowsTheArrow) {
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

TEST(CodePagesAndTwips, BytesOfBothPagesThePageInForceAndWholePixels) {
    // Checked against the code-page charts.
    EXPECT_EQ(DaAnsi("\x80\x8a\xe8", CodicePagina::Windows1252), QString::fromUtf8("€Šè"));
    EXPECT_EQ(DaAnsi("\x80\x8a\xe8\xa3", CodicePagina::Windows1250), QString::fromUtf8("€ŠčŁ"));
    EXPECT_EQ(AdAnsi(QString::fromUtf8("čšž"), CodicePagina::Windows1250), "\xe8\x9a\x9e");
    // A character the page cannot hold becomes one '?', the rest converts.
    EXPECT_EQ(AdAnsi(QString::fromUtf8("ač€😀"), CodicePagina::Windows1252), "a?\x80?");
    // Every byte survives a round trip in both pages.
    std::string tutti;
    for (int b = 1; b < 256; ++b) tutti.push_back(static_cast<char>(b));
    for (auto pagina : {CodicePagina::Windows1252, CodicePagina::Windows1250})
        EXPECT_EQ(AdAnsi(DaAnsi(tutti, pagina), pagina), tutti);
    // The page in force follows the language (western with none loaded) unless set.
    SeguiCodicePaginaLingua();
    EXPECT_EQ(DaAnsi("\xe8"), QString::fromUtf8("è"));
    ImpostaCodicePagina(CodicePagina::Windows1250);
    EXPECT_EQ(AdAnsi(DaAnsi("\xe8") + QString::fromUtf8("č")), "\xe8\xe8");
    SeguiCodicePaginaLingua();
    EXPECT_EQ(CodicePaginaCorrente(), CodicePagina::Windows1252);
    // Whole pixels from twips: integer division toward zero by the whole factor (15 at 96 dpi:
    // 3014 -> 200).
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
    const int fattore = static_cast<int>(std::lround(1440.0 / dpi));
    EXPECT_EQ(PixelDaTwipsX(fattore * 200 + fattore - 1), 200);
    EXPECT_EQ(PixelDaTwipsX(-(fattore * 200 + fattore - 1)), -200);
    EXPECT_EQ(TwipsDaPixelX(640), std::lround(640 * 1440.0 / dpi));
    EXPECT_EQ(PixelDaTwipsY(TwipsDaPixelY(480)), 480);
}
