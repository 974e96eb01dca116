// The five record layouts of the project and component files: the geometry ".kv3", the whole
// project ".kvp", the shock absorber ".kva", the spring ".kvr" and the bump stop ".kvt".
//
// Each record is read and written field by field in the order declared here, which is the
// order of the fields on disk. Fixed texts hold the bytes of the file as they stand (padding
// included); the conversion to and from the project tables lives in Assegna.h.
#pragma once

#include "core/Progetti.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace kelvra::files {

// Record lengths of the five kinds. A record with variable texts is shorter when its texts
// leave room, and longer by the difference when a chain needs more than that room.
constexpr size_t LUNGHEZZA_SCHEMA = 1028;
constexpr size_t LUNGHEZZA_PROGETTO = 22550;
constexpr size_t LUNGHEZZA_AMMORTIZZATORE = 19290;
constexpr size_t LUNGHEZZA_MOLLA = 9028;
constexpr size_t LUNGHEZZA_TAMPONE = 9026;
// The fixed part before the sixteen variable texts, and the room they share in a record of
// the stated length.
constexpr size_t POSIZIONE_TESTI = 960;
constexpr size_t SPAZIO_TESTI = 64;
// A variable text longer than this is not one of ours.
constexpr size_t MASSIMO_TESTO_VARIABILE = 64;
// The most a reader takes from a file.
constexpr size_t MARGINE_LETTURA = 16 * MASSIMO_TESTO_VARIABILE;

constexpr size_t LUNGHEZZA_DESCRIZIONE = 1000;
constexpr size_t LUNGHEZZA_PERCORSO = 100;
constexpr size_t RIGHE = MAX_RIGHE + 1; // rows 0..1000

using Colonna = std::array<float, RIGHE>;

// The linkage chain: the first 960 bytes of the geometry and project records and their
// sixteen variable texts.
struct RecordGeometria {
    int16_t UltimoElemento = 0;
    int16_t NumeroGiunzioni = 0;
    int16_t ContaAste = 0;
    int16_t ContaSquadrette = 0;
    int16_t ContaAmmortizzatori = 0;
    TrePunti Forcellone{};
    std::array<TrePunti, MAX_ELEMENTI + 1> Asta{};
    std::array<QuattroPunti, MAX_ELEMENTI + 1> Squadretta{};
    std::array<TrePunti, MAX_ELEMENTI + 1> Molla{};
    std::array<std::array<int16_t, MAX_ELEMENTI + 1>, 2> OpzioneFix{}; // [j][k]: slot fastest
    int16_t AmmortizzatoreFisso = 0;
    std::array<std::string, MAX_ELEMENTI + 1> TipoElemento{};
    std::array<std::string, MAX_GIUNZIONI + 1> TipoGiunzione{}; // 0 not used
};

struct RecordSchema {
    RecordGeometria Geometria;
    float RaggioRuota = 0;
};

// The spring or bump-stop block: the first 9016 bytes of its own file.
struct BloccoComponente {
    int16_t VecchiaLunghezza1 = 0; // whole mm, older files
    int16_t VecchiaLunghezza2 = 0;
    Colonna Costante{};
    Colonna Forza{};
    int16_t Inserito = 0;
    int16_t Modo = 0;
    std::string Descrizione; // 1000 bytes
};

struct RecordTampone {
    BloccoComponente Tampone;
    float LungScarico = 0;
    float LungMaxCompressione = 0;
    int16_t NonUsato = 0;
};

struct RecordMolla {
    BloccoComponente Molla;
    int16_t NumeroMolle = 0;
    float LungLibera = 0;
    float LungMaxCompressione = 0;
    int16_t NonUsato = 0;
};

struct RecordAmmortizzatore {
    std::array<float, 5> Quote{}; // A, B, stroke, spring seat distance, eye-to-eye
    int16_t Inserito = 0;
    int16_t MollaCompatibile = 0;
    int16_t TamponeCompatibile = 0;
    std::string Descrizione;
    BloccoComponente Molla;
    std::string NomeFileMolla; // 100 bytes
    BloccoComponente Tampone;
    std::string NomeFileTampone;
    int16_t NumeroMolle = 0;
    std::array<float, 4> Lunghezze{}; // spring free, coil-bound, bump stop unloaded, compressed
    int16_t NonUsato = 0;
    std::array<float, 3> Gas{}; // pressure, diameter, force
};

struct RecordProgetto {
    RecordGeometria Geometria;
    std::array<int16_t, 3> VecchieLunghezzeMolla{}; // free, coil-bound, fitted preload
    Colonna CostanteMolla{};
    Colonna ForzaMolla{};
    int16_t ValoreRiservato = 0;
    int16_t GeometriaInserita = 0; // first copies of the flags
    int16_t MollaInserita = 0;
    int16_t AmmortizzatoreCompatibile = 0;
    int16_t ModoMolla = 0;
    std::string NomeFileSchema; // 100 bytes each
    std::string NomeFileMolla;
    std::string DescrizioneProgetto1; // 1000 bytes each
    std::string DescrizioneProgetto2;
    std::string DescrizioneMolla;
    std::array<float, 5> Quote{};
    int16_t AmmortizzatoreInserito = 0;
    int16_t MollaCompatibile = 0;
    int16_t TamponeCompatibile = 0;
    std::string DescrizioneAmmortizzatore;
    std::string NomeFileAmmortizzatore;
    std::array<int16_t, 2> VecchieLunghezzeTampone{};
    Colonna CostanteTampone{};
    Colonna ForzaTampone{};
    int16_t TamponeInserito = 0;
    int16_t ModoTampone = 0;
    std::string DescrizioneTampone;
    std::string NomeFileTampone;
    int16_t NumeroMolle = 0;
    // spring free, coil-bound, fitted preload, bump stop unloaded, compressed
    std::array<float, 5> Lunghezze{};
    int16_t PrecaricoImpostato = 0;    // the fitted preload stands as stored (0 in older files)
    std::array<int16_t, 4> Inseriti{}; // geometry, shock, spring, bump stop (second copies)
    int16_t StatoDatiProgetto = 0;
    std::array<int16_t, 4> NumPunti{}; // kinematics, static shock, spring, bump stop
    int16_t PrecaricoSetup = 0;        // whole mm
    float PrecaricoSetupEsatto = 0;    // the same with its decimals (0 in older files)
    std::array<float, 3> Gas{};
};

// Reads a record from the bytes of a file; false when the bytes end before its last field or
// a variable text is longer than any of ours. Bytes after the record are ignored.
bool Decodifica(std::string_view dati, RecordSchema& r);
bool Decodifica(std::string_view dati, RecordProgetto& r);
bool Decodifica(std::string_view dati, RecordAmmortizzatore& r);
bool Decodifica(std::string_view dati, RecordMolla& r);
bool Decodifica(std::string_view dati, RecordTampone& r);

// The bytes of a record.
std::string Codifica(const RecordSchema& r);
std::string Codifica(const RecordProgetto& r);
std::string Codifica(const RecordAmmortizzatore& r);
std::string Codifica(const RecordMolla& r);
std::string Codifica(const RecordTampone& r);

} // namespace kelvra::files
