#include "platform/MenuQt.h"

#include "core/MenuLingua.h"
#include "platform/Testo.h"

namespace kelvra {

void ApplicaTabellaMenu(const std::vector<MenuFinestra>& mappa) {
    const int righe = std::min<int>(NumeroMenu, static_cast<int>(mappa.size()));
    for (int r = 1; r <= righe; ++r) {
        const MenuFinestra& m = mappa[static_cast<size_t>(r - 1)];
        if (!m.menu) continue;
        m.menu->setTitle(DaAnsi(VoceMenu(r, 0)));
        const int voci = std::min<int>(NumeroVociMenu[static_cast<size_t>(r)],
                                       static_cast<int>(m.voci.size()) - 1);
        for (int k = 1; k <= voci; ++k) {
            QAction* azione = m.voci[static_cast<size_t>(k)];
            if (!azione) continue;
            const std::string testo = VoceMenu(r, k);
            if (testo.empty() && !azione->menu()) {
                azione->setText(QString());
                azione->setSeparator(true);
            } else {
                azione->setSeparator(false);
                azione->setText(DaAnsi(testo));
            }
        }
    }
}

bool ImpostaMenuLingua(const std::string& sezione, const std::vector<MenuFinestra>& mappa) {
    if (!LeggiMenuLingua(sezione)) return false;
    ApplicaTabellaMenu(mappa);
    return true;
}

} // namespace kelvra
