#include "files/Scelte.h"

#include "core/Lingua.h"
#include "files/TipiFile.h"
#include "platform/Convenzioni.h"
#include "platform/Testo.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QVBoxLayout>
#include <initializer_list>

namespace kelvra {

namespace {

constexpr int HINT_FINESTRA = 62, HINT_CHIUDI = 56, HINT_OK_SAVE = 64, HINT_OK_OPEN = 65,
              HINT_TUTTI = 63;
// The lines of the options' captions, geometry .. bump stop.
constexpr std::array<int, 4> RIGHE_OPZIONI = {21, 15, 4, 20};
constexpr int RIGA_PROGETTO = 25;

// The options in a frame above a row of buttons.
template <size_t N, class Opzione>
void Disponi(QWidget* finestra, std::array<Opzione*, N>& opzioni,
             std::initializer_list<QPushButton**> pulsanti) {
    auto* principale = new QVBoxLayout(finestra);
    auto* cornice = new QGroupBox(finestra);
    auto* colonna = new QVBoxLayout(cornice);
    for (Opzione*& o : opzioni) {
        o = new Opzione(cornice);
        colonna->addWidget(o);
    }
    principale->addWidget(cornice);
    auto* riga = new QHBoxLayout;
    riga->addStretch();
    for (QPushButton** p : pulsanti) {
        *p = new QPushButton(finestra);
        riga->addWidget(*p);
    }
    principale->addLayout(riga);
}

template <size_t N, class Opzione>
void TitoliOpzioni(QWidget* finestra, std::array<Opzione*, N>& opzioni) {
    finestra->setWindowTitle(DaAnsi(Riga(TestiCommon, 16)));
    for (size_t k = 0; k < RIGHE_OPZIONI.size(); ++k)
        opzioni[k]->setText(DaAnsi(Riga(TestiInsGeo01, RIGHE_OPZIONI[k])));
}

} // namespace

SceltaOpen::SceltaOpen(QWidget* genitore) : FinestraFile(genitore) {
    setObjectName(QStringLiteral("SceltaOpen"));
    Disponi(this, ChkOption, {&CmdOK, &CmdChiudi});
    // Radio buttons of one frame exclude each other; the whole project is the usual choice.
    ChkOption[4]->setChecked(true);
    FuocoIniziale({ChkOption[4]}, CmdOK); // the keyboard starts on the kind ticked
    connect(CmdOK, &QPushButton::clicked, this, &SceltaOpen::CmdOK_Click);
    connect(CmdChiudi, &QPushButton::clicked, this, &SceltaOpen::CmdChiudi_Click);
    EscPreme(this, CmdChiudi);
    CmdOK->setDefault(true);
    Suggerimento(this, HINT_FINESTRA);
    Suggerimento(CmdOK, HINT_OK_OPEN);
    Suggerimento(CmdChiudi, HINT_CHIUDI);
    Form_Load();
}

void SceltaOpen::Form_Load() {
    TitoliOpzioni(this, ChkOption);
    ChkOption[4]->setText(DaAnsi(Riga(TestiInsGeo01, RIGA_PROGETTO)).toUpper());
    CmdOK->setText(ConTasto(Riga(TestiCommon, 0)));
    CmdChiudi->setText(ConTasto(Riga(TestiCommon, 1)));
}

void SceltaOpen::CmdOK_Click() {
    close();
    for (size_t k = 0; k < ChkOption.size(); ++k)
        if (ChkOption[k]->isChecked()) files::ApriScelta(int(k));
}

SceltaSave::SceltaSave(QWidget* genitore) : FinestraFile(genitore) {
    setObjectName(QStringLiteral("SceltaSave"));
    Disponi(this, ChkOption, {&CmdOK, &CmdSelectAll, &CmdChiudi});
    connect(CmdOK, &QPushButton::clicked, this, &SceltaSave::CmdOK_Click);
    connect(CmdSelectAll, &QPushButton::clicked, this, &SceltaSave::CmdSelectAll_Click);
    connect(CmdChiudi, &QPushButton::clicked, this, &SceltaSave::CmdChiudi_Click);
    EscPreme(this, CmdChiudi);
    CmdOK->setDefault(true);
    Suggerimento(this, HINT_FINESTRA);
    Suggerimento(CmdOK, HINT_OK_SAVE);
    Suggerimento(CmdSelectAll, HINT_TUTTI);
    Suggerimento(CmdChiudi, HINT_CHIUDI);
    Form_Load();
}

void SceltaSave::Form_Load() {
    TitoliOpzioni(this, ChkOption);
    CmdOK->setText(ConTasto(Riga(TestiCommon, 0)));
    CmdSelectAll->setText(ConTasto(Riga(TestiInsGeo01, 22)));
    CmdChiudi->setText(ConTasto(Riga(TestiCommon, 1)));
}

void SceltaSave::Form_Activate() {
    const std::array<bool, 4> salvabili = files::OpzioniSalvabili();
    for (size_t k = 0; k < ChkOption.size(); ++k) {
        ChkOption[k]->setEnabled(salvabili[k]);
        ChkOption[k]->setChecked(salvabili[k]);
    }
    FuocoIniziale({ChkOption.begin(), ChkOption.end()}, CmdChiudi);
}

void SceltaSave::CmdSelectAll_Click() {
    for (QCheckBox* o : ChkOption)
        if (o->isEnabled()) o->setChecked(true);
}

void SceltaSave::CmdOK_Click() {
    std::array<bool, 4> scelte{};
    for (size_t k = 0; k < ChkOption.size(); ++k)
        scelte[k] = ChkOption[k]->isEnabled() && ChkOption[k]->isChecked();
    close();
    files::SalvaScelte(scelte);
}

} // namespace kelvra
