#include "files/FrmSalva.h"

#include "core/Impostazioni.h"
#include "core/Seams.h"
#include "core/Servizi.h"
#include "platform/Convenzioni.h"
#include "platform/SuperficieQt.h"
#include "platform/Testo.h"
#include "shell/Comandi.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPalette>
#include <QVBoxLayout>
#include <string>
#include <vector>

namespace kelvra {

namespace {

constexpr int HINT_FINESTRA = 58, HINT_CHK = 59, HINT_TXT = 60, HINT_SALVA = 61, HINT_CHIUDI = 56;
constexpr long NERO = 0;

} // namespace

FrmSalva::FrmSalva(int tipo, QWidget* genitore) : FinestraFile(genitore), tipo_(TipoDiFile(tipo)) {
    setObjectName(QStringLiteral("FrmSalva0%1").arg(tipo_.tipo + 1));
    auto* principale = new QVBoxLayout(this);
    auto* griglia = new QGridLayout;
    for (int i = 1; i <= MAX_PROGETTI; ++i) {
        QCheckBox*& chk = ChkSave[size_t(i)];
        QLineEdit*& txt = TxtSalva[size_t(i)];
        chk = new QCheckBox(QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')), this);
        txt = new QLineEdit(this);
        txt->setMinimumWidth(txt->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
        griglia->addWidget(chk, i - 1, 0);
        griglia->addWidget(txt, i - 1, 1);
        connect(chk, &QCheckBox::toggled, this, [this, i] { ChkSave_Click(i); });
        Suggerimento(chk, HINT_CHK);
        Suggerimento(txt, HINT_TXT);
    }
    principale->addLayout(griglia);
    auto* pulsanti = new QHBoxLayout;
    CmdSalva = new QPushButton(this);
    CmdChiudi = new QPushButton(this);
    pulsanti->addStretch();
    pulsanti->addWidget(CmdSalva);
    pulsanti->addWidget(CmdChiudi);
    principale->addLayout(pulsanti);
    connect(CmdSalva, &QPushButton::clicked, this, &FrmSalva::CmdSalva_Click);
    connect(CmdChiudi, &QPushButton::clicked, this, &FrmSalva::CmdChiudi_Click);
    EscPreme(this, CmdChiudi);
    InvioPredefinito(this, CmdSalva);
    Suggerimento(this, HINT_FINESTRA);
    Suggerimento(CmdSalva, HINT_SALVA);
    Suggerimento(CmdChiudi, HINT_CHIUDI);
    Form_Load();
}

void FrmSalva::Form_Load() {
    setWindowTitle(DaAnsi(TitoloSalva(tipo_)));
    CmdSalva->setText(ConTasto(Riga(TestiCommon, 7)));
    CmdChiudi->setText(ConTasto(Riga(TestiCommon, 1)));
}

// The project rows show the names in the chart's colours, on the chart's background, so that
// every curve colour reads; a disabled row and the free rows look as usual.
void FrmSalva::ColoraRiga(int i, long colore, bool progetto) {
    QLineEdit* txt = TxtSalva[size_t(i)];
    QPalette tavolozza = QApplication::palette(txt);
    for (const auto gruppo : {QPalette::Active, QPalette::Inactive}) {
        tavolozza.setColor(gruppo, QPalette::Text, ColoreQt(colore));
        if (progetto) tavolozza.setColor(gruppo, QPalette::Base, ColoreQt(ColoreSfondo));
    }
    txt->setPalette(tavolozza);
}

// A stored file's name as the file system spells it (UTF-8); the default name is language
// text, in the code page.
QString FrmSalva::TestoRiga(int i) const {
    const std::string& percorso = Progetti[size_t(i)].*tipo_.percorso;
    if (percorso.empty()) return DaAnsi(TestoPredefinito(tipo_, i));
    return QString::fromStdString(EstraiNomeFile(percorso));
}

void FrmSalva::Form_Activate() {
    righe_.fill(FALSO);
    for (int i = 1; i <= MAX_PROGETTI; ++i) {
        const bool offerta = files::RigaSalvabile(tipo_, i);
        QCheckBox* chk = ChkSave[size_t(i)];
        const QSignalBlocker blocco(chk);
        chk->setChecked(offerta);
        chk->setEnabled(offerta);
    }
    // Every row flag follows its box, whether the box changed or not.
    for (int i = 1; i <= MAX_PROGETTI; ++i) ChkSave_Click(i);
    for (int i = 1; i <= MAX_PROGETTI; ++i) {
        const bool tenuto = i <= NumeroProgetti;
        TxtSalva[size_t(i)]->setText(tenuto ? TestoRiga(i) : QString());
        ColoraRiga(i, tenuto ? ColoreCurva[size_t(i)] : NERO, tenuto);
    }
    // The name of the first row offered can be typed at once.
    FuocoIniziale({TxtSalva.begin() + 1, TxtSalva.end()}, CmdChiudi);
}

void FrmSalva::ChkSave_Click(int Index) {
    const bool spuntata = ChkSave[size_t(Index)]->isChecked();
    righe_[size_t(Index)] = spuntata ? VERO : FALSO;
    TxtSalva[size_t(Index)]->setEnabled(spuntata);
    if (spuntata) ColoraRiga(Index, ColoreCurva[size_t(Index)], true);
}

void FrmSalva::CmdSalva_Click() {
    std::vector<files::RigaSalvataggio> righe;
    for (int i = 1; i <= MAX_PROGETTI; ++i) {
        if (!Vero(righe_[size_t(i)])) continue;
        // The name as typed, in the file system's UTF-8: no letter is lost to the code page.
        const std::string testo = TxtSalva[size_t(i)]->text().trimmed().toStdString();
        if (testo.empty()) continue; // no file named by its extension alone
        righe.push_back({i, PercorsoDaTesto(tipo_, testo)});
    }
    // One file never holds two projects: a save that names a file twice writes nothing.
    if (const std::string doppi = files::TestoNomiDoppi(righe); !doppi.empty()) {
        MsgBox(doppi, vbExclamation + TESTO_UTF8);
        return;
    }
    for (const files::RigaSalvataggio& r : righe)
        SalvaFileTipo(tipo_.tipo, r.percorso, int16_t(r.riga));
}

} // namespace kelvra
