#include "shell/ControlliQt.h"

#include <QAbstractButton>
#include <QAction>
#include <QWidget>

namespace kelvra {

void ControlliQt::Registra(Controllo c, int indice, QAction* azione) {
    azioni[{c, indice}] = azione;
}

void ControlliQt::Registra(Controllo c, int indice, QWidget* w) {
    widget[{c, indice}] = w;
}

void ControlliQt::ImpostaAbilitato(Controllo c, int indice, bool valore) {
    if (auto it = azioni.find({c, indice}); it != azioni.end() && it->second)
        it->second->setEnabled(valore);
    if (auto it = widget.find({c, indice}); it != widget.end() && it->second)
        it->second->setEnabled(valore);
}

void ControlliQt::ImpostaVisibile(Controllo c, int indice, bool valore) {
    if (auto it = azioni.find({c, indice}); it != azioni.end() && it->second)
        it->second->setVisible(valore);
    if (auto it = widget.find({c, indice}); it != widget.end() && it->second)
        it->second->setVisible(valore);
}

void ControlliQt::ImpostaSpuntato(Controllo c, int indice, bool valore) {
    if (auto it = azioni.find({c, indice}); it != azioni.end() && it->second) {
        it->second->setCheckable(true);
        it->second->setChecked(valore);
    }
    if (auto it = widget.find({c, indice}); it != widget.end() && it->second) {
        if (auto* b = qobject_cast<QAbstractButton*>(it->second.data())) {
            b->setCheckable(true);
            b->setChecked(valore);
        }
    }
}

bool ControlliQt::Abilitato(Controllo c, int indice) const {
    if (auto it = azioni.find({c, indice}); it != azioni.end() && it->second)
        return it->second->isEnabled();
    // The widget's own setting, not whether its window or a parent is disabled.
    if (auto it = widget.find({c, indice}); it != widget.end() && it->second)
        return !it->second->testAttribute(Qt::WA_ForceDisabled);
    return false;
}

void ControlliQt::ImpostaTipoGrafico(int16_t tipo) {
    if (tipoGrafico) tipoGrafico(tipo);
}

} // namespace kelvra
