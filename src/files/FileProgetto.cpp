#include "files/FileProgetto.h"

#include "core/Cinematica.h"
#include "core/DatiStatici.h"
#include "core/FileDisco.h"
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Seams.h"
#include "core/TipiFile.h"
#include "files/Assegna.h"
#include "files/FinestraFile.h"
#include "files/Integrita.h"
#include "files/Record.h"
#include "files/Slot.h"
#include "platform/Dialoghi.h"
#include "platform/Messaggi.h"
#include "shell/Comandi.h"
#include "shell/Ganci.h"

#include <initializer_list>

namespace kelvra {

namespace {

constexpr int MSG_NESSUN_FILE = 38; // no file chosen, or it does not exist
constexpr int MSG_FILE_ILLEGGIBILE = 64;
constexpr int MSG_FILE_NON_SCRITTO = 65;

// The open dialog of a file kind: its filter and title, and the program folder for a kind
// that starts there.
std::string ChiediFile(const TipoFile& t) {
    RichiestaFile richiesta;
    richiesta.filtro = FiltroApri(t);
    richiesta.titolo = TitoloApri(t);
    if (t.apriNellaCartella) richiesta.cartella = PercorsoApplicazione;
    return DialogoApriFile(richiesta);
}

// The record of a named file; false after the critical message.
template <class R> bool LeggiRecord(const std::string& nome, size_t lunghezza, R& r) {
    // A longer file is read as far as a record of its kind can reach; the rest is ignored.
    std::string dati;
    const EsitoLettura esito = LeggiFileRegolare(nome, lunghezza + files::MARGINE_LETTURA, dati);
    if (esito != EsitoLettura::Riuscita && esito != EsitoLettura::TroppoGrande) {
        MsgBox(Riga(Messaggi, MSG_NESSUN_FILE), vbCritical);
        return false;
    }
    // A record nothing of ours could have written is refused whole, before any field lands.
    if (!files::Decodifica(dati, r) || !files::RecordIntegro(r)) {
        MsgBox(Riga(Messaggi, MSG_FILE_ILLEGGIBILE), vbCritical);
        return false;
    }
    return true;
}

bool ScriviRecord(const std::string& nome, const std::string& dati) {
    if (ScriviFileAtomico(nome, dati)) return true;
    MsgBox(Riga(Messaggi, MSG_FILE_NON_SCRITTO), vbCritical);
    return false;
}

void MostraAvvisi(const files::Avvisi& avvisi) {
    for (const files::Avviso& a : avvisi) MsgBox(Riga(*a.sezione, a.riga), vbInformation);
}

void Salvato(int16_t p, std::initializer_list<TipoModifica> tipi) {
    for (TipoModifica t : tipi) Progetti[size_t(p)].ModificatoFile[t] = FALSO;
    AggiornaModificatoProgetto(p);
}

// The geometry editor shows slot NumeroProgetti again; when its check accepts the linkage the
// solver runs on it and the results are shown, a project left without any said so when
// `avvisa`. True when the solver ran.
bool AggiornaGeometria(bool avvisa = true) {
    Chiama(Ganci.AttivaInsGeo);
    if (!Ganci.ControlloVariabiliInsGeo || !Ganci.ControlloVariabiliInsGeo()) return false;
    RisolviProgetto(NumeroProgetti, avvisa);
    Chiama(Ganci.AttivaInsGeo);
    return true;
}

// The frame of the component readers: dialog, read, load and checks, editor.
template <class R>
void ApriComponente(const TipoFile& t, size_t lunghezza, files::Avvisi (*carica)(R, int16_t),
                    const std::function<void()>& editor) {
    const int16_t p = ProgettoSelezionato;
    if (!ProgettoValido(p)) return;
    const std::string nome = ChiediFile(t);
    if (nome.empty()) return;
    R r;
    if (!LeggiRecord(nome, lunghezza, r)) return;
    files::Avvisi avvisi;
    {
        CursoreAttesa attesa;
        avvisi = carica(std::move(r), p);
        Progetti[size_t(p)].*t.percorso = nome;
        Progetti[size_t(p)].NomeConfigurazione = nome;
        // What the file brought in is as saved; its save step asked about each kind first.
        for (int k = MOD_SCHEMA; k <= MOD_TAMPONE; ++k)
            if (Sostituisce(t, k)) Progetti[size_t(p)].ModificatoFile[size_t(k)] = FALSO;
        AggiornaModificatoProgetto(p);
    }
    MostraAvvisi(avvisi);
    *t.caricato = VERO;
    // The results follow the component now held, whatever the user does in its editor.
    RisolviProgetto(p);
    Chiama(editor);
}

template <class R>
bool SalvaComponente(const std::string& nome, int16_t p, R (*record)(int16_t),
                     std::string Progetto::*percorso, TipoModifica tipo) {
    if (!ProgettoValido(p)) return false;
    if (!ScriviRecord(nome, files::Codifica(record(p)))) return false;
    Progetti[size_t(p)].*percorso = nome;
    Salvato(p, {tipo});
    return true;
}

} // namespace

void ApriSchema(int16_t& annullato) {
    const std::string nome = ChiediFile(TipoDiFile(MOD_SCHEMA));
    annullato = VERO;
    CaricatoSchema = FALSO;
    const int16_t n = NumeroProgetti;
    if (nome.empty() || !ProgettoValido(n)) return;
    files::RecordSchema r;
    if (!LeggiRecord(nome, files::LUNGHEZZA_SCHEMA, r)) return;
    CursoreAttesa attesa;
    Progetti[size_t(n)].NomeFileSchema = nome;
    Progetti[size_t(n)].NomeConfigurazione = nome;
    files::CaricaSchema(r, n);
    annullato = FALSO;
    CaricatoSchema = VERO;
    AggiornaGeometria();
    Salvato(n, {MOD_SCHEMA});
}

bool SalvaSchema(const std::string& nome, int16_t p) {
    return SalvaComponente(nome, p, &files::RecordSchemaDa, &Progetto::NomeFileSchema, MOD_SCHEMA);
}

void ApriProgetto() {
    CaricatoProgetto = FALSO;
    const std::string nome = ChiediFile(TipoDiFile(MOD_PROGETTO));
    const int16_t n = NumeroProgetti;
    if (nome.empty() || !ProgettoValido(n)) return;
    files::RecordProgetto r;
    if (!LeggiRecord(nome, files::LUNGHEZZA_PROGETTO, r)) return;
    // The whole project goes into one slot, the one both project numbers designate.
    ProgettoSelezionato = n;
    bool senzaAmmortizzatore = false;
    MostraAvvisi(files::ControllaProgetto(r, senzaAmmortizzatore));
    CursoreAttesa attesa;
    Progetto& pr = Progetti[size_t(n)];
    pr.NomeFileProgetto = nome;
    pr.NomeConfigurazione = nome;
    files::CaricaProgetto(r, n);
    CaricatoProgetto = VERO;
    // The static step, and the judgement of the components against the geometry when it is
    // solved, keep the fitted preload the file holds, so that the project opens as it was saved
    // (an older file does not say whether the preload window set it).
    const int16_t impostato = pr.PrecaricoImpostato;
    pr.PrecaricoImpostato = VERO;
    CalcolaDatiStaticiAmmortizzatore();
    if (Vero(pr.GeometriaInserita) && senzaAmmortizzatore) pr.AmmortizzatoreCompatibile = 0;
    const bool risolto = Vero(pr.GeometriaInserita) && AggiornaGeometria(false);
    if (!Vero(pr.GeometriaInserita)) Chiama(Ganci.AttivaInsGeo);
    pr.PrecaricoImpostato = impostato;
    // A shock absorber that does not fit its geometry leaves the project without results; its
    // misfit alone tells the user so.
    const files::Avvisi disaccordo = files::ControllaCompatibilita(n);
    MostraAvvisi(disaccordo);
    if (risolto && disaccordo.empty()) VerificaCalcolo();
    if (Vero(pr.AmmortizzatoreInserito)) Chiama(Ganci.AttivaInsAmmortizzatore);
    if (Vero(pr.MollaInserita)) Chiama(Ganci.AttivaInsMolla);
    if (Vero(pr.TamponeInserito)) Chiama(Ganci.AttivaInsTampone);
    Salvato(n, {MOD_PROGETTO, MOD_SCHEMA, MOD_AMMORTIZZATORE, MOD_MOLLA, MOD_TAMPONE});
}

bool SalvaProgetto(const std::string& nome, int16_t p) {
    if (!ProgettoValido(p)) return false;
    if (!ScriviRecord(nome, files::Codifica(files::RecordProgettoDa(p)))) return false;
    Progetti[size_t(p)].NomeFileProgetto = nome;
    Salvato(p, {MOD_PROGETTO, MOD_SCHEMA, MOD_AMMORTIZZATORE, MOD_MOLLA, MOD_TAMPONE});
    return true;
}

void ApriAmmortizzatore() {
    ApriComponente(TipoDiFile(MOD_AMMORTIZZATORE), files::LUNGHEZZA_AMMORTIZZATORE,
                   &files::CaricaAmmortizzatore, Ganci.MostraInsAmmortizzatore);
}

void ApriMolla() {
    ApriComponente(TipoDiFile(MOD_MOLLA), files::LUNGHEZZA_MOLLA, &files::CaricaMolla,
                   Ganci.MostraInsMolla);
}

void ApriTampone() {
    ApriComponente(TipoDiFile(MOD_TAMPONE), files::LUNGHEZZA_TAMPONE, &files::CaricaTampone,
                   Ganci.MostraInsTampone);
}

bool SalvaAmmortizzatore(const std::string& nome, int16_t p) {
    return SalvaComponente(nome, p, &files::RecordAmmortizzatoreDa,
                           &Progetto::NomeFileAmmortizzatore, MOD_AMMORTIZZATORE);
}

bool SalvaMolla(const std::string& nome, int16_t p) {
    return SalvaComponente(nome, p, &files::RecordMollaDa, &Progetto::NomeFileMolla, MOD_MOLLA);
}

bool SalvaTampone(const std::string& nome, int16_t p) {
    return SalvaComponente(nome, p, &files::RecordTamponeDa, &Progetto::NomeFileTampone,
                           MOD_TAMPONE);
}

void ImpostaStampante() {
    DialogoImpostaStampante();
}

} // namespace kelvra
