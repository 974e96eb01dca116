// Kelvra: the splash window starts the program and hands over to the main window; the
// program ends only through the main window's exit question.
#include "shell/Main.h"
#include "components/EditorComponenti.h"
#include "core/FileDisco.h"
#include "files/FileProgetto.h"
#include "geometry_editor/InsGeo01.h"
#include "graphs/Curve01.h"
#include "platform/Convenzioni.h"
#include "platform/Messaggi.h"
#include "shell/Avvio.h"
#include "shell/Comandi.h"
#include "shell/FrmMenu.h"
#include "tables/Tab01.h"

#include <QApplication>
#ifndef QT_NO_SESSIONMANAGER
#include <QSessionManager>
#endif

int main(int argc, char** argv) {
    // Before anything is written, the language file at start-up included.
    kelvra::PreparaScrittureFile();
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kelvra");
    // The exit question ends the program itself; closing the splash before the main window
    // appears must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    kelvra::InstallaGestoriQt();
    kelvra::InstallaConvenzioniDesktop();

#ifndef QT_NO_SESSIONMANAGER
    // The desktop session ending asks the same exit question as closing the main window.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, [](QSessionManager& sessione) {
        kelvra::MAIN* main = kelvra::MAIN::Istanza();
        if (!main || !sessione.allowsInteraction()) return;
        const bool annulla = main->MDIForm_QueryUnload();
        sessione.release();
        if (annulla) sessione.cancel();
    });
#endif

    // The start-up creates the geometry editor and the main window shows it.
    kelvra::RegistraFrmMenu();
    kelvra::RegistraEditorGeometria();
    kelvra::RegistraTabelle();
    kelvra::RegistraGrafici();
    kelvra::RegistraFileProgetto();
    kelvra::RegistraEditorComponenti();
    // The Help menu of every window: the guide and the about box.
    kelvra::RegistraComandi();

    auto* logo = new kelvra::FrmLogo;
    logo->setAttribute(Qt::WA_DeleteOnClose);
    logo->show();
    return app.exec();
}
