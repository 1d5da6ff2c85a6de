// The module's start and exit.
#include <gtest/gtest.h>

#include "control/control_module.h"
#include "properties/list_separator.h"
#include "properties/property_registry.h"

using namespace ramulo;

namespace {

TEST(ControlModule, StartChoosesTheSeparatorAndExitReleasesTheRegistry) {
    nx::ScopedListSeparator restore(';');
    control_module::start();  // the C locale writes '.' as its decimal point
    EXPECT_EQ(nx::listSeparator(), ',');
    const CPropertyRegistry* first = &CPropertyRegistry::instance();
    EXPECT_EQ(first->typeCount(), 19u);
    control_module::exit();
    control_module::start();
    EXPECT_EQ(CPropertyRegistry::instance().typeCount(), 19u);
}

}  // namespace
