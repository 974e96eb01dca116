#include "shell/Comandi.h"

#include "core/Cinematica.h"
#include "core/DatiStatici.h"
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Salvataggio.h"
#include "core/Seams.h"
#include "core/Servizi.h"
#include "core/TipiFile.h"
#include "core/Unita.h"
#include "platform/Dialoghi.h"
#include "shell/Abilitazione.h"
#include "shell/AboutBox.h"
#include "shell/Ganci.h"
#include "shell/Main.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

namespace kelvra {

namespace {

// Lines of MsgBox.
constexpr int MSG_ALTRO_FILE = 14;
constexpr int MSG_SALVARE = 18;
constexpr int MSG_NON_CALCOLATO = 19;
constexpr int MSG_AMMORTIZZATORE_NON_ENTRA = 29;
constexpr int MSG_MANUALE_SENZA_VISORE = 82;
constexpr int MSG_MANUALE_MANCANTE = 83;
constexpr int MSG_SOSTITUIRE = 89;
constexpr int MSG_CHIUDERE_MODIFICATO = 90;
constexpr int MSG_CHIUDERE_MODIFICATI = 91;
constexpr int MSG_FILE_DI_ALTRO = 92;
constexpr int MSG_SOSTITUIRE_ALTRO = 93;

constexpr const char* NOME_MANUALE = "Kelvra.Pdf";

// False when the newest project's geometry is entered but its curves were not computed (the
// warning is shown by VerificaCalcolo).
bool ProgettoMostrabile() {
    if (!ProgettoValido(NumeroProgetti)) return false;
    if (!Vero(Progetti[NumeroProgetti].GeometriaInserita)) return true;
    return !VerificaCalcolo();
}

// An empty project record, made once (it is too large for the stack).
const Progetto& ProgettoVuoto() {
    static const Progetto vuoto{};
    return vuoto;
}

// Something was entered in the project: a whole-project compare loads beside it.
bool ProgettoInserito(const Progetto& p) {
    return p.UltimoElemento != 0 || Vero(p.GeometriaInserita) || Vero(p.MollaInserita) ||
           Vero(p.AmmortizzatoreInserito) || Vero(p.TamponeInserito);
}

// Projects 1..da-1 kept, the others held to close.
TabellaProgetti TenutiSotto(int da) {
    TabellaProgetti mantieni{};
    for (int p = 1; p < da && p <= MAX_PROGETTI; ++p) mantieni[size_t(p)] = 1;
    return mantieni;
}

// The projects held to close that hold a change of any kind not saved.
int NonSalvati(const TabellaProgetti& mantieni) {
    int n = 0;
    for (int p = 1; p <= NumeroProgetti; ++p) {
        const auto& m = Progetti[p].ModificatoFile;
        if (mantieni[size_t(p)] != 1 && std::any_of(m.begin(), m.end(), Vero)) ++n;
    }
    return n;
}

// The reader and writer hooks of the file kinds, in the order of the kinds.
constexpr std::array<std::function<void()> GanciShell::*, 5> APRI{
    &GanciShell::ApriProgetto, &GanciShell::ApriSchema, &GanciShell::ApriAmmortizzatore,
    &GanciShell::ApriMolla, &GanciShell::ApriTampone};
constexpr std::array<std::function<bool(const std::string&, int16_t)> GanciShell::*, 5> SALVA{
    &GanciShell::SalvaProgetto, &GanciShell::SalvaSchema, &GanciShell::SalvaAmmortizzatore,
    &GanciShell::SalvaMolla, &GanciShell::SalvaTampone};

bool TipoValido(int tipo) {
    return tipo >= MOD_PROGETTO && tipo <= MOD_TAMPONE;
}

// The per-kind steps of the compares, kinds 1..4: does a project hold the kind, and what
// follows each file loaded into NumeroProgetti.
struct TipoConfronto {
    bool (*presente)(const Progetto&);
    void (*dopoCaricamento)();
};
const std::array<TipoConfronto, 4> TIPI_CONFRONTO{{
    // The reader checks and solves a geometry; the thumbnails show each one as it comes.
    {[](const Progetto& p) { return p.UltimoElemento != 0; }, [] { Chiama(Ganci.AttivaFrmMenu); }},
    {[](const Progetto& p) { return Vero(p.AmmortizzatoreInserito); }, [] {}},
    // The editor, when open, shows the newest project again.
    {[](const Progetto& p) { return Vero(p.MollaInserita); }, [] { Chiama(Ganci.AttivaInsGeo); }},
    {[](const Progetto& p) { return Vero(p.TamponeInserito); }, [] {}},
}};

// The first slot of a compare: slot 1 while the one project held lacks what is compared,
// else the slot after the held ones.
int16_t PrimoSlotConfronto(bool (*presente)(const Progetto&)) {
    if (NumeroProgetti == 1 && !presente(Progetti[1])) return 1;
    return static_cast<int16_t>(NumeroProgetti + 1);
}

// One compare run: `carica` loads one file into slot NumeroProgetti and tells whether it
// did. The first pass loads into `primo`. With `copia` each slot first takes a copy of the
// project before it when that one has a geometry, and a failed load there clears the copy.
void CicloConfronto(int16_t primo, bool copia, const std::function<bool()>& carica) {
    const int16_t selezioneIniziale = ProgettoSelezionato;
    int16_t ultimoCaricato = NumeroProgetti;
    bool caricato = false;
    EsitoConfronto = FALSO;
    for (int16_t slot = primo;; ++slot) {
        NumeroProgetti = ProgettoSelezionato = slot;
        Progetto& p = Progetti[slot];
        const bool copiato =
            copia && slot > 1 && Vero(Progetti[slot - 1].GeometriaInserita) && Ganci.CopiaProgetto;
        if (copiato) Ganci.CopiaProgetto(static_cast<int16_t>(slot - 1), slot);
        if (!carica()) {
            if (copiato) p.UltimoElemento = p.NumeroGiunzioniProgetto = 0;
            NumeroProgetti = ultimoCaricato;
            // The editors store into the selected project: after a load it is the newest.
            ProgettoSelezionato = caricato ? ultimoCaricato : selezioneIniziale;
            EsitoConfronto = caricato ? VERO : FALSO;
            return;
        }
        // The count is the slot loaded, whatever a reader did with it.
        NumeroProgetti = ProgettoSelezionato = ultimoCaricato = slot;
        caricato = true;
        EsitoConfronto = VERO;
        if (slot >= MAX_PROGETTI) return;
        if (MsgBox(Riga(Messaggi, MSG_ALTRO_FILE), vbYesNo + vbQuestion) != vbYes) return;
    }
}

// The Yes to "working project not computed": the chain check and the solver, for a chain
// that ends with the shock absorber.
void CalcolaProgettoDiLavoro() {
    const Progetto& p = Progetti[NumeroProgetti];
    const int16_t u = p.UltimoElemento;
    if (u <= 0 || u > MAX_ELEMENTI || p.TipoElemento[u] != "M") return;
    if (Ganci.ControlloVariabiliInsGeo && Ganci.ControlloVariabiliInsGeo())
        RisolviProgetto(NumeroProgetti, true);
}

} // namespace

const std::function<void()>& GancioApri(int tipo) {
    static const std::function<void()> vuoto;
    return TipoValido(tipo) ? Ganci.*APRI[size_t(tipo)] : vuoto;
}

const std::function<bool(const std::string&, int16_t)>& GancioSalva(int tipo) {
    static const std::function<bool(const std::string&, int16_t)> vuoto;
    return TipoValido(tipo) ? Ganci.*SALVA[size_t(tipo)] : vuoto;
}

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

// ---- Help ------------------------------------------------------------------------------

void GestisciMenuGuida(int Index, MAIN& form) {
    if (Index == 1) ApriManuale();
    if (Index == 5) MostraAboutBox(form);
}

void ApriManuale() {
    const std::string percorso = PercorsoApplicazione + NOME_MANUALE;
    std::error_code errore;
    if (!std::filesystem::is_regular_file(std::filesystem::u8path(percorso), errore)) {
        MsgBox(TestoConPercorso(Riga(Messaggi, MSG_MANUALE_MANCANTE), percorso),
               vbExclamation + TESTO_UTF8);
        return;
    }
    if (!ApriDocumento(percorso)) MsgBox(Riga(Messaggi, MSG_MANUALE_SENZA_VISORE), vbExclamation);
}

// ---- units -------------------------------------------------------------------------------

void ImpostaUnita(int Index, ControlliFinestra* form) {
    // Only the two systems exist: any other index would be kept in the settings file.
    if (Index != SISTEMA_METRICO && Index != SISTEMA_IMPERIALE) return;
    ImpostaUnitaMisura(static_cast<int16_t>(Index));
    if (form) {
        form->ImpostaSpuntato(Controllo::UnitaItem, 1, Index == SISTEMA_METRICO);
        form->ImpostaSpuntato(Controllo::UnitaItem, 2, Index == SISTEMA_IMPERIALE);
    }
    SistemaUnita = static_cast<int16_t>(Index);
}

// ---- the File menus ------------------------------------------------------------------------

void GestisciMenuFileInsGeo(int Index, const FinestraChiamante& form) {
    switch (Index) {
    case 1:
        if (!SlotLibero()) return;
        PassoSalvataggio();
        PreparaNuovoProgetto();
        break;
    case 2:
        if (!PassoApertura()) return;
        CaricatoProgetto = FALSO;
        Chiama(Ganci.ApriProgetto);
        if (Vero(CaricatoProgetto)) Chiama(form.Form_Activate);
        break;
    case 3:
        ConfrontaProgetti();
        if (Vero(EsitoConfronto)) Chiama(form.Form_Activate);
        break;
    case 4:
        if (ChiudiUltimoProgetto()) Chiama(form.Form_Activate);
        break;
    case 6:
        SalvaCome(MOD_PROGETTO);
        break;
    case 9:
        if (Ganci.ImpostaStampante)
            Ganci.ImpostaStampante();
        else
            DialogoImpostaStampante();
        break;
    case 10:
        Chiama(form.CmdStampa_Click);
        break;
    case 14:
        ChiudiMain();
        break;
    default:
        break;
    }
}

void GestisciMenuFileFrmMenu(int Index) {
    switch (Index) {
    case 11: // the exit-door button
    case 13:
        ChiudiMain();
        break;
    case 10:
    case 14:
        break; // the editor's print and exit numbers
    default:
        GestisciMenuFileInsGeo(Index, {[] { Chiama(Ganci.AttivaFrmMenu); }, {}});
        break;
    }
}

bool SlotLibero() {
    if (ProgettoValido(NumeroProgetti) && NumeroProgetti < MAX_PROGETTI) return true;
    Beep();
    return false;
}

void PreparaNuovoProgetto() {
    if (!SlotLibero()) return;
    if (Progetti[NumeroProgetti].AngoloForcelloneRad[0] == 0 &&
        MsgBox(Riga(Messaggi, MSG_NON_CALCOLATO), vbYesNo) == vbYes)
        CalcolaProgettoDiLavoro();
    NumeroProgetti = ProgettoSelezionato = static_cast<int16_t>(NumeroProgetti + 1);
    // The slot may hold a project closed earlier: nothing of it goes on.
    Progetto& p = Progetti[NumeroProgetti];
    p = ProgettoVuoto();
    p.UltimoElemento = 0;
    p.TipoElemento[0] = "F";
    AggiornaStatoProgetto();
    Chiama(Ganci.PreparaNuovoProgettoInsGeo);
    AggiornaTitoli();
}

bool ChiusuraConsentita(const TabellaProgetti& mantieni) {
    if (!ProgettoValido(NumeroProgetti)) return true;
    const int n = NonSalvati(mantieni);
    if (n == 0) return true;
    const int risposta =
        MsgBox(Riga(Messaggi, n == 1 ? MSG_CHIUDERE_MODIFICATO : MSG_CHIUDERE_MODIFICATI),
               vbYesNoCancel + vbQuestion);
    if (risposta == vbNo) return true;
    if (risposta != vbYes) return false;
    SalvaCome(MOD_PROGETTO);
    return NonSalvati(mantieni) == 0;
}

bool ProgettiLasciati(int16_t da) {
    return ChiusuraConsentita(TenutiSotto(da));
}

bool PassoApertura() {
    const TabellaProgetti mantieni = TenutiSotto(NumeroProgetti);
    if (ProgettoValido(NumeroProgetti) && NonSalvati(mantieni) > 0)
        return ChiusuraConsentita(mantieni);
    PassoSalvataggio();
    return true;
}

bool ChiudiUltimoProgetto() {
    if (NumeroProgetti < 2 || NumeroProgetti > MAX_PROGETTI) return false;
    if (!ProgettiLasciati(NumeroProgetti)) return false;
    Progetti[NumeroProgetti].UltimoElemento = 0;
    Progetti[NumeroProgetti].NumeroGiunzioniProgetto = 0;
    NumeroProgetti = ProgettoSelezionato = static_cast<int16_t>(NumeroProgetti - 1);
    AggiornaTitoli();
    return true;
}

void AggiornaTitoli() {
    Chiama(Ganci.TitoloFrmMenu);
    Chiama(Ganci.TitoloInsGeo);
    Chiama(Ganci.TitoloCurve01);
}

bool SalvaCome(int tipo) {
    if (!TipoValido(tipo) || !ProgettoValido(NumeroProgetti)) return false;
    if (NumeroProgetti != 1) {
        Chiama(Ganci.MostraFrmSalvaTipo, static_cast<int16_t>(tipo));
        return false;
    }
    // The writer keeps the name as the project's file only once the file is written, so a
    // failed save leaves the project unnamed as it was.
    return SalvaFileTipo(tipo, PercorsoProgettoUnico(TipoDiFile(tipo)), 1);
}

namespace {

// A project named in a question: its number, as the save dialogs' rows give it, and the name it
// goes by when it has one, so that two projects of one name are told apart.
std::string ProgettoNellaDomanda(int q) {
    const std::string numero = NumeroProgetto(q), nome = EtichettaProgetto(q);
    return nome == numero ? numero : numero + " (" + nome + ")";
}

} // namespace

bool SalvaFileTipo(int tipo, const std::string& percorso, int16_t p) {
    const auto& salva = GancioSalva(tipo);
    if (!salva) return false;
    const TipoFile& t = TipoDiFile(tipo);
    // Other held projects that name the file (a compare copied the name) are named in the
    // question, and once it is written no longer match it.
    const std::vector<int> altri = AltriProgettiDelFile(t, p, percorso);
    std::string domanda = TestoConPercorso(Riga(Messaggi, MSG_SOSTITUIRE), percorso);
    if (!altri.empty()) {
        domanda = InUtf8(Riga(Messaggi, MSG_FILE_DI_ALTRO));
        for (size_t k = 0; k < altri.size(); ++k)
            domanda += (k ? ", " : " ") + ProgettoNellaDomanda(altri[k]);
        domanda += "\n" + percorso + "\n" + InUtf8(Riga(Messaggi, MSG_SOSTITUIRE_ALTRO));
    }
    if (FileAltrui(t, p, percorso) &&
        MsgBox(domanda, vbYesNo + vbQuestion + vbDefaultButton2 + TESTO_UTF8) != vbYes)
        return false;
    if (!salva(percorso, p)) return false;
    for (int q : altri) FileNonPiuProprio(t, q);
    return true;
}

void PassoSalvataggioTipo(int16_t tipo, bool chiedi) {
    if (!TipoValido(tipo)) return;
    if (chiedi && !Vero(ChiediSalvataggio(Riga(Messaggi, MSG_SALVARE), tipo))) return;
    SalvaCome(tipo);
}

void ComandoFileComponente(int16_t tipo, int Index, const std::function<void()>& editor) {
    if (Index == 1) PassoSalvataggioTipo(tipo, true);
    if (Index == 3) PassoSalvataggioLettura(tipo);
    if (Index == 1) Chiama(editor);
    if (Index == 3) Chiama(GancioApri(tipo));
    if (Index == 4) ConfrontaComponente(tipo);
    if (Index == 5) SalvaCome(tipo);
}

void PassoSalvataggioLettura(int16_t tipo) {
    if (!TipoValido(tipo)) return;
    const TipoFile& t = TipoDiFile(tipo);
    const auto daSalvare = [&t](int k) {
        if (!Sostituisce(t, k)) return false;
        for (int p = 1; p <= NumeroProgetti && p <= MAX_PROGETTI; ++p)
            if (Vero(Progetti[p].ModificatoFile[size_t(k)])) return true;
        return false;
    };
    int primo = MOD_PROGETTO;
    while (primo <= MOD_TAMPONE && !daSalvare(primo)) ++primo;
    if (primo > MOD_TAMPONE) return;
    if (!Vero(ChiediSalvataggio(Riga(Messaggi, MSG_SALVARE), static_cast<int16_t>(primo)))) return;
    // A whole project saved first leaves no kind to save after it.
    for (int k = primo; k <= MOD_TAMPONE; ++k)
        if (daSalvare(k)) SalvaCome(k);
}

// ---- compare runs --------------------------------------------------------------------------

void ConfrontaProgetti() {
    if (!SlotLibero()) return;
    // Slot 1 is read over only while its project holds nothing entered.
    const int16_t primo = PrimoSlotConfronto(ProgettoInserito);
    if (!ProgettiLasciati(primo)) return;
    CaricatoProgetto = CaricatoSchema = FALSO;
    CicloConfronto(primo, false, [] {
        CaricatoProgetto = FALSO;
        Chiama(Ganci.ApriProgetto);
        return Vero(CaricatoProgetto);
    });
    AggiornaTitoli();
}

void ConfrontaSchemi() {
    ConfrontaComponente(MOD_SCHEMA);
}

void ConfrontaComponente(int16_t tipo) {
    if (tipo < MOD_SCHEMA || tipo > MOD_TAMPONE || !SlotLibero()) return;
    const TipoConfronto& t = TIPI_CONFRONTO[static_cast<size_t>(tipo - MOD_SCHEMA)];
    int16_t& caricato = *TipoDiFile(tipo).caricato;
    const int16_t primo = PrimoSlotConfronto(t.presente);
    // A first file read into slot 1 replaces what that project holds of the kinds it brings.
    if (primo == 1) PassoSalvataggioLettura(tipo);
    caricato = FALSO;
    CicloConfronto(primo, tipo != MOD_SCHEMA, [&t, &caricato, tipo] {
        caricato = FALSO;
        Chiama(GancioApri(tipo));
        if (!Vero(caricato)) return false;
        t.dopoCaricamento();
        return true;
    });
    // The start screen shows the projects the run left.
    Chiama(Ganci.AttivaFrmMenu);
    AggiornaTitoli();
}

bool AggiungiProgettoNuovo() {
    if (!SlotLibero() || !Ganci.AggiungiProgetto) return false;
    const int16_t da = NumeroProgetti;
    const auto a = static_cast<int16_t>(da + 1);
    Progetti[a] = ProgettoVuoto();
    Ganci.AggiungiProgetto(da, a);
    NumeroProgetti = ProgettoSelezionato = a;
    AggiornaTitoli();
    return true;
}

void RisolviProgetto(int16_t q, bool avvisa) {
    if (!ProgettoValido(q) || !Vero(Progetti[q].GeometriaInserita)) return;
    Progetto& p = Progetti[q];
    // The solver takes its inputs from the project it is given, whichever slot that is.
    SulProgetto(q, RisolviCinematica);
    // The rest length of this geometry is known now. The components are judged against it as
    // they are when entered after the geometry, whatever came first; a verdict that changes
    // brings the static curve and the results in line with it.
    const int16_t molla = p.MollaCompatibile, ammortizzatore = p.AmmortizzatoreCompatibile;
    AggiornaCompatibilita(p);
    if (p.MollaCompatibile != molla) {
        const int16_t selezionato = ProgettoSelezionato;
        ProgettoSelezionato = q;
        CalcolaDatiStaticiAmmortizzatore();
        ProgettoSelezionato = selezionato;
    }
    if (p.MollaCompatibile != molla || p.AmmortizzatoreCompatibile != ammortizzatore)
        SulProgetto(q, RisolviCinematica);
    // A shock absorber read from its file before this geometry is told not to fit now, as its
    // reader tells it when the geometry comes first.
    bool detto = false;
    if (Vero(p.AmmortizzatoreDaGiudicare)) {
        p.AmmortizzatoreDaGiudicare = FALSO;
        detto = Vero(p.AmmortizzatoreInserito) && p.AmmortizzatoreCompatibile != 1;
        if (detto) MsgBox(Riga(Messaggi, MSG_AMMORTIZZATORE_NON_ENTRA), vbInformation);
    }
    // A shock absorber longer than the linkage leaves no results: its misfit, just told, is the
    // one word the user gets.
    if (avvisa && !detto) SulProgetto(q, [] { VerificaCalcolo(); });
    Chiama(Ganci.AggiornaCurve01);
}

void RegistraComandi() {
    Ganci.GestisciMenuGuida = [](int Index, MAIN& form) { GestisciMenuGuida(Index, form); };
    Ganci.NuovoProgettoGrafici = [] { PreparaNuovoProgetto(); };
}

} // namespace kelvra
