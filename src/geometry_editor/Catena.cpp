#include "geometry_editor/Catena.h"

#include "core/Formato.h"
#include "core/Lingua.h"
#include "core/Seams.h"
#include "core/Servizi.h"
#include "core/Unita.h"

namespace kelvra {

int16_t GiunzioneDelloSlot(int16_t slot) {
    return static_cast<int16_t>(Int(slot / 2.0 + 0.5));
}

Pulsantiera AttivaPulsantiera(int16_t s) {
    Pulsantiera esito;
    const Progetto& pr = Progetti[NumeroProgetti];
    if (s % 2 == 0) {
        esito = {StatoPulsante::Abilitato, StatoPulsante::Abilitato, StatoPulsante::Abilitato};
    } else if (s >= 0 && s <= MAX_ELEMENTI && pr.TipoElemento[s] == "A") {
        esito = {StatoPulsante::Abilitato, StatoPulsante::Abilitato, StatoPulsante::Disabilitato};
    } else if (s >= 0 && s <= MAX_ELEMENTI && pr.TipoElemento[s] == "S") {
        esito = {StatoPulsante::Abilitato, StatoPulsante::Disabilitato,
                 StatoPulsante::Disabilitato};
    }
    if (s == ULTIMO_SLOT_AMMORTIZZATORE - 1) {
        esito = {StatoPulsante::Disabilitato, StatoPulsante::Disabilitato,
                 StatoPulsante::Abilitato};
    } else if (s >= ULTIMO_SLOT_AMMORTIZZATORE || s < 0) {
        // Only a chain read from a file gets here: three junctions are the most the
        // editor builds, so nothing may follow.
        esito = {StatoPulsante::Disabilitato, StatoPulsante::Disabilitato,
                 StatoPulsante::Disabilitato};
    }
    return esito;
}

bool CatenaCompleta(int16_t p) {
    if (!ProgettoValido(p)) return false;
    const Progetto& pr = Progetti[p];
    const int16_t u = pr.UltimoElemento;
    return u >= 1 && u <= MAX_ELEMENTI && pr.TipoElemento[u] == "M";
}

namespace {

bool CoppiaLegale(const std::string& primo, const std::string& secondo) {
    return (primo == "A" && secondo == "S") || (primo == "S" && secondo == "A") ||
           (primo == "A" && secondo == "A");
}

} // namespace

bool CatenaLegale(int16_t p) {
    if (!CatenaCompleta(p)) return false;
    const Progetto& pr = Progetti[p];
    const int16_t u = pr.UltimoElemento;
    if (pr.TipoElemento[0] != "F") return false;
    if (u % 2 == 0 || u > ULTIMO_SLOT_AMMORTIZZATORE) return false;
    for (int16_t i = 1; i <= u - 2; i += 2) {
        if (!CoppiaLegale(pr.TipoElemento[i], pr.TipoElemento[i + 1])) return false;
    }
    return true;
}

void ContaGiunzioni(int16_t p) {
    Progetto& pr = Progetti[p];
    const int16_t u = pr.UltimoElemento;
    if (u <= 2) {
        pr.NumeroGiunzioniProgetto = 1;
        return;
    }
    pr.NumeroGiunzioniProgetto = 0;
    for (int16_t i = 1; i <= u - 2 && pr.NumeroGiunzioniProgetto < MAX_GIUNZIONI; i += 2) {
        pr.NumeroGiunzioniProgetto++;
        const std::string& a = pr.TipoElemento[i];
        const std::string& b = pr.TipoElemento[i + 1];
        std::string& tipo = pr.TipoGiunzione[pr.NumeroGiunzioniProgetto];
        if (a == "A" && b == "S") {
            tipo = GIUNZIONE_ASTA_TRIANG;
        } else if (a == "S" && b == "A") {
            tipo = GIUNZIONE_TRIANG_ASTA;
        } else if (a == "A" && b == "A") {
            tipo = GIUNZIONE_ASTA_ASTA;
        }
    }
}

void ImpostaDatiSolutore(int16_t p) {
    Progetto& pr = Progetti[p];
    const int16_t u = pr.UltimoElemento;
    auto& giunzione = pr.PuntiGiunzione;

    pr.PuntiFissi[1] = pr.DatiForcellone.P[0];
    pr.PosizioneRuota[0] = pr.DatiForcellone.P[1];
    giunzione[2][1][0] = pr.DatiForcellone.P[2];

    // The shock absorber's own slot is not visited.
    for (int16_t i = 1; i <= u - 1 && i <= MAX_ELEMENTI; ++i) {
        const int16_t k = GiunzioneDelloSlot(i);
        if (k > MAX_GIUNZIONI) break;
        Punto& inizio = giunzione[2][k][0];
        Punto& nodo = giunzione[3][k][0];
        Punto& vertice = giunzione[4][k][0];
        Punto& fisso = pr.PuntiFissi[k + 1];
        const std::string& tipo = pr.TipoGiunzione[k];

        if (pr.TipoElemento[i] == "A") {
            // The end of a link pinned to the frame (third point = end) is the junction's
            // frame pivot; the end of a moving link is its node.
            const TrePunti& asta = pr.DatiAsta[i];
            if (asta.P[1].X == asta.P[2].X) {
                fisso.X = asta.P[2].X;
            } else {
                nodo.X = asta.P[1].X;
            }
            if (asta.P[1].Y == asta.P[2].Y) {
                fisso.Y = asta.P[2].Y;
            } else {
                nodo.Y = asta.P[1].Y;
            }
        } else if (pr.TipoElemento[i] == "S") {
            const QuattroPunti& sq = pr.DatiSquadretta[i];
            if (tipo == GIUNZIONE_ASTA_TRIANG) {
                // The fourth point is a copy of the vertex pinned to the frame; the whole
                // point is compared, so two vertices that share an x are told apart.
                nodo = sq.P[0];
                if (sq.P[1] == sq.P[3]) {
                    fisso = sq.P[3];
                    vertice = sq.P[2];
                }
                if (sq.P[2] == sq.P[3]) {
                    fisso = sq.P[3];
                    vertice = sq.P[1];
                }
            } else if (tipo == GIUNZIONE_TRIANG_ASTA) {
                inizio = sq.P[0];
                const Punto& inizioAsta = pr.DatiAsta[i + 1].P[0];
                if (sq.P[1] == inizioAsta) {
                    nodo = sq.P[1];
                    vertice = sq.P[2];
                } else {
                    nodo = sq.P[2];
                    vertice = sq.P[1];
                }
            }
        }
        if (tipo == GIUNZIONE_ASTA_ASTA) vertice = nodo;
        if (k + 1 <= MAX_GIUNZIONI) giunzione[2][k + 1][0] = vertice;
    }

    if (u >= 0 && u <= MAX_ELEMENTI) pr.AttaccoAmmortizzatore[0] = pr.DatiMolla[u].P[1];
    AmmortizzatoreSuForcellone = pr.AmmortizzatoreFisso == 1 ? VERO : FALSO;
    NumeroElementiCatena = static_cast<int16_t>(u + 1);
    NumeroGiunzioni = pr.NumeroGiunzioniProgetto;
}

std::string Maiuscolo(const std::string& testo) {
    std::string esito = testo;
    for (char& c : esito) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 'a' && b <= 'z') {
            c = static_cast<char>(b - 32);
        } else if (b >= 0xE0 && b <= 0xFE && b != 0xF7) {
            c = static_cast<char>(b - 32);
        } else if (b == 0x9A || b == 0x9C || b == 0x9E) {
            c = static_cast<char>(b - 16);
        } else if (b == 0xFF) {
            c = static_cast<char>(0x9F);
        }
    }
    return esito;
}

std::string MessaggioMaxEscursione() {
    return Riga(Messaggi, 1) + " " + Maiuscolo(Riga(TestiInsGeo01, 28)) + Riga(Messaggi, 2);
}

namespace {
// A chain the check refuses is not an entered geometry, whatever an earlier check said.
bool Rifiutata(int16_t p) {
    if (ProgettoValido(p) && Progetti[p].GeometriaInserita != FALSO) {
        Progetti[p].GeometriaInserita = FALSO;
        AggiornaStatoProgetto();
    }
    return false;
}
} // namespace

bool ControlloVariabili(const std::string& testoMaxEsc) {
    const int16_t p = NumeroProgetti;
    if (!CatenaLegale(p)) return Rifiutata(p);
    Progetto& pr = Progetti[p];

    ContaGiunzioni(p);
    ImpostaDatiSolutore(p);

    const float fattore = FattoreUnita[UNITA_LUNGHEZZA];
    const float v = fattore != 0 ? static_cast<float>(Val(testoMaxEsc) / fattore) : 0.0f;
    if (v >= 0 && v <= 1000) {
        pr.MaxEscursioneRuota = v;
        pr.GeometriaInserita = VERO;
        pr.ModificatoFile[MOD_SCHEMA] = VERO;
        AggiornaModificatoProgetto(p);
        AggiornaStatoProgetto();
        return true;
    }
    MsgBox(MessaggioMaxEscursione(), vbOKOnly);
    return Rifiutata(p);
}

int16_t RimuoviUltimoElemento() {
    const int16_t p = NumeroProgetti;
    Progetto& pr = Progetti[p];
    int16_t u = pr.UltimoElemento;
    if (u <= 0) return u;
    if (u > MAX_ELEMENTI) u = MAX_ELEMENTI;
    const bool eraCompleta = CatenaCompleta(p);
    pr.TipoElemento[u] = "";
    pr.UltimoElemento = static_cast<int16_t>(u - 1);
    if (eraCompleta) {
        pr.GeometriaInserita = FALSO;
        AggiornaStatoProgetto();
    }
    return pr.UltimoElemento;
}

} // namespace kelvra
