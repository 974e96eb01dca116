#include "shell/Comandi.h"

#include "core/Cinematica.h"
#include "core/Progetti.h"
#include "shell/Ganci.h"

namespace kelvra {

namespace {

// False when the newest project's geometry is entered but its curves were not computed (the
// warning is shown by VerificaCalcolo).
bool ProgettoMostrabile() {
    if (!ProgettoValido(NumeroProgetti)) return false;
    if (!Vero(Progetti[NumeroProgetti].GeometriaInserita)) return true;
    return !VerificaCalcolo();
}

void Chiama(const std::function<void()>& gancio) {
    if (gancio) gancio();
}

} // namespace

void MostraPrecarico(int Index) {
    if (Index == 1) Chiama(Ganci.MostraFrmPLoad);
}

void MostraRiassunto(int Index) {
    if (!ProgettoMostrabile()) return;
    if (Index == 1) Chiama(Ganci.MostraTabRiass);
}

void MostraGrafici(int Index) {
    if (!ProgettoMostrabile()) return;
    if (Index == 1) Chiama(Ganci.MostraCurve01);
}

void MostraTabelle(int Index) {
    if (!ProgettoMostrabile()) return;
    if (Index == 1) Chiama(Ganci.MostraTab01);
}

} // namespace kelvra
