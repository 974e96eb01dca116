#include "core/Disegno.h"

#include "core/Vista.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <string>

namespace kelvra {

namespace {

// The pen and the picture of one element: every drawing call goes through the forward
// transform and is left out when the picture cannot be drawn on, so the bookkeeping of
// the drawers goes on regardless.
class Penna {
  public:
    explicit Penna(Superficie& picture)
        : picture_(picture), attiva_(ScalaValida() && Positiva(picture.LarghezzaScala()) &&
                                     Positiva(picture.AltezzaScala())) {}

    bool Attiva() const { return attiva_; }

    void Spessore(int pixel) {
        if (attiva_) picture_.ImpostaSpessore(pixel);
    }
    void Linea(const Punto& a, const Punto& b, long colore) {
        if (!attiva_) return;
        const double x1 = SchermoX(a.X), y1 = SchermoY(a.Y);
        const double x2 = SchermoX(b.X), y2 = SchermoY(b.Y);
        if (Finiti(x1, y1) && Finiti(x2, y2)) picture_.Linea(x1, y1, x2, y2, colore);
    }
    void Segno(const Punto& a, long colore) {
        if (!attiva_) return;
        const double x = SchermoX(a.X), y = SchermoY(a.Y);
        if (Finiti(x, y)) picture_.Punto(x, y, colore);
    }
    // A circle of world radius `raggio` about a (radius measured on the y scale).
    void Cerchio(const Punto& a, double raggio, long colore) {
        if (!attiva_) return;
        const double x = SchermoX(a.X), y = SchermoY(a.Y);
        const double r = raggio / ScalaSchemaY;
        if (Finiti(x, y) && std::isfinite(r) && r > 0) picture_.Cerchio(x, y, r, colore);
    }

  private:
    static bool Positiva(double v) { return std::isfinite(v) && v > 0; }
    static bool Finiti(double x, double y) { return std::isfinite(x) && std::isfinite(y); }

    Superficie& picture_;
    bool attiva_;
};

bool SlotValido(int k) {
    return k >= 0 && k <= MAX_ELEMENTI;
}

std::string Maiuscolo(std::string testo) {
    std::transform(testo.begin(), testo.end(), testo.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return testo;
}

// The upper-cased type letter of slot k of project p; "" outside the tables.
std::string Tipo(int p, int k) {
    if (!ProgettoValido(p) || !SlotValido(k)) return {};
    return Maiuscolo(Progetti[p].TipoElemento[k]);
}

double Distanza2(const Punto& a, const Punto& b) {
    const double dx = static_cast<double>(a.X) - b.X;
    const double dy = static_cast<double>(a.Y) - b.Y;
    return dx * dx + dy * dy;
}

void ImpostaCatena(int indice, const Punto& punto) {
    if (indice >= 0 && indice <= MAX_PUNTI_CATENA) PuntiCatena[indice] = punto;
}

// The link in slot k + 1 of project p hangs from vertex 3 of the rocker in slot k rather
// than from vertex 2: its start lies nearer to vertex 3. This is kept in the records
// themselves, so every later drawing (a modification, the animation) keeps the chain
// attached where the user put it.
bool AstaDaVertice3(int p, int k, const QuattroPunti& squadretta) {
    const int successivo = k + 1;
    if (!ProgettoValido(p) || !SlotValido(successivo)) return false;
    if (successivo > Progetti[p].UltimoElemento) return false;
    if (Tipo(p, successivo) != "A") return false;
    const Punto& inizio = Progetti[p].DatiAsta[successivo].P[0];
    return Distanza2(inizio, squadretta.P[2]) < Distanza2(inizio, squadretta.P[1]);
}

} // namespace

Punto PiedeSulForcellone(const Punto& perno, const Punto& asse, const Punto& punto) {
    const double ux = static_cast<double>(asse.X) - perno.X;
    const double uy = static_cast<double>(asse.Y) - perno.Y;
    const double l2 = ux * ux + uy * uy;
    if (!(l2 > 0) || !std::isfinite(l2)) return perno;
    const double t = ((static_cast<double>(punto.X) - perno.X) * ux +
                      (static_cast<double>(punto.Y) - perno.Y) * uy) /
                     l2;
    return Punto{static_cast<float>(perno.X + t * ux), static_cast<float>(perno.Y + t * uy)};
}

bool DisegnaSchema(EditorDisegno* form, Superficie& picture, int p, int16_t visualizzaCoordinate,
                   int16_t visualizzaDimensioni) {
    if (!ProgettoValido(p)) return false;
    Progetto& pr = Progetti[p];
    // A damaged file may hold a last slot beyond the tables: only slots 0..10 exist.
    const int ultimo = std::min<int>(pr.UltimoElemento, MAX_ELEMENTI);
    for (int k = 0; k <= ultimo; ++k) {
        const std::string tipo = Tipo(p, k);
        if (tipo == "F") {
            DisegnaForcellone(form, pr.DatiForcellone, COLORE_FORCELLONE, picture, p,
                              visualizzaCoordinate, visualizzaDimensioni);
        } else if (tipo == "A") {
            DisegnaAsta(form, pr.DatiAsta[k], k, COLORE_ASTA, picture, visualizzaCoordinate,
                        visualizzaDimensioni);
        } else if (tipo == "S") {
            DisegnaSquadretta(form, pr.DatiSquadretta[k], k, COLORE_SQUADRETTA, picture, p,
                              visualizzaCoordinate, visualizzaDimensioni);
        } else if (tipo == "M") {
            DisegnaAmmortizzatore(form, pr.DatiMolla[k], k, COLORE_AMMORTIZZATORE, picture, p,
                                  visualizzaCoordinate, visualizzaDimensioni);
        }
    }
    return true;
}

void DisegnaForcellone(EditorDisegno* form, const TrePunti& dati, long colore, Superficie& picture,
                       int p, int16_t, int16_t) {
    Penna penna(picture);
    const Punto& perno = dati.P[0];
    const Punto& asse = dati.P[1];
    const Punto& attacco = dati.P[2];

    penna.Spessore(LarghezzaForcellone);
    penna.Linea(perno, asse, colore);
    penna.Linea(attacco, PiedeSulForcellone(perno, asse, attacco), colore);

    // Tyre and rim.
    penna.Spessore(1);
    const double raggio = ProgettoValido(p) ? Progetti[p].RaggioRuota : 0.0;
    penna.Cerchio(asse, raggio, COLORE_NERO);
    penna.Cerchio(asse, raggio - 50.0, COLORE_NERO);

    // An axle above the picture: the next fit shows 500 mm more height.
    if (penna.Attiva() && SchermoY(asse.Y) < 0) CorrezioneAltezza += 500;

    ImpostaCatena(1, attacco);

    penna.Spessore(LarghezzaPunti);
    penna.Segno(perno, COLORE_SEGNO_FISSO);
    penna.Segno(attacco, COLORE_SEGNO_LIBERO);
    penna.Spessore(1);

    if (ModoEdit == 4) return; // changing the point of view: the origin stays
    if (ZoomUtente == FALSO) {
        OrigineX = perno.X;
        OrigineY = perno.Y;
    } else {
        // Taken in double, so that the pivot shows exactly as zero whatever the corner.
        OrigineX = static_cast<double>(perno.X) - FinestraX1;
        OrigineY = static_cast<double>(perno.Y) - FinestraY1;
    }
    if (form == nullptr) return;
    if (ModoEdit != 3) DisegnaLineeRiferimento(OrigineX, OrigineY, form->PicGeo());
    if (!ProgettoValido(NumeroProgetti)) return;
    const TrePunti& lavoro = Progetti[NumeroProgetti].DatiForcellone;
    for (int i = 0; i < 3; ++i)
        form->ImpostaTxtForcellone(i, TestoCoordinataX(lavoro.P[i].X),
                                   TestoCoordinataY(lavoro.P[i].Y));
}

void DisegnaAsta(EditorDisegno* form, TrePunti& dati, int k, long colore, Superficie& picture,
                 int16_t, int16_t) {
    if (!SlotValido(k)) return;
    Penna penna(picture);
    const Punto inizio = dati.P[0];
    const Punto fine = dati.P[1];

    penna.Spessore(LarghezzaAsta);
    penna.Linea(inizio, fine, colore);
    penna.Segno(inizio, COLORE_SEGNO_LIBERO);
    penna.Spessore(LarghezzaPunti);

    if (k % 2 == 0) {
        // Pinned to the frame at its end; the chain goes on from its start, unless a
        // rocker precedes it and has placed the chain point itself.
        penna.Segno(fine, COLORE_SEGNO_FISSO);
        dati.P[2] = fine;
        if (k >= 1 && Tipo(NumeroProgetti, k - 1) != "S") ImpostaCatena(k + 1, inizio);
    } else {
        penna.Segno(fine, COLORE_SEGNO_LIBERO);
        dati.P[2] = PUNTO_ASSENTE;
        ImpostaCatena(k + 1, fine);
    }

    // The "start from vertex 3" tick has done its work once the link is stored: the
    // choice now lives in the link's start point (read by the rocker drawer).
    if (form != nullptr && form->ChkModify(0) == 1) form->ImpostaChkModify(0, 0);

    penna.Spessore(1);
}

void DisegnaSquadretta(EditorDisegno*, QuattroPunti& dati, int k, long colore, Superficie& picture,
                       int p, int16_t, int16_t) {
    if (!SlotValido(k) || !ProgettoValido(p)) return;
    Penna penna(picture);
    const Punto v1 = dati.P[0];
    const Punto v2 = dati.P[1];
    const Punto v3 = dati.P[2];
    const int16_t o0 = Progetti[p].OpzioneFix[k][0];
    const int16_t o1 = Progetti[p].OpzioneFix[k][1];

    penna.Spessore(LarghezzaSquadretta);
    penna.Linea(v1, v2, colore);
    penna.Linea(v1, v3, colore);
    penna.Linea(v2, v3, colore);
    penna.Spessore(LarghezzaPunti);

    if (o0 == VERO && o1 == FALSO) {
        ImpostaCatena(k + 1, v3);
        dati.P[3] = v2;
        penna.Segno(v2, COLORE_SEGNO_FISSO);
        penna.Segno(v3, COLORE_SEGNO_LIBERO);
    } else if (o1 == VERO && o0 == FALSO) {
        ImpostaCatena(k + 1, v2);
        dati.P[3] = v3;
        penna.Segno(v2, COLORE_SEGNO_LIBERO);
        penna.Segno(v3, COLORE_SEGNO_FISSO);
    } else if (o0 == FALSO && o1 == FALSO) {
        if (AstaDaVertice3(p, k, dati)) {
            ImpostaCatena(k + 1, v3);
            ImpostaCatena(k + 2, v2);
        } else {
            ImpostaCatena(k + 1, v2);
            ImpostaCatena(k + 2, v3);
        }
        dati.P[3] = PUNTO_ASSENTE;
        penna.Segno(v2, COLORE_SEGNO_LIBERO);
        penna.Segno(v3, COLORE_SEGNO_LIBERO);
    }
    penna.Spessore(1);
}

void DisegnaAmmortizzatore(EditorDisegno*, TrePunti& dati, int k, long colore, Superficie& picture,
                           int p, int16_t, int16_t) {
    if (!SlotValido(k) || !ProgettoValido(p)) return;
    Penna penna(picture);
    const Punto estremo = dati.P[0];
    const Punto supporto = dati.P[1];

    penna.Spessore(LarghezzaAmmortizzatore);
    penna.Linea(estremo, supporto, colore);

    if (Progetti[p].AmmortizzatoreFisso == 0) {
        penna.Spessore(LarghezzaPunti);
        penna.Segno(supporto, COLORE_SEGNO_FISSO);
    } else {
        // The mount rides on the swingarm: join it to the pivot-axle line.
        penna.Segno(supporto, COLORE_SEGNO_LIBERO);
        const TrePunti& forcellone = Progetti[p].DatiForcellone;
        const Punto piede = PiedeSulForcellone(forcellone.P[0], forcellone.P[1], supporto);
        penna.Spessore(LarghezzaForcellone);
        penna.Linea(supporto, piede, COLORE_FORCELLONE);
        penna.Linea(piede, forcellone.P[0], COLORE_FORCELLONE);
        penna.Spessore(LarghezzaPunti);
        penna.Segno(supporto, COLORE_SEGNO_FISSO);
    }
    dati.P[2] = Punto{supporto.X - FinestraX1, supporto.Y - FinestraY1};
    penna.Spessore(1);
}

} // namespace kelvra
