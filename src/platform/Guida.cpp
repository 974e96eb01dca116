#include "platform/Guida.h"

#include <QVariant>
#include <QWidget>

namespace kelvra {

namespace {
std::string fileGuida;
constexpr const char* PROPRIETA_CONTESTO = "kelvraContestoGuida";
} // namespace

void ImpostaFileGuida(const std::string& percorso) {
    fileGuida = percorso;
}
std::string FileGuida() {
    return fileGuida;
}

void ImpostaContestoGuida(QWidget* finestra, int contesto) {
    if (finestra) finestra->setProperty(PROPRIETA_CONTESTO, contesto);
}

int ContestoGuida(const QWidget* finestra) {
    if (!finestra) return 0;
    return finestra->property(PROPRIETA_CONTESTO).toInt();
}

} // namespace kelvra
