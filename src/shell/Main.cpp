#include "shell/Main.h"

#include "core/Azzeramento.h"
#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/MenuLingua.h"
#include "core/Progetti.h"
#include "core/Salvataggio.h"
#include "core/Seams.h"
#include "platform/MenuQt.h"
#include "platform/Testo.h"
#include "shell/Comandi.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace kelvra {

int16_t EditorAperto = 0;
GanciShell Ganci;

namespace {
MAIN* istanza = nullptr;

// Start-up state: no hook filled, the editor not opened yet.
void AzzeraShell() {
    Ganci = {};
    EditorAperto = 0;
}
[[maybe_unused]] const bool ShellAzzerabile = RegistraAzzeramento(AzzeraShell);
} // namespace

void TerminaProgramma(int codice) {
    if (Ganci.TerminaProgramma) {
        Ganci.TerminaProgramma(codice);
        return;
    }
    // No window's unload handling may run after this point.
    std::fflush(nullptr);
    std::_Exit(codice);
}

void PassoSalvataggio() {
    PassoSalvataggioTipo(MOD_PROGETTO, true);
}

std::string TitoloMain() {
    return std::string(TITOLO_PRODOTTO) + " V. 3.0 - " + Riga(TestiMain, 0);
}

void ImpostaMenuMain(MAIN& form) {
    auto voci = [](const std::map<int, QAction*>& elementi) {
        std::vector<QAction*> v;
        for (auto [indice, azione] : elementi) {
            if (static_cast<size_t>(indice) >= v.size()) v.resize(static_cast<size_t>(indice) + 1);
            v[static_cast<size_t>(indice)] = azione;
        }
        return v;
    };
    ApplicaTabellaMenu(
        {{form.MenuItem[0], voci(form.FileItem)}, {form.MenuItem[1], voci(form.GuidaItem)}});
}

void ChiudiMain() {
    if (MAIN* m = MAIN::Istanza()) m->close();
}

MAIN::MAIN() {
    istanza = this;
    setObjectName("MAIN");

    // Built-in captions; the language file's replace them at every activation.
    MenuItem[0] = AggiungiMenu("&File");
    MenuItem[1] = AggiungiMenu("&?");
    const std::pair<int, const char*> file[] = {{1, "&Nuovo"}, {2, "&Apri"}, {3, "&Esci"}};
    for (auto [indice, testo] : file) {
        QAction* a = MenuItem[0]->addAction(QString::fromUtf8(testo));
        FileItem[indice] = a;
        connect(a, &QAction::triggered, this, [this, i = indice] { FileItem_Click(i); });
    }
    QAction* aiuto = MenuItem[1]->addAction("&Aiuto");
    GuidaItem[1] = aiuto;
    connect(aiuto, &QAction::triggered, this, [this] { GuidaItem_Click(1); });
    MenuItem[1]->addSeparator();
    QAction* info = MenuItem[1]->addAction("&Informazioni");
    GuidaItem[5] = info;
    connect(info, &QAction::triggered, this, [this] { GuidaItem_Click(5); });

    connect(this, &CorniceMdi::ClicSfondo, this, [this] { MDIForm_Click(); });
}

MAIN::~MAIN() {
    if (istanza == this) istanza = nullptr;
}

MAIN* MAIN::Istanza() {
    return istanza;
}

MAIN& MAIN::Mostra() {
    MAIN* m = istanza ? istanza : new MAIN;
    if (!m->caricato_) {
        m->caricato_ = true;
        // The frame fills the screen's working area.
        if (QScreen* schermo = QGuiApplication::primaryScreen())
            m->setGeometry(schermo->availableGeometry());
        m->MDIForm_Load();
    }
    m->showMaximized();
    m->raise();
    m->activateWindow();
    // Without a window manager the frame may never be told it is active: set the captions
    // now as well.
    m->MDIForm_Activate();
    return *m;
}

void MAIN::MDIForm_Load() {
    if (Ganci.MostraFrmMenu) Ganci.MostraFrmMenu(*this);
    EditorAperto = 1;
    if (Ganci.MostraInsGeo) Ganci.MostraInsGeo(*this, false);
}

void MAIN::MDIForm_Activate() {
    if (LeggiMenuLingua("MnuMain")) ImpostaMenuMain(*this);
    setWindowTitle(DaAnsi(TitoloMain()));
}

void MAIN::MDIForm_Click() {
    if (Ganci.MostraFrmMenu) Ganci.MostraFrmMenu(*this);
}

void MAIN::FileItem_Click(int Index) {
    switch (Index) {
    case 1:
        PassoSalvataggio();
        if (Ganci.CaricaFrmMenu) Ganci.CaricaFrmMenu(*this);
        if (Ganci.MostraInsGeo) Ganci.MostraInsGeo(*this, true);
        break;
    case 2:
        // The chooser asks before each read about the kinds it replaces: asking here too
        // would put the same question twice, and a chooser closed unused replaces nothing.
        if (Ganci.MostraSceltaOpen) Ganci.MostraSceltaOpen(*this);
        break;
    case 3:
        close();
        break;
    default:
        break;
    }
}

void MAIN::GuidaItem_Click(int Index) {
    if (Ganci.GestisciMenuGuida) Ganci.GestisciMenuGuida(Index, *this);
}

bool MAIN::MDIForm_QueryUnload() {
    PassoSalvataggio();
    if (MsgBox(Riga(Messaggi, 0), vbYesNo + vbQuestion) != vbYes) return true;
    // Each step goes on whatever the one before did: a settings file that cannot be written
    // (the user is told, and the old file stands) or a plain language file already gone does
    // not keep the program from ending.
    ScriviFileIni();
    EliminaFileLingua();
    TerminaProgramma(0);
    return false;
}

void MAIN::closeEvent(QCloseEvent* evento) {
    if (MDIForm_QueryUnload())
        evento->ignore();
    else
        evento->accept();
}

void MAIN::changeEvent(QEvent* evento) {
    CorniceMdi::changeEvent(evento);
    if (evento->type() == QEvent::ActivationChange && isActiveWindow()) MDIForm_Activate();
}

} // namespace kelvra
