#include "shell/ComandiFrmMenu.h"

#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Salvataggio.h"
#include "core/Seams.h"
#include "shell/Comandi.h"
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
    // The editor the enter-data item opens (components only).
    std::function<void()> GanciShell::*editor;
};

const TipoFile SCHEMA{MOD_SCHEMA,
                      18,
                      ".kv3",
                      &Progetto::NomeFileSchema,
                      &GanciShell::SalvaSchema,
                      &GanciShell::ApriSchema,
                      nullptr};
const TipoFile AMMORTIZZATORE{MOD_AMMORTIZZATORE,
                              15,
                              ".kva",
                              &Progetto::NomeFileAmmortizzatore,
                              &GanciShell::SalvaAmmortizzatore,
                              &GanciShell::ApriAmmortizzatore,
                              &GanciShell::MostraInsAmmortizzatore};
const TipoFile MOLLA{MOD_MOLLA,
                     4,
                     ".kvr",
                     &Progetto::NomeFileMolla,
                     &GanciShell::SalvaMolla,
                     &GanciShell::ApriMolla,
                     &GanciShell::MostraInsMolla};
const TipoFile TAMPONE{MOD_TAMPONE,
                       20,
                       ".kvt",
                       &Progetto::NomeFileTampone,
                       &GanciShell::SalvaTampone,
                       &GanciShell::ApriTampone,
                       &GanciShell::MostraInsTampone};

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
        nome =
            PercorsoApplicazione + InUtf8(Riga(TestiInsGeo01, t.rigaParola) + " 01") + t.estensione;
    if (const Scrittore& salva = Ganci.*t.salva) salva(nome, n);
}

// Before data of the kind is replaced: its unsaved changes are saved when the user wants.
void PassoSalvataggioTipo(const TipoFile& t) {
    if (Vero(ChiediSalvataggio(Riga(Messaggi, 18), t.tipo))) SalvaCome(t);
}

void MostraEditoreGeometria() {
    if (MAIN* main = MAIN::Istanza(); main && Ganci.MostraInsGeo) Ganci.MostraInsGeo(*main, false);
}

void ComandoComponente(const TipoFile& t, int Index) {
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
        ConfrontaComponente(static_cast<int16_t>(t.tipo));
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
        ConfrontaSchemi();
        break;
    case 6:
        SalvaCome(SCHEMA);
        break;
    default:
        break;
    }
}

void ComandoAmmortizzatore(int Index, SchermataIniziale&) {
    if (Index == 7) Chiama(Ganci.MostraFrmAcq);
    ComandoComponente(AMMORTIZZATORE, Index);
}

void ComandoMolla(int Index, SchermataIniziale&) {
    ComandoComponente(MOLLA, Index);
}

void ComandoTampone(int Index, SchermataIniziale&) {
    ComandoComponente(TAMPONE, Index);
}

} // namespace kelvra
