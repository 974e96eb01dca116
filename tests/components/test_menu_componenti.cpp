// The geometry editor's component and preload menus reach the component windows.
#include "components/EditorComponenti.h"
#include "support/FinestraReale.h"
#include "support/RisposteDialoghi.h"

using namespace kelvra;

namespace {

class ComponentMenu : public test::FinestraReale {};

TEST_F(ComponentMenu, EachItemOpensItsWindowModalOnTheEditorsProject) {
    RegistraEditorComponenti();
    RisposteDialoghi modali;
    ProgettoSelezionato = 0;
    ed->MollaItem_Click(1);
    EXPECT_EQ(ProgettoSelezionato, NumeroProgetti);
    ed->TamponeItem_Click(1);
    ed->AmmortizzatoreItem_Click(1);
    ed->AmmortizzatoreItem_Click(7);
    ed->PrecaricoItem_Click(1);
    EXPECT_EQ(modali.classiModali, (std::vector<QString>{"kelvra::INSMOLLA", "kelvra::InsTampone",
                                                         "kelvra::INSAMMORTIZZATORE",
                                                         "kelvra::FRMACQ", "kelvra::FrmPLoad"}));
}

} // namespace
