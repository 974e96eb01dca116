#include "geometry_editor/Annulla.h"

#include "core/Azzeramento.h"
#include "core/Formato.h"
#include "core/Progetti.h"
#include "core/Unita.h"
#include "core/Vista.h"
#include "geometry_editor/Coordinate.h"

namespace kelvra {

RecordUndo DatiUndo;

namespace {
// Each panel as it was last confirmed.
RecordUndo confermati;
} // namespace

void AzzeraUndo() {
    DatiUndo = RecordUndo{};
    confermati = RecordUndo{};
}
[[maybe_unused]] const bool UndoAzzerabile = RegistraAzzeramento(AzzeraUndo);

namespace {

// Model millimetres as the record keeps them.
std::string TestoModello(float mm) {
    return FormattaNumero(mm, FormatoUnita[UNITA_LUNGHEZZA]);
}

// A box read as the confirm buttons read it, kept as model millimetres.
std::string SalvaX(const EditorGeometria& ed, Casella c) {
    return TestoModello(LeggiX(ed.Testo(c)));
}
std::string SalvaY(const EditorGeometria& ed, Casella c) {
    return TestoModello(LeggiY(ed.Testo(c)));
}

// A saved model coordinate written into a box in the view and unit in force.
void RipristinaX(EditorGeometria& ed, Casella c, const std::string& modello) {
    ed.Scrivi(c, MostraX(static_cast<float>(Val(modello))));
}
void RipristinaY(EditorGeometria& ed, Casella c, const std::string& modello) {
    ed.Scrivi(c, MostraY(static_cast<float>(Val(modello))));
}

void Salva(const EditorGeometria& ed, int16_t tipo, RecordUndo& u) {
    switch (tipo) {
    case PANNELLO_FORCELLONE:
        u.ForcelloneX[0] = SalvaX(ed, Casella::ForcelloneX0);
        u.ForcelloneX[1] = SalvaX(ed, Casella::ForcelloneX1);
        u.ForcelloneX[2] = SalvaX(ed, Casella::ForcelloneX2);
        u.ForcelloneY[0] = SalvaY(ed, Casella::ForcelloneY0);
        u.ForcelloneY[1] = SalvaY(ed, Casella::ForcelloneY1);
        u.ForcelloneY[2] = SalvaY(ed, Casella::ForcelloneY2);
        u.Raggio = TestoModello(LeggiLunghezza(ed.Testo(Casella::Raggio)));
        break;
    case PANNELLO_ASTA:
        u.AstaPrecX = SalvaX(ed, Casella::AstaPrecX);
        u.AstaPrecY = SalvaY(ed, Casella::AstaPrecY);
        u.AstaX = SalvaX(ed, Casella::AstaX);
        u.AstaY = SalvaY(ed, Casella::AstaY);
        u.ModifyAsta = ed.Valore(Opzione::ModifyAsta);
        break;
    case PANNELLO_SQUADRETTA:
        u.ElemPrecX = SalvaX(ed, Casella::ElemPrecX);
        u.ElemPrecY = SalvaY(ed, Casella::ElemPrecY);
        u.SquadrettaX[0] = SalvaX(ed, Casella::SquadrettaX0);
        u.SquadrettaY[0] = SalvaY(ed, Casella::SquadrettaY0);
        u.SquadrettaX[1] = SalvaX(ed, Casella::SquadrettaX1);
        u.SquadrettaY[1] = SalvaY(ed, Casella::SquadrettaY1);
        u.ModifySquadretta = ed.Valore(Opzione::ModifySquadretta);
        u.OptFix0 = ed.Valore(Opzione::OptFix0);
        u.OptFix1 = ed.Valore(Opzione::OptFix1);
        break;
    case PANNELLO_MOLLA:
        u.MollaPrecX = SalvaX(ed, Casella::MollaPrecX);
        u.MollaX = SalvaX(ed, Casella::MollaX);
        u.MollaPrecY = SalvaY(ed, Casella::MollaPrecY);
        u.MollaY = SalvaY(ed, Casella::MollaY);
        u.ChkFix = ed.Valore(Opzione::ChkFix);
        break;
    default:
        return;
    }
    u.Salvato[tipo] = true;
}

// The fields of one kind, from one record to another.
void Copia(const RecordUndo& da, RecordUndo& a, int16_t tipo) {
    switch (tipo) {
    case PANNELLO_FORCELLONE:
        a.ForcelloneX = da.ForcelloneX;
        a.ForcelloneY = da.ForcelloneY;
        a.Raggio = da.Raggio;
        break;
    case PANNELLO_ASTA:
        a.AstaPrecX = da.AstaPrecX;
        a.AstaPrecY = da.AstaPrecY;
        a.AstaX = da.AstaX;
        a.AstaY = da.AstaY;
        a.ModifyAsta = da.ModifyAsta;
        break;
    case PANNELLO_SQUADRETTA:
        a.ElemPrecX = da.ElemPrecX;
        a.ElemPrecY = da.ElemPrecY;
        a.SquadrettaX = da.SquadrettaX;
        a.SquadrettaY = da.SquadrettaY;
        a.ModifySquadretta = da.ModifySquadretta;
        a.OptFix0 = da.OptFix0;
        a.OptFix1 = da.OptFix1;
        break;
    case PANNELLO_MOLLA:
        a.MollaPrecX = da.MollaPrecX;
        a.MollaX = da.MollaX;
        a.MollaPrecY = da.MollaPrecY;
        a.MollaY = da.MollaY;
        a.ChkFix = da.ChkFix;
        break;
    default:
        return;
    }
    a.Salvato[tipo] = true;
}

void Riproduci(EditorGeometria& ed) {
    const RecordUndo& u = DatiUndo;
    const int16_t p = NumeroProgetti;
    const int16_t ultimo = std::min<int16_t>(Progetti[p].UltimoElemento, MAX_ELEMENTI);
    for (int16_t i = 0; i <= ultimo; ++i) {
        const int tipo = TipoDaLettera(Progetti[p].TipoElemento[i]);
        if (tipo == 0 || !u.Salvato[tipo]) continue;
        switch (tipo) {
        case PANNELLO_FORCELLONE:
            RipristinaX(ed, Casella::ForcelloneX0, u.ForcelloneX[0]);
            RipristinaX(ed, Casella::ForcelloneX1, u.ForcelloneX[1]);
            RipristinaX(ed, Casella::ForcelloneX2, u.ForcelloneX[2]);
            RipristinaY(ed, Casella::ForcelloneY0, u.ForcelloneY[0]);
            RipristinaY(ed, Casella::ForcelloneY1, u.ForcelloneY[1]);
            RipristinaY(ed, Casella::ForcelloneY2, u.ForcelloneY[2]);
            // A different radius re-bases the whole chain on its ground line at once.
            ed.Scrivi(Casella::Raggio, MostraLunghezza(Val(u.Raggio)));
            break;
        case PANNELLO_ASTA:
            RipristinaX(ed, Casella::AstaPrecX, u.AstaPrecX);
            RipristinaY(ed, Casella::AstaPrecY, u.AstaPrecY);
            RipristinaX(ed, Casella::AstaX, u.AstaX);
            RipristinaY(ed, Casella::AstaY, u.AstaY);
            ed.ImpostaValore(Opzione::ModifyAsta, u.ModifyAsta);
            break;
        case PANNELLO_SQUADRETTA:
            RipristinaX(ed, Casella::ElemPrecX, u.ElemPrecX);
            RipristinaY(ed, Casella::ElemPrecY, u.ElemPrecY);
            RipristinaX(ed, Casella::SquadrettaX0, u.SquadrettaX[0]);
            RipristinaY(ed, Casella::SquadrettaY0, u.SquadrettaY[0]);
            RipristinaX(ed, Casella::SquadrettaX1, u.SquadrettaX[1]);
            RipristinaY(ed, Casella::SquadrettaY1, u.SquadrettaY[1]);
            ed.ImpostaValore(Opzione::ModifySquadretta, u.ModifySquadretta);
            ed.ImpostaValore(Opzione::OptFix0, u.OptFix0);
            ed.ImpostaValore(Opzione::OptFix1, u.OptFix1);
            break;
        case PANNELLO_MOLLA:
            RipristinaX(ed, Casella::MollaPrecX, u.MollaPrecX);
            RipristinaX(ed, Casella::MollaX, u.MollaX);
            RipristinaY(ed, Casella::MollaPrecY, u.MollaPrecY);
            RipristinaY(ed, Casella::MollaY, u.MollaY);
            ed.ImpostaValore(Opzione::ChkFix, u.ChkFix);
            break;
        default:
            break;
        }
        ed.Conferma(tipo);
    }
}

} // namespace

void NotaConfermato(const EditorGeometria& ed, int16_t tipo) {
    if (tipo >= PANNELLO_FORCELLONE && tipo <= PANNELLO_MOLLA) Salva(ed, tipo, confermati);
}

void ProceduraUndo(EditorGeometria& ed, int16_t tipo) {
    if (tipo == 0) {
        Riproduci(ed);
    } else if (tipo >= PANNELLO_FORCELLONE && tipo <= PANNELLO_MOLLA && confermati.Salvato[tipo]) {
        Copia(confermati, DatiUndo, tipo);
    }
}

} // namespace kelvra
