// The geometry editor's modification of an element already in the chain: choosing it from the
// Modify list, leaving the modification, and storing the changed element with the chain after it
// joined again to its new end points.
#include "geometry_editor/InsGeo01.h"

#include "core/Disegno.h"
#include "core/Formato.h"
#include "core/Seams.h"
#include "core/Vista.h"
#include "geometry_editor/Catena.h"
#include "geometry_editor/Coordinate.h"
#include "geometry_editor/InsGeo01Comune.h"
#include "platform/Testo.h"
#include "shell/Abilitazione.h"
#include "shell/Comandi.h"

#include <algorithm>

namespace kelvra {

void INSGEO01::CmbModifica_Click() {
    const QString testo = CmbModifica->currentText();
    const int virgola = testo.lastIndexOf(',');
    ElementoInModifica =
        virgola < 0 ? 0 : static_cast<int16_t>(Val(AdAnsi(testo.mid(virgola + 1))));
    if (ElementoInModifica < 0 || ElementoInModifica > MAX_ELEMENTI) ElementoInModifica = 0;
    ModoEdit = 5;
    inModifica_ = true;
    const int16_t p = NumeroProgetti;
    const int tipo = TipoDaLettera(Progetti[p].TipoElemento[ElementoInModifica]);
    if (tipo != 0) {
        MostraPannello(pannelli_[tipo].cornice);
        RiempiCaselle(*this, p, ElementoInModifica);
        int16_t t = static_cast<int16_t>(tipo);
        ProceduraUndo(t);
    }
    ChkModify[0]->setEnabled(false);
    ChkModify[1]->setEnabled(false);
    OptFix[0]->setEnabled(false);
    OptFix[1]->setEnabled(false);
}

void INSGEO01::LasciaModifica() {
    ModoEdit = 0;
    inModifica_ = false;
}

void INSGEO01::Modifica() {
    const int16_t p = NumeroProgetti;
    Progetto& pr = Progetti[p];
    const int16_t s = std::clamp<int16_t>(ElementoInModifica, 0, MAX_ELEMENTI);
    const int16_t u = std::min<int16_t>(pr.UltimoElemento, MAX_ELEMENTI);
    picGeo_->Cancella();
    const auto disegna = [&](int16_t j) {
        switch (TipoDaLettera(pr.TipoElemento[j])) {
        case PANNELLO_FORCELLONE:
            DisegnaForcellone(this, pr.DatiForcellone, COLORE_FORCELLONE, *picGeo_, p,
                              VisualizzaCoordinate, VisualizzaDimensioni);
            break;
        case PANNELLO_ASTA:
            DisegnaAsta(this, pr.DatiAsta[j], j, COLORE_ASTA, *picGeo_, VisualizzaCoordinate,
                        VisualizzaDimensioni);
            break;
        case PANNELLO_SQUADRETTA:
            DisegnaSquadretta(this, pr.DatiSquadretta[j], j, COLORE_SQUADRETTA, *picGeo_, p,
                              VisualizzaCoordinate, VisualizzaDimensioni);
            break;
        case PANNELLO_MOLLA:
            DisegnaAmmortizzatore(this, pr.DatiMolla[j], j, COLORE_AMMORTIZZATORE, *picGeo_, p,
                                  VisualizzaCoordinate, VisualizzaDimensioni);
            break;
        default:
            break;
        }
    };
    for (int16_t j = 0; j < s; ++j) disegna(j);
    const int tipo = TipoDaLettera(pr.TipoElemento[s]);
    if (tipo != 0) MemorizzaElemento(*this, tipo, p, s);
    if (tipo == PANNELLO_FORCELLONE) CaselleForcelloneConfermate();
    disegna(s);
    for (int16_t j = s + 1; j <= u; ++j) {
        const Punto& inizio = PuntiCatena[std::min<int>(j, MAX_PUNTI_CATENA)];
        switch (TipoDaLettera(pr.TipoElemento[j])) {
        case PANNELLO_ASTA:
            pr.DatiAsta[j].P[0] = inizio;
            break;
        case PANNELLO_SQUADRETTA:
            pr.DatiSquadretta[j].P[0] = inizio;
            break;
        case PANNELLO_MOLLA:
            pr.DatiMolla[j].P[0] = inizio;
            break;
        default:
            break;
        }
        disegna(j);
    }
    if (ControlloVariabili()) RisolviProgetto(NumeroProgetti, true);
    AggiornaAbilitazione();
}

} // namespace kelvra
