#include "shell/ComandiFrmMenu.h"

#include "core/Cinematica.h"
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Salvataggio.h"
#include "core/Seams.h"
#include "shell/Ganci.h"
#include "shell/Main.h"

#include <algorithm>
#include <functional>
#include <string>

namespace kelvra {

namespace {

using M = MenuFrmMenu;

void Chiama(const std::function<void()>& gancio) {
    if (gancio) gancio();
}

using Scrittore = std::function<bool(const std::string&, int16_t)>;

// One file kind of the Schema and component menus.
struct TipoFile {
    TipoModifica tipo;
    int rigaParola; // InsGeo01 line of the kind's word, the default file name's stem
    const char* estensione;
    std::string Progetto::*nome;
    Scrittore GanciShell::*salva;
    std::function<void()> GanciShell::*apri;
    int16_t* caricato;
    // Does a slot already hold this kind?
    bool (*presente)(const Progetto&);
    // The editor the enter-data item opens (components only).
    std::function<void()> GanciShell::*editor;
    // After a compare pass has loaded a file into NumeroProgetti.
    void (*dopoCaricamento)();
};

void Niente() {}

const TipoFile SCHEMA{MOD_SCHEMA,
                      18,
                      ".kv3",
                      &Progetto::NomeFileSchema,
                      &GanciShell::SalvaSchema,
                      &GanciShell::ApriSchema,
                      &CaricatoSchema,
                      [](const Progetto& p) { return p.UltimoElemento != 0; },
                      nullptr,
                      &Niente};
const TipoFile AMMORTIZZATORE{MOD_AMMORTIZZATORE,
                              15,
                              ".kva",
                              &Progetto::NomeFileAmmortizzatore,
                              &GanciShell::SalvaAmmortizzatore,
                              &GanciShell::ApriAmmortizzatore,
                              &CaricatoAmmortizzatore,
                              [](const Progetto& p) { return Vero(p.AmmortizzatoreInserito); },
                              &GanciShell::MostraInsAmmortizzatore,
                              [] {
                                  // The new shock absorber changes the curves of the linkage.
                                  if (Vero(Progetti[NumeroProgetti].GeometriaInserita))
                                      CalcolaCinematica();
                              }};
const TipoFile MOLLA{MOD_MOLLA, 4, ".kvr", &Progetto::NomeFileMolla, &GanciShell::SalvaMolla,
                     &GanciShell::ApriMolla, &CaricatoMolla,
                     [](const Progetto& p) { return Vero(p.MollaInserita); },
                     &GanciShell::MostraInsMolla,
                     // The editor, when open, shows the newest project again.
                     [] { Chiama(Ganci.AttivaInsGeo); }};
const TipoFile TAMPONE{MOD_TAMPONE,
                       20,
                       ".kvt",
                       &Progetto::NomeFileTampone,
                       &GanciShell::SalvaTampone,
                       &GanciShell::ApriTampone,
                       &CaricatoTampone,
                       [](const Progetto& p) { return Vero(p.TamponeInserito); },
                       &GanciShell::MostraInsTampone,
                       &Niente};

// Save as: with several projects the kind's save dialog; with one, the file is written under
// its name, or under the kind's default name in the program folder when it has none.
void SalvaCome(const TipoFile& t) {
    const int16_t n = NumeroProgetti;
    if (!ProgettoValido(n)) return;
    if (n != 1 && Ganci.MostraFrmSalvaTipo) {
        Ganci.MostraFrmSalvaTipo(t.tipo);
        return;
    }
    std::string nome = Progetti[size_t(n)].*t.nome;
    if (nome.empty())
        nome = PercorsoApplicazione + Riga(TestiInsGeo01, t.rigaParola) + " 01" + t.estensione;
    if (const Scrittore& salva = Ganci.*t.salva) salva(nome, n);
}

// Before data of the kind is replaced: its unsaved changes are saved when the user wants.
void PassoSalvataggioTipo(const TipoFile& t) {
    if (Vero(ChiediSalvataggio(Riga(Messaggi, 18), t.tipo))) SalvaCome(t);
}

// The slot the first file of a compare goes to: slot 1 while the one project held lacks the
// kind, else the slot after the held ones; 0 when six are held.
int16_t PrimoSlotConfronto(const TipoFile& t) {
    if (NumeroProgetti == 1 && !t.presente(Progetti[1])) return 1;
    return NumeroProgetti < MAX_PROGETTI ? int16_t(NumeroProgetti + 1) : int16_t{0};
}

// A slot that is no longer held leaves the thumbnails.
void SvuotaSlot(int16_t p) {
    Progetti[size_t(p)].UltimoElemento = 0;
    Progetti[size_t(p)].NumeroGiunzioniProgetto = 0;
}

// Loads files of the kind into further slots, one a pass, until the user stops, a load fails
// or six projects are held. A component is tried on the newest linkage: its slot starts as a
// copy of the newest project. A failed pass gives back the project count of the last pass
// that loaded, the selection from before the compare and a slot it had copied; the projects
// loaded before it stay.
void Confronta(const TipoFile& t, SchermataIniziale& form) {
    if (!ProgettoValido(NumeroProgetti)) return;
    const int16_t primo = PrimoSlotConfronto(t);
    if (primo == 0) {
        Beep();
        return;
    }
    const int16_t selezionatoPrima = ProgettoSelezionato;
    int16_t riuscito = NumeroProgetti;
    int16_t esito = FALSO;
    EsitoConfronto = FALSO;
    const bool componente = t.editor != nullptr;
    for (int16_t s = primo; ProgettoValido(s); ++s) {
        const bool copia = componente && s > 1 && Vero(Progetti[size_t(s - 1)].GeometriaInserita) &&
                           Ganci.CopiaProgetto;
        if (copia) Ganci.CopiaProgetto(int16_t(s - 1), s);
        NumeroProgetti = ProgettoSelezionato = s;
        *t.caricato = FALSO;
        Chiama(Ganci.*t.apri);
        if (!Vero(*t.caricato)) {
            if (copia) SvuotaSlot(s);
            NumeroProgetti = riuscito;
            ProgettoSelezionato = selezionatoPrima;
            EsitoConfronto = esito;
            form.Form_Activate();
            return;
        }
        t.dopoCaricamento();
        riuscito = s;
        esito = EsitoConfronto = VERO;
        // The thumbnails show each geometry as it comes.
        if (!componente) form.Form_Activate();
        if (s >= MAX_PROGETTI) break;
        if (MsgBox(Riga(Messaggi, 14), vbYesNo + vbQuestion) != vbYes) break;
    }
    if (componente && Vero(Progetti[NumeroProgetti].GeometriaInserita)) form.Form_Activate();
}

void MostraEditoreGeometria() {
    if (MAIN* main = MAIN::Istanza(); main && Ganci.MostraInsGeo) Ganci.MostraInsGeo(*main, false);
}

void ComandoComponente(const TipoFile& t, int Index, SchermataIniziale& form) {
    switch (Index) {
    case 1:
        PassoSalvataggioTipo(t);
        Chiama(Ganci.*t.editor);
        break;
    case 3:
        PassoSalvataggioTipo(t);
        Chiama(Ganci.*t.apri);
        break;
    case 4:
        Confronta(t, form);
        break;
    case 5:
        SalvaCome(t);
        break;
    default:
        break;
    }
}

} // namespace

const std::array<VocePulsante, NUMERO_PULSANTI> VOCI_PULSANTI{{
    {M::File, 1},
    {M::File, 2},
    {M::File, 6},
    {M::File, 3},
    {M::Schema, 1},
    {M::Schema, 4},
    {M::Schema, 6},
    {M::Schema, 5},
    {M::Ammortizzatore, 1},
    {M::Ammortizzatore, 3},
    {M::Ammortizzatore, 5},
    {M::Ammortizzatore, 4},
    {M::Molla, 1},
    {M::Molla, 3},
    {M::Molla, 5},
    {M::Molla, 4},
    {M::Tampone, 1},
    {M::Tampone, 3},
    {M::Tampone, 5},
    {M::Tampone, 4},
    {M::Precarico, 1},
    {M::Grafici, 1},
    {M::Tabelle, 1},
    {M::Guida, 1},
    // The exit door ends the program as File, Exit does.
    {M::File, 13},
}};

int16_t ProgettoMiniatura(int Index) {
    if (Index < 0 || Index >= MAX_PROGETTI || !ProgettoValido(NumeroProgetti)) return 0;
    return static_cast<int16_t>(std::min(Index + 1, NumeroProgetti + 1));
}

void ComandoSchema(int Index, SchermataIniziale& form) {
    switch (Index) {
    case 1:
        PassoSalvataggioTipo(SCHEMA);
        form.CmdIcon_Click(0);
        break;
    case 4:
        PassoSalvataggioTipo(SCHEMA);
        CaricatoSchema = FALSO;
        Chiama(Ganci.ApriSchema);
        if (Vero(CaricatoSchema)) MostraEditoreGeometria();
        break;
    case 5:
        Confronta(SCHEMA, form);
        break;
    case 6:
        SalvaCome(SCHEMA);
        break;
    default:
        break;
    }
}

void ComandoAmmortizzatore(int Index, SchermataIniziale& form) {
    if (Index == 7) Chiama(Ganci.MostraFrmAcq);
    ComandoComponente(AMMORTIZZATORE, Index, form);
}

void ComandoMolla(int Index, SchermataIniziale& form) {
    ComandoComponente(MOLLA, Index, form);
}

void ComandoTampone(int Index, SchermataIniziale& form) {
    ComandoComponente(TAMPONE, Index, form);
}

} // namespace kelvra
