// FrmAboutBox, the about box: the product's name and version and three lines about the
// computer it runs on, shown modal from every Help menu and closed with its button.
#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <cstdint>
#include <string>

namespace kelvra {

class MAIN;

// The program's own version numbers.
inline constexpr int VERSIONE_MAGGIORE = 3;
inline constexpr int VERSIONE_MINORE = 0;

// "<AboutBox 2> 3.0".
std::string TestoVersione(int maggiore, int minore);
// The memory line's value: the bytes integer-divided by 1024, then " KB".
std::string TestoMemoria(uint64_t byte);
// The processor type number of the machine, as a plain decimal number (the architecture's
// name when no number is known for it).
std::string TestoProcessore(const std::string& architettura);
// Total physical memory of the machine in bytes; 0 when the system does not tell.
uint64_t MemoriaFisica();

class FrmAboutBox : public QDialog {
    Q_OBJECT
  public:
    explicit FrmAboutBox(QWidget* genitore = nullptr);

    QLabel* Pic_ApplicationIcon;
    QLabel* Lbl_Program;
    QLabel* Lbl_Version;
    QLabel *Lbl_InfoMode, *Lbl_InfoModeValues;
    QLabel *Lbl_InfoCoproc, *Lbl_InfoCoprocValues;
    QLabel *Lbl_InfoMemory, *Lbl_InfoMemoryValues;
    QFrame *Linea1, *Linea2;
    QPushButton* Cmd_Ok;

    void Form_Load();
    void MostraInfoSistema();
    void Cmd_Ok_Click();
};

// The Help menu's about box: created, centred over the main window and shown modal.
void MostraAboutBox(MAIN& main);

} // namespace kelvra
