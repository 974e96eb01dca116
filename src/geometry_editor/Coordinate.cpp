#include "geometry_editor/Coordinate.h"

#include "core/FiltriTasti.h"
#include "core/Formato.h"
#include "core/Unita.h"
#include "core/Vista.h"
#include "geometry_editor/Annulla.h"

#include <array>
#include <iterator>

namespace kelvra {

namespace {

float Fattore() {
    return FattoreUnita[UNITA_LUNGHEZZA];
}

struct CasellePunto {
    Casella x;
    Casella y;
};

void ScriviPunto(EditorGeometria& ed, CasellePunto c, const Punto& punto) {
    ed.Scrivi(c.x, MostraX(punto.X));
    ed.Scrivi(c.y, MostraY(punto.Y));
}

Punto LeggiPunto(const EditorGeometria& ed, CasellePunto c) {
    return Punto{LeggiX(ed.Testo(c.x)), LeggiY(ed.Testo(c.y))};
}

constexpr CasellePunto FORCELLONE[3] = {{Casella::ForcelloneX0, Casella::ForcelloneY0},
                                        {Casella::ForcelloneX1, Casella::ForcelloneY1},
                                        {Casella::ForcelloneX2, Casella::ForcelloneY2}};
constexpr CasellePunto ASTA_PREC{Casella::AstaPrecX, Casella::AstaPrecY};
constexpr CasellePunto ASTA_FINE{Casella::AstaX, Casella::AstaY};
constexpr CasellePunto ELEM_PREC{Casella::ElemPrecX, Casella::ElemPrecY};
constexpr CasellePunto SQUADRETTA[2] = {{Casella::SquadrettaX0, Casella::SquadrettaY0},
                                        {Casella::SquadrettaX1, Casella::SquadrettaY1}};
constexpr CasellePunto MOLLA_PREC{Casella::MollaPrecX, Casella::MollaPrecY};
constexpr CasellePunto MOLLA_FINE{Casella::MollaX, Casella::MollaY};

} // namespace

std::string MostraX(float x) {
    return TestoCoordinataX(x);
}
std::string MostraY(float y) {
    return TestoCoordinataY(y);
}

float LeggiX(const std::string& testo) {
    if (Fattore() == 0) return OrigineX + FinestraX1;
    return static_cast<float>(CoordinataModelloX(Val(testo)));
}
float LeggiY(const std::string& testo) {
    if (Fattore() == 0) return OrigineY + FinestraY1;
    return static_cast<float>(CoordinataModelloY(Val(testo)));
}

namespace {
bool FuoriCampo(const std::string& testo, double scostamento) {
    const double v = Val(testo);
    if (FuoriCampoSingola(v)) return true;
    return Fattore() != 0 && FuoriCampoSingola(v / Fattore() + scostamento);
}
} // namespace

bool FuoriCampoX(const std::string& testo) {
    return FuoriCampo(testo, static_cast<double>(OrigineX) + FinestraX1);
}
bool FuoriCampoY(const std::string& testo) {
    return FuoriCampo(testo, static_cast<double>(OrigineY) + FinestraY1);
}
bool FuoriCampoLunghezza(const std::string& testo) {
    return FuoriCampo(testo, 0);
}

std::string MostraLunghezza(double mm) {
    return FormattaNumero(mm * Fattore(), FormatoUnita[UNITA_LUNGHEZZA]);
}
float LeggiLunghezza(const std::string& testo) {
    if (Fattore() == 0) return 0;
    return static_cast<float>(Val(testo) / Fattore());
}

int TipoDaLettera(const std::string& lettera) {
    if (lettera == "F") return PANNELLO_FORCELLONE;
    if (lettera == "A") return PANNELLO_ASTA;
    if (lettera == "S") return PANNELLO_SQUADRETTA;
    if (lettera == "M") return PANNELLO_MOLLA;
    return 0;
}

void DatiDefault() {
    TrePunti& f = Progetti[NumeroProgetti].DatiForcellone;
    f.P[0] = PERNO_DEFAULT;
    f.P[1] = ASSE_DEFAULT;
    f.P[2] = ATTACCO_DEFAULT;
}

void RiempiCaselle(EditorGeometria& ed, int16_t p, int16_t k) {
    if (!ProgettoValido(p) || k < 0 || k > MAX_ELEMENTI) return;
    const Progetto& pr = Progetti[p];
    switch (TipoDaLettera(pr.TipoElemento[k])) {
    case PANNELLO_FORCELLONE:
        for (int i = 0; i < 3; ++i) ScriviPunto(ed, FORCELLONE[i], pr.DatiForcellone.P[i]);
        break;
    case PANNELLO_ASTA:
        ScriviPunto(ed, ASTA_PREC, pr.DatiAsta[k].P[0]);
        ScriviPunto(ed, ASTA_FINE, pr.DatiAsta[k].P[1]);
        break;
    case PANNELLO_SQUADRETTA:
        ScriviPunto(ed, ELEM_PREC, pr.DatiSquadretta[k].P[0]);
        ScriviPunto(ed, SQUADRETTA[0], pr.DatiSquadretta[k].P[1]);
        ScriviPunto(ed, SQUADRETTA[1], pr.DatiSquadretta[k].P[2]);
        ed.ImpostaValore(Opzione::OptFix0, pr.OpzioneFix[k][0] != 0 ? VERO : FALSO);
        ed.ImpostaValore(Opzione::OptFix1, pr.OpzioneFix[k][1] != 0 ? VERO : FALSO);
        break;
    case PANNELLO_MOLLA:
        ScriviPunto(ed, MOLLA_PREC, pr.DatiMolla[k].P[0]);
        ScriviPunto(ed, MOLLA_FINE, pr.DatiMolla[k].P[1]);
        ed.ImpostaValore(Opzione::ChkFix, pr.AmmortizzatoreFisso == 1 ? 1 : 0);
        break;
    default:
        return;
    }
    NotaConfermato(ed, static_cast<int16_t>(TipoDaLettera(pr.TipoElemento[k])));
}

void RiempiRaggio(EditorGeometria& ed, int16_t p, bool eventi) {
    if (!ProgettoValido(p)) return;
    ed.Scrivi(Casella::Raggio, MostraLunghezza(Progetti[p].RaggioRuota), eventi);
}

bool RuotaStaccata(const EditorGeometria& ed) {
    const double scarto = static_cast<double>(LeggiY(ed.Testo(Casella::ForcelloneY1))) -
                          LeggiLunghezza(ed.Testo(Casella::Raggio));
    return Fattore() != 0 &&
           Val(FormattaNumero(scarto * Fattore(), FormatoUnita[UNITA_LUNGHEZZA])) != 0;
}

bool MemorizzaElemento(EditorGeometria& ed, int tipo, int16_t p, int16_t k) {
    if (!ProgettoValido(p) || k < 0 || k > MAX_ELEMENTI) return false;
    Progetto& pr = Progetti[p];
    if (tipo == PANNELLO_FORCELLONE) {
        for (int i = 0; i < 3; ++i) pr.DatiForcellone.P[i] = LeggiPunto(ed, FORCELLONE[i]);
        pr.RaggioRuota = LeggiLunghezza(ed.Testo(Casella::Raggio));
        NotaConfermato(ed, PANNELLO_FORCELLONE);
        return true;
    }
    if (TipoDaLettera(pr.TipoElemento[k]) != tipo) return false;
    NotaConfermato(ed, static_cast<int16_t>(tipo));
    switch (tipo) {
    case PANNELLO_ASTA:
        pr.DatiAsta[k].P[0] = LeggiPunto(ed, ASTA_PREC);
        pr.DatiAsta[k].P[1] = LeggiPunto(ed, ASTA_FINE);
        return true;
    case PANNELLO_SQUADRETTA:
        pr.DatiSquadretta[k].P[0] = LeggiPunto(ed, ELEM_PREC);
        pr.DatiSquadretta[k].P[1] = LeggiPunto(ed, SQUADRETTA[0]);
        pr.DatiSquadretta[k].P[2] = LeggiPunto(ed, SQUADRETTA[1]);
        pr.OpzioneFix[k][0] = ed.Valore(Opzione::OptFix0) != 0 ? VERO : FALSO;
        pr.OpzioneFix[k][1] = ed.Valore(Opzione::OptFix1) != 0 ? VERO : FALSO;
        return true;
    case PANNELLO_MOLLA:
        pr.DatiMolla[k].P[0] = LeggiPunto(ed, MOLLA_PREC);
        pr.DatiMolla[k].P[1] = LeggiPunto(ed, MOLLA_FINE);
        pr.AmmortizzatoreFisso = ed.Valore(Opzione::ChkFix) == 1 ? 1 : 0;
        return true;
    default:
        return false;
    }
}

void InitDati(EditorGeometria& ed) {
    const int16_t p = NumeroProgetti;
    const Progetto& pr = Progetti[p];
    const int16_t u = std::min<int16_t>(pr.UltimoElemento, MAX_ELEMENTI);
    for (int16_t k = 0; k <= u; ++k) {
        const int tipo = TipoDaLettera(pr.TipoElemento[k]);
        if (tipo == 0) continue;
        RiempiCaselle(ed, p, k);
        if (tipo == PANNELLO_FORCELLONE) {
            // The chain is shown as stored: filling the radius moves nothing.
            RiempiRaggio(ed, p, false);
            NotaConfermato(ed, PANNELLO_FORCELLONE);
        }
        ProceduraUndo(ed, static_cast<int16_t>(tipo));
    }
    ed.Scrivi(Casella::MaxEsc, MostraLunghezza(Progetti[p].MaxEscursioneRuota));
}

namespace {

// How a box's number is measured: a point's x or y from the display origin, or a plain length.
enum class Misura { X, Y, Lunghezza };

struct CasellaMisurata {
    Casella casella;
    Misura misura;
};

constexpr CasellaMisurata CASELLE_MISURATE[] = {
    {Casella::ForcelloneX0, Misura::X},   {Casella::ForcelloneY0, Misura::Y},
    {Casella::ForcelloneX1, Misura::X},   {Casella::ForcelloneY1, Misura::Y},
    {Casella::ForcelloneX2, Misura::X},   {Casella::ForcelloneY2, Misura::Y},
    {Casella::Raggio, Misura::Lunghezza}, {Casella::AstaPrecX, Misura::X},
    {Casella::AstaPrecY, Misura::Y},      {Casella::AstaX, Misura::X},
    {Casella::AstaY, Misura::Y},          {Casella::ElemPrecX, Misura::X},
    {Casella::ElemPrecY, Misura::Y},      {Casella::SquadrettaX0, Misura::X},
    {Casella::SquadrettaY0, Misura::Y},   {Casella::SquadrettaX1, Misura::X},
    {Casella::SquadrettaY1, Misura::Y},   {Casella::MollaPrecX, Misura::X},
    {Casella::MollaPrecY, Misura::Y},     {Casella::MollaX, Misura::X},
    {Casella::MollaY, Misura::Y},         {Casella::MaxEsc, Misura::Lunghezza}};

// The display origin of a measure, model mm.
double Origine(Misura m) {
    if (m == Misura::X) return static_cast<double>(OrigineX) + FinestraX1;
    if (m == Misura::Y) return static_cast<double>(OrigineY) + FinestraY1;
    return 0;
}

bool Vuota(const std::string& testo) {
    return testo.find_first_not_of(" \t") == std::string::npos;
}

} // namespace

void CambioCoordinate(EditorGeometria& ed, float fattorePrecedente) {
    if (fattorePrecedente == 0 || Fattore() == 0) return;
    // Every box read back in model mm with the factor it was written in. A box holds a value
    // the program wrote with its format's decimals, or one typed: a ten-thousandth of a
    // millimetre takes back what those decimals lose, so that switching back and forth does
    // not wear a value down (250 mm stays 250, not 249.999999). An empty box stays empty.
    constexpr size_t n = std::size(CASELLE_MISURATE);
    std::array<double, n> mm{};
    std::array<bool, n> vuota{};
    for (size_t i = 0; i < n; ++i) {
        const CasellaMisurata& c = CASELLE_MISURATE[i];
        const std::string testo = ed.Testo(c.casella);
        vuota[i] = Vuota(testo);
        if (!vuota[i])
            mm[i] = ArrotondaDecimali(Val(testo) / fattorePrecedente + Origine(c.misura), 1e4);
    }
    // The chain drawn in the new unit settles the display origin; every box is then written
    // again from its value in mm. Nothing is stored: what a panel shows reaches the model only
    // through its confirmation, as before the change.
    ed.Ridisegna();
    for (size_t i = 0; i < n; ++i) {
        if (vuota[i]) continue;
        const CasellaMisurata& c = CASELLE_MISURATE[i];
        ed.Scrivi(
            c.casella,
            FormattaNumero((mm[i] - Origine(c.misura)) * Fattore(), FormatoUnita[UNITA_LUNGHEZZA]),
            false);
    }
}

void RibasaSuolo(EditorGeometria& ed) {
    const int16_t p = NumeroProgetti;
    ed.ReimpostaVista();
    ModoEdit = 0;

    const float f = Fattore();
    if (f == 0) return;
    float y[3];
    const Casella casY[3] = {Casella::ForcelloneY0, Casella::ForcelloneY1, Casella::ForcelloneY2};
    for (int i = 0; i < 3; ++i) {
        y[i] = static_cast<float>(Val(ed.Testo(casY[i])) / f + OrigineY);
    }
    const float r = LeggiLunghezza(ed.Testo(Casella::Raggio));
    const float q = y[1] - r;
    Progetti[p].QuotaSuolo = q;

    // Each element's heights go through its boxes with the origin in force at that moment,
    // so the redraws between slots (which move the origin to the new pivot) do not matter.
    auto abbassa = [&](Casella c, float& quota) {
        ed.Scrivi(c, FormattaNumero((static_cast<double>(quota) - OrigineY - q) * f,
                                    FormatoUnita[UNITA_LUNGHEZZA]));
        quota = static_cast<float>(Val(ed.Testo(c)) / f + OrigineY);
    };

    const int16_t u = std::min<int16_t>(Progetti[p].UltimoElemento, MAX_ELEMENTI);
    for (int16_t i = 0; i <= u; ++i) {
        Progetto& pr = Progetti[p];
        switch (TipoDaLettera(pr.TipoElemento[i])) {
        case PANNELLO_FORCELLONE:
            for (int j = 0; j < 3; ++j) {
                ed.Scrivi(casY[j], FormattaNumero((static_cast<double>(y[j]) - OrigineY - q) * f,
                                                  FormatoUnita[UNITA_LUNGHEZZA]));
            }
            ed.Conferma(PANNELLO_FORCELLONE);
            break;
        case PANNELLO_ASTA:
            abbassa(Casella::AstaPrecY, pr.DatiAsta[i].P[0].Y);
            abbassa(Casella::AstaY, pr.DatiAsta[i].P[1].Y);
            ed.Ridisegna();
            break;
        case PANNELLO_SQUADRETTA:
            abbassa(Casella::ElemPrecY, pr.DatiSquadretta[i].P[0].Y);
            abbassa(Casella::SquadrettaY0, pr.DatiSquadretta[i].P[1].Y);
            abbassa(Casella::SquadrettaY1, pr.DatiSquadretta[i].P[2].Y);
            ed.Ridisegna();
            break;
        case PANNELLO_MOLLA:
            abbassa(Casella::MollaPrecY, pr.DatiMolla[i].P[0].Y);
            abbassa(Casella::MollaY, pr.DatiMolla[i].P[1].Y);
            ed.Ridisegna();
            break;
        default:
            break;
        }
    }
}

} // namespace kelvra
