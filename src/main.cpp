// Kelvra: the splash window starts the program and hands over to the main window; the
// program ends only through the main window's exit question.
#include "platform/Messaggi.h"
#include "shell/Avvio.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Kelvra");
    // The exit question ends the program itself; closing the splash before the main window
    // appears must not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    kelvra::InstallaGestoriQt();

    auto* logo = new kelvra::FrmLogo;
    logo->setAttribute(Qt::WA_DeleteOnClose);
    logo->show();
    return app.exec();
}
