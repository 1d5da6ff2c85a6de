#include <gtest/gtest.h>
#include "properties/properties.h"
TEST(Smoke, X) { nx::X x; EXPECT_EQ(x.value, 50); }
