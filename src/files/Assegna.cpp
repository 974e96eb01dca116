#include "files/Assegna.h"

#include "core/DatiStatici.h"
#include "core/Formato.h"
#include "core/Servizi.h"

#include <algorithm>
#include <cmath>

namespace kelvra::files {

namespace {

// The warnings of the project reader that live among the start screen's texts (the lines
// before them are the start screen's tooltips).
constexpr int MSG_AMMORTIZZATORE_INCOMPATIBILE = 30;
constexpr int MSG_TAMPONE_NON_INSERITO = 31;

// A Single of a file as a table value: what is not a number reads as 0.
double Valore(float x) {
    return std::isfinite(x) ? x : 0.0;
}
float Singolo(double x) {
    return static_cast<float>(x);
}
Punto Valore(const Punto& p) {
    return {static_cast<float>(Valore(p.X)), static_cast<float>(Valore(p.Y))};
}
template <class P> P Valori(P punti) {
    for (auto& punto : punti.P) punto = Valore(punto);
    return punti;
}

int16_t Limita(int16_t v, int16_t minimo, int16_t massimo) {
    return std::clamp(v, minimo, massimo);
}
int16_t Flag(int16_t v) {
    return Vero(v) ? VERO : FALSO;
}
int16_t UnoZero(int16_t v) {
    return v == 1 ? 1 : 0;
}

std::string SenzaCoda(const std::string& s) {
    const size_t fine = s.find_last_not_of(std::string(" \0", 2));
    return fine == std::string::npos ? std::string{} : s.substr(0, fine + 1);
}
std::string SenzaSpazi(const std::string& s) {
    const std::string coda = SenzaCoda(s);
    const size_t inizio = coda.find_first_not_of(' ');
    return inizio == std::string::npos ? std::string{} : coda.substr(inizio);
}

void Colonna2Tabella(const Colonna& c, Tabella& t) {
    for (size_t i = 0; i < RIGHE; ++i) t[i] = Valore(c[i]);
}
Colonna Tabella2Colonna(const Tabella& t) {
    Colonna c{};
    for (size_t i = 0; i < RIGHE; ++i) c[i] = Singolo(t[i]);
    return c;
}

template <size_t N> void RiempiAsse(std::array<double, N>& asse, int ultima) {
    for (int i = 0; i <= ultima && i < static_cast<int>(N); ++i) asse[static_cast<size_t>(i)] = i;
}

// ---- the chain ----------------------------------------------------------------------

RecordGeometria GeometriaDa(const Progetto& pr) {
    RecordGeometria g;
    const int16_t u = Limita(pr.UltimoElemento, 0, MAX_ELEMENTI);
    const int16_t giunzioni = Limita(pr.NumeroGiunzioniProgetto, 0, MAX_GIUNZIONI);
    g.UltimoElemento = u;
    g.NumeroGiunzioni = giunzioni;
    g.ContaAste = ContaAste;
    g.ContaSquadrette = ContaSquadrette;
    g.ContaAmmortizzatori = ContaAmmortizzatori;
    g.Forcellone = pr.DatiForcellone;
    g.Asta = pr.DatiAsta;
    g.Squadretta = pr.DatiSquadretta;
    g.Molla = pr.DatiMolla;
    for (size_t k = 0; k <= MAX_ELEMENTI; ++k)
        for (size_t j = 0; j < 2; ++j) g.OpzioneFix[j][k] = pr.OpzioneFix[k][j];
    g.AmmortizzatoreFisso = pr.AmmortizzatoreFisso;
    // Only the texts the chain uses: the ones above it would take room and mean nothing.
    for (int k = 0; k <= u; ++k) g.TipoElemento[size_t(k)] = pr.TipoElemento[size_t(k)];
    for (int k = 1; k <= giunzioni; ++k) g.TipoGiunzione[size_t(k)] = pr.TipoGiunzione[size_t(k)];
    return g;
}

void CaricaGeometria(const RecordGeometria& g, Progetto& pr) {
    const int16_t u = Limita(g.UltimoElemento, 0, MAX_ELEMENTI);
    const int16_t giunzioni = Limita(g.NumeroGiunzioni, 0, MAX_GIUNZIONI);
    pr.UltimoElemento = u;
    pr.NumeroGiunzioniProgetto = giunzioni;
    for (int k = 0; k <= u; ++k) pr.TipoElemento[size_t(k)] = SenzaSpazi(g.TipoElemento[size_t(k)]);
    for (int k = 1; k <= giunzioni; ++k)
        pr.TipoGiunzione[size_t(k)] = SenzaSpazi(g.TipoGiunzione[size_t(k)]);
    ContaAste = std::max<int16_t>(g.ContaAste, 0);
    ContaSquadrette = std::max<int16_t>(g.ContaSquadrette, 0);
    ContaAmmortizzatori = std::max<int16_t>(g.ContaAmmortizzatori, 0);
    pr.DatiForcellone = Valori(g.Forcellone);
    for (size_t k = 1; k <= size_t(u); ++k) {
        if (pr.TipoElemento[k] == "A")
            pr.DatiAsta[k] = Valori(g.Asta[k]);
        else if (pr.TipoElemento[k] == "S")
            pr.DatiSquadretta[k] = Valori(g.Squadretta[k]);
    }
    pr.DatiMolla[size_t(u)] = Valori(g.Molla[size_t(u)]);
    for (size_t k = 0; k <= size_t(u); ++k)
        for (size_t j = 0; j < 2; ++j) pr.OpzioneFix[k][j] = g.OpzioneFix[j][k];
    pr.AmmortizzatoreFisso = UnoZero(g.AmmortizzatoreFisso);
}

// ---- component blocks ------------------------------------------------------------------

BloccoComponente Blocco(const Tabella& costante, const Tabella& forza, int16_t inserito,
                        int16_t modo, const std::string& descrizione, double l1, double l2) {
    BloccoComponente b;
    b.VecchiaLunghezza1 = CInt(l1);
    b.VecchiaLunghezza2 = CInt(l2);
    b.Costante = Tabella2Colonna(costante);
    b.Forza = Tabella2Colonna(forza);
    b.Inserito = inserito;
    b.Modo = modo;
    b.Descrizione = descrizione;
    return b;
}

// Rows 0.. up to the first row i > 0 whose force is 0 (that row included): the rows after it
// keep their contents. Answers the count: the row before the stop row, or the last row.
int16_t CopiaRighe(const BloccoComponente& b, Tabella& costante, Tabella& forza, Tabella& asse) {
    for (size_t i = 0; i < RIGHE; ++i) {
        costante[i] = Valore(b.Costante[i]);
        forza[i] = Valore(b.Forza[i]);
        asse[i] = static_cast<double>(i);
        if (i > 0 && forza[i] == 0) return static_cast<int16_t>(i - 1);
    }
    return MAX_RIGHE;
}

void AssegnaDatiTampone(const RecordTampone& r, Progetto& pr) {
    pr.LungTamponeScarico = Valore(r.LungScarico);
    pr.LungTamponeMaxCompressione = Valore(r.LungMaxCompressione);
    Colonna2Tabella(r.Tampone.Costante, pr.CostanteTampone);
    Colonna2Tabella(r.Tampone.Forza, pr.ForzaTampone);
    pr.TamponeInserito = Flag(r.Tampone.Inserito);
    pr.ModoTampone = r.Tampone.Modo;
    pr.DescrizioneTampone = SenzaCoda(r.Tampone.Descrizione);
    CalcolaDatiStaticiAmmortizzatore();
}

void AssegnaDatiMolla(const RecordMolla& r, Progetto& pr) {
    pr.LungMollaLibera = Valore(r.LungLibera);
    pr.LungMollaMaxCompressione = Valore(r.LungMaxCompressione);
    Colonna2Tabella(r.Molla.Costante, pr.CostanteMolla);
    Colonna2Tabella(r.Molla.Forza, pr.ForzaMolla);
    pr.MollaInserita = Flag(r.Molla.Inserito);
    pr.ModoMolla = r.Molla.Modo;
    pr.DescrizioneMolla = SenzaCoda(r.Molla.Descrizione);
    pr.NumeroMolle = r.NumeroMolle > 0 ? r.NumeroMolle : int16_t{1};
    CalcolaDatiStaticiAmmortizzatore();
}

void AssegnaDatiAmmortizzatore(RecordAmmortizzatore& r, Progetto& pr) {
    pr.QuotaA = Valore(r.Quote[0]);
    pr.QuotaB = Valore(r.Quote[1]);
    pr.CorsaAmmortizzatore = Valore(r.Quote[2]);
    pr.LungMollaAmmortizzatore = Valore(r.Quote[3]);
    pr.InterasseAmmortizzatore = Valore(r.Quote[4]);
    AggiornaInterasseMinimo(pr);
    pr.AmmortizzatoreInserito = Flag(r.Inserito);
    pr.MollaCompatibile = UnoZero(r.MollaCompatibile);
    pr.TamponeCompatibile = UnoZero(r.TamponeCompatibile);
    pr.DescrizioneAmmortizzatore = SenzaCoda(r.Descrizione);
    pr.LungMollaLibera = Valore(r.Lunghezze[0]);
    pr.LungMollaMaxCompressione = Valore(r.Lunghezze[1]);
    Tabella asseMolla{};
    pr.NumPuntiMolla = CopiaRighe(r.Molla, pr.CostanteMolla, pr.ForzaMolla, asseMolla);
    for (int i = 0; i <= pr.NumPuntiMolla + 1 && i <= MAX_RIGHE; ++i)
        pr.EscursioneMolla[size_t(i)] = i;
    pr.MollaInserita = Flag(r.Molla.Inserito);
    pr.ModoMolla = r.Molla.Modo;
    pr.DescrizioneMolla = SenzaCoda(r.Molla.Descrizione);
    pr.NomeFileMolla = PercorsoDaRecord(r.NomeFileMolla);
    pr.NumeroMolle = r.NumeroMolle > 0 ? r.NumeroMolle : int16_t{1};
    if (r.Lunghezze[2] == 0) {
        r.Lunghezze[2] = r.Tampone.VecchiaLunghezza1;
        r.Lunghezze[3] = r.Tampone.VecchiaLunghezza2;
    }
    pr.LungTamponeScarico = Valore(r.Lunghezze[2]);
    pr.LungTamponeMaxCompressione = Valore(r.Lunghezze[3]);
    pr.NumPuntiTampone =
        CopiaRighe(r.Tampone, pr.CostanteTampone, pr.ForzaTampone, pr.EscursioneTampone);
    pr.TamponeInserito = Flag(r.Tampone.Inserito);
    pr.ModoTampone = r.Tampone.Modo;
    pr.DescrizioneTampone = SenzaCoda(r.Tampone.Descrizione);
    pr.NomeFileTampone = PercorsoDaRecord(r.NomeFileTampone);
    // The gas charge goes with the shock absorber it belongs to.
    pr.PressioneGas = Valore(r.Gas[0]);
    pr.DiametroGas = Valore(r.Gas[1]);
    pr.ForzaGas = Valore(r.Gas[2]);
    CalcolaDatiStaticiAmmortizzatore();
}

} // namespace

int16_t UltimaRigaForza(const Colonna& forza) {
    for (size_t r = 1; r < RIGHE; ++r)
        if (forza[r] == 0) return static_cast<int16_t>(r - 1);
    return MAX_RIGHE;
}

// Paths in records. The fields were made for code-page text, but a file may be named with
// letters the code page lacks. The rule, so that a path the program writes reads back as the
// same path and the code-page paths of older files still read as they always did:
// - writing: a path whose letters all have a byte in the code page is stored in the code page,
//   unless those bytes would themselves read as UTF-8 (below); any other path is stored as its
//   UTF-8 bytes, cut at a character's end when it is longer than the field;
// - reading: bytes that are valid UTF-8 and not plain ASCII are UTF-8; anything else is the
//   code page.
// An older file's code-page path whose bytes happen to form valid UTF-8 ("Ã©" in Windows-1252)
// reads as UTF-8; a path that is no valid UTF-8 on the file system cannot be kept exactly.

namespace {

bool SoloAscii(const std::string& s) {
    return std::all_of(s.begin(), s.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// Well-formed UTF-8: shortest forms, no surrogates, nothing above U+10FFFF.
bool Utf8Valido(const std::string& s) {
    for (size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        size_t n = 0;
        uint32_t v = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF)
            n = 1, v = c & 0x1F;
        else if (c >= 0xE0 && c <= 0xEF)
            n = 2, v = c & 0x0F;
        else if (c >= 0xF0 && c <= 0xF4)
            n = 3, v = c & 0x07;
        else
            return false;
        if (i + n >= s.size()) return false;
        for (size_t k = 1; k <= n; ++k) {
            const auto d = static_cast<unsigned char>(s[i + k]);
            if ((d & 0xC0) != 0x80) return false;
            v = (v << 6) | (d & 0x3F);
        }
        if ((n == 2 && v < 0x800) || (n == 3 && v < 0x10000) || v > 0x10FFFF ||
            (v >= 0xD800 && v <= 0xDFFF))
            return false;
        i += n + 1;
    }
    return true;
}

bool LettoComeUtf8(const std::string& byte) {
    return !SoloAscii(byte) && Utf8Valido(byte);
}

} // namespace

std::string PercorsoDaRecord(const std::string& campo) {
    const std::string byte = SenzaSpazi(campo);
    return LettoComeUtf8(byte) ? byte : InUtf8(byte, CodicePaginaLingua());
}

std::string PercorsoInRecord(const std::string& percorso) {
    if (SenzaSpazi(percorso).empty()) return std::string(LUNGHEZZA_PERCORSO, '\0');
    std::string byte;
    if (DaUtf8(percorso, CodicePaginaLingua(), byte) && !LettoComeUtf8(byte)) return byte;
    byte = percorso;
    if (byte.size() > LUNGHEZZA_PERCORSO) {
        size_t fine = LUNGHEZZA_PERCORSO;
        while (fine > 0 && (static_cast<unsigned char>(byte[fine]) & 0xC0) == 0x80) --fine;
        byte.resize(fine);
    }
    return byte;
}

// ---- geometry -------------------------------------------------------------------------

RecordSchema RecordSchemaDa(int16_t p) {
    const Progetto& pr = Progetti[size_t(p)];
    return {GeometriaDa(pr), pr.RaggioRuota};
}

void CaricaSchema(const RecordSchema& r, int16_t n) {
    Progetto& pr = Progetti[size_t(n)];
    CaricaGeometria(r.Geometria, pr);
    pr.RaggioRuota = static_cast<float>(Valore(r.RaggioRuota));
}

// ---- whole project ---------------------------------------------------------------------

RecordProgetto RecordProgettoDa(int16_t p) {
    const Progetto& pr = Progetti[size_t(p)];
    RecordProgetto r;
    r.Geometria = GeometriaDa(pr);
    r.VecchieLunghezzeMolla = {CInt(pr.LungMollaLibera), CInt(pr.LungMollaMaxCompressione),
                               CInt(pr.PrecaricoMollaInserita)};
    r.CostanteMolla = Tabella2Colonna(pr.CostanteMolla);
    r.ForzaMolla = Tabella2Colonna(pr.ForzaMolla);
    r.ValoreRiservato = pr.ValoreRiservatoProgetto;
    r.GeometriaInserita = pr.GeometriaInserita;
    r.MollaInserita = pr.MollaInserita;
    r.AmmortizzatoreCompatibile = pr.AmmortizzatoreCompatibile;
    r.ModoMolla = pr.ModoMolla;
    r.NomeFileSchema = PercorsoInRecord(pr.NomeFileSchema);
    r.NomeFileMolla = PercorsoInRecord(pr.NomeFileMolla);
    r.DescrizioneProgetto1 = pr.DescrizioneProgetto1;
    r.DescrizioneProgetto2 = pr.DescrizioneProgetto2;
    r.DescrizioneMolla = pr.DescrizioneMolla;
    r.Quote = {Singolo(pr.QuotaA), Singolo(pr.QuotaB), Singolo(pr.CorsaAmmortizzatore),
               Singolo(pr.LungMollaAmmortizzatore), Singolo(pr.InterasseAmmortizzatore)};
    r.AmmortizzatoreInserito = pr.AmmortizzatoreInserito;
    r.MollaCompatibile = pr.MollaCompatibile;
    r.TamponeCompatibile = pr.TamponeCompatibile;
    r.DescrizioneAmmortizzatore = pr.DescrizioneAmmortizzatore;
    r.NomeFileAmmortizzatore = PercorsoInRecord(pr.NomeFileAmmortizzatore);
    r.VecchieLunghezzeTampone = {CInt(pr.LungTamponeScarico), CInt(pr.LungTamponeMaxCompressione)};
    r.CostanteTampone = Tabella2Colonna(pr.CostanteTampone);
    r.ForzaTampone = Tabella2Colonna(pr.ForzaTampone);
    r.TamponeInserito = pr.TamponeInserito;
    r.ModoTampone = pr.ModoTampone;
    r.DescrizioneTampone = pr.DescrizioneTampone;
    r.NomeFileTampone = PercorsoInRecord(pr.NomeFileTampone);
    r.NumeroMolle = pr.NumeroMolle;
    r.Lunghezze = {Singolo(pr.LungMollaLibera), Singolo(pr.LungMollaMaxCompressione),
                   Singolo(pr.PrecaricoMollaInserita), Singolo(pr.LungTamponeScarico),
                   Singolo(pr.LungTamponeMaxCompressione)};
    r.PrecaricoImpostato = pr.PrecaricoImpostato;
    r.Inseriti = {pr.GeometriaInserita, pr.AmmortizzatoreInserito, pr.MollaInserita,
                  pr.TamponeInserito};
    r.StatoDatiProgetto = pr.StatoDatiProgetto;
    r.NumPunti = {pr.NumPunti, pr.NumPuntiAmmortizzatore, pr.NumPuntiMolla, pr.NumPuntiTampone};
    r.PrecaricoSetup = CInt(pr.PrecaricoSetup);
    r.PrecaricoSetupEsatto = Singolo(pr.PrecaricoSetup);
    r.Gas = {Singolo(pr.PressioneGas), Singolo(pr.DiametroGas), Singolo(pr.ForzaGas)};
    return r;
}

Avvisi ControllaProgetto(const RecordProgetto& r, bool& senzaAmmortizzatore) {
    Avvisi avvisi;
    senzaAmmortizzatore = false;
    if (r.GeometriaInserita == 0) avvisi.push_back({&Messaggi, 34});
    if (r.AmmortizzatoreInserito == 0) {
        if (!PercorsoDaRecord(r.NomeFileAmmortizzatore).empty()) {
            avvisi.push_back({&Messaggi, 35});
        } else {
            avvisi.push_back({&Messaggi, 36});
            senzaAmmortizzatore = true;
        }
    }
    if (r.MollaInserita == 0) avvisi.push_back({&Messaggi, 37});
    if (!PercorsoDaRecord(r.NomeFileTampone).empty() && r.TamponeInserito == 0)
        avvisi.push_back({&TestiFrmMenu, MSG_TAMPONE_NON_INSERITO});
    return avvisi;
}

Avvisi ControllaCompatibilita(int16_t p) {
    const Progetto& pr = Progetti[size_t(p)];
    if (Vero(pr.GeometriaInserita) && Vero(pr.AmmortizzatoreInserito) &&
        pr.AmmortizzatoreCompatibile != 1)
        return {{&TestiFrmMenu, MSG_AMMORTIZZATORE_INCOMPATIBILE}};
    return {};
}

void CaricaProgetto(const RecordProgetto& r, int16_t p) {
    Progetto& pr = Progetti[size_t(p)];
    CaricaGeometria(r.Geometria, pr);
    pr.AmmortizzatoreDaGiudicare = FALSO; // the project reader tells a misfit once it is solved
    // Older files kept the spring and bump-stop lengths in whole millimetres only.
    const bool mollaVecchia = r.Lunghezze[0] == 0;
    pr.LungMollaLibera = mollaVecchia ? r.VecchieLunghezzeMolla[0] : Valore(r.Lunghezze[0]);
    pr.LungMollaMaxCompressione =
        mollaVecchia ? r.VecchieLunghezzeMolla[1] : Valore(r.Lunghezze[1]);
    pr.PrecaricoMollaInserita = mollaVecchia ? r.VecchieLunghezzeMolla[2] : Valore(r.Lunghezze[2]);
    Colonna2Tabella(r.CostanteMolla, pr.CostanteMolla);
    Colonna2Tabella(r.ForzaMolla, pr.ForzaMolla);
    pr.ValoreRiservatoProgetto = r.ValoreRiservato;
    pr.AmmortizzatoreCompatibile = UnoZero(r.AmmortizzatoreCompatibile);
    pr.ModoMolla = r.ModoMolla;
    pr.NomeFileSchema = PercorsoDaRecord(r.NomeFileSchema);
    pr.NomeFileMolla = PercorsoDaRecord(r.NomeFileMolla);
    pr.DescrizioneProgetto1 = SenzaCoda(r.DescrizioneProgetto1);
    pr.DescrizioneProgetto2 = SenzaCoda(r.DescrizioneProgetto2);
    pr.DescrizioneMolla = SenzaCoda(r.DescrizioneMolla);
    pr.NumeroMolle = r.NumeroMolle > 0 ? r.NumeroMolle : int16_t{1};
    pr.QuotaA = Valore(r.Quote[0]);
    pr.QuotaB = Valore(r.Quote[1]);
    pr.CorsaAmmortizzatore = Valore(r.Quote[2]);
    pr.LungMollaAmmortizzatore = Valore(r.Quote[3]);
    pr.InterasseAmmortizzatore = Valore(r.Quote[4]);
    AggiornaInterasseMinimo(pr);
    pr.MollaCompatibile = UnoZero(r.MollaCompatibile);
    pr.TamponeCompatibile = UnoZero(r.TamponeCompatibile);
    pr.DescrizioneAmmortizzatore = SenzaCoda(r.DescrizioneAmmortizzatore);
    pr.NomeFileAmmortizzatore = PercorsoDaRecord(r.NomeFileAmmortizzatore);
    const bool tamponeVecchio = r.Lunghezze[3] == 0;
    pr.LungTamponeScarico = tamponeVecchio ? r.VecchieLunghezzeTampone[0] : Valore(r.Lunghezze[3]);
    pr.LungTamponeMaxCompressione =
        tamponeVecchio ? r.VecchieLunghezzeTampone[1] : Valore(r.Lunghezze[4]);
    Colonna2Tabella(r.CostanteTampone, pr.CostanteTampone);
    Colonna2Tabella(r.ForzaTampone, pr.ForzaTampone);
    pr.ModoTampone = r.ModoTampone;
    pr.DescrizioneTampone = SenzaCoda(r.DescrizioneTampone);
    pr.NomeFileTampone = PercorsoDaRecord(r.NomeFileTampone);
    // The second copies of the flags are the ones that count.
    pr.GeometriaInserita = Flag(r.Inseriti[0]);
    pr.AmmortizzatoreInserito = Flag(r.Inseriti[1]);
    pr.MollaInserita = Flag(r.Inseriti[2]);
    pr.TamponeInserito = Flag(r.Inseriti[3]);
    pr.StatoDatiProgetto = Limita(r.StatoDatiProgetto, 0, 15);
    pr.NumPunti = Limita(r.NumPunti[0], 0, MAX_PUNTI);
    pr.NumPuntiAmmortizzatore = Limita(r.NumPunti[1], -1, MAX_PUNTI);
    pr.NumPuntiMolla = Limita(r.NumPunti[2], 0, MAX_RIGHE);
    pr.NumPuntiTampone = Limita(r.NumPunti[3], 0, MAX_RIGHE);
    RiempiAsse(pr.AsseCorsaAmmortizzatore, pr.NumPuntiAmmortizzatore);
    RiempiAsse(pr.EscursioneMolla, pr.NumPuntiMolla);
    RiempiAsse(pr.EscursioneTampone, pr.NumPuntiTampone);
    // The exact preload stands when it rounds to the whole millimetres stored beside it (older
    // files leave it 0).
    const double esatto = Valore(r.PrecaricoSetupEsatto);
    pr.PrecaricoSetup = CInt(esatto) == r.PrecaricoSetup ? esatto : r.PrecaricoSetup;
    // A preload set in the preload window stays as it was set: the static step must not
    // rebuild it from the lengths and add the setup preload a second time.
    pr.PrecaricoImpostato = Flag(r.PrecaricoImpostato);
    pr.RaggioRuota = pr.DatiForcellone.P[1].Y;
    pr.PressioneGas = Valore(r.Gas[0]);
    pr.DiametroGas = Valore(r.Gas[1]);
    pr.ForzaGas = Valore(r.Gas[2]);
}

// ---- components ------------------------------------------------------------------------

RecordTampone RecordTamponeDa(int16_t p) {
    const Progetto& pr = Progetti[size_t(p)];
    RecordTampone r;
    r.Tampone = Blocco(pr.CostanteTampone, pr.ForzaTampone, pr.TamponeInserito, pr.ModoTampone,
                       pr.DescrizioneTampone, pr.LungTamponeScarico, pr.LungTamponeMaxCompressione);
    r.LungScarico = Singolo(pr.LungTamponeScarico);
    r.LungMaxCompressione = Singolo(pr.LungTamponeMaxCompressione);
    return r;
}

RecordMolla RecordMollaDa(int16_t p) {
    const Progetto& pr = Progetti[size_t(p)];
    RecordMolla r;
    r.Molla = Blocco(pr.CostanteMolla, pr.ForzaMolla, pr.MollaInserita, pr.ModoMolla,
                     pr.DescrizioneMolla, pr.LungMollaLibera, pr.LungMollaMaxCompressione);
    r.NumeroMolle = pr.NumeroMolle;
    r.LungLibera = Singolo(pr.LungMollaLibera);
    r.LungMaxCompressione = Singolo(pr.LungMollaMaxCompressione);
    return r;
}

RecordAmmortizzatore RecordAmmortizzatoreDa(int16_t p) {
    const Progetto& pr = Progetti[size_t(p)];
    RecordAmmortizzatore r;
    r.Quote = {Singolo(pr.QuotaA), Singolo(pr.QuotaB), Singolo(pr.CorsaAmmortizzatore),
               Singolo(pr.LungMollaAmmortizzatore), Singolo(pr.InterasseAmmortizzatore)};
    r.Inserito = pr.AmmortizzatoreInserito;
    r.MollaCompatibile = pr.MollaCompatibile;
    r.TamponeCompatibile = pr.TamponeCompatibile;
    r.Descrizione = pr.DescrizioneAmmortizzatore;
    r.Molla = RecordMollaDa(p).Molla;
    r.NomeFileMolla = PercorsoInRecord(pr.NomeFileMolla);
    r.Tampone = RecordTamponeDa(p).Tampone;
    r.NomeFileTampone = PercorsoInRecord(pr.NomeFileTampone);
    r.NumeroMolle = pr.NumeroMolle;
    r.Lunghezze = {Singolo(pr.LungMollaLibera), Singolo(pr.LungMollaMaxCompressione),
                   Singolo(pr.LungTamponeScarico), Singolo(pr.LungTamponeMaxCompressione)};
    r.Gas = {Singolo(pr.PressioneGas), Singolo(pr.DiametroGas), Singolo(pr.ForzaGas)};
    return r;
}

Avvisi CaricaTampone(RecordTampone r, int16_t p) {
    Progetto& pr = Progetti[size_t(p)];
    if (r.LungScarico == 0) {
        r.LungScarico = r.Tampone.VecchiaLunghezza1;
        r.LungMaxCompressione = r.Tampone.VecchiaLunghezza2;
    }
    Avvisi avvisi;
    if (!Vero(r.Tampone.Inserito)) {
        pr.TamponeCompatibile = 0;
        pr.AmmortizzatoreCompatibile = 0;
        avvisi.push_back({&Messaggi, 40});
    } else if (Vero(pr.AmmortizzatoreInserito)) {
        const bool entra = Singolo(pr.CorsaAmmortizzatore) > r.LungScarico;
        pr.TamponeCompatibile = entra ? 1 : 0;
        if (!entra) avvisi.push_back({&Messaggi, 39});
    }
    AssegnaDatiTampone(r, pr);
    pr.NumPuntiTampone = UltimaRigaForza(r.Tampone.Forza);
    RiempiAsse(pr.EscursioneTampone, MAX_RIGHE);
    return avvisi;
}

Avvisi CaricaMolla(RecordMolla r, int16_t p) {
    Progetto& pr = Progetti[size_t(p)];
    if (r.LungLibera == 0) {
        r.LungLibera = r.Molla.VecchiaLunghezza1;
        r.LungMaxCompressione = r.Molla.VecchiaLunghezza2;
    }
    const double a = Valore(r.LungLibera), b = Valore(r.LungMaxCompressione);
    Avvisi avvisi;
    if (!Vero(r.Molla.Inserito)) {
        pr.MollaCompatibile = 0;
        pr.AmmortizzatoreCompatibile = 0;
        avvisi.push_back({&Messaggi, 33});
    } else if (Vero(pr.AmmortizzatoreInserito)) {
        // With the preload the static step will give this spring in its seat.
        const bool entra = GiudicaMolla(pr, a, b, pr.LungMollaAmmortizzatore).Entra();
        pr.MollaCompatibile = entra ? 1 : 0;
        if (!entra) avvisi.push_back({&Messaggi, 31});
    } else if (!VerificaDifferenzaMaggiore(a, pr.PrecaricoMollaInserita, b)) {
        avvisi.push_back({&Messaggi, 32});
    }
    AssegnaDatiMolla(r, pr);
    pr.NumPuntiMolla = UltimaRigaForza(r.Molla.Forza);
    RiempiAsse(pr.EscursioneMolla, MAX_RIGHE);
    return avvisi;
}

Avvisi CaricaAmmortizzatore(RecordAmmortizzatore r, int16_t p) {
    Progetto& pr = Progetti[size_t(p)];
    if (r.Lunghezze[0] == 0) {
        r.Lunghezze[0] = r.Molla.VecchiaLunghezza1;
        r.Lunghezze[1] = r.Molla.VecchiaLunghezza2;
    }
    Avvisi avvisi;
    if (!Vero(r.Inserito)) {
        pr.AmmortizzatoreCompatibile = 0;
        avvisi.push_back({&Messaggi, 30});
    } else if (Vero(pr.GeometriaInserita)) {
        const bool entra = EntraAmmortizzatore(pr, Valore(r.Lunghezze[0]), Valore(r.Lunghezze[1]),
                                               Valore(r.Quote[3]), Valore(r.Quote[4]));
        pr.AmmortizzatoreCompatibile = entra ? 1 : 0;
        if (!entra) avvisi.push_back({&Messaggi, 29});
    }
    pr.AmmortizzatoreDaGiudicare = Vero(r.Inserito) && !Vero(pr.GeometriaInserita) ? VERO : FALSO;
    AssegnaDatiAmmortizzatore(r, pr);
    return avvisi;
}

} // namespace kelvra::files
