#include "geometry_editor/MouseGeo.h"

#include "core/Cinematica.h"
#include "core/Disegno.h"
#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Unita.h"
#include "core/Vista.h"
#include "geometry_editor/Annulla.h"
#include "geometry_editor/Coordinate.h"
#include "platform/CorniceMdi.h"

#include <algorithm>
#include <cmath>

namespace kelvra {

namespace {

// The rocker's vertex 3 is placed this far right of and above a clicked vertex 2, mm.
constexpr double SCOSTAMENTO_VERTICE3 = 50.0;

std::string Lunghezza(double mm) {
    return FormattaNumero(mm * FattoreUnita[0], FormatoUnita[0]);
}

} // namespace

LetturaPuntatore LeggiPuntatore(double x, double y) {
    LetturaPuntatore l;
    const double F = FattoreUnita[0];
    l.X = FormattaNumero(((AreaSinistra + x) * ScalaSchemaX - OrigineX) * F, FormatoUnita[0]);
    l.Y = FormattaNumero(((AreaSotto - y) * ScalaSchemaY - OrigineY) * F, FormatoUnita[0]);

    // The start point of the element in the last slot (the linkage attachment for the
    // swingarm alone), and the pointer, both in world mm.
    int16_t k = 1;
    if (ProgettoValido(NumeroProgetti)) k = Progetti[NumeroProgetti].UltimoElemento;
    if (k <= 0) k = 1;
    k = std::min<int16_t>(k, MAX_PUNTI_CATENA);
    const Punto P = PuntiCatena[k];
    const Punto puntatore{static_cast<float>(MondoX(x)), static_cast<float>(MondoY(y))};
    const double dx = static_cast<double>(puntatore.X) - P.X;
    const double dy = static_cast<double>(puntatore.Y) - P.Y;
    l.Lunghezza = FormattaNumero(Distanza(puntatore, P) * F, "###.0");
    // Measured anticlockwise from +x; a pointer below the chain point reads as its mirror
    // image above it, so the angle stays within 0..180.
    const double a = CalcolaAngolo(std::fabs(dy), dx);
    l.Angolo = FormattaNumero(a * 180 / PiGreco, FormatoUnita[4]);
    return l;
}

void MouseGeo::PicGeo_MouseMove(int Button, int Shift, double X, double Y) {
    const LetturaPuntatore l = LeggiPuntatore(X, Y);
    f_.ImpostaEtichetta(Etichetta::LblX, l.X);
    f_.ImpostaEtichetta(Etichetta::LblY, l.Y);
    f_.ImpostaEtichetta(Etichetta::LblL, l.Lunghezza);
    f_.ImpostaEtichetta(Etichetta::LblAng, l.Angolo);
    f_.PuntatoreCroce();

    switch (ModoEdit) {
    case 0:
        ImpostaSuggerimento(Riga(TestiToolbar, 46));
        break;
    case 1:
        ImpostaSuggerimento(Riga(TestiToolbar, 47));
        break;
    case 2:
        ImpostaSuggerimento(Riga(TestiToolbar, 48));
        strumenti_.ZoomFinestraMouseMove(Button, Shift, X, Y);
        break;
    case 3:
        ImpostaSuggerimento(Riga(TestiToolbar, 49));
        strumenti_.PanMouseMove(Button, Shift, X, Y);
        break;
    case 4:
        strumenti_.PanMouseMove(Button, Shift, X, Y);
        ImpostaSuggerimento(Riga(TestiToolbar, 50));
        break;
    case 5:
        ImpostaSuggerimento(Riga(TestiToolbar, 51));
        break;
    default:
        break; // the animation shows no hint
    }
}

void MouseGeo::InserisciPunto(int tipo, double cx, double cy, bool conUndo) {
    EditorGeometria& ed = f_.Caselle();
    // The boxes show the point as the readouts did: relative to the display origin.
    const auto testoX = [](double x) { return Lunghezza(x - FinestraX1 - OrigineX); };
    const auto testoY = [](double y) { return Lunghezza(y - FinestraY1 - OrigineY); };
    if (conUndo) ProceduraUndo(ed, static_cast<int16_t>(tipo));
    switch (tipo) {
    case PANNELLO_ASTA:
        ed.Scrivi(Casella::AstaX, testoX(cx));
        ed.Scrivi(Casella::AstaY, testoY(cy));
        break;
    case PANNELLO_SQUADRETTA:
        ed.Scrivi(Casella::SquadrettaX0, testoX(cx));
        ed.Scrivi(Casella::SquadrettaY0, testoY(cy));
        ed.Scrivi(Casella::SquadrettaX1, testoX(cx + SCOSTAMENTO_VERTICE3));
        ed.Scrivi(Casella::SquadrettaY1, testoY(cy + SCOSTAMENTO_VERTICE3));
        break;
    case PANNELLO_MOLLA:
        ed.Scrivi(Casella::MollaX, testoX(cx));
        ed.Scrivi(Casella::MollaY, testoY(cy));
        break;
    case PANNELLO_FORCELLONE:
        ed.Scrivi(Casella::ForcelloneX2, testoX(cx));
        ed.Scrivi(Casella::ForcelloneY2, testoY(cy));
        break;
    default:
        return;
    }
    ed.Conferma(tipo);
}

void MouseGeo::PicGeo_MouseDown(int Button, int Shift, double X, double Y) {
    if (!ProgettoValido(NumeroProgetti)) return;
    const Progetto& pr = Progetti[NumeroProgetti];
    // The clicked point comes back from the readouts, as world mm less the display origin.
    const double F = FattoreUnita[0];
    const double cx = Val(f_.TestoEtichetta(Etichetta::LblX)) / F + FinestraX1 + OrigineX;
    const double cy = Val(f_.TestoEtichetta(Etichetta::LblY)) / F + FinestraY1 + OrigineY;

    switch (ModoEdit) {
    case 0:
        if (Button == 1) {
            const int16_t u = std::clamp<int16_t>(pr.UltimoElemento, 0, MAX_ELEMENTI);
            InserisciPunto(TipoDaLettera(pr.TipoElemento[u]), cx, cy, true);
        }
        break;
    case 1:
        if (Button == 1) {
            f_.Disegno().PicGeo().Cancella();
            DisegnaSchema(&f_.Disegno(), f_.Disegno().PicGeo(), NumeroProgetti,
                          VisualizzaCoordinate, VisualizzaDimensioni);
        } else {
            LasciaStrumento();
        }
        break;
    case 2:
        strumenti_.ZoomFinestraMouseDown(Button, Shift, X, Y);
        break;
    case 3:
        strumenti_.PanMouseDown(Button, Shift, X, Y);
        break;
    case 4:
        strumenti_.PanMouseDown(Button, Shift, X, Y);
        break;
    case 5:
        if (Button == 1) {
            const int16_t s = std::clamp<int16_t>(f_.ElementoSelezionato(), 0, MAX_ELEMENTI);
            InserisciPunto(TipoDaLettera(pr.TipoElemento[s]), cx, cy, false);
        } else {
            f_.LasciaModifica();
            f_.MostraPannelloTipo(PANNELLO_MOLLA);
            f_.ImpostaTestoCmbModifica(Riga(TestiInsGeo01, 1));
        }
        break;
    default:
        break; // the animation takes no clicks
    }
}

void MouseGeo::PicGeo_MouseUp(int Button, int Shift, double X, double Y) {
    if (Button == 1) {
        if (ModoEdit == 2)
            strumenti_.ZoomFinestraMouseUp(Button, Shift, X, Y);
        else if (ModoEdit == 3 || ModoEdit == 4)
            strumenti_.PanMouseUp(Button, Shift, X, Y);
    } else if (Button == 2) {
        ReimpostaVista();
    }
}

void MouseGeo::LasciaStrumento() {
    // The panel still shows the element being modified: clicks move its point again.
    ModoEdit = f_.InModifica() ? 5 : 0;
}

void MouseGeo::ReimpostaVista() {
    Superficie& pic = f_.Disegno().PicGeo();
    pic.Cancella();
    LasciaStrumento();
    CorrezioneLarghezza = 0;
    CorrezioneAltezza = 0;
    ImpostaScalaDisegno(pic, 1600, 1600);
    DisegnaSchema(&f_.Disegno(), pic, NumeroProgetti, VisualizzaCoordinate, VisualizzaDimensioni);
    DisegnaGrigliaSchema(PassoGriglia, pic);
    ZoomUtente = FALSO;
    // A rectangle or line still being dragged belongs to the view just given up.
    f_.MostraShape1(false);
    f_.MostraLine1(false);
}

} // namespace kelvra
