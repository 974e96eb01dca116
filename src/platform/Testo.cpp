#include "platform/Testo.h"

#include "core/Lingua.h"

#include <optional>

namespace kelvra {

namespace {

std::optional<CodicePagina> paginaImpostata;

int Numero(CodicePagina pagina) {
    return pagina == CodicePagina::Windows1250 ? 1250 : 1252;
}

} // namespace

void ImpostaCodicePagina(CodicePagina pagina) {
    paginaImpostata = pagina;
}
void SeguiCodicePaginaLingua() {
    paginaImpostata.reset();
}

CodicePagina CodicePaginaCorrente() {
    if (paginaImpostata) return *paginaImpostata;
    return CodicePaginaLingua() == 1250 ? CodicePagina::Windows1250 : CodicePagina::Windows1252;
}

QString DaAnsi(const std::string& testo) {
    return DaAnsi(testo, CodicePaginaCorrente());
}
QString ConTastoAccesso(const std::string& testo) {
    const QString t = DaAnsi(testo);
    return t.contains(QLatin1Char('&')) ? t : QStringLiteral("&") + t;
}

QString TastoSullaPrima(const std::string& testo) {
    QString t = DaAnsi(testo);
    t.remove(QLatin1Char('&'));
    return QStringLiteral("&") + t;
}

std::string AdAnsi(const QString& testo) {
    return AdAnsi(testo, CodicePaginaCorrente());
}

QString DaAnsi(const std::string& testo, CodicePagina pagina) {
    return QString::fromStdString(InUtf8(testo, Numero(pagina)));
}

std::string AdAnsi(const QString& testo, CodicePagina pagina) {
    const int numero = Numero(pagina);
    std::string risultato;
    risultato.reserve(static_cast<size_t>(testo.size()));
    std::string byte;
    // One character (a surrogate pair counts as one) at a time, so that a character the
    // page cannot hold becomes a single '?' and the rest still converts.
    for (qsizetype i = 0; i < testo.size(); ++i) {
        qsizetype lunghezza = 1;
        if (testo[i].isHighSurrogate() && i + 1 < testo.size() && testo[i + 1].isLowSurrogate())
            lunghezza = 2;
        const QByteArray utf8 = testo.mid(i, lunghezza).toUtf8();
        if (DaUtf8(utf8.toStdString(), numero, byte) && byte.size() == 1)
            risultato += byte;
        else
            risultato.push_back('?');
        i += lunghezza - 1;
    }
    return risultato;
}

} // namespace kelvra
