// Every subsystem answers its hooks, as the program's own start-up sets them: for the fixtures
// that drive the whole program rather than one window.
#pragma once

#include "components/EditorComponenti.h"
#include "files/FileProgetto.h"
#include "geometry_editor/InsGeo01.h"
#include "graphs/Curve01.h"
#include "shell/Comandi.h"
#include "shell/FrmMenu.h"
#include "tables/Tab01.h"

namespace kelvra::test {

inline void RegistraProgrammaIntero() {
    RegistraFrmMenu();
    RegistraEditorGeometria();
    RegistraTabelle();
    RegistraGrafici();
    RegistraFileProgetto();
    RegistraEditorComponenti();
    RegistraComandi();
}

} // namespace kelvra::test
