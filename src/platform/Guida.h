// Help: the application's help file and the help context of each window or control. There
// is no help viewer here; the values are kept for whoever asks for them.
#pragma once

#include <string>

class QWidget;

namespace kelvra {

void ImpostaFileGuida(const std::string& percorso);
std::string FileGuida();

// 0 when the widget was given no context.
void ImpostaContestoGuida(QWidget* finestra, int contesto);
int ContestoGuida(const QWidget* finestra);

} // namespace kelvra
