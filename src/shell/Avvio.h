// The splash window FrmLogo and the start-up sequence. The splash shows the logo centred on
// the screen; 300 ms later its timer fires once and sets up the program (program folder,
// language texts, settings, unit system, project counters), then the splash unloads and the
// main window appears.
#pragma once

#include <QIcon>
#include <QLabel>
#include <QPoint>
#include <QSize>
#include <QTimer>
#include <QWidget>
#include <string>

namespace kelvra {

// Top-left corner that centres a picture of `picture` size on a screen of `schermo` size:
// each difference halved by integer division, rounding toward zero.
QPoint PosizioneLogo(QSize schermo, QSize picture);

// The start-up steps from the program's title and icon and its folder to the state code of
// project 1 (the splash's unloading and the cursor are the splash's own). `cartella` is the program
// folder; empty: the folder of the running program. False when the language file could not be
// loaded: the fixed message has been shown and the program must end.
bool SequenzaAvvio(const std::string& cartella = {});

class FrmLogo : public QWidget {
    Q_OBJECT
  public:
    // `cartella`: the program folder to start in; empty for the running program's folder.
    explicit FrmLogo(const std::string& cartella = {});

    QLabel* PictureLogo;
    QTimer* TimerLogo; // 300 ms, enabled from the start

    // Places the logo in the middle of the screen.
    void Form_Load();
    // The start-up sequence; runs once.
    void TimerLogo_Timer();
    // Shows the main window.
    void Form_Unload();

    // True once the start-up sequence has run (whatever its outcome), and when it succeeded.
    bool Avviato() const { return avviato_; }
    bool Riuscito() const { return riuscito_; }

  protected:
    void closeEvent(QCloseEvent* evento) override;

  private:
    std::string cartella_;
    bool avviato_ = false;
    bool riuscito_ = false;
    bool scaricato_ = false;
};

// The logo picture: 640 x 480 pixels.
QPixmap DisegnaLogo();

// The program's icon, from the pictures built into the program.
QIcon IconaProgramma();

} // namespace kelvra
