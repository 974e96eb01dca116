#include "graphs/Pulsantiera.h"

#include "core/Lingua.h"
#include "core/Seams.h"
#include "graphs/Curve01.h"
#include "graphs/PaginaGrafico.h"
#include "graphs/StatoGrafico.h"
#include "graphs/Strumenti.h"
#include "platform/Dialoghi.h"
#include "platform/Messaggi.h"
#include "platform/Stampante.h"
#include "platform/Testo.h"
#include "shell/Comandi.h"
#include "shell/Ganci.h"
#include "shell/Main.h"

#include <QPageLayout>
#include <QPrinter>
#include <QToolButton>
#include <cmath>
#include <string>
#include <utility>

namespace kelvra {

namespace {

constexpr int FILE_COMPARA = 3;

// The largest page image drawn, in pixels (an A4 page at about 400 dots per inch): a finer
// printer gets the page drawn at this size and scaled up by its own driver.
constexpr double MASSIMO_PIXEL_PAGINA = 16.0e6;
// Share of the page height the print service keeps for the title line over the picture.
constexpr double QUOTA_TITOLO_STAMPA = 0.05;

MAIN* Main() {
    return MAIN::Istanza();
}

// The chart starts afresh on the projects now held, under a caption naming them.
void RidisegnaDopoCaricamento(CURVE01& form) {
    Grafico.ZoomAttivo = Grafico.ZoomIndietro = FALSO;
    ImpostaRangeFissi();
    form.DisegnaGrafico();
    form.ImpostaTesto();
    AggiornaTitoli();
}

// The menus and buttons follow the projects now held; a chart the newest project has no data
// for gives way to its first chart.
void AggiornaComandi(CURVE01& form) {
    if (form.SeguiStatoProgetto(false)) form.DisegnaGrafico();
}

// New project: the save question, then a new project in the next slot and the window closes.
// With six projects held there is no slot for it: refused with a beep.
void NuovoProgetto(CURVE01& form) {
    if (NumeroProgetti >= MAX_PROGETTI) {
        Beep();
        return;
    }
    PassoSalvataggio();
    Chiama(Ganci.NuovoProgettoGrafici);
    form.close();
}

// Open through the chooser, which asks before each read about the changes it replaces. A
// project loaded: every curve shown and the chart afresh; anything else (a cancel, a component
// file) leaves the chart, the caption and the flags as they were.
void ApriFile(CURVE01& form) {
    const int16_t esito = EsitoConfronto, caricato = CaricatoProgetto;
    EsitoConfronto = CaricatoProgetto = FALSO;
    if (MAIN* main = Main()) Chiama(Ganci.MostraSceltaOpen, *main);
    if (!Vero(CaricatoProgetto)) {
        EsitoConfronto = esito;
        CaricatoProgetto = caricato;
        return;
    }
    Grafico.CurvaEsclusa.fill(FALSO);
    RidisegnaDopoCaricamento(form);
    AggiornaComandi(form);
}

// Compare: whole projects loaded into the next slots, one at a time, while the user asks for
// more and a slot is free. A failed load gives back the project numbers of the last load that
// succeeded (those from before the command when none did); the projects loaded stay.
void ComparaProgetti(CURVE01& form) {
    int16_t numero = NumeroProgetti, selezionato = ProgettoSelezionato;
    const int16_t esito = EsitoConfronto;
    bool riuscito = false;
    while (numero < MAX_PROGETTI) {
        NumeroProgetti = ProgettoSelezionato = static_cast<int16_t>(numero + 1);
        CaricatoProgetto = FALSO;
        Chiama(Ganci.ApriProgetto);
        if (!Vero(CaricatoProgetto)) {
            NumeroProgetti = numero;
            ProgettoSelezionato = selezionato;
            break;
        }
        riuscito = true;
        numero = NumeroProgetti;
        selezionato = ProgettoSelezionato;
        RidisegnaDopoCaricamento(form);
        if (numero >= MAX_PROGETTI) break;
        if (MsgBox(Riga(Messaggi, 14), vbYesNo + vbQuestion) != vbYes) break;
    }
    EsitoConfronto = riuscito ? VERO : esito;
    AggiornaComandi(form);
}

// Save as: the save chooser, where the user picks the kinds of file to write.
void ScegliSalvataggio(CURVE01&) {
    if (MAIN* main = Main()) Chiama(Ganci.MostraSceltaSave, *main);
}

void Chiudi(CURVE01& form) {
    form.close();
}

struct VoceFile {
    int indice;
    void (*comando)(CURVE01& form);
};
constexpr std::array<VoceFile, 8> VOCI_FILE{{
    {1, NuovoProgetto},
    {2, ApriFile},
    {FILE_COMPARA, ComparaProgetti},
    {4, TogliUltimoProgetto},
    {7, ScegliSalvataggio},
    {10, [](CURVE01&) { ImpostaStampanteGrafico(); }},
    {11, StampaGrafico},
    {22, Chiudi},
}};

} // namespace

const std::array<PulsanteBarra, NUMERO_PULSANTI_GRAFICO> PULSANTI_BARRA{{
    {SezionePulsante::Common, 5, 0, [](CURVE01&) { CambiaDati(EditorAperto); }},
    {SezionePulsante::Curve, 2, 0, [](CURVE01& f) { ImpostaModoInfo(1, f, 0); }},
    {SezionePulsante::Curve, 5, 0, [](CURVE01& f) { ImpostaModoInfo(4, f, Grafico.XMin); }},
    {SezionePulsante::Curve, 6, 0, [](CURVE01&) { MostraTabelle(EditorAperto); }},
    {SezionePulsante::Curve, 7, 0, nullptr},
    {SezionePulsante::Curve, 9, 0, [](CURVE01& f) { ImpostaModoInfo(6, f, 0); }},
    {SezionePulsante::Curve, 10, 0, [](CURVE01& f) { GestisciOpzioni(3, f); }},
    {SezionePulsante::Common, 6, 2, nullptr},
    {SezionePulsante::Common, 8, FILE_COMPARA, nullptr},
    {SezionePulsante::Common, 7, 7, nullptr},
    {SezionePulsante::Common, 4, 11, nullptr},
    {SezionePulsante::Common, 3, 22, nullptr},
}};

void ComandoPulsantiera(int Index, CURVE01& form) {
    Grafico.InfoAttivo = FALSO;
    if (Index < 0 || Index >= NUMERO_PULSANTI_GRAFICO) return;
    const PulsanteBarra& p = PULSANTI_BARRA[static_cast<size_t>(Index)];
    if (p.voceFile > 0)
        ComandoFileGrafici(p.voceFile, form);
    else if (p.comando)
        p.comando(form);
}

void ComandoFileGrafici(int Index, CURVE01& form) {
    Grafico.InfoAttivo = FALSO;
    for (const VoceFile& v : VOCI_FILE)
        if (v.indice == Index) v.comando(form);
}

void CambiaDati(int16_t editorAperto) {
    if (editorAperto != 1) return;
    if (MAIN* main = Main()) Chiama(Ganci.MostraInsGeo, *main, false);
}

void TogliUltimoProgetto(CURVE01& form) {
    // The shared command: it asks before a project with changes not saved goes.
    if (ChiudiUltimoProgetto()) ProgettiChiusi(form);
}

// The same set-up as every other window's: it is where a PDF file is chosen when the
// desktop has no printer, so it never asks for one first.
bool ImpostaStampanteGrafico() {
    return DialogoImpostaStampante();
}

void StampaGrafico(CURVE01& form) {
    if (!VerificaStampante(Riga(Messaggi, 46))) return;
    bool stampato = false;
    {
        CursoreAttesa attesa;
        const QPrinter& stampante = StampanteImpostata();
        double dpi = stampante.resolution();
        const QRect area = stampante.pageLayout().paintRectPixels(stampante.resolution());
        double larghezza = area.width();
        double altezza = area.height() * (1 - QUOTA_TITOLO_STAMPA);
        if (larghezza * altezza > MASSIMO_PIXEL_PAGINA) {
            const double riduzione = std::sqrt(MASSIMO_PIXEL_PAGINA / (larghezza * altezza));
            larghezza *= riduzione;
            altezza *= riduzione;
            dpi *= riduzione;
        }
        const QImage pagina =
            PaginaGrafico(static_cast<int>(larghezza), static_cast<int>(altezza), dpi,
                          form.Griglia(), form.LblTitleGrafico->font().family());
        stampato = StampaImmagine(pagina, form.windowTitle().toStdString());
    }
    if (!stampato) MsgBox(Riga(Messaggi, 76), vbExclamation);
}

void AllineaPulsantiera(CURVE01& form) {
    form.FileItem[FILE_COMPARA]->setEnabled(NumeroProgetti < MAX_PROGETTI);
    for (int i = 0; i < NUMERO_PULSANTI_GRAFICO; ++i) {
        const PulsanteBarra& p = PULSANTI_BARRA[static_cast<size_t>(i)];
        QToolButton* b = form.CmdPulsantiera[static_cast<size_t>(i)];
        if (p.voceFile > 0)
            b->setEnabled(form.FileItem[p.voceFile]->isEnabled());
        else
            b->setEnabled(p.comando != nullptr);
    }
    form.OpzioniItem[OPZIONE_FUNZIONE_INVERSA]->setEnabled(
        form.CmdPulsantiera[PULSANTE_FUNZIONE_INVERSA]->isEnabled());
}

} // namespace kelvra
