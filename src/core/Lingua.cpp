#include "core/Lingua.h"

namespace kelvra {

SezioneTesti Messaggi;
SezioneTesti TestiCommon;
SezioneTesti TestiQuantity;
SezioneTesti TestiUnita;
SezioneTesti TestiLingua;
SezioneTesti TestiToolbar;
SezioneTesti TestiInsGeo01;
SezioneTesti TestiFrmMenu;
SezioneTesti TestiInsMolla;
SezioneTesti TestiInsTampone;
SezioneTesti TestiInsAmmortizzatore;
SezioneTesti TestiFrmPLoad;
SezioneTesti TestiCurve;
SezioneTesti TestiFunzioni;
SezioneTesti TestiLettore;
SezioneTesti TestiTabelle;
SezioneTesti TestiFrmAcquisizione;
SezioneTesti TestiMain;
SezioneTesti TestiAboutBox;

const std::string& Riga(const SezioneTesti& sezione, int riga) {
    static const std::string vuota;
    if (riga < 0 || static_cast<size_t>(riga) >= sezione.size()) return vuota;
    return sezione[static_cast<size_t>(riga)];
}

} // namespace kelvra
