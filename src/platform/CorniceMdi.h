// The main window's frame: a multi-document frame whose client area holds the child
// windows, with a status panel along its bottom edge.
//
// Menus: every child window owns its list of menus. When a child becomes the active child
// its menus take the frame's menu bar; a child with no menus, or no active child at all,
// shows the frame's own menus.
//
// Activation: a child's Form_Activate runs when it becomes the active child, that is when
// the active child changes to it; focus coming back to the frame from a message box or a
// modal window leaves the active child as it was and runs nothing. The child that loses
// the active state gets Form_Deactivate first. Windows may also call Form_Activate
// themselves to refresh.
//
// Status panel: `Toolbar` is a permanent label of the frame; any window writes its hover
// hint there with ImpostaSuggerimento. The text stays until the next hint, or until the
// pointer leaves the control it was over when the hint was written (PuntatoreUscito).
#pragma once

#include <QLabel>
#include <QList>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <string>

namespace kelvra {

class CorniceMdi;

class FinestraFiglia : public QWidget {
    Q_OBJECT
  public:
    explicit FinestraFiglia(QWidget* genitore = nullptr);
    ~FinestraFiglia() override;

    // The child's menus in menu-bar order; the child owns them.
    QMenu* AggiungiMenu(const QString& titolo);
    void AggiungiMenu(QMenu* menu);
    const QList<QMenu*>& Menu() const { return menu_; }

    // Runs when this child becomes the active child of its frame (and when called).
    virtual void Form_Activate() {}
    // Runs when another child becomes active after this one.
    virtual void Form_Deactivate() {}

    // The sub-window that holds this child in the frame, if it was added to one.
    QMdiSubWindow* SottoFinestra() const;
    CorniceMdi* Cornice() const { return cornice_; }

  private:
    friend class CorniceMdi;
    QList<QMenu*> menu_;
    QPointer<CorniceMdi> cornice_;
};

class CorniceMdi : public QMainWindow {
    Q_OBJECT
  public:
    explicit CorniceMdi(QWidget* genitore = nullptr);
    ~CorniceMdi() override;

    // The frame's own menus, shown when the active child has none.
    QMenu* AggiungiMenu(const QString& titolo);
    const QList<QMenu*>& MenuPropri() const { return menuPropri_; }

    // Puts a child into the client area (modeless) and shows it; returns its sub-window.
    QMdiSubWindow* AggiungiFiglia(FinestraFiglia* figlia);
    // Makes a child the active one (its Form_Activate runs if it was not active).
    void AttivaFiglia(FinestraFiglia* figlia);
    FinestraFiglia* FigliaAttiva() const { return attiva_; }

    QMdiArea* AreaMdi() const { return area_; }
    QLabel* Toolbar() const { return toolbar_; }

    // Puts the menus of the active child (or the frame's own) on the menu bar again, for
    // a child that changed its menu list while active.
    void AggiornaMenu();

    // The frame that the status hints go to: the newest one alive.
    static CorniceMdi* Principale();

  signals:
    // A click on the empty client area.
    void ClicSfondo();

  protected:
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

  private:
    friend class FinestraFiglia;
    void SottoFinestraAttivata(QMdiSubWindow* finestra);
    void FigliaDistrutta(FinestraFiglia* figlia);
    void MostraMenu(const QList<QMenu*>& menu);

    QMdiArea* area_;
    QLabel* toolbar_;
    QList<QMenu*> menuPropri_;
    QPointer<FinestraFiglia> attiva_;
};

// Writes a hover hint (bytes in the language file's code page) to the status panel of the
// main frame; with no frame alive the text is only remembered.
void ImpostaSuggerimento(const std::string& testo);
// The hint last written.
std::string Suggerimento();
// The pointer left `controllo` (or it was hidden): a hint written while the pointer was over
// it or over one of its children is cleared.
void PuntatoreUscito(QWidget* controllo);

} // namespace kelvra
