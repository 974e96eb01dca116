// The static force curve of the complete shock absorber of the selected project: for each
// millimetre of shock travel, the preloaded spring's force, plus the bump stop's once it is
// touched, plus the gas force.
#pragma once

namespace kelvra {

struct Progetto;

// The preload of the spring as fitted in the shock absorber that the static step gives a
// spring of free length `libera` in a seat of `sede` in project p: the preload window's value
// once it is in force, else |free length - seat distance|. The setup preload is not part of
// it: the static curve and the solver add it once, on top. A spring is judged against its
// shock absorber with this value, not with one left over from another spring or seat.
double PrecaricoMollaPrevisto(const Progetto& p, double libera, double sede);

// How a spring of free length `libera` and coil-bound length `compressa` sits in a seat of
// `sede` in project p, with the preload PrecaricoMollaPrevisto gives it: its free length less
// that preload must stay above the coil-bound length (`sopraPacco`) and must not fall below
// the seat (`nellaSede`). No rounding decides either: a preload rebuilt from the lengths
// leaves a spring at least as long as its seat at exactly the seat's length (the rounding of
// the stored preload is not counted); a preload the window set is taken as it stands.
struct SistemazioneMolla {
    bool sopraPacco = false, nellaSede = false;
    bool Entra() const { return sopraPacco && nellaSede; }
};
SistemazioneMolla GiudicaMolla(const Progetto& p, double libera, double compressa, double sede);

// Whether a shock absorber of eye-to-eye length `interasse`, holding a spring of free length
// `libera` and coil-bound length `compressa` in a seat of `sede`, fits the geometry of project
// p: its length at rest (LunghezzaStaticaAmmortizzatore, from the last solve of that geometry)
// is within the eye-to-eye length and the spring sits as GiudicaMolla says.
bool EntraAmmortizzatore(const Progetto& p, double libera, double compressa, double sede,
                         double interasse);

// The compatibility flags of project p from its entered components: the spring against the
// shock absorber's seat (MollaCompatibile), the shock absorber against the geometry and the
// spring (AmmortizzatoreCompatibile), the bump stop against the stroke (TamponeCompatibile).
// A flag whose components are not all entered keeps its value. The component windows, the
// file readers and every solve of an entered geometry judge by this one rule.
void AggiornaCompatibilita(Progetto& p);

// The eye-to-eye length at full compression, from the stored length and stroke: wherever a
// shock absorber's dimensions land (its window, a file, a slot copy), the solver's stroke
// limit follows them.
void AggiornaInterasseMinimo(Progetto& p);

// Works on q = ProgettoSelezionato. A spring that does not fit (MollaCompatibile(q) not 1)
// has no static curve: NumPuntiAmmortizzatore(q) becomes -1, unless the curve comes from a
// test-bench acquisition. Otherwise first sets PrecaricoMollaInserita(q) to
// PrecaricoMollaPrevisto. Then, unless the project holds a test-bench
// acquisition, fills ForzaStaticaAmmortizzatore(q, i) and AsseCorsaAmmortizzatore(q, i) for
// i = 0..n, n from the usable travel; every term (gas force too) is the project q's own.
// Rows are written only while the travel row (0..750) and the spring and bump-stop rows
// (0..1000) it reads lie in their tables; NumPuntiAmmortizzatore(q) is the last row written
// (-1 when none could be).
void CalcolaDatiStaticiAmmortizzatore();

} // namespace kelvra
