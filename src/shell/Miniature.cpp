#include "shell/Miniature.h"

#include "core/Cinematica.h"
#include "core/Disegno.h"
#include "core/Progetti.h"
#include "core/Vista.h"

#include <cmath>

namespace kelvra {

float EstensioneMiniature(int n) {
    if (!ProgettoValido(n)) return 0;
    const TrePunti& f = Progetti[static_cast<size_t>(n)].DatiForcellone;
    return static_cast<float>(f.P[0].X + Distanza(f.P[0], f.P[1]) + f.P[1].Y);
}

bool DisegnaMiniatura(Superficie& miniatura, int p, float estensione) {
    if (!ProgettoValido(p)) return false;
    const int16_t ultimo = Progetti[static_cast<size_t>(p)].UltimoElemento;
    if (ultimo < 1 || ultimo > MAX_ELEMENTI) return false;
    if (!(estensione > 0) || !std::isfinite(estensione)) return false;
    // A picture the view cannot be fitted to would be drawn with whatever view was there.
    if (!ImpostaScalaDisegno(miniatura, estensione, estensione)) return false;
    return DisegnaSchema(nullptr, miniatura, p, FALSO, FALSO);
}

} // namespace kelvra
