#include "shell/AboutBox.h"

#include "core/Lingua.h"
#include "platform/Dialoghi.h"
#include "platform/Posizione.h"
#include "platform/Testo.h"
#include "shell/Avvio.h"
#include "shell/Main.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QSysInfo>
#include <QVBoxLayout>
#include <array>
#include <utility>

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace kelvra {

namespace {

QString TestoAbout(int riga) {
    return DaAnsi(Riga(TestiAboutBox, riga));
}

QFrame* Separatore(QWidget* genitore) {
    auto* linea = new QFrame(genitore);
    linea->setFrameShape(QFrame::HLine);
    linea->setFrameShadow(QFrame::Sunken);
    return linea;
}

} // namespace

std::string TestoVersione(int maggiore, int minore) {
    return Riga(TestiAboutBox, 2) + " " + std::to_string(maggiore) + "." + std::to_string(minore);
}

std::string TestoMemoria(uint64_t byte) {
    return std::to_string(byte / 1024) + " KB";
}

std::string TestoProcessore(const std::string& architettura) {
    // The numbers the desktop's system information gives for its processor families.
    static const std::array<std::pair<const char*, const char*>, 4> numeri{{
        {"x86_64", "8664"},
        {"i386", "586"},
        {"ia64", "2200"},
        {"arm64", "12"},
    }};
    for (const auto& [nome, numero] : numeri) {
        if (architettura == nome) return numero;
    }
    return architettura;
}

uint64_t MemoriaFisica() {
#ifdef _WIN32
    MEMORYSTATUSEX stato{};
    stato.dwLength = sizeof(stato);
    return GlobalMemoryStatusEx(&stato) ? static_cast<uint64_t>(stato.ullTotalPhys) : 0;
#else
    const long pagine = sysconf(_SC_PHYS_PAGES);
    const long dimensione = sysconf(_SC_PAGE_SIZE);
    if (pagine <= 0 || dimensione <= 0) return 0;
    return static_cast<uint64_t>(pagine) * static_cast<uint64_t>(dimensione);
#endif
}

FrmAboutBox::FrmAboutBox(QWidget* genitore) : QDialog(genitore) {
    setObjectName("FrmAboutBox");
    setWindowTitle(QStringLiteral("Informazioni"));
    Pic_ApplicationIcon = new QLabel(this);
    Pic_ApplicationIcon->setPixmap(IconaProgramma().pixmap(48, 48));
    Lbl_Program = new QLabel(this);
    QFont grande = Lbl_Program->font();
    grande.setPointSizeF(grande.pointSizeF() * 1.5);
    grande.setBold(true);
    Lbl_Program->setFont(grande);
    Lbl_Version = new QLabel(this);
    Lbl_InfoMode = new QLabel(this);
    Lbl_InfoModeValues = new QLabel(this);
    Lbl_InfoCoproc = new QLabel(this);
    Lbl_InfoCoprocValues = new QLabel(this);
    Lbl_InfoMemory = new QLabel(this);
    Lbl_InfoMemoryValues = new QLabel(this);
    Linea1 = Separatore(this);
    Linea2 = Separatore(this);
    Cmd_Ok = new QPushButton(this);
    Cmd_Ok->setDefault(true);

    auto* testa = new QGridLayout;
    testa->addWidget(Pic_ApplicationIcon, 0, 0, 2, 1);
    testa->addWidget(Lbl_Program, 0, 1);
    testa->addWidget(Lbl_Version, 1, 1);
    testa->setColumnStretch(1, 1);
    auto* info = new QGridLayout;
    const std::array<std::pair<QLabel*, QLabel*>, 3> righe{
        {{Lbl_InfoMode, Lbl_InfoModeValues},
         {Lbl_InfoCoproc, Lbl_InfoCoprocValues},
         {Lbl_InfoMemory, Lbl_InfoMemoryValues}}};
    for (int r = 0; r < 3; ++r) {
        info->addWidget(righe[static_cast<size_t>(r)].first, r, 0);
        info->addWidget(righe[static_cast<size_t>(r)].second, r, 1, Qt::AlignRight);
    }
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(testa);
    tutto->addWidget(Linea1);
    tutto->addLayout(info);
    tutto->addWidget(Linea2);
    tutto->addWidget(Cmd_Ok, 0, Qt::AlignRight);
    tutto->setSizeConstraint(QLayout::SetFixedSize);

    connect(Cmd_Ok, &QPushButton::clicked, this, [this] { Cmd_Ok_Click(); });
    Form_Load();
}

void FrmAboutBox::Form_Load() {
    setWindowTitle(TestoAbout(1));
    Lbl_Program->setText(QString::fromLatin1(TITOLO_PRODOTTO));
    Lbl_Version->setText(DaAnsi(TestoVersione(VERSIONE_MAGGIORE, VERSIONE_MINORE)));
    Cmd_Ok->setText(DaAnsi(Riga(TestiCommon, 1)));
    MostraInfoSistema();
    adjustSize();
    CentraForm(MAIN::Istanza(), this);
    unsetCursor();
}

void FrmAboutBox::MostraInfoSistema() {
    Lbl_InfoMode->setText(QStringLiteral("CPU:"));
    Lbl_InfoModeValues->setText(
        QString::fromStdString(TestoProcessore(QSysInfo::currentCpuArchitecture().toStdString())));
    Lbl_InfoCoproc->setText(TestoAbout(4) + " :");
    Lbl_InfoCoprocValues->setText(TestoAbout(5));
    Lbl_InfoMemory->setText(TestoAbout(3) + " :");
    Lbl_InfoMemoryValues->setText(QString::fromStdString(TestoMemoria(MemoriaFisica())));
}

void FrmAboutBox::Cmd_Ok_Click() {
    accept();
}

void MostraAboutBox(MAIN& main) {
    FrmAboutBox finestra(&main);
    CentraForm(&main, &finestra);
    MostraModale(&finestra);
}

} // namespace kelvra
