#include "shell/Abilitazione.h"

#include "core/Progetti.h"
#include "core/Unita.h"

#include <array>

namespace kelvra {

namespace {

ControlliFrmMenu* frmMenu = nullptr;

// The sets of state codes the tables are written in.
bool Geometria(int c) {
    return (c & 1) != 0;
}
bool Molla(int c) {
    return (c & 2) != 0;
}
bool Ammortizzatore(int c) {
    return (c & 4) != 0;
}
bool Tampone(int c) {
    return (c & 8) != 0;
}
bool QualcheRisultato(int c) {
    return c != 0 && c != 4;
}
bool Completo(int c) {
    return c == 7 || c == 15;
}

bool StatoValido(int c) {
    return c >= 0 && c <= 15;
}

// Charts enabled in each state (bit i-1 = chart i) and the chart shown first.
struct StatoGrafici {
    uint16_t grafici;
    int16_t primo;
};
constexpr uint16_t G(int da, int a) {
    uint16_t m = 0;
    for (int i = da; i <= a; ++i) m |= static_cast<uint16_t>(1u << (i - 1));
    return m;
}
constexpr std::array<StatoGrafici, 16> TabellaGrafici{{
    {0, 1},                             // 0
    {G(1, 6), 1},                       // 1
    {G(7, 7), 7},                       // 2
    {G(1, 7), 1},                       // 3
    {0, 1},                             // 4
    {G(1, 6), 1},                       // 5
    {G(7, 8), 7},                       // 6
    {G(1, 8) | G(10, 14), 1},           // 7
    {G(9, 9), 9},                       // 8
    {G(1, 6) | G(9, 9), 9},             // 9
    {G(7, 7) | G(9, 9), 7},             // 10
    {G(1, 7) | G(9, 9), 1},             // 11
    {G(9, 9), 9},                       // 12
    {G(1, 6) | G(9, 9) | G(11, 14), 1}, // 13
    {G(7, 9), 7},                       // 14
    {G(1, 14), 1},                      // 15
}};

// Ticks the units menu after the unit system; any other value leaves the ticks alone.
void SpuntaUnita(ControlliFinestra& form) {
    if (SistemaUnita == 1) {
        form.ImpostaSpuntato(Controllo::UnitaItem, 1, true);
        form.ImpostaSpuntato(Controllo::UnitaItem, 2, false);
    } else if (SistemaUnita == 2) {
        form.ImpostaSpuntato(Controllo::UnitaItem, 1, false);
        form.ImpostaSpuntato(Controllo::UnitaItem, 2, true);
    }
}

} // namespace

void RegistraFrmMenu(ControlliFrmMenu* finestra) {
    frmMenu = finestra;
}
ControlliFrmMenu* FrmMenuRegistrato() {
    return frmMenu;
}

void AttivaMenuFrmMenu() {
    if (frmMenu) AttivaMenuFrmMenu(*frmMenu);
}

void AttivaMenuFrmMenu(ControlliFrmMenu& form) {
    if (!ProgettoValido(NumeroProgetti)) return;
    const int c = Progetti[NumeroProgetti].StatoDatiProgetto;

    if (StatoValido(c)) {
        const bool grafici = QualcheRisultato(c);
        const bool risultati = Geometria(c);
        const bool salvaProgetto = Completo(c);
        const bool salvaSchema = Geometria(c);
        const bool salvaAmmortizzatore = Ammortizzatore(c);
        const bool salvaMolla = Molla(c);
        const bool salvaTampone = Tampone(c);

        form.ImpostaAbilitato(Controllo::MenuItem, 7, grafici);
        form.ImpostaAbilitato(Controllo::MenuItem, 8, grafici);
        form.ImpostaAbilitato(Controllo::MenuItem, 9, risultati);
        form.ImpostaAbilitato(Controllo::FileItem, 6, salvaProgetto);
        form.ImpostaAbilitato(Controllo::SchemaItem, 6, salvaSchema);
        form.ImpostaAbilitato(Controllo::AmmortizzatoreItem, 5, salvaAmmortizzatore);
        form.ImpostaAbilitato(Controllo::MollaItem, 5, salvaMolla);
        form.ImpostaAbilitato(Controllo::TamponeItem, 5, salvaTampone);

        // Each button shows while its command is available; its inactive twin, in the same
        // place, shows otherwise.
        const std::array<std::pair<int, bool>, 7> pulsanti{{{2, salvaProgetto},
                                                            {6, salvaSchema},
                                                            {10, salvaAmmortizzatore},
                                                            {14, salvaMolla},
                                                            {18, salvaTampone},
                                                            {21, grafici},
                                                            {22, grafici}}};
        for (const auto& [indice, attivo] : pulsanti) {
            form.ImpostaVisibile(Controllo::CmdMenu, indice, attivo);
            form.ImpostaVisibile(Controllo::CmdMenu, indice + 50, !attivo);
        }
    }

    form.ImpostaAbilitato(Controllo::FileItem, 4, NumeroProgetti > 1);
    SpuntaUnita(form);
}

void AttivaMenuCurve(ControlliCurve& form) {
    if (!ProgettoValido(NumeroProgetti)) return;

    for (int i = 1; i <= 14; ++i) {
        form.ImpostaAbilitato(Controllo::CmdCurve, i, false);
        form.ImpostaAbilitato(Controllo::GraficiItem, i, false);
    }

    const Progetto& prog = Progetti[NumeroProgetti];
    const int c = prog.StatoDatiProgetto;
    int16_t primo = 1;
    if (StatoValido(c)) {
        const StatoGrafici& riga = TabellaGrafici[static_cast<size_t>(c)];
        for (int i = 1; i <= 14; ++i) {
            if (riga.grafici & (1u << (i - 1))) {
                form.ImpostaAbilitato(Controllo::CmdCurve, i, true);
                form.ImpostaAbilitato(Controllo::GraficiItem, i, true);
            }
        }
        // The save items follow the complete states; state 4 (shock absorber alone) is as
        // incomplete as the others and disables them too.
        form.ImpostaAbilitato(Controllo::FileItem, 6, Completo(c));
        form.ImpostaAbilitato(Controllo::FileItem, 7, Completo(c));
        primo = riga.primo;
    }

    // A bench acquisition loaded into the shock absorber can always be plotted, and is
    // what the window shows first; it cannot be saved as a project.
    if (Vero(prog.AcquisizioneAttiva)) {
        form.ImpostaAbilitato(Controllo::CmdCurve, 8, true);
        form.ImpostaAbilitato(Controllo::GraficiItem, 8, true);
        form.ImpostaAbilitato(Controllo::FileItem, 6, false);
        form.ImpostaAbilitato(Controllo::FileItem, 7, false);
        primo = 8;
    }

    form.ImpostaAbilitato(Controllo::FileItem, 4, NumeroProgetti > 1);
    SpuntaUnita(form);
    form.ImpostaVisibile(Controllo::MenuItem, 3, false);
    form.ImpostaVisibile(Controllo::InfoItem, 2, false);
    form.ImpostaTipoGrafico(primo);
}

void AttivaMenuInsGeo(ControlliInsGeo& form) {
    if (!ProgettoValido(NumeroProgetti)) return;
    const Progetto& prog = Progetti[NumeroProgetti];
    const int c = prog.StatoDatiProgetto;

    if (StatoValido(c)) {
        const bool geometria = Geometria(c);
        const bool risultato = QualcheRisultato(c);

        form.ImpostaAbilitato(Controllo::MenuItem, 9, geometria);
        form.ImpostaAbilitato(Controllo::MenuItem, 10, risultato);
        form.ImpostaAbilitato(Controllo::MenuItem, 11, risultato);
        form.ImpostaAbilitato(Controllo::MenuItem, 12, geometria);
        form.ImpostaAbilitato(Controllo::FileItem, 6, Completo(c));
        form.ImpostaAbilitato(Controllo::FileItem, 10, geometria);
        form.ImpostaAbilitato(Controllo::SchemaItem, 6, geometria);
        form.ImpostaAbilitato(Controllo::AmmortizzatoreItem, 5, Ammortizzatore(c));
        form.ImpostaAbilitato(Controllo::MollaItem, 5, Molla(c));
        form.ImpostaAbilitato(Controllo::TamponeItem, 5, Tampone(c));
        form.ImpostaAbilitato(Controllo::CmdSimula, 0, geometria);
        form.ImpostaAbilitato(Controllo::CmdStampa, 0, geometria);
        form.ImpostaAbilitato(Controllo::CmbModifica, 0, geometria);
    }

    form.ImpostaAbilitato(Controllo::FileItem, 4, NumeroProgetti > 1);
    // A project can be added while fewer than six are held and the newest has a geometry
    // (the element chooser is enabled exactly then).
    form.ImpostaAbilitato(Controllo::CmdAddProject, 0,
                          NumeroProgetti < MAX_PROGETTI &&
                              form.Abilitato(Controllo::CmbModifica, 0));
    form.ImpostaAbilitato(Controllo::SchemaItem, 8, prog.UltimoElemento > 0);
}

} // namespace kelvra
