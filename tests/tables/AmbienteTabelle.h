// The result tables' tests: the program's own start-up with the language file in a temporary
// folder, the tables' hooks filled, and computed projects whose values tell their point.
#pragma once

#include "core/Lingua.h"
#include "core/Unita.h"
#include "shell/Avvio.h"
#include "shell/Ganci.h"
#include "support/ProgettoRisolto.h"
#include "support/ProgrammaAvviato.h"
#include "support/RisposteDialoghi.h"
#include "tables/Tab01.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <filesystem>

namespace kelvra::test {

class AmbienteTabelle : public ProgrammaAvviato {
  protected:
    void SetUp() override {
        ProgrammaAvviato::SetUp();
        RegistraTabelle();
        Unita(SISTEMA_METRICO);
    }
    static void Unita(int16_t sistema) {
        ImpostaUnitaMisura(sistema);
        SistemaUnita = sistema;
    }
    static constexpr auto* Calcolato = &ProgettoRisolto;

    RisposteDialoghi finestre;
};

} // namespace kelvra::test
