// The result tables' tests: the program's own start-up with the language file in a temporary
// folder, the tables' hooks filled, and computed projects whose values tell their point.
#pragma once

#include "core/Lingua.h"
#include "core/Unita.h"
#include "shell/Avvio.h"
#include "shell/Ganci.h"
#include "support/ProgettoRisolto.h"
#include "support/Risposte.h"
#include "support/RisposteDialoghi.h"
#include "tables/Tab01.h"

#include <QCoreApplication>
#include <QTemporaryDir>
#include <filesystem>

namespace kelvra::test {

class AmbienteTabelle : public TabelleAzzerate {
  protected:
    void SetUp() override {
        TabelleAzzerate::SetUp();
        cwd = std::filesystem::current_path();
        const std::filesystem::path dir(cartella.path().toStdString());
        std::filesystem::copy_file(
            std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()) /
                "Kelvra3.lng",
            dir / "Kelvra3.lng");
        ASSERT_TRUE(SequenzaAvvio(dir.string()));
        RegistraTabelle();
        Unita(SISTEMA_METRICO);
    }
    void TearDown() override {
        std::filesystem::current_path(cwd);
        TabelleAzzerate::TearDown();
    }
    static void Unita(int16_t sistema) {
        ImpostaUnitaMisura(sistema);
        SistemaUnita = sistema;
    }
    static constexpr auto* Calcolato = &ProgettoRisolto;

    QTemporaryDir cartella;
    std::filesystem::path cwd;
    RisposteDialoghi finestre;
};

} // namespace kelvra::test
