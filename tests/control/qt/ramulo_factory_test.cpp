// The class factory by ProgID, and the module started once per process.
#include <QCheckBox>

#include "control/qt/ramulo_ctrl.h"
#include "control/qt/ramulo_factory.h"
#include "control/qt/ramulo_prop_page.h"
#include "properties/list_separator.h"
#include "widget_fixture.h"

using namespace ramulo;

namespace {

TEST(Factory, CreatesTheControlAndItsPageByProgID) {
    std::unique_ptr<QWidget> made(createByProgID(QStringLiteral("Nodalyx.RamuloCtrl.1")));
    auto* ctrl = qobject_cast<CRamuloCtrl*>(made.get());
    ASSERT_TRUE(ctrl);
    // A new control as its factory makes it: the construction values.
    EXPECT_EQ(ctrl->testID(), 1);
    EXPECT_FALSE(ctrl->editingEnabled());

    std::unique_ptr<QWidget> page(createByProgID(QStringLiteral("nodalyx.rampropage.1")));
    EXPECT_FALSE(page);
    page.reset(createByProgID(QStringLiteral("NODALYX.RAMULOPROPPAGE.1")));
    auto* propPage = qobject_cast<CRamuloPropPage*>(page.get());
    ASSERT_TRUE(propPage);
    EXPECT_FALSE(propPage->checkBox(1007)->isEnabled());
    ctrl->setRadialLayoutEnabled(true);
    propPage->setObject(ctrl);
    EXPECT_TRUE(propPage->checkBox(1012)->isEnabled());
    EXPECT_TRUE(propPage->checkBox(1012)->isChecked());

    EXPECT_EQ(createByProgID(QStringLiteral("Nodalyx.RamuloCtrl.2")), nullptr);
    EXPECT_EQ(typeNameOf(QStringLiteral("Nodalyx.RamuloCtrl.1")), QStringLiteral("Ramulo Control"));
    EXPECT_EQ(typeNameOf(QStringLiteral("Nodalyx.RamuloPropPage.1")),
              QStringLiteral("Ramulo Property Page"));
    EXPECT_EQ(typeNameOf(QStringLiteral("Ramulo")), QString());
}

TEST(Module, StartsOnceSoTheListSeparatorStaysAsChosen) {
    CRamuloCtrl first;
    // Whatever the separator became afterwards (a host's choice here), a later control does
    // not choose it again.
    const nx::ScopedListSeparator chosen(';');
    CRamuloCtrl second;
    std::unique_ptr<QWidget> third(createByProgID(QStringLiteral("Nodalyx.RamuloCtrl.1")));
    EXPECT_EQ(nx::listSeparator(), ';');
}

}  // namespace
