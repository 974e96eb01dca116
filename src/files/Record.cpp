#include "files/Record.h"

#include "core/Record.h"

#include <utility>

namespace kelvra::files {

namespace {

// The core codec seen through one face for both directions, so that a layout is a single walk:
// `Campo` for the numbers and arrays, fixed texts as they stand, variable texts bounded by
// `massimo` (a longer count fails the reader; the writer cuts to it).
class Lettura {
  public:
    explicit Lettura(std::string_view dati)
        : r_(std::span(reinterpret_cast<const unsigned char*>(dati.data()), dati.size())) {}
    template <class T> void Campo(T& v) { r_.Campo(v); }
    void TestoFisso(std::string& t, size_t lunghezza) { t = r_.TestoFisso(lunghezza); }
    void TestoVariabile(std::string& t, size_t massimo) { t = r_.TestoContato(massimo); }
    bool Riuscito() const { return r_.Riuscito(); }

  private:
    LettoreRecord r_;
};

class Scrittura {
  public:
    template <class T> void Campo(const T& v) { w_.Campo(v); }
    void TestoFisso(const std::string& t, size_t lunghezza) { w_.TestoFisso(t, lunghezza); }
    void TestoVariabile(const std::string& t, size_t massimo) {
        w_.TestoContato(t.substr(0, massimo));
    }
    std::string Dati() const { return {w_.Dati().begin(), w_.Dati().end()}; }

  private:
    ScrittoreRecord w_;
};

// Each layout is written once, as a walk over its fields in disk order; the reader and the
// writer take the same walk. `R` is the record, const for the writer.

template <class V, class P> void Punti(V& v, P& punti) {
    for (auto& punto : punti.P) {
        v.Campo(punto.X);
        v.Campo(punto.Y);
    }
}

template <class V, class R> void Geometria(V& v, R& g) {
    v.Campo(g.UltimoElemento);
    v.Campo(g.NumeroGiunzioni);
    v.Campo(g.ContaAste);
    v.Campo(g.ContaSquadrette);
    v.Campo(g.ContaAmmortizzatori);
    Punti(v, g.Forcellone);
    for (auto& a : g.Asta) Punti(v, a);
    for (auto& s : g.Squadretta) Punti(v, s);
    for (auto& m : g.Molla) Punti(v, m);
    v.Campo(g.OpzioneFix);
    v.Campo(g.AmmortizzatoreFisso);
    for (auto& t : g.TipoElemento) v.TestoVariabile(t, MASSIMO_TESTO_VARIABILE);
    for (auto& t : g.TipoGiunzione) v.TestoVariabile(t, MASSIMO_TESTO_VARIABILE);
}

template <class V, class B> void Blocco(V& v, B& b) {
    v.Campo(b.VecchiaLunghezza1);
    v.Campo(b.VecchiaLunghezza2);
    v.Campo(b.Costante);
    v.Campo(b.Forza);
    v.Campo(b.Inserito);
    v.Campo(b.Modo);
    v.TestoFisso(b.Descrizione, LUNGHEZZA_DESCRIZIONE);
}

template <class V, class R> void Layout(V& v, R& r, const RecordSchema*) {
    Geometria(v, r.Geometria);
    v.Campo(r.RaggioRuota);
}

template <class V, class R> void Layout(V& v, R& r, const RecordTampone*) {
    Blocco(v, r.Tampone);
    v.Campo(r.LungScarico);
    v.Campo(r.LungMaxCompressione);
    v.Campo(r.NonUsato);
}

template <class V, class R> void Layout(V& v, R& r, const RecordMolla*) {
    Blocco(v, r.Molla);
    v.Campo(r.NumeroMolle);
    v.Campo(r.LungLibera);
    v.Campo(r.LungMaxCompressione);
    v.Campo(r.NonUsato);
}

template <class V, class R> void Layout(V& v, R& r, const RecordAmmortizzatore*) {
    v.Campo(r.Quote);
    v.Campo(r.Inserito);
    v.Campo(r.MollaCompatibile);
    v.Campo(r.TamponeCompatibile);
    v.TestoFisso(r.Descrizione, LUNGHEZZA_DESCRIZIONE);
    Blocco(v, r.Molla);
    v.TestoFisso(r.NomeFileMolla, LUNGHEZZA_PERCORSO);
    Blocco(v, r.Tampone);
    v.TestoFisso(r.NomeFileTampone, LUNGHEZZA_PERCORSO);
    v.Campo(r.NumeroMolle);
    v.Campo(r.Lunghezze);
    v.Campo(r.NonUsato);
    v.Campo(r.Gas);
}

template <class V, class R> void Layout(V& v, R& r, const RecordProgetto*) {
    Geometria(v, r.Geometria);
    v.Campo(r.VecchieLunghezzeMolla);
    v.Campo(r.CostanteMolla);
    v.Campo(r.ForzaMolla);
    v.Campo(r.ValoreRiservato);
    v.Campo(r.GeometriaInserita);
    v.Campo(r.MollaInserita);
    v.Campo(r.AmmortizzatoreCompatibile);
    v.Campo(r.ModoMolla);
    v.TestoFisso(r.NomeFileSchema, LUNGHEZZA_PERCORSO);
    v.TestoFisso(r.NomeFileMolla, LUNGHEZZA_PERCORSO);
    v.TestoFisso(r.DescrizioneProgetto1, LUNGHEZZA_DESCRIZIONE);
    v.TestoFisso(r.DescrizioneProgetto2, LUNGHEZZA_DESCRIZIONE);
    v.TestoFisso(r.DescrizioneMolla, LUNGHEZZA_DESCRIZIONE);
    v.Campo(r.Quote);
    v.Campo(r.AmmortizzatoreInserito);
    v.Campo(r.MollaCompatibile);
    v.Campo(r.TamponeCompatibile);
    v.TestoFisso(r.DescrizioneAmmortizzatore, LUNGHEZZA_DESCRIZIONE);
    v.TestoFisso(r.NomeFileAmmortizzatore, LUNGHEZZA_PERCORSO);
    v.Campo(r.VecchieLunghezzeTampone);
    v.Campo(r.CostanteTampone);
    v.Campo(r.ForzaTampone);
    v.Campo(r.TamponeInserito);
    v.Campo(r.ModoTampone);
    v.TestoFisso(r.DescrizioneTampone, LUNGHEZZA_DESCRIZIONE);
    v.TestoFisso(r.NomeFileTampone, LUNGHEZZA_PERCORSO);
    v.Campo(r.NumeroMolle);
    v.Campo(r.Lunghezze);
    v.Campo(r.PrecaricoImpostato);
    v.Campo(r.Inseriti);
    v.Campo(r.StatoDatiProgetto);
    v.Campo(r.NumPunti);
    v.Campo(r.PrecaricoSetup);
    v.Campo(r.PrecaricoSetupEsatto);
    v.Campo(r.Gas);
}

template <class R> bool Leggi(std::string_view dati, R& r) {
    Lettura v(dati);
    R letto;
    Layout(v, letto, static_cast<const R*>(nullptr));
    if (!v.Riuscito()) return false;
    r = std::move(letto);
    return true;
}

template <class R> std::string Scrivi(const R& r) {
    Scrittura v;
    Layout(v, r, static_cast<const R*>(nullptr));
    return v.Dati();
}

} // namespace

bool Decodifica(std::string_view dati, RecordSchema& r) {
    return Leggi(dati, r);
}
bool Decodifica(std::string_view dati, RecordProgetto& r) {
    return Leggi(dati, r);
}
bool Decodifica(std::string_view dati, RecordAmmortizzatore& r) {
    return Leggi(dati, r);
}
bool Decodifica(std::string_view dati, RecordMolla& r) {
    return Leggi(dati, r);
}
bool Decodifica(std::string_view dati, RecordTampone& r) {
    return Leggi(dati, r);
}

std::string Codifica(const RecordSchema& r) {
    return Scrivi(r);
}
std::string Codifica(const RecordProgetto& r) {
    return Scrivi(r);
}
std::string Codifica(const RecordAmmortizzatore& r) {
    return Scrivi(r);
}
std::string Codifica(const RecordMolla& r) {
    return Scrivi(r);
}
std::string Codifica(const RecordTampone& r) {
    return Scrivi(r);
}

} // namespace kelvra::files
