// The static force curve of the complete shock absorber of the selected project: for each
// millimetre of shock travel, the preloaded spring's force, plus the bump stop's once it is
// touched, plus the gas force.
#pragma once

namespace kelvra {

// Works on q = ProgettoSelezionato; does nothing unless MollaCompatibile(q) is 1.
// Unless the project's PrecaricoImpostato is set, first sets PrecaricoMollaInserita(q) to
// |free length - seat distance| + setup preload. Then, unless the project holds a test-bench
// acquisition, fills ForzaStaticaAmmortizzatore(q, i) and AsseCorsaAmmortizzatore(q, i) for
// i = 0..n, n from the usable travel; every term (gas force too) is the project q's own.
// Rows are written only while the travel row (0..750) and the spring and bump-stop rows
// (0..1000) it reads lie in their tables; NumPuntiAmmortizzatore(q) is the last row written
// (-1 when none could be).
void CalcolaDatiStaticiAmmortizzatore();

} // namespace kelvra
