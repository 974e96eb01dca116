#include "core/Azzeramento.h"

#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Progetti.h"
#include "core/Unita.h"
#include "core/Vista.h"

#include <vector>

namespace kelvra {

namespace {

// Built on first use, so registrations from other files' static initialisers find it.
std::vector<void (*)()>& Registrati() {
    static std::vector<void (*)()> elenco;
    return elenco;
}

} // namespace

bool RegistraAzzeramento(void (*azzera)()) {
    if (azzera) Registrati().push_back(azzera);
    return true;
}

void AzzeraProgramma() {
    AzzeraTabelle();
    AzzeraVista();
    AzzeraLingua();
    AzzeraUnitaMisura();
    ImpostaINIDefault();
    for (void (*azzera)() : Registrati()) azzera();
}

} // namespace kelvra
