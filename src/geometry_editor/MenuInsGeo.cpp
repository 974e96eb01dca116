// The geometry editor's menu commands that open the other windows: graphs, tables, results,
// preload and the component editors, and the commands that open, compare and save geometry
// and component files. They act on the editor's project.
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Salvataggio.h"
#include "core/Seams.h"
#include "geometry_editor/InsGeo01.h"
#include "shell/Comandi.h"
#include "shell/Ganci.h"
#include "shell/Main.h"

namespace kelvra {

namespace {

void Chiama(const std::function<void()>& gancio) {
    if (gancio) gancio();
}

// The component commands act on the editor's project, the newest one.
void SelezionaProgettoEditor() {
    if (ProgettoValido(NumeroProgetti)) ProgettoSelezionato = NumeroProgetti;
}

// ---- geometry and component files -------------------------------------------------------

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
    // Compare: does project 1 already hold this kind?
    bool (*presente)(const Progetto&);
};

const TipoFile SCHEMA{MOD_SCHEMA,
                      18,
                      ".kv3",
                      &Progetto::NomeFileSchema,
                      &GanciShell::SalvaSchema,
                      &GanciShell::ApriSchema,
                      &CaricatoSchema,
                      [](const Progetto& p) { return p.UltimoElemento != 0; }};
const TipoFile AMMORTIZZATORE{MOD_AMMORTIZZATORE,
                              15,
                              ".kva",
                              &Progetto::NomeFileAmmortizzatore,
                              &GanciShell::SalvaAmmortizzatore,
                              &GanciShell::ApriAmmortizzatore,
                              &CaricatoAmmortizzatore,
                              [](const Progetto& p) { return Vero(p.AmmortizzatoreInserito); }};
const TipoFile MOLLA{MOD_MOLLA,
                     4,
                     ".kvr",
                     &Progetto::NomeFileMolla,
                     &GanciShell::SalvaMolla,
                     &GanciShell::ApriMolla,
                     &CaricatoMolla,
                     [](const Progetto& p) { return Vero(p.MollaInserita); }};
const TipoFile TAMPONE{MOD_TAMPONE,
                       20,
                       ".kvt",
                       &Progetto::NomeFileTampone,
                       &GanciShell::SalvaTampone,
                       &GanciShell::ApriTampone,
                       &CaricatoTampone,
                       [](const Progetto& p) { return Vero(p.TamponeInserito); }};

// Save as: the newest project under its file name, or the default name in the program folder
// when it has none; with several projects the kind's save dialog, when there is one.
void SalvaCome(const TipoFile& t) {
    const int16_t n = NumeroProgetti;
    if (!ProgettoValido(n)) return;
    if (n > 1 && Ganci.MostraFrmSalvaTipo) {
        Ganci.MostraFrmSalvaTipo(t.tipo);
        return;
    }
    std::string nome = Progetti[size_t(n)].*t.nome;
    if (nome.empty())
        nome = PercorsoApplicazione + Riga(TestiInsGeo01, t.rigaParola) + " 01" + t.estensione;
    if (const Scrittore& salva = Ganci.*t.salva) salva(nome, n);
}

// Before data of the kind is replaced: save the changes first when the user wants to.
void PassoSalvataggioTipo(const TipoFile& t) {
    if (Vero(ChiediSalvataggio(Riga(Messaggi, 18), t.tipo))) SalvaCome(t);
}

void Apri(const TipoFile& t) {
    PassoSalvataggioTipo(t);
    Chiama(Ganci.*t.apri);
}

// Loads files of the kind into the next slots, one at a time, until the user stops, a load
// fails or six projects are held. A failed step gives back the project count it found and the
// slot selected before the compare; the projects loaded before it stay.
void Confronta(const TipoFile& t, bool copia) {
    const int16_t selezionatoPrima = ProgettoSelezionato;
    EsitoConfronto = FALSO;
    *t.caricato = FALSO;
    int16_t n = NumeroProgetti;
    if (!t.presente(Progetti[1])) n = 0;
    while (n < MAX_PROGETTI) {
        const int16_t numeroPrima = NumeroProgetti;
        // The next slot starts as a copy of the current project, ready for the solver.
        if (copia && n >= 1 && Vero(Progetti[1].GeometriaInserita) && Ganci.CopiaProgetto)
            Ganci.CopiaProgetto(n, static_cast<int16_t>(n + 1));
        ++n;
        NumeroProgetti = ProgettoSelezionato = n;
        *t.caricato = FALSO;
        Chiama(Ganci.*t.apri);
        if (!Vero(*t.caricato)) {
            NumeroProgetti = numeroPrima;
            ProgettoSelezionato = selezionatoPrima;
            return;
        }
        EsitoConfronto = VERO;
        if (ProgettoSelezionato >= MAX_PROGETTI) return;
        if (MsgBox(Riga(Messaggi, 14), vbYesNo + vbQuestion) != vbYes) return;
    }
}

// Items 1 enter data (after the save question), 3 open, 4 compare and 5 save as of a
// component menu.
void ComandoComponente(const TipoFile& t, int indice, const std::function<void()>& editor) {
    if (indice == 1) {
        PassoSalvataggioTipo(t);
        Chiama(editor);
    }
    if (indice == 3) Apri(t);
    if (indice == 4) Confronta(t, true);
    if (indice == 5) SalvaCome(t);
}

// ---- whole-project files (File menu) --------------------------------------------------

// Compare: loads further project files beside the ones held, into slot 1 when project 1 has
// no chain yet, else into the next slots, until the user stops, a load fails or six are held.
void ConfrontaProgetti() {
    const int16_t selezionatoPrima = ProgettoSelezionato;
    int16_t numeroRiuscito = NumeroProgetti;
    EsitoConfronto = FALSO;
    CaricatoSchema = FALSO;
    int16_t slot = Progetti[1].UltimoElemento == 0 ? int16_t{1} : int16_t(NumeroProgetti + 1);
    while (ProgettoValido(slot)) {
        NumeroProgetti = ProgettoSelezionato = slot;
        Chiama(Ganci.ApriProgetto);
        if (!Vero(CaricatoProgetto)) {
            NumeroProgetti = numeroRiuscito;
            ProgettoSelezionato = selezionatoPrima;
            return;
        }
        numeroRiuscito = NumeroProgetti;
        EsitoConfronto = VERO;
        if (ProgettoSelezionato >= MAX_PROGETTI) return;
        if (MsgBox(Riga(Messaggi, 14), vbYesNo + vbQuestion) != vbYes) return;
        slot = static_cast<int16_t>(NumeroProgetti + 1);
    }
}

// Save as: several projects go through the project save dialog; one project is written under
// its name, or the default name in the program folder when it has none.
void SalvaProgettoCome() {
    const int16_t n = NumeroProgetti;
    if (!ProgettoValido(n)) return;
    if (n != 1) {
        if (Ganci.MostraFrmSalva01 && MAIN::Istanza()) Ganci.MostraFrmSalva01(*MAIN::Istanza());
        return;
    }
    std::string nome = Progetti[1].NomeFileProgetto;
    if (nome.empty()) nome = PercorsoApplicazione + Riga(TestiCommon, 12) + " 01" + ".kvp";
    if (Ganci.SalvaProgetto) Ganci.SalvaProgetto(nome, n);
}

// The File menu's project items: 2 open (after the save question), 3 compare, 6 save as.
void FileProgettoItem_Click(int indice) {
    if (indice == 2) {
        kelvra::PassoSalvataggio();
        Chiama(Ganci.ApriProgetto);
    }
    if (indice == 3) ConfrontaProgetti();
    if (indice == 6) SalvaProgettoCome();
}

} // namespace

void INSGEO01::SchemaItem_Click(int Index) {
    if (Index == 4) Apri(SCHEMA);
    if (Index == 5) Confronta(SCHEMA, false);
    if (Index == 6) SalvaCome(SCHEMA);
}

void INSGEO01::CollegaMenuComandi() {
    struct Voce {
        std::map<int, QAction*>* mappa;
        void (INSGEO01::*gestore)(int);
    };
    const Voce voci[] = {{&GraficiItem, &INSGEO01::GraficiItem_Click},
                         {&TabelleItem, &INSGEO01::TabelleItem_Click},
                         {&RisultatiItem, &INSGEO01::RisultatiItem_Click},
                         {&PrecaricoItem, &INSGEO01::PrecaricoItem_Click},
                         {&AmmortizzatoreItem, &INSGEO01::AmmortizzatoreItem_Click},
                         {&MollaItem, &INSGEO01::MollaItem_Click},
                         {&TamponeItem, &INSGEO01::TamponeItem_Click}};
    for (const Voce& v : voci) {
        for (auto& [indice, azione] : *v.mappa) {
            const int k = indice;
            const auto gestore = v.gestore;
            connect(azione, &QAction::triggered, this, [this, k, gestore] { (this->*gestore)(k); });
        }
    }
    for (const int k : {2, 3, 6}) {
        if (auto voce = FileItem.find(k); voce != FileItem.end())
            connect(voce->second, &QAction::triggered, this, [k] { FileProgettoItem_Click(k); });
    }
    // The Schema menu's file items: open, compare, save as.
    for (const int k : {4, 5, 6}) {
        if (auto voce = SchemaItem.find(k); voce != SchemaItem.end())
            connect(voce->second, &QAction::triggered, this, [this, k] { SchemaItem_Click(k); });
    }
}

void INSGEO01::GraficiItem_Click(int Index) {
    MostraGrafici(Index);
}
void INSGEO01::TabelleItem_Click(int Index) {
    MostraTabelle(Index);
}
void INSGEO01::RisultatiItem_Click(int Index) {
    MostraRiassunto(Index);
}
void INSGEO01::PrecaricoItem_Click(int Index) {
    MostraPrecarico(Index);
}

void INSGEO01::AmmortizzatoreItem_Click(int Index) {
    SelezionaProgettoEditor();
    if (Index == 7) Chiama(Ganci.MostraFrmAcq);
    ComandoComponente(AMMORTIZZATORE, Index, Ganci.MostraInsAmmortizzatore);
}

void INSGEO01::MollaItem_Click(int Index) {
    SelezionaProgettoEditor();
    ComandoComponente(MOLLA, Index, Ganci.MostraInsMolla);
}

void INSGEO01::TamponeItem_Click(int Index) {
    SelezionaProgettoEditor();
    ComandoComponente(TAMPONE, Index, Ganci.MostraInsTampone);
}

} // namespace kelvra
