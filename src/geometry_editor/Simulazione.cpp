#include "geometry_editor/Simulazione.h"

#include "core/Cinematica.h"
#include "core/Disegno.h"
#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Unita.h"
#include "core/Vista.h"
#include "geometry_editor/Catena.h"
#include "geometry_editor/Coordinate.h"
#include "platform/CorniceMdi.h"
#include "platform/Orologio.h"

#include <algorithm>

namespace kelvra {

namespace {

// Lines of the editor's texts used by the button.
constexpr int RIGA_SIMULA = 8;
constexpr int RIGA_CONTINUA = 13;
constexpr int RIGA_STOP = 14;

std::string SenzaTastoAccesso(const std::string& testo) {
    std::string s;
    for (char c : testo)
        if (c != '&') s += c;
    return s;
}

} // namespace

int16_t UltimaPosizioneSimulazione(int16_t p) {
    if (!ProgettoValido(p)) return 0;
    return std::clamp<int16_t>(Progetti[p].NumPunti, 0, POSIZIONE_MASSIMA_SIMULAZIONE);
}

// Counts the handlers of this module on the stack: a window asked to close while one of them
// runs is closed when the outermost one returns, as its very last step.
struct SimulazioneGeo::Ingresso {
    explicit Ingresso(SimulazioneGeo& s) : s_(s), vivo_(s.vivo_) { ++s_.ingressi_; }
    ~Ingresso() {
        if (!*vivo_) return; // the window went away during a yield
        if (--s_.ingressi_ == 0 && s_.chiusuraRichiesta_) {
            s_.chiusuraRichiesta_ = false;
            s_.f_.ChiudiFinestra(); // nothing of the window is touched after this
        }
    }
    Ingresso(const Ingresso&) = delete;
    Ingresso& operator=(const Ingresso&) = delete;
    // The window is still there (checked after every yield).
    bool Vivo() const { return *vivo_; }
    SimulazioneGeo& s_;
    const std::shared_ptr<bool> vivo_;
};

bool SimulazioneGeo::Cedi() {
    const std::shared_ptr<bool> vivo = vivo_;
    return f_.Cedi() && *vivo;
}

std::string SimulazioneGeo::Didascalia(int riga) const {
    return Maiuscolo(Riga(TestiInsGeo01, riga));
}

// ---- one frame ----------------------------------------------------------------------------------

namespace {

// The rocker in slot s, joint k, at position i of the travel.
void PosizionaSquadretta(Progetto& pr, int s, int k, int i) {
    auto& G = pr.PuntiGiunzione;
    QuattroPunti& q = pr.DatiSquadretta[s];
    const std::string& giunzione = pr.TipoGiunzione[k];
    if (giunzione == GIUNZIONE_TRIANG_ASTA) {
        q.P[0] = G[2][k][i];
        const bool vertice2 = s + 1 <= MAX_ELEMENTI && q.P[1] == pr.DatiAsta[s + 1].P[0];
        if (vertice2) {
            q.P[1] = G[3][k][i];
            q.P[2] = G[4][k][i];
        } else {
            q.P[2] = G[3][k][i];
            q.P[1] = G[4][k][i];
        }
    } else if (giunzione == GIUNZIONE_ASTA_TRIANG) {
        q.P[0] = G[3][k][i];
        // The fourth point is a copy of the pinned vertex; the whole point is
        // compared, as the chain check does, so a free vertex that shares its x is
        // not taken for it.
        if (q.P[1] == q.P[3]) {
            q.P[3] = pr.PuntiFissi[k + 1];
            q.P[2] = G[4][k][i];
        }
        if (q.P[2] == q.P[3]) {
            q.P[3] = pr.PuntiFissi[k + 1];
            q.P[1] = G[4][k][i];
        }
    }
}

// The link in slot s, joint k, at position i of the travel.
void PosizionaAsta(Progetto& pr, int s, int k, int i) {
    auto& G = pr.PuntiGiunzione;
    TrePunti& a = pr.DatiAsta[s];
    // A coordinate the end shares with the third point is pinned to the frame.
    if (a.P[1].X == a.P[2].X)
        a.P[2].X = pr.PuntiFissi[k + 1].X;
    else
        a.P[1].X = G[3][k][i].X;
    if (a.P[1].Y == a.P[2].Y)
        a.P[2].Y = pr.PuntiFissi[k + 1].Y;
    else
        a.P[1].Y = G[3][k][i].Y;
    a.P[0] = PuntiCatena[std::min(s, MAX_PUNTI_CATENA)];
}

// The links and rockers between the swingarm and the shock absorber, placed and drawn.
void DisegnaElementiIntermedi(EditorDisegno* form, Superficie& pic, int16_t p, int i) {
    Progetto& pr = Progetti[p];
    auto& G = pr.PuntiGiunzione;
    const int U = std::clamp<int>(pr.UltimoElemento, 0, MAX_ELEMENTI);
    for (int s = 1; s <= MAX_ELEMENTI && (s == 1 || s <= U - 1); ++s) {
        const int k = (s + 1) / 2; // Int(s / 2 + 0.5)
        if (k > MAX_GIUNZIONI) break;
        switch (TipoDaLettera(pr.TipoElemento[s])) {
        case PANNELLO_SQUADRETTA:
            PosizionaSquadretta(pr, s, k, i);
            DisegnaSquadretta(form, pr.DatiSquadretta[s], s, COLORE_SQUADRETTA, pic, p,
                              VisualizzaCoordinate, VisualizzaDimensioni);
            if (k + 1 <= MAX_GIUNZIONI) G[2][k + 1][i] = G[4][k][i];
            break;
        case PANNELLO_ASTA:
            PosizionaAsta(pr, s, k, i);
            DisegnaAsta(form, pr.DatiAsta[s], s, COLORE_ASTA, pic, VisualizzaCoordinate,
                        VisualizzaDimensioni);
            break;
        default:
            break;
        }
    }
}

// The shock absorber that closes the chain, placed and drawn.
void DisegnaAmmortizzatoreCatena(EditorDisegno* form, Superficie& pic, int16_t p, int i) {
    Progetto& pr = Progetti[p];
    auto& G = pr.PuntiGiunzione;
    const int U = std::clamp<int>(pr.UltimoElemento, 0, MAX_ELEMENTI);
    const int N = std::clamp<int>(pr.NumeroGiunzioniProgetto, 1, MAX_GIUNZIONI);
    if (U > 2 && pr.TipoGiunzione[N] == GIUNZIONE_ASTA_ASTA) G[4][N][i] = G[3][N][i];
    if (U >= 1 && TipoDaLettera(pr.TipoElemento[U]) == PANNELLO_MOLLA) {
        TrePunti& m = pr.DatiMolla[U];
        m.P[1] = pr.AttaccoAmmortizzatore[i];
        // Straight from the swingarm the chain ends at the linkage attachment.
        m.P[0] = U == 1 ? G[2][1][i] : G[4][N][i];
        DisegnaAmmortizzatore(form, m, U, COLORE_AMMORTIZZATORE, pic, p, VisualizzaCoordinate,
                              VisualizzaDimensioni);
    }
}

} // namespace

void SimulazioneGeo::AssegnazioneSimula(int16_t& posizione) {
    const int16_t p = NumeroProgetti;
    if (!ProgettoValido(p)) return;
    Progetto& pr = Progetti[p];
    const int16_t ultimo = std::clamp<int16_t>(pr.NumPunti, 0, MAX_PUNTI);
    const int i = std::clamp<int>(posizione, 0, ultimo);
    EditorDisegno* form = &f_.Disegno();
    Superficie& pic = form->PicGeo();

    // The records are put back after the frame: they keep the rest geometry.
    const TrePunti forcellone = pr.DatiForcellone;
    const auto aste = pr.DatiAsta;
    const auto squadrette = pr.DatiSquadretta;
    const auto molle = pr.DatiMolla;

    if (!Vero(ZoomUtente)) ImpostaScalaDisegno(pic, 1600, 1600);
    auto& G = pr.PuntiGiunzione;

    pr.DatiForcellone.P[0] = pr.PuntiFissi[1];
    pr.DatiForcellone.P[1] = pr.PosizioneRuota[i];
    pr.DatiForcellone.P[2] = G[2][1][i];
    DisegnaForcellone(form, pr.DatiForcellone, COLORE_FORCELLONE, pic, p, VisualizzaCoordinate,
                      VisualizzaDimensioni);
    DisegnaElementiIntermedi(form, pic, p, i);
    DisegnaAmmortizzatoreCatena(form, pic, p, i);

    pr.DatiForcellone = forcellone;
    pr.DatiAsta = aste;
    pr.DatiSquadretta = squadrette;
    pr.DatiMolla = molle;
    // The swingarm boxes show the rest geometry too, so confirming the swingarm panel never
    // stores a position of the travel.
    if (ModoEdit != 4) {
        for (int j = 0; j < 3; ++j)
            form->ImpostaTxtForcellone(j, TestoCoordinataX(forcellone.P[j].X),
                                       TestoCoordinataY(forcellone.P[j].Y));
    }
}

void SimulazioneGeo::Fotogramma(int16_t posizione) {
    Superficie& pic = f_.Disegno().PicGeo();
    pic.Cancella();
    AssegnazioneSimula(posizione);
    DisegnaGrigliaSchema(PassoGriglia, pic);
}

void SimulazioneGeo::Ferma() {
    Fotogramma(0);
    f_.CampoRichiestaStop() = FALSO;
}

bool SimulazioneGeo::Interrotta(unsigned generazione) const {
    return Vero(f_.CampoRichiestaStop()) || generazione != generazione_;
}

// ---- the three kinds ----------------------------------------------------------------------------

bool SimulazioneGeo::Animazione(int16_t& tipo) {
    if (tipo < 1 || tipo > 3) return false;
    Ingresso ingresso(*this);
    // A newer animation owns the drawing: a loop suspended in a yield ends quietly.
    const unsigned generazione = ++generazione_;
    if (tipo == 1) {
        RettangoloTwips r = f_.PosizionePicGeo();
        r.Width = f_.LarghezzaInterna();
        f_.PosizionaPicGeo(r);
        if (!f_.VerificaCatena()) return false;
        PassoCorsa = 1.0f;
        ModoEdit = 6;
        CalcolaCinematica();

        PosizionaManuale();
        f_.ImpostaMassimoVScroll(UltimaPosizioneSimulazione(NumeroProgetti));
        f_.MostraVScroll(true);
        // The bar starts at rest, and so does the drawing, whatever frame an automatic run
        // interrupted by this choice left on it.
        f_.ImpostaValoreVScroll(0);
        VScroll_Change();
        return true;
    }

    f_.CampoRichiestaStop() = FALSO;
    if (!f_.VerificaCatena()) return false;
    CalcolaCinematica();
    ModoEdit = 6;
    if (tipo == 2)
        AnimazioneAutomatica(generazione);
    else
        AnimazioneTraccia(generazione);
    return ingresso.Vivo();
}

void SimulazioneGeo::AnimazioneAutomatica(unsigned generazione) {
    const int16_t ultima = UltimaPosizioneSimulazione(NumeroProgetti);
    // Every frame stays on show until its period is over, then the event loop gets its
    // yield. The frames are due at fixed steps of the clock, so the pace does not depend on
    // how fast the machine draws or how late the wait ends; a frame more than a period late
    // moves the schedule on rather than making the next ones hurry.
    Orologio& orologio = OrologioCorrente();
    double prossimo = orologio.Adesso();
    const auto mostra = [&](int16_t pos) {
        Fotogramma(pos);
        prossimo += PERIODO_FOTOGRAMMA;
        orologio.AttendiFino(prossimo);
        if (orologio.Adesso() - prossimo > PERIODO_FOTOGRAMMA) prossimo = orologio.Adesso();
        return Cedi();
    };
    for (int ciclo = 1; ciclo <= CICLI_AUTOMATICI; ++ciclo) {
        for (int16_t pos = 0; pos <= ultima; ++pos) {
            if (!mostra(pos)) return; // the window is gone: nothing more is touched
            if (Interrotta(generazione)) goto fermata;
        }
        if (!Cedi()) return;
        if (Interrotta(generazione)) goto fermata;
        for (int16_t pos = ultima; pos >= 0; --pos) {
            if (!mostra(pos)) return;
            if (Interrotta(generazione)) goto fermata;
        }
    }
    return;
fermata:
    if (generazione == generazione_) Ferma();
}

void SimulazioneGeo::AnimazioneTraccia(unsigned generazione) {
    const int16_t ultima = UltimaPosizioneSimulazione(NumeroProgetti);
    Superficie& pic = f_.Disegno().PicGeo();
    // Rest, middle and end of the range, drawn over one another.
    const int16_t posizioni[] = {0, static_cast<int16_t>(ultima / 2), ultima};
    bool fermata = false;
    for (int16_t pos : posizioni) {
        AssegnazioneSimula(pos);
        DisegnaGrigliaSchema(PassoGriglia, pic);
        if (!Cedi()) return; // the window is gone: nothing more is touched
        if (Interrotta(generazione)) {
            fermata = true;
            break;
        }
    }
    if (generazione != generazione_) return; // a newer animation took over
    if (fermata) {
        // Whatever stopped it has set the mode already.
        Ferma();
        return;
    }
    CorrezioneLarghezza = 0;
    CorrezioneAltezza = 0;
    int16_t riposo = 0;
    AssegnazioneSimula(riposo);
    DisegnaGrigliaSchema(PassoGriglia, pic);
    ModoEdit = 0;
}

void SimulazioneGeo::PosizionaManuale() {
    // The drawing gives up a strip for the scroll bar, which stands a third of the way into
    // it with the travel label under it.
    RettangoloTwips r = f_.PosizionePicGeo();
    const float W = f_.LarghezzaInterna();
    r.Width = W - STRISCIA_VSCROLL;
    f_.PosizionaPicGeo(r);
    const float sinistra = W - 2 * (W - r.Width) / 3;
    const RettangoloTwips etichetta = f_.PosizioneLblEsc();
    const RettangoloTwips barra = f_.PosizioneVScroll();
    f_.PosizionaVScroll({0, sinistra, r.Height - etichetta.Height, barra.Width});
    const float sottoBarra = f_.PosizioneVScroll().Height;
    f_.PosizionaLblEsc(
        {sottoBarra, sinistra - etichetta.Width / 3, etichetta.Height, etichetta.Width});
}

// ---- handlers -----------------------------------------------------------------------------------

void SimulazioneGeo::ChiudiManuale(bool ridisegna) {
    RettangoloTwips r = f_.PosizionePicGeo();
    r.Width = f_.LarghezzaInterna();
    f_.PosizionaPicGeo(r);
    f_.ImpostaValoreVScroll(0);
    if (ridisegna) VScroll_Change();
    f_.MostraVScroll(false);
}

void SimulazioneGeo::RipristinaRiposo() {
    Superficie& pic = f_.Disegno().PicGeo();
    pic.Cancella();
    CorsaRuota = 0;
    CorrezioneLarghezza = 0;
    CorrezioneAltezza = 0;
    AssegnazioneSimula(CorsaRuota);
    DisegnaGrigliaSchema(PassoGriglia, pic);
}

void SimulazioneGeo::CmdSimula_Click() {
    Ingresso ingresso(*this);
    int16_t& stato = f_.CampoStatoSimula();
    stato = static_cast<int16_t>(stato + 1);
    if (stato > 2) stato = 1;
    CorrezioneLarghezza = 0;
    CorrezioneAltezza = 0;

    if (stato == 1) {
        f_.ImpostaDidascaliaCmdSimula(Didascalia(RIGA_STOP));
        f_.CampoRichiestaStop() = FALSO;
        f_.AbilitaConferme(false);
        int16_t tipo = f_.CampoTipoSimulazione();
        if (!Animazione(tipo)) {
            if (!ingresso.Vivo()) return;
            // Nothing runs: the chain check refused the linkage. The button offers a start
            // again and the panels take a corrected chain.
            stato = 0;
            f_.CampoRichiestaStop() = FALSO;
            f_.ImpostaDidascaliaCmdSimula(Didascalia(RIGA_SIMULA));
            f_.AbilitaConferme(true);
            return;
        }
    } else {
        // A loop suspended in a yield takes this request when the yield returns.
        f_.CampoRichiestaStop() = VERO;
        f_.AbilitaConferme(true);
        f_.ImpostaDidascaliaCmdSimula(Didascalia(RIGA_SIMULA));
        switch (f_.CampoTipoSimulazione()) {
        case 1:
            ChiudiManuale();
            f_.CampoRichiestaStop() = FALSO;
            break;
        case 2:
            RipristinaRiposo();
            f_.ImpostaDidascaliaCmdSimula(Didascalia(RIGA_CONTINUA));
            ModoEdit = 0;
            break;
        case 3:
            RipristinaRiposo();
            ModoEdit = 0;
            break;
        default:
            break;
        }
        RendiModifica();
    }
    // Still running (the manual kind, a loop that ran to its end), the enabling keeps the
    // confirm buttons and the element list disabled until the press that stops it.
    f_.AggiornaAbilitazione();
}

void SimulazioneGeo::CmdSimula_MouseMove() {
    const bool inCorso =
        Maiuscolo(SenzaTastoAccesso(f_.DidascaliaCmdSimula())) == Didascalia(RIGA_STOP);
    ImpostaSuggerimento(Riga(TestiToolbar, inCorso ? 43 : 44));
}

void SimulazioneGeo::SimulazioneItem_Click(int Index) {
    Ingresso ingresso(*this);
    f_.CampoRichiestaStop() = VERO;
    f_.ImpostaDidascaliaCmdSimula(Didascalia(RIGA_SIMULA));
    // The choice ends whatever loop is running, for good.
    ++generazione_;
    switch (f_.CampoTipoSimulazione()) {
    case 1:
        ChiudiManuale();
        break;
    case 3:
        RipristinaRiposo();
        break;
    default:
        break;
    }
    RendiModifica();
    f_.CampoStatoSimula() = 0;
    f_.CampoRichiestaStop() = FALSO;
    if (Index >= 1 && Index <= 3) {
        for (int i = 1; i <= 3; ++i) f_.SpuntaSimulazioneItem(i, i == Index);
    }
    f_.CampoTipoSimulazione() = static_cast<int16_t>(Index);
    CmdSimula_Click();
}

void SimulazioneGeo::VScroll_Change() {
    Superficie& pic = f_.Disegno().PicGeo();
    pic.Cancella();
    const int16_t pos = static_cast<int16_t>(std::clamp(
        f_.ValoreVScroll(), 0, static_cast<int>(UltimaPosizioneSimulazione(NumeroProgetti))));
    f_.ImpostaDidascaliaLblEsc(FormattaNumero(pos * FattoreUnita[0], "##0.0#"));
    int16_t posizione = pos;
    AssegnazioneSimula(posizione);
    DisegnaGrigliaSchema(PassoGriglia, pic);
}

void SimulazioneGeo::RendiModifica() {
    if (f_.InModifica()) ModoEdit = 5;
}

// ---- the end by any other route ------------------------------------------------------------

void SimulazioneGeo::TerminaSimulazione(bool ridisegna) {
    if (f_.CampoStatoSimula() != 1) return;
    // The request stays raised for a loop suspended in a yield: the loop lowers it when it
    // has drawn the rest position. When the caller draws the window afresh, the loop ends
    // quietly instead, drawing nothing over it.
    f_.CampoRichiestaStop() = VERO;
    if (!ridisegna) ++generazione_;
    f_.ImpostaDidascaliaCmdSimula(Didascalia(RIGA_SIMULA));
    ChiudiManuale(ridisegna);
    RendiModifica();
    // The button now offers a start, and the next press starts.
    f_.CampoStatoSimula() = 0;
    if (!ridisegna || !SimulazioneInCorso()) f_.CampoRichiestaStop() = FALSO;
    f_.AbilitaConferme(true);
}

void SimulazioneGeo::Form_Deactivate() {
    TerminaSimulazione(true);
}

bool SimulazioneGeo::Form_Unload() {
    TerminaSimulazione(true);
    if (!SimulazioneInCorso()) return true;
    chiusuraRichiesta_ = true;
    return false;
}

} // namespace kelvra
