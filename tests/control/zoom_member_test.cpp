// The zoom members on a control whose window does not zoom.
#include <cmath>

#include "control/dispatch_table.h"
#include "control/error_texts.h"
#include "control_fixture.h"

using namespace ramulo;

namespace {

using namespace control_test;

TEST_F(ShownControl, WithoutAZoomingWindowTheZoomStaysOneAndBadValuesAreRefused) {
    EXPECT_EQ(invoke(control, u"Zoom", MemberKind::PropertyGet, {}).dblVal, 1.0);
    invoke(control, u"Zoom", MemberKind::PropertyPut, {Variant::fromR8(3.0)});
    invoke(control, u"ZoomToFit", MemberKind::Method, {});
    EXPECT_EQ(control.GetZoom(), 1.0);
    EXPECT_EQ(failureOf([&] { control.SetZoom(std::nan("")); }).code, 0x80070057u);
    EXPECT_EQ(failureOf([&] { control.SetZoom(0.0); }).description,
              error_texts::kZoomNotPositive);
}

}  // namespace
