#include "graphs/Strumenti.h"

#include "core/Formato.h"
#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Seams.h"
#include "core/Servizi.h"
#include "core/Unita.h"
#include "graphs/CalcoliStrumenti.h"
#include "graphs/Curve01.h"
#include "graphs/Funzioni.h"
#include "graphs/Lettore.h"
#include "graphs/PaginaGrafico.h"
#include "graphs/Pulsantiera.h"
#include "graphs/Sovrapposizione.h"
#include "graphs/StatoGrafico.h"
#include "platform/CorniceMdi.h"
#include "platform/Dialoghi.h"
#include "platform/Messaggi.h"
#include "platform/Posizione.h"
#include "platform/SuperficieQt.h"
#include "platform/Testo.h"
#include "shell/Abilitazione.h"
#include "shell/Comandi.h"
#include "shell/Ganci.h"

#include <QCheckBox>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace kelvra {

namespace {

constexpr int32_t GIALLO = 0x00FFFF;
constexpr int32_t GRIGIO = 0x808080;
constexpr int32_t GRIGIO_CHIARO = 0xC0C0C0;

int16_t N() {
    return static_cast<int16_t>(std::clamp<int>(NumeroProgetti, 0, MAX_PROGETTI));
}

void Colora(QWidget* w, int32_t colore, QPalette::ColorRole ruolo) {
    QPalette p = w->palette();
    p.setColor(ruolo, ColoreQt(colore));
    w->setPalette(p);
    if (ruolo == QPalette::Window) w->setAutoFillBackground(true);
}

QString Testo(const SezioneTesti& s, int riga) {
    return DaAnsi(Riga(s, riga));
}

void Ridisegna(CURVE01& form) {
    form.DisegnaGrafico();
}

void ScaricaFunzioni() {
    if (FUNZIONI* f = FUNZIONI::Istanza()) f->Scarica();
}

// The marker lines of the info modes gone and their menu items unticked.
void ScaricaMarcatori(CURVE01& form) {
    form.Sovrapposizione->Scarica(LINEA_MASSIMO + 1, LINEA_MASSIMO + 3 * 10 + MAX_PROGETTI);
    for (int k = 1; k <= 3; ++k) form.InfoItem[k]->setChecked(false);
    Grafico.MassimiAttivi = FALSO;
}

// The maximum table's headings and formats by chart kind: Quantity line of the value column,
// its unit-label row (-1 none, -2 "[%]") and its format row.
struct ColonnaMassimi {
    int quantita, unita, formato;
};
constexpr std::array<ColonnaMassimi, NUMERO_TIPI_GRAFICO> COLONNE_MASSIMI{{{34, 3, 3},
                                                                           {35, 0, 0},
                                                                           {36, 0, 0},
                                                                           {31, -1, 4},
                                                                           {38, -1, 4},
                                                                           {39, -2, 4},
                                                                           {24, 1, 1},
                                                                           {60, 1, 1},
                                                                           {61, 1, 1},
                                                                           {62, 4, 4},
                                                                           {63, 1, 1},
                                                                           {64, 2, 2},
                                                                           {65, 1, 1},
                                                                           {66, 2, 2}}};

} // namespace

// ---- rubber band ----------------------------------------------------------------------------

void InizioZoom(int Button, int, float X, float Y, CURVE01& form) {
    StatoGrafico& g = Grafico;
    if (Button != 1) return;
    if (g.ModoZoom == ZOOM_FINESTRA) {
        g.ZoomAttivo = VERO;
        g.ZoomInizioX = X;
        g.ZoomInizioY = Y;
        SovrapposizioneGrafico& s = *form.Sovrapposizione;
        s.bandaSinistra = X;
        s.bandaSopra = Y;
        s.bandaLarghezza = s.bandaAltezza = 0;
        s.coloreBanda = ColoreGriglia;
        s.bandaVisibile = true;
        s.Aggiorna();
    } else if (g.ModoZoom == ZOOM_RANGE) {
        g.ZoomAttivo = FALSO;
        g.InfoAttivo = FALSO;
        ScaricaMarcatori(form);
        ApriPannelloRange(RANGE_ZOOM, form, true);
    }
}

void TrascinaZoom(int Button, int, float X, float Y, CURVE01& form) {
    ImpostaSuggerimento(Riga(TestiToolbar, 16));
    if (Button != 1 || !Vero(Grafico.ZoomAttivo)) return;
    SovrapposizioneGrafico& s = *form.Sovrapposizione;
    Banda b{static_cast<float>(s.bandaSinistra), static_cast<float>(s.bandaSopra),
            static_cast<float>(s.bandaLarghezza), static_cast<float>(s.bandaAltezza)};
    b = TrascinaBanda(b, X, Y, Grafico.ModoZoom == ZOOM_FINESTRA);
    s.bandaSinistra = b.sinistra;
    s.bandaSopra = b.sopra;
    s.bandaLarghezza = b.larghezza;
    s.bandaAltezza = b.altezza;
    s.bandaVisibile = true;
    s.Aggiorna();
}

void FineZoom(int Button, int, float, float, CURVE01& form) {
    StatoGrafico& g = Grafico;
    SovrapposizioneGrafico& s = *form.Sovrapposizione;
    if (Button == 1 && Vero(g.ZoomAttivo)) {
        g.ZoomAttivo = FALSO;
        const Banda b{static_cast<float>(s.bandaSinistra), static_cast<float>(s.bandaSopra),
                      static_cast<float>(s.bandaLarghezza), static_cast<float>(s.bandaAltezza)};
        double ascissa = 0;
        const bool zoom = ApplicaBanda(b, g.ModoZoom == ZOOM_FINESTRA, ascissa);
        s.bandaVisibile = false;
        s.Aggiorna();
        if (zoom)
            Ridisegna(form);
        else
            ImpostaModoInfo(4, form, ascissa); // a band one unit wide or high: the reader
    } else if (Button == 2) {
        if (Vero(g.ZoomIndietro)) {
            ZoomIndietroGrafico();
            Ridisegna(form);
        } else {
            form.MenuItem[5]->popup(QCursor::pos());
        }
    }
}

// ---- range panel ----------------------------------------------------------------------------

void ApriPannelloRange(const std::string& destinazione, CURVE01&, bool dalGrafico) {
    StatoGrafico& g = Grafico;
    g.InfoAttivo = FALSO;
    FUNZIONI& f = FUNZIONI::Crea();
    if (!dalGrafico) g.ModoPannello = PANNELLO_RANGE;
    g.DestinazioneRange = destinazione;
    const TestiPannelloRange t = TestiRange(destinazione);
    f.setWindowTitle(Testo(TestiFunzioni, t.titolo));
    f.LblGestioneRange[0]->setText(Testo(TestiFunzioni, t.inferiore));
    f.LblGestioneRange[1]->setText(Testo(TestiFunzioni, t.superiore));
    const EstremiTesto e = PrecompilaRange(destinazione, dalGrafico);
    f.TxtGestioneRange[0]->setText(DaAnsi(e.inferiore));
    f.TxtGestioneRange[1]->setText(DaAnsi(e.superiore));
    for (QLineEdit* t2 : f.TxtGestioneRange) t2->setProperty("Tag", t2->text());
    PosizionaForm(&f, 2070, 2325, 1500, 4365);
    PosizionaControllo(f.PictFunzioni[PANNELLO_RANGE], 60, 60, 1800, 4155);
    f.MostraPannello(PANNELLO_RANGE);
    f.CommandOK[1]->setDefault(true);
    f.Mostra();
}

void ApplicaRange(int Index, CURVE01& form) {
    if (Index == 0) {
        ScaricaFunzioni();
        Ridisegna(form);
    } else if (Index == 2) {
        form.FrmColor->hide();
    } else if (Index == 1) {
        FUNZIONI* f = FUNZIONI::Istanza();
        if (!f) return;
        auto testo = [](const QLineEdit* t) { return AdAnsi(t->text()); };
        auto tag = [](const QLineEdit* t) { return AdAnsi(t->property("Tag").toString()); };
        const auto& box = f->TxtGestioneRange;
        switch (ApplicaValoriRange(Grafico.DestinazioneRange, testo(box[0]), testo(box[1]),
                                   tag(box[0]), tag(box[1]))) {
        case EsitoRange::Invariato:
            f->Scarica();
            break;
        case EsitoRange::Rifiutato:
            Beep();
            MsgBox(Riga(Messaggi, 45), vbOKOnly);
            break;
        case EsitoRange::Applicato:
            f->Scarica();
            Ridisegna(form);
            break;
        case EsitoRange::Ignorato:
            break;
        }
    }
}

void SelezionaVista(int Index, CURVE01& form) {
    StatoGrafico& g = Grafico;
    g.InfoAttivo = FALSO;
    ScaricaMarcatori(form);
    QAction* range = form.VistaItem[1];
    if (Index == 1 && !range->property("Spuntato").toBool()) {
        range->setProperty("Spuntato", true);
        range->setChecked(true);
        form.VistaItem[2]->setChecked(false);
        g.ModoZoom = ZOOM_RANGE;
        ApriPannelloRange(RANGE_ZOOM, form, false);
        return;
    }
    range->setProperty("Spuntato", false);
    range->setChecked(false);
    form.VistaItem[2]->setChecked(false);
    g.ModoZoom = ZOOM_FINESTRA;
}

void GestioneScala(int Index, CURVE01& form) {
    if (Index == 1) ApriPannelloRange(RANGE_ASSE_X, form, false);
    if (Index == 2) ApriPannelloRange(RANGE_ASSE_Y, form, false);
}

namespace {
// A click on an axis end label: the label lights up while its value is tried as the new end;
// a value refused beeps.
void ModificaEstremo(QLabel* l, bool (*modifica)(int, double), int Index, CURVE01& form) {
    Colora(l, GIALLO, QPalette::WindowText);
    if (modifica(Index, Val(AdAnsi(l->text()))))
        Ridisegna(form);
    else
        Beep();
    Colora(l, ColoreEtichetteAssi, QPalette::WindowText);
}
} // namespace

void ModificaEstremoX(int Index, CURVE01& form) {
    ModificaEstremo(form.LblX[static_cast<size_t>(Index)], ModificaEstremoXValore, Index, form);
}

void ModificaEstremoY(int Index, CURVE01& form) {
    ModificaEstremo(form.LblY1[static_cast<size_t>(Index)], ModificaEstremoYValore, Index, form);
}

// ---- info modes -----------------------------------------------------------------------------

namespace {

void CommutaMassimi(CURVE01& form) {
    StatoGrafico& g = Grafico;
    if (Vero(g.MassimiAttivi)) {
        ScaricaMarcatori(form);
        return;
    }
    CursoreAttesa attesa;
    FUNZIONI& f = FUNZIONI::Crea();
    f.setWindowTitle(Testo(TestiCurve, 2));
    if (g.ScalaX > 0 && g.ScalaY > 0) {
        for (int p = 1; p <= N(); ++p) {
            const double y = g.BordoInferiore - (g.YMaxProgetto[static_cast<size_t>(p)] - g.YMin) /
                                                    static_cast<double>(g.ScalaY);
            form.Sovrapposizione->LineInfo[LINEA_MASSIMO + p] = {
                true, g.MargineSinistro,
                y,    g.MargineSinistro + (g.XMax - g.XMin) / static_cast<double>(g.ScalaX),
                y,    ColoreCurvaMostrato(p),
                true};
        }
    }
    form.Sovrapposizione->Aggiorna();
    form.InfoItem[1]->setChecked(true);
    g.MassimiAttivi = VERO;
    RiempiTabellaPunti(f);
}

} // namespace

void ImpostaModoInfo(int Index, CURVE01& form, double ascissa) {
    Grafico.InfoAttivo = FALSO;
    if (Index == 1) {
        CommutaMassimi(form);
    } else if (Index == 4) {
        LETTORE::Crea().Apri(form, ascissa);
    } else if (Index == 6) {
        Grafico.ModoPannello = PANNELLO_LEGENDA;
        MostraLegenda(FUNZIONI::Crea());
    }
    // Only the maximum item keeps a tick; the others tick themselves when chosen.
    form.InfoItem[1]->setChecked(Vero(Grafico.MassimiAttivi));
    for (int k = 2; k <= 3; ++k) form.InfoItem[k]->setChecked(false);
}

void ChiudiPannelloFunzioni(int Index, CURVE01& form) {
    if (Index == 2) {
        ScaricaFunzioni();
    } else if (Index == 4) {
        if (LETTORE* l = LETTORE::Istanza()) l->Scarica();
    } else if (Index >= 5 && Index <= 7) {
        if (Vero(Grafico.MassimiAttivi)) ImpostaModoInfo(1, form, 0);
        Grafico.InfoAttivo = FALSO;
    } else if (Index == 8) {
        Grafico.InfoAttivo = FALSO;
    }
}

namespace {

// The widest of the labels' texts in twips, with room round it.
float LarghezzaTesti(std::initializer_list<const QLabel*> etichette) {
    constexpr int MARGINE_PIXEL = 4;
    float twips = 0;
    for (const QLabel* l : etichette) {
        const int pixel = l->fontMetrics().horizontalAdvance(l->text()) + MARGINE_PIXEL;
        twips = std::max(twips, static_cast<float>(pixel) * TwipsPerPixelX(l));
    }
    return twips;
}

// The table laid out for the projects held: each column as wide as its longest text, never
// narrower than designed, and the window as wide as the columns.
void ImpaginaTabellaPunti(FUNZIONI& f) {
    const int n = N();
    float valori = COLONNA_VALORI_MASSIMI;
    for (int p = 1; p <= n; ++p)
        valori = std::max(valori, LarghezzaTesti({f.LblValueX[p], f.LblValueY[p]}));
    const float titoli =
        std::max<float>(COLONNA_TITOLI_MASSIMI, LarghezzaTesti({f.LblGrdX, f.LblGrdY}));
    const int colonna = static_cast<int>(std::ceil(valori));
    const int w = LarghezzaTabellaMassimi(n, static_cast<int>(std::ceil(titoli)), colonna);
    constexpr float SPAZIO = SPAZIO_TABELLA_MASSIMI;
    PosizionaForm(&f, 600, 1785, 240, static_cast<float>(w + 120));
    PosizionaControllo(f.PictFunzioni[PANNELLO_MASSIMI], 60, 60, 1365, static_cast<float>(w));
    PosizionaControllo(f.LblPunti3, 0, 0, 285, static_cast<float>(w));
    PosizionaControllo(f.LblGrdX, 330, SPAZIO, 255, titoli);
    PosizionaControllo(f.LblGrdY, 660, SPAZIO, 255, titoli);
    for (int p = 1; p <= n; ++p) {
        const float sinistra = SPAZIO + std::ceil(titoli) + SPAZIO +
                               static_cast<float>((p - 1) * (colonna + SPAZIO_TABELLA_MASSIMI));
        PosizionaControllo(f.LblValueX[p], 330, sinistra, 255, static_cast<float>(colonna));
        PosizionaControllo(f.LblValueY[p], 660, sinistra, 255, static_cast<float>(colonna));
    }
}

} // namespace

void RiempiTabellaPunti(FUNZIONI& f) {
    const StatoGrafico& g = Grafico;
    for (int p = 1; p <= MAX_PROGETTI; ++p) {
        f.LblValueX[p]->clear();
        f.LblValueY[p]->clear();
        f.LblValueX[p]->hide();
        f.LblValueY[p]->hide();
    }
    f.LblPunti3->hide();
    const int tipo = std::clamp<int>(g.TipoGrafico, 1, NUMERO_TIPI_GRAFICO);
    const ColonnaMassimi& c = COLONNE_MASSIMI[static_cast<size_t>(tipo - 1)];
    std::string y = Riga(TestiQuantity, c.quantita);
    if (c.unita >= 0) y += " " + EtichettaUnita[static_cast<size_t>(c.unita)];
    if (c.unita == -2) y += " [%]";
    f.LblGrdY->setText(DaAnsi(y));
    const int rigaX = tipo == 7 ? 41 : tipo == 8 ? 58 : tipo == 9 ? 59 : 40;
    f.LblGrdX->setText(DaAnsi(Riga(TestiQuantity, rigaX) + " " + EtichettaUnita[UNITA_LUNGHEZZA]));
    Grafico.ModoPannello = PANNELLO_MASSIMI;
    if (Vero(g.MassimiAttivi)) {
        f.LblPunti3->setText(Testo(TestiCurve, 2));
        Colora(f.PictFunzioni[PANNELLO_MASSIMI], GRIGIO_CHIARO, QPalette::Window);
        f.LblPunti3->show();
        for (int p = 1; p <= N(); ++p) {
            const auto pi = static_cast<size_t>(p);
            for (QLabel* l : {f.LblValueX[p], f.LblValueY[p]}) {
                Colora(l, GRIGIO, QPalette::Window);
                Colora(l, ColoreCurvaMostrato(p), QPalette::WindowText);
                l->show();
            }
            f.LblValueX[p]->setText(
                DaAnsi(FormattaNumero(g.AscissaMassimo[pi], FormatoUnita[UNITA_LUNGHEZZA])));
            f.LblValueY[p]->setText(DaAnsi(
                FormattaNumero(g.YMaxProgetto[pi], FormatoUnita[static_cast<size_t>(c.formato)])));
        }
        ImpaginaTabellaPunti(f);
        f.MostraPannello(PANNELLO_MASSIMI);
    }
    f.CommandChiudi[7]->setDefault(true);
    f.Mostra();
}

// ---- legend and closing projects ------------------------------------------------------------

namespace {

// The legend's window, panel and buttons sized by the number of projects held.
void DimensionaLegenda(FUNZIONI& f) {
    const MisureLegenda m = MisureLegendaProgetti(N());
    // The button to the panel that drops projects, right of the close button, as wide as its
    // caption; the legend widens when the caption needs it.
    f.CmdProgetti->setText(Testo(Messaggi, 75));
    const float progetti = std::max(960.0f, static_cast<float>(f.CmdProgetti->sizeHint().width()) *
                                                TwipsPerPixelX(&f));
    const float larghezza = std::max(2970.0f, 1920 + progetti + 120);
    PosizionaForm(&f, 2340, static_cast<float>(m.finestra), 1620, larghezza);
    PosizionaControllo(f.PictFunzioni[PANNELLO_LEGENDA], 0, 15, static_cast<float>(m.pannello),
                       larghezza);
    PosizionaControllo(f.CommandChiudi[8], static_cast<float>(m.chiudi), 1140, 315, 730);
    PosizionaControllo(f.CmdProgetti, static_cast<float>(m.chiudi), 1920, 315, progetti);
}

} // namespace

void MostraLegenda(FUNZIONI& f, bool mostra) {
    const int n = N();
    for (int i = 1; i <= MAX_PROGETTI; ++i) f.LblEscludiCurva[i]->hide();
    // Brought up to date in place: a window the user sees stays where it is, under the mouse.
    if (mostra) DimensionaLegenda(f);
    QWidget* pannello = f.PictFunzioni[PANNELLO_LEGENDA];
    for (int i = 1; i <= n; ++i) {
        QLabel* l = f.LblEscludiCurva[i];
        const bool esclusa = Vero(Grafico.CurvaEsclusa[static_cast<size_t>(i)]);
        Colora(l, ColoreSfondo, QPalette::Window);
        Colora(l, ColoreCurva[static_cast<size_t>(i)], QPalette::WindowText);
        l->setText(NomeLegenda(i));
        QFont carattere = l->font();
        carattere.setStrikeOut(esclusa);
        l->setFont(carattere);
        l->show();
    }
    f.setWindowTitle(Testo(TestiCurve, 21));
    Colora(pannello, ColoreSfondo, QPalette::Window);
    f.MostraPannello(PANNELLO_LEGENDA);
    f.CommandChiudi[8]->setDefault(true);
    if (mostra) f.Mostra();
}

void MostraChiusuraProgetti(FUNZIONI& f) {
    const int n = N();
    Grafico.ModoPannello = PANNELLO_PROGETTI;
    f.LblProgetti->setText(Testo(Messaggi, 74));
    for (int i = 1; i <= MAX_PROGETTI; ++i) {
        f.ChkCurva[i]->setVisible(i <= n);
        f.ChkCurva[i]->setChecked(true);
        if (i <= n) f.ChkCurva[i]->setText(NomeLegenda(i));
    }
    const float bottoni = 420 + 285.0f * n;
    PosizionaControllo(f.CmdOff, bottoni, 120, 375, 1215);
    PosizionaControllo(f.CommandChiudi[9], bottoni, 1500, 375, 1215);
    PosizionaForm(&f, 2340, bottoni + 900, 1620, 3960);
    PosizionaControllo(f.PictFunzioni[PANNELLO_PROGETTI], 0, 15, bottoni + 480, 3900);
    f.MostraPannello(PANNELLO_PROGETTI);
    f.CmdOff->setDefault(true);
}

void ProgettiChiusi(CURVE01& form) {
    if (LETTORE* l = LETTORE::Istanza()) l->Scarica();
    AzzeraStatoGrafico(form);
    form.SeguiStatoProgetto(false);
    form.ImpostaTesto();
    // Every other window that names the projects held says so now, not when next activated.
    AggiornaTitoli();
    form.DisegnaGrafico();
}

// ---- colours --------------------------------------------------------------------------------

void GestisciOpzioni(int Index, CURVE01& form) {
    Grafico.InfoAttivo = FALSO;
    if (Index == 1) {
        Ridisegna(form);
    } else if (Index == 3) {
        for (int i = 1; i <= MAX_PROGETTI; ++i) form.LabCambiaColore[i]->hide();
        form.PosizionaCorniceColori();
        form.FrmColor->show();
        form.FrmColor->raise();
    }
}

void CambiaColoreElemento(int Index, CURVE01& form) {
    for (int i = 1; i <= MAX_PROGETTI; ++i) {
        form.LabCambiaColore[i]->hide();
        form.LabCambiaColore[i]->clear();
    }
    if (Index == 1) {
        for (int i = 1; i <= N(); ++i) {
            form.LabCambiaColore[i]->setText(QString(15, QLatin1Char('-')));
            form.LabCambiaColore[i]->show();
        }
        return;
    }
    if (Index == 6) {
        RipristinaColoriOriginali(form);
        Ridisegna(form);
        return;
    }
    int32_t* colore = Index == 0   ? &ColoreSfondo
                      : Index == 2 ? &ColoreAssi
                      : Index == 3 ? &ColoreEtichetteAssi
                      : Index == 5 ? &ColoreGriglia
                      : Index == 7 ? &ColoreTitoli
                                   : nullptr;
    if (!colore) return;
    const SceltaColore scelta = DialogoColore(*colore);
    if (scelta.errore) return;
    *colore = static_cast<int32_t>(scelta.colore);
    form.ApplicaColori();
    if (Index == 0 || Index == 2 || Index == 5) Ridisegna(form);
}

void CambiaColoreCurva(int Index, CURVE01& form) {
    if (Index < 1 || Index > MAX_PROGETTI) return;
    const SceltaColore scelta = DialogoColore(ColoreCurva[static_cast<size_t>(Index)]);
    if (scelta.errore) return;
    ColoreCurva[static_cast<size_t>(Index)] = static_cast<int32_t>(scelta.colore);
    form.ApplicaColori();
    Ridisegna(form);
}

void RipristinaColoriOriginali(CURVE01& form) {
    ImpostaColoriPredefiniti();
    form.ApplicaColori();
}

void SalvaColori() {
    CursoreAttesa attesa;
    // The curves' own colours: a hidden curve's is never replaced by the background.
    ScriviFileIni();
}

void CambiaUnitaGrafico(int16_t sistema, CURVE01& form) {
    SistemaUnita = sistema;
    if (Ganci.CreaEditorGeometria)
        Ganci.CreaEditorGeometria();
    else
        ImpostaUnitaMisura(sistema);
    AttivaMenuCurve(form.Controlli());
    if (LETTORE* l = LETTORE::Istanza()) l->Scarica();
    // Requested ranges are held in the units they were typed in: they go with the zoom.
    AzzeraStatoGrafico(form);
    form.DisegnaGrafico();
}

} // namespace kelvra
