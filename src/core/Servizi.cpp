#include "core/Servizi.h"

#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Progetti.h"

#include <cmath>
#include <filesystem>
#include <system_error>

namespace kelvra {

void AggiornaStatoProgetto() {
    int16_t n = NumeroProgetti;
    if (!ProgettoValido(n)) return;
    Progetto& p = Progetti[n];
    int16_t stato = 0;
    if (Vero(p.GeometriaInserita)) stato += 1;
    if (Vero(p.MollaInserita)) stato += 2;
    if (Vero(p.AmmortizzatoreInserito)) stato += 4;
    if (Vero(p.TamponeInserito)) stato += 8;
    p.StatoDatiProgetto = stato;
}

int32_t ArrotondaEccesso(float x) {
    double r = -std::floor(-static_cast<double>(x));
    if (std::isnan(r)) return 0;
    if (r > 2147483647.0) return 2147483647;
    if (r < -2147483648.0) return INT32_MIN;
    return static_cast<int32_t>(r);
}

std::string EstraiNomeFile(const std::string& percorso) {
    if (percorso.size() < 5) return {};
    const size_t fine = percorso.size() - 4; // the name ends before the last four characters
    size_t inizio = fine;
    while (inizio > 0 && percorso[inizio - 1] != '\\' && percorso[inizio - 1] != '/') --inizio;
    return percorso.substr(inizio, fine - inizio);
}

std::string ComponiTitolo(const std::string& prefisso) {
    int n = NumeroProgetti;
    if (n < 1) return {};
    if (n == 1) return InUtf8(prefisso) + " - " + EtichettaProgetto(1);
    return InUtf8(prefisso + " - " + std::to_string(n) + " " + Riga(TestiCurve, 1));
}

std::string NumeroProgetto(int p) {
    return InUtf8(Riga(TestiCommon, 17) + ": " + FormattaNumero(p, "00"));
}

std::string EtichettaProgetto(int p) {
    if (p < 1 || p > MAX_PROGETTI) return {};
    const std::string& nome = Progetti[size_t(p)].NomeConfigurazione;
    return nome.empty() ? NumeroProgetto(p) : EstraiNomeFile(nome);
}

std::string CartellaProgramma() {
    std::error_code ec;
    std::filesystem::path eseguibile = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec || eseguibile.empty()) return {};
    return eseguibile.parent_path().string();
}

bool ImpostaPercorsoApplicazione(const std::string& cartella) {
    if (cartella.empty()) return false;
    std::error_code ec;
    std::filesystem::current_path(cartella, ec);
    if (ec) return false;
    std::string percorso = cartella;
    char ultimo = percorso.back();
    if (ultimo != '/' && ultimo != '\\') percorso += '/';
    PercorsoApplicazione = percorso;
    return true;
}

bool ImpostaPercorsoApplicazione() {
    std::string cartella = CartellaProgramma();
    if (cartella.empty()) {
        std::error_code ec;
        cartella = std::filesystem::current_path(ec).string();
    }
    return ImpostaPercorsoApplicazione(cartella);
}

bool VerificaDifferenzaMaggiore(double a, double b, double c) {
    return a - b > c;
}

bool SuperaTolleranza(double a, double b, double c, double d) {
    double differenza = a - b;
    return differenza >= d && differenza > c;
}

bool SuperaTolleranzaSeNonMaggiore(double x, double y, double a, double b, double c, double d) {
    if (x > y) return false;
    return SuperaTolleranza(a, b, c, d);
}

} // namespace kelvra
