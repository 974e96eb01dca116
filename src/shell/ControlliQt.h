// The enabling's view of a Qt window: each window registers its menu actions and widgets
// under the names and indexes the enabling uses, and passes this object to
// AttivaMenuFrmMenu / AttivaMenuCurve / AttivaMenuInsGeo.
#pragma once

#include "shell/Abilitazione.h"

#include <QPointer>
#include <functional>
#include <map>
#include <utility>

class QAction;
class QWidget;

namespace kelvra {

class ControlliQt : public ControlliCurve {
  public:
    // A menu item or a top-level menu (its QMenu::menuAction()).
    void Registra(Controllo c, int indice, QAction* azione);
    // A button, combo box or other widget.
    void Registra(Controllo c, int indice, QWidget* widget);

    // Where the graph window takes the chart kind to draw next; unset elsewhere.
    std::function<void(int16_t)> tipoGrafico;

    void ImpostaAbilitato(Controllo c, int indice, bool valore) override;
    void ImpostaVisibile(Controllo c, int indice, bool valore) override;
    void ImpostaSpuntato(Controllo c, int indice, bool valore) override;
    bool Abilitato(Controllo c, int indice) const override;
    void ImpostaTipoGrafico(int16_t tipo) override;

  private:
    using Chiave = std::pair<Controllo, int>;
    std::map<Chiave, QPointer<QAction>> azioni;
    std::map<Chiave, QPointer<QWidget>> widget;
};

} // namespace kelvra
