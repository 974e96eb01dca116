#include "core/Formato.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace kelvra {

namespace {

// Significant digits kept when a number is turned into decimal digits: as many as an
// 8-byte real reliably holds, so that 2.675 formats as the 2.675 the user typed.
constexpr int CIFRE_SIGNIFICATIVE = 15;

struct Schema {
    std::string prima;     // literal text before the first placeholder
    std::string dopo;      // literal text after the last placeholder
    int zeriInteri = 0;    // "0"s before the point
    int postiFrazione = 0; // placeholders after the point
    int zeriFrazione = 0;  // "0"s after the point
    bool punto = false;
};

Schema LeggiSchema(const std::string& formato) {
    Schema s;
    size_t primo = formato.find_first_of("#0.");
    if (primo == std::string::npos) {
        s.prima = formato;
        return s;
    }
    size_t ultimo = formato.find_last_of("#0.");
    s.prima = formato.substr(0, primo);
    s.dopo = formato.substr(ultimo + 1);
    for (size_t i = primo; i <= ultimo; ++i) {
        char c = formato[i];
        if (c == '.') {
            s.punto = true;
        } else if (c == '0' || c == '#') {
            if (s.punto) {
                ++s.postiFrazione;
                if (c == '0') ++s.zeriFrazione;
            } else if (c == '0') {
                ++s.zeriInteri;
            }
        }
    }
    return s;
}

// |valore| as decimal digits: `intero` before the point, `frazione` after it.
void CifreDecimali(double valore, std::string& intero, std::string& frazione) {
    intero.clear();
    frazione.clear();
    if (valore == 0.0) return;
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(valore),
                             std::chars_format::scientific, CIFRE_SIGNIFICATIVE - 1);
    std::string testo(buf, res.ptr);
    size_t e = testo.find('e');
    std::string cifre;
    for (size_t i = 0; i < e; ++i)
        if (testo[i] >= '0' && testo[i] <= '9') cifre += testo[i];
    int esponente = std::atoi(testo.c_str() + e + 1);
    int posizionePunto = esponente + 1; // digits before the point
    int n = static_cast<int>(cifre.size());
    if (posizionePunto <= 0) {
        frazione = std::string(static_cast<size_t>(-posizionePunto), '0') + cifre;
    } else if (posizionePunto >= n) {
        intero = cifre + std::string(static_cast<size_t>(posizionePunto - n), '0');
    } else {
        intero = cifre.substr(0, static_cast<size_t>(posizionePunto));
        frazione = cifre.substr(static_cast<size_t>(posizionePunto));
    }
}

// Rounds the decimal digits to `posti` places, halves away from zero (on the magnitude).
void Arrotonda(std::string& intero, std::string& frazione, int posti) {
    if (static_cast<int>(frazione.size()) <= posti) return;
    bool riporto = frazione[static_cast<size_t>(posti)] >= '5';
    frazione.resize(static_cast<size_t>(posti));
    for (size_t i = frazione.size(); riporto && i-- > 0;) {
        if (frazione[i] == '9') {
            frazione[i] = '0';
        } else {
            ++frazione[i];
            riporto = false;
        }
    }
    for (size_t i = intero.size(); riporto && i-- > 0;) {
        if (intero[i] == '9') {
            intero[i] = '0';
        } else {
            ++intero[i];
            riporto = false;
        }
    }
    if (riporto) intero.insert(intero.begin(), '1');
}

std::string FormaGenerale(double valore) {
    if (std::isnan(valore)) return "0";
    if (std::isinf(valore)) return valore < 0 ? "-1E+308" : "1E+308";
    char buf[64];
    auto res = std::to_chars(buf, buf + sizeof buf, valore, std::chars_format::general,
                             CIFRE_SIGNIFICATIVE);
    return std::string(buf, res.ptr);
}

} // namespace

std::string FormattaNumero(double valore, const std::string& formato) {
    if (formato.empty()) return FormaGenerale(valore);
    if (std::isnan(valore)) valore = 0.0;
    if (std::isinf(valore))
        valore =
            valore < 0 ? -std::numeric_limits<double>::max() : std::numeric_limits<double>::max();
    Schema s = LeggiSchema(formato);

    std::string intero, frazione;
    CifreDecimali(valore, intero, frazione);
    Arrotonda(intero, frazione, s.postiFrazione);

    size_t nz = intero.find_first_not_of('0');
    intero = nz == std::string::npos ? std::string() : intero.substr(nz);
    bool nullo = intero.empty() && frazione.find_first_not_of('0') == std::string::npos;

    if (static_cast<int>(intero.size()) < s.zeriInteri)
        intero.insert(0, static_cast<size_t>(s.zeriInteri) - intero.size(), '0');
    while (static_cast<int>(frazione.size()) > s.zeriFrazione && frazione.back() == '0')
        frazione.pop_back();
    if (static_cast<int>(frazione.size()) < s.zeriFrazione)
        frazione.append(static_cast<size_t>(s.zeriFrazione) - frazione.size(), '0');

    std::string numero = intero;
    if (s.punto) numero += "." + frazione;
    if (!numero.empty() && numero.front() == '.') numero.insert(numero.begin(), '0');
    if (!numero.empty() && numero.back() == '.') numero.pop_back();
    // A pattern of "#" alone writes no digit for a value that rounds to 0: the result is "".
    if (valore < 0 && !nullo) numero.insert(numero.begin(), '-');
    return s.prima + numero + s.dopo;
}

double Val(const std::string& testo) {
    size_t i = 0;
    const size_t n = testo.size();
    while (i < n && (testo[i] == ' ' || testo[i] == '\t')) ++i;
    std::string numero;
    if (i < n && (testo[i] == '+' || testo[i] == '-')) numero += testo[i++];
    bool cifre = false;
    while (i < n && testo[i] >= '0' && testo[i] <= '9') {
        numero += testo[i++];
        cifre = true;
    }
    if (i < n && testo[i] == '.') {
        numero += testo[i++];
        while (i < n && testo[i] >= '0' && testo[i] <= '9') {
            numero += testo[i++];
            cifre = true;
        }
    }
    if (!cifre) return 0.0;
    // An exponent counts only when digits follow it.
    if (i < n && (testo[i] == 'e' || testo[i] == 'E' || testo[i] == 'd' || testo[i] == 'D')) {
        size_t j = i + 1;
        std::string esponente = "e";
        if (j < n && (testo[j] == '+' || testo[j] == '-')) esponente += testo[j++];
        bool cifreEsp = false;
        while (j < n && testo[j] >= '0' && testo[j] <= '9') {
            esponente += testo[j++];
            cifreEsp = true;
        }
        if (cifreEsp) numero += esponente;
    }
    // from_chars does not take a leading "+" and never looks at the locale.
    const char* p = numero.c_str();
    bool negativo = false;
    if (*p == '+' || *p == '-') negativo = *p++ == '-';
    std::string corpo = p;
    if (corpo.front() == '.') corpo.insert(corpo.begin(), '0');
    double v = 0.0;
    auto res = std::from_chars(corpo.data(), corpo.data() + corpo.size(), v);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large reads as the largest value, too small as 0.
        v = corpo.find("e-") != std::string::npos ? 0.0 : std::numeric_limits<double>::max();
    }
    return negativo ? -v : v;
}

double Int(double x) {
    return std::floor(x);
}

double Fix(double x) {
    return std::trunc(x);
}

namespace {
double PariPiuVicino(double x) {
    double r = std::floor(x);
    double d = x - r;
    if (d > 0.5 || (d == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    return r;
}
} // namespace

int16_t CInt(double x) {
    if (std::isnan(x)) return 0;
    double r = PariPiuVicino(x);
    if (r > 32767.0) return 32767;
    if (r < -32768.0) return -32768;
    return static_cast<int16_t>(r);
}

int32_t CLng(double x) {
    if (std::isnan(x)) return 0;
    double r = PariPiuVicino(x);
    if (r > 2147483647.0) return 2147483647;
    if (r < -2147483648.0) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(r);
}

double ArrotondaDecimali(double x, double arrotondamento) {
    if (arrotondamento == 0.0) return x;
    double r = Fix(std::fabs(x) * arrotondamento + 0.5) / arrotondamento;
    return x < 0 ? -r : r;
}

} // namespace kelvra
