// The graph window answers the Graphs commands through the hook table.
#include "graphs/Curve01.h"
#include "platform/Dialoghi.h"
#include "platform/Posizione.h"
#include "shell/Ganci.h"
#include "shell/Main.h"

#include <QDialog>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>
#include <algorithm>

namespace kelvra {

namespace {

// The graph window shown modal over the main window: a dialog that carries the window's menus
// on a bar of its own above it (the frame's menu bar waits behind a modal window).
class CorniceModale : public QDialog {
  public:
    CorniceModale(QWidget* genitore, CURVE01& grafico)
        : QDialog(genitore), grafico_(&grafico), barra_(new QMenuBar(this)) {
        for (QMenu* m : grafico.Menu()) barra_->addMenu(m);
        grafico.setParent(this);
        grafico.show();
        // The window closing itself (File, Exit; New project) ends the modal show.
        connect(&grafico, &QObject::destroyed, this, &QDialog::accept, Qt::QueuedConnection);
    }

  protected:
    void resizeEvent(QResizeEvent* evento) override {
        QDialog::resizeEvent(evento);
        const int barra = barra_->sizeHint().height();
        barra_->setGeometry(0, 0, width(), barra);
        if (grafico_) grafico_->setGeometry(0, barra, width(), std::max(0, height() - barra));
    }

  private:
    QPointer<CURVE01> grafico_;
    QMenuBar* barra_;
};

void MostraGraficoModale() {
    MAIN* main = MAIN::Istanza();
    if (!main) return;
    // A graph window already open in the frame gives way: the modal one starts afresh.
    if (CURVE01* aperta = CURVE01::Istanza()) {
        aperta->close();
        delete aperta;
    }
    CURVE01& finestra = CURVE01::Crea();
    QPointer<CURVE01> viva(&finestra);
    CorniceModale cornice(main, finestra);
    // As large as the frame's client area, where the window would open maximised.
    cornice.resize(main->AreaMdi()->size());
    CentraForm(main, &cornice);
    finestra.Form_Activate();
    // Laid out and drawn before it shows, on the first chart kind of the working project.
    finestra.Form_Resize();
    cornice.setWindowTitle(finestra.windowTitle());
    MostraModale(&cornice);
    if (viva) {
        viva->close();
        delete viva.data();
    }
}

} // namespace

void RegistraGrafici() {
    Ganci.MostraCurve01Modale = MostraGraficoModale;
    Ganci.AggiornaCurve01 = [] {
        // A change of data may also change which charts the newest project can draw.
        if (CURVE01* finestra = CURVE01::Istanza()) {
            finestra->SeguiStatoProgetto(false);
            finestra->AggiornaRisultati();
        }
    };
    Ganci.TitoloCurve01 = [] {
        if (CURVE01* finestra = CURVE01::Istanza()) finestra->ImpostaTitolo();
    };
    Ganci.MostraCurve01 = [] {
        MAIN* main = MAIN::Istanza();
        if (!main) return;
        const bool nuova = CURVE01::Istanza() == nullptr;
        CURVE01& finestra = CURVE01::Crea();
        QMdiSubWindow* sotto = main->AggiungiFiglia(&finestra);
        if (sotto && nuova) sotto->showMaximized();
        main->AttivaFiglia(&finestra);
    };
}

} // namespace kelvra
