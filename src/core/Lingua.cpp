#include "core/Lingua.h"

#include "core/FileDisco.h"
#include "core/MenuLingua.h"
#include "core/Progetti.h"
#include "core/Seams.h"

#include <cstdint>
#include <cstdio>
#include <memory>

namespace kelvra {

SezioneTesti Messaggi;
SezioneTesti TestiCommon;
SezioneTesti TestiQuantity;
SezioneTesti TestiUnita;
SezioneTesti TestiLingua;
SezioneTesti TestiToolbar;
SezioneTesti TestiInsGeo01;
SezioneTesti TestiFrmMenu;
SezioneTesti TestiInsMolla;
SezioneTesti TestiInsTampone;
SezioneTesti TestiInsAmmortizzatore;
SezioneTesti TestiFrmPLoad;
SezioneTesti TestiCurve;
SezioneTesti TestiFunzioni;
SezioneTesti TestiLettore;
SezioneTesti TestiTabelle;
SezioneTesti TestiFrmAcquisizione;
SezioneTesti TestiMain;
SezioneTesti TestiAboutBox;

std::string FileLingua;
std::vector<std::string> LineeLingua;

const std::string& Riga(const SezioneTesti& sezione, int riga) {
    static const std::string vuota;
    if (riga < 0 || static_cast<size_t>(riga) >= sezione.size()) return vuota;
    return sezione[static_cast<size_t>(riga)];
}

namespace {

// Windows-1252, bytes 0x80..0xFF (undefined bytes keep their own code).
constexpr char16_t Tabella1252[128] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039,
    0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, 0x00A0, 0x00A1, 0x00A2, 0x00A3,
    0x00A4, 0x00A5, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x00AA, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x00AF,
    0x00B0, 0x00B1, 0x00B2, 0x00B3, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x00B9, 0x00BA, 0x00BB,
    0x00BC, 0x00BD, 0x00BE, 0x00BF, 0x00C0, 0x00C1, 0x00C2, 0x00C3, 0x00C4, 0x00C5, 0x00C6, 0x00C7,
    0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD, 0x00CE, 0x00CF, 0x00D0, 0x00D1, 0x00D2, 0x00D3,
    0x00D4, 0x00D5, 0x00D6, 0x00D7, 0x00D8, 0x00D9, 0x00DA, 0x00DB, 0x00DC, 0x00DD, 0x00DE, 0x00DF,
    0x00E0, 0x00E1, 0x00E2, 0x00E3, 0x00E4, 0x00E5, 0x00E6, 0x00E7, 0x00E8, 0x00E9, 0x00EA, 0x00EB,
    0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x00F0, 0x00F1, 0x00F2, 0x00F3, 0x00F4, 0x00F5, 0x00F6, 0x00F7,
    0x00F8, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x00FD, 0x00FE, 0x00FF,
};

// Windows-1250, bytes 0x80..0xFF.
constexpr char16_t Tabella1250[128] = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

struct ChiudiFile {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using File = std::unique_ptr<std::FILE, ChiudiFile>;

// Splits text into lines at CR LF, LF or a lone CR; a last line without an end counts.
std::vector<std::string> DividiRighe(const std::string& testo) {
    std::vector<std::string> righe;
    std::string corrente;
    bool aperta = false;
    for (size_t i = 0; i < testo.size(); ++i) {
        char c = testo[i];
        if (c == '\r' || c == '\n') {
            righe.push_back(std::move(corrente));
            corrente.clear();
            aperta = false;
            if (c == '\r' && i + 1 < testo.size() && testo[i + 1] == '\n') ++i;
        } else {
            corrente.push_back(c);
            aperta = true;
        }
    }
    if (aperta) righe.push_back(std::move(corrente));
    return righe;
}

std::string TogliSpazi(const std::string& s) {
    size_t inizio = s.find_first_not_of(' ');
    if (inizio == std::string::npos) return {};
    size_t fine = s.find_last_not_of(' ');
    return s.substr(inizio, fine - inizio + 1);
}

// The first caption or item of a menu line (caption=item,item,...) that does not fit the
// menu table's cell; empty when all fit. Access keys count: the cell holds the "&" too.
std::string VoceMenuTroppoLunga(const std::string& riga) {
    const size_t uguale = riga.find('=');
    std::vector<std::string> pezzi{riga.substr(0, uguale)};
    if (uguale != std::string::npos) {
        size_t inizio = uguale + 1;
        for (size_t virgola; (virgola = riga.find(',', inizio)) != std::string::npos;
             inizio = virgola + 1)
            pezzi.push_back(riga.substr(inizio, virgola - inizio));
        pezzi.push_back(riga.substr(inizio));
    }
    for (const std::string& pezzo : pezzi)
        if (pezzo.size() > static_cast<size_t>(LunghezzaCellaMenu)) return pezzo;
    return {};
}

void MostraErrore(const std::string& testo) {
    MsgBox(testo, vbOKOnly);
}

// A failure message that begins with the plain file's path: composed in UTF-8, so the path
// reads as the file system names it.
void MostraErrorePercorso(const std::string& percorso, const std::string& testo) {
    MsgBox(percorso + InUtf8(testo, 1252), vbOKOnly + TESTO_UTF8);
}

// The section name "Unità" as a byte of code page 1252.
const std::string SezioneUnita = "Unit\xE0";

void AggiungiUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

const char16_t* TabellaDi(int codicePagina) {
    return codicePagina == 1250 ? Tabella1250 : Tabella1252;
}

} // namespace

const std::string& ChiaveLingua() {
    // A fixed pseudo-random sequence of printable characters, built when first asked for.
    static const std::string chiave = [] {
        std::string k(LunghezzaRecordLingua, ' ');
        uint32_t s = 0x2F6B3A91u;
        for (auto& c : k) {
            s = s * 1103515245u + 12345u;
            c = static_cast<char>(0x21 + ((s >> 16) % 0x5D));
        }
        return k;
    }();
    return chiave;
}

std::string ApplicaXor(const std::string& testo, const std::string& chiave) {
    std::string r(testo.size(), '\0');
    for (size_t i = 0; i < testo.size(); ++i) {
        char k = i < chiave.size() ? chiave[i] : '\0';
        r[i] =
            static_cast<char>(static_cast<unsigned char>(testo[i]) ^ static_cast<unsigned char>(k));
    }
    return r;
}

bool DecodificaFileLingua(const std::string& nome) {
    const std::string& chiave = ChiaveLingua();
    std::string codificato;
    EsitoLettura esito = LeggiFileRegolare(
        nome + ".lng", static_cast<size_t>(MassimoRecordLingua) * LunghezzaRecordLingua,
        codificato);
    if (esito == EsitoLettura::Assente) {
        codificato.clear(); // no scrambled file: the plain file comes out empty
    } else if (esito != EsitoLettura::Riuscita) {
        MostraErrore(MsgErroreFormatoLingua);
        return false;
    }

    // Whole records only: an incomplete last record is dropped.
    std::string piano;
    const size_t n = static_cast<size_t>(LunghezzaRecordLingua);
    for (size_t inizio = 0; inizio + n <= codificato.size(); inizio += n) {
        std::string record = ApplicaXor(codificato.substr(inizio, n), chiave);
        size_t p = record.find(static_cast<char>(FineRigaLingua));
        if (p == std::string::npos) continue; // no end-of-line code: no line
        piano.append(record, 0, p);
        piano.append("\r\n");
    }

    File f(std::fopen((nome + "@@.lng").c_str(), "wb"));
    if (!f) {
        MostraErrore(MsgErroreFormatoLingua);
        return false;
    }
    bool scritto = std::fwrite(piano.data(), 1, piano.size(), f.get()) == piano.size();
    scritto = (std::fclose(f.release()) == 0) && scritto;
    if (!scritto) {
        MostraErrore(MsgErroreFormatoLingua);
        return false;
    }
    LineeLingua = DividiRighe(piano);
    return true;
}

bool LeggiSezioneLingua(const std::string& sezione, SezioneTesti& tabella) {
    tabella.clear();
    const std::string nomeFile = TogliSpazi(FileLingua);
    std::string contenuto;
    // Each record gives at most one line of 109 characters and its line end.
    const size_t massimo = static_cast<size_t>(MassimoRecordLingua) * (MassimaLunghezzaRiga + 2);
    switch (LeggiFileRegolare(FileLingua, massimo, contenuto)) {
    case EsitoLettura::Riuscita:
        break;
    case EsitoLettura::Assente:
    case EsitoLettura::NonApribile:
        MostraErrorePercorso(nomeFile, MsgFileNonTrovato);
        return false;
    case EsitoLettura::NonRegolare:
    case EsitoLettura::ErroreLettura:
    case EsitoLettura::TroppoGrande:
        MostraErrorePercorso(nomeFile, MsgErroreAccesso);
        return false;
    }

    const std::string intestazione = "[" + TogliSpazi(sezione) + "]";
    std::vector<std::string> righe = DividiRighe(contenuto);
    size_t i = 0;
    while (i < righe.size() && righe[i].find(intestazione) == std::string::npos) ++i;
    if (i == righe.size()) {
        MostraErrorePercorso(nomeFile, ": " + intestazione + MsgSezioneNonTrovata);
        return false;
    }
    for (++i; i < righe.size(); ++i) {
        std::string riga = TogliSpazi(righe[i].substr(0, MassimaLunghezzaRiga));
        if (riga.empty()) break;
        if (tabella.size() < static_cast<size_t>(MassimoRigheSezione))
            tabella.push_back(std::move(riga));
    }
    return true;
}

bool CaricaTestiLingua() {
    struct Voce {
        const std::string nome;
        SezioneTesti* tabella;
    };
    const Voce sezioni[] = {
        {"Lingua", &TestiLingua},
        {"Common", &TestiCommon},
        {"Quantity", &TestiQuantity},
        {SezioneUnita, &TestiUnita},
        {"Toolbar", &TestiToolbar},
        {"MsgBox", &Messaggi},
        {"Main", &TestiMain},
        {"FrmMenu", &TestiFrmMenu},
        {"InsGeo01", &TestiInsGeo01},
        {"InsMolla", &TestiInsMolla},
        {"InsAmmortizzatore", &TestiInsAmmortizzatore},
        {"InsTampone", &TestiInsTampone},
        {"FrmPLoad", &TestiFrmPLoad},
        {"Curve", &TestiCurve},
        {"Funzioni", &TestiFunzioni},
        {"Lettore", &TestiLettore},
        {"Tabelle", &TestiTabelle},
        {"AboutBox", &TestiAboutBox},
        {"FrmAcquisizione", &TestiFrmAcquisizione},
    };
    for (const auto& s : sezioni)
        if (!LeggiSezioneLingua(s.nome, *s.tabella)) return false;
    return true;
}

bool CaricaLingua() {
    FileLingua = PercorsoApplicazione + NomeLingua + "@@.lng";
    EliminaFileLingua();
    if (!DecodificaFileLingua(PercorsoApplicazione + NomeLingua)) return false;
    return CaricaTestiLingua();
}

void EliminaFileLingua() {
    const std::string nome =
        FileLingua.empty() ? PercorsoApplicazione + NomeLingua + "@@.lng" : FileLingua;
    std::remove(nome.c_str());
}

void AzzeraLingua() {
    for (SezioneTesti* t :
         {&Messaggi, &TestiCommon, &TestiQuantity, &TestiUnita, &TestiLingua, &TestiToolbar,
          &TestiInsGeo01, &TestiFrmMenu, &TestiInsMolla, &TestiInsTampone, &TestiInsAmmortizzatore,
          &TestiFrmPLoad, &TestiCurve, &TestiFunzioni, &TestiLettore, &TestiTabelle,
          &TestiFrmAcquisizione, &TestiMain, &TestiAboutBox})
        t->clear();
    LineeLingua.clear();
}

int CodicePaginaLingua() {
    std::string nome = TogliSpazi(Riga(TestiLingua, 0));
    for (auto& c : nome)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return nome == "SLOVENO" ? 1250 : 1252;
}

std::string InUtf8(const std::string& testo, int codicePagina) {
    const char16_t* tabella = TabellaDi(codicePagina);
    std::string out;
    out.reserve(testo.size());
    for (char c : testo) {
        auto b = static_cast<unsigned char>(c);
        AggiungiUtf8(out, b < 0x80 ? char32_t{b} : char32_t{tabella[b - 0x80]});
    }
    return out;
}

std::string InUtf8(const std::string& testo) {
    return InUtf8(testo, CodicePaginaLingua());
}

std::string TestoConPercorso(const std::string& testo, const std::string& percorso) {
    return InUtf8(testo) + "\n" + percorso;
}

bool DaUtf8(const std::string& utf8, int codicePagina, std::string& risultato) {
    const char16_t* tabella = TabellaDi(codicePagina);
    risultato.clear();
    size_t i = 0;
    while (i < utf8.size()) {
        auto b = static_cast<unsigned char>(utf8[i]);
        char32_t c;
        size_t seguito;
        if (b < 0x80) {
            c = b;
            seguito = 0;
        } else if ((b & 0xE0) == 0xC0) {
            c = b & 0x1F;
            seguito = 1;
        } else if ((b & 0xF0) == 0xE0) {
            c = b & 0x0F;
            seguito = 2;
        } else if ((b & 0xF8) == 0xF0) {
            c = b & 0x07;
            seguito = 3;
        } else {
            return false;
        }
        if (seguito > 0 && i + seguito >= utf8.size()) return false;
        for (size_t k = 1; k <= seguito; ++k) {
            auto cb = static_cast<unsigned char>(utf8[i + k]);
            if ((cb & 0xC0) != 0x80) return false;
            c = (c << 6) | (cb & 0x3F);
        }
        i += seguito + 1;
        if (seguito > 0 && c < 0x80) return false; // overlong form
        if (c < 0x80) {
            risultato.push_back(static_cast<char>(c));
            continue;
        }
        int trovato = -1;
        for (int k = 0; k < 128; ++k)
            if (tabella[k] == c) {
                trovato = k;
                break;
            }
        // Undefined bytes of the code page stand for the control character of their own
        // number, so they come back as the same byte.
        if (trovato < 0) return false;
        risultato.push_back(static_cast<char>(0x80 + trovato));
    }
    return true;
}

bool CodificaSorgenteLingua(const std::string& sorgente, std::string& codificato,
                            std::string& errore) {
    codificato.clear();
    errore.clear();
    std::string testo = sorgente;
    if (testo.compare(0, 3, "\xEF\xBB\xBF") == 0) testo.erase(0, 3);
    std::vector<std::string> righe = DividiRighe(testo);
    if (righe.size() > static_cast<size_t>(MassimoRecordLingua)) {
        errore = "more than " + std::to_string(MassimoRecordLingua) + " lines";
        return false;
    }

    int codicePagina = 1252;
    for (size_t i = 0; i + 1 < righe.size(); ++i) {
        if (righe[i].find("[Lingua]") == std::string::npos) continue;
        std::string nome = TogliSpazi(righe[i + 1]);
        for (auto& c : nome)
            if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
        if (nome == "SLOVENO") codicePagina = 1250;
        break;
    }

    const std::string& chiave = ChiaveLingua();
    bool menu = false; // within the lines of a menu section
    for (size_t i = 0; i < righe.size(); ++i) {
        std::string byte;
        const std::string dove = "line " + std::to_string(i + 1);
        if (!DaUtf8(righe[i], codicePagina, byte)) {
            errore = dove + ": a character cannot be written in code page " +
                     std::to_string(codicePagina);
            return false;
        }
        if (byte.find(static_cast<char>(FineRigaLingua)) != std::string::npos) {
            errore = dove + ": holds the end-of-line code 145";
            return false;
        }
        if (byte.size() >= static_cast<size_t>(LunghezzaRecordLingua)) {
            errore =
                dove + ": longer than " + std::to_string(LunghezzaRecordLingua - 1) + " characters";
            return false;
        }
        // A menu section runs from its heading to its first empty line.
        const std::string testo = TogliSpazi(byte);
        if (testo.empty() || testo.front() == '[') {
            menu = testo.rfind("[Mnu", 0) == 0;
        } else if (const std::string lunga = menu ? VoceMenuTroppoLunga(testo) : "";
                   !lunga.empty()) {
            errore = dove + ": menu text longer than " + std::to_string(LunghezzaCellaMenu) +
                     " characters: " + InUtf8(lunga, codicePagina);
            return false;
        }
        std::string record = byte;
        record.push_back(static_cast<char>(FineRigaLingua));
        record.resize(LunghezzaRecordLingua, ' ');
        codificato += ApplicaXor(record, chiave);
    }
    return true;
}

} // namespace kelvra
