// The platform-neutral rules of the drawing tools: fading, buffer switch, pens, placeholder.
#include <gtest/gtest.h>

#include <stdexcept>

#include "views/error_texts.h"
#include "views/recording_drawing_tools.h"

namespace nx::test {
namespace {

TEST(DrawingTools, FadingBlendsOnlyWhenTheLevelIsSet) {
    struct Case {
        int level;
        double ratio;
        RgbColor pen, background, expected;
    };
    const Case cases[] = {
        {0, 0.5, {0, 0, 0}, {255, 255, 255}, {0, 0, 0}},         // the switch is the level
        {50, 0.5, {0, 0, 0}, {255, 255, 255}, {127, 127, 127}},  // truncated, not rounded
        {50, 0.5, {255, 255, 255}, {0, 0, 0}, {128, 128, 128}},  // 255 + trunc(-127.5)
        {30, 0.3, {82, 82, 255}, {255, 255, 255}, {133, 133, 255}},
        {100, 1.0, {10, 200, 30}, {40, 50, 60}, {40, 50, 60}},
        {100, 2.0, {0, 100, 250}, {200, 200, 200}, {255, 255, 150}},  // clamped, never wrapped
    };
    for (const Case& c : cases) {
        RecordingDrawingTools tools;
        tools.setBackgroundColor(c.background);
        tools.setPenColor(c.pen);
        tools.setBrushColor(c.pen);
        tools.fadingLevel = c.level;
        tools.fadingRatio = c.ratio;
        tools.drawLine({0, 0}, {5, 5});
        tools.fillRectangle({0, 0, 5, 5});
        EXPECT_EQ(tools.calls[0].colour, c.expected) << "level " << c.level;
        EXPECT_EQ(tools.calls[1].colour, c.expected) << "level " << c.level;
        EXPECT_EQ(tools.getPenColor(), c.pen);  // getters never blend
        EXPECT_EQ(tools.getBrushColor(), c.pen);
    }
}

TEST(DrawingTools, SelectedPenKeepsTheColourOfItsSelection) {
    RecordingDrawingTools tools;
    tools.setBackgroundColor({255, 255, 255});
    tools.fadingLevel = 50;
    tools.fadingRatio = 0.5;
    tools.penWidth = 3;
    ScopedPen pen(&tools);
    tools.fadingLevel = 0;
    tools.fadingRatio = 0;
    tools.penWidth = 1;
    tools.drawLineWithSelectedPen({0, 0}, {1, 1});
    EXPECT_EQ(tools.calls.back().colour, (RgbColor{127, 127, 127}));
    EXPECT_EQ(tools.calls.back().width, 3);
}

TEST(DrawingTools, PenAndFontSelectionNestsToOneRelease) {
    RecordingDrawingTools tools;
    tools.releasePen();  // nothing selected: no effect
    EXPECT_EQ(tools.selectedPen(), nullptr);
    {
        ScopedPen pen(&tools);
        tools.setPenColor({1, 2, 3});
        tools.selectPen();  // replaces the first
        ASSERT_NE(tools.selectedPen(), nullptr);
        EXPECT_EQ(tools.selectedPen()->color, (RgbColor{1, 2, 3}));
    }
    EXPECT_EQ(tools.selectedPen(), nullptr);

    {
        ScopedFont font(&tools, u"Tahoma", 75);
        ASSERT_NE(tools.selectedFont(), nullptr);
        EXPECT_EQ(tools.selectedFont()->pointSize, 75);
    }
    EXPECT_EQ(tools.selectedFont(), nullptr);
    tools.selectCachedFont(u"Tahoma", 90);
    EXPECT_TRUE(tools.selectedFont()->cached);
    tools.releaseCachedFont();
    EXPECT_EQ(tools.selectedFont(), nullptr);
}

TEST(DrawingTools, MemoryBufferCanOnlyBeEnabledBeforeInit) {
    RecordingDrawingTools tools;
    tools.enableMemoryBuffer();
    EXPECT_TRUE(tools.memoryBufferEnabled);
    DeviceContext dc;
    tools.init(&dc, {0, 0});
    EXPECT_TRUE(tools.isDrawingToMemory());
    EXPECT_FALSE(tools.isDrawingToScreen());

    RecordingDrawingTools late;
    late.init(&dc, {0, 0});
    try {
        late.enableMemoryBuffer();
        FAIL() << "expected a logic error";
    } catch (const std::logic_error& e) {
        EXPECT_STREQ(e.what(), nx::error_texts::kMemoryBufferAfterInit);
    }
    EXPECT_FALSE(late.memoryBufferEnabled);
}

TEST(DrawingTools, MissingIconIsAGreyFrameWithACentredWord) {
    RecordingDrawingTools tools;
    tools.drawMissingIcon({10, 20}, {32, 32});
    ASSERT_EQ(tools.calls.size(), 2u);
    EXPECT_EQ(tools.calls[0].op, "drawRectangle");
    EXPECT_EQ(tools.calls[0].rect, (Rect{10, 20, 42, 52}));
    EXPECT_EQ(tools.calls[0].colour, (RgbColor{80, 80, 80}));
    EXPECT_EQ(tools.calls[0].width, 1);
    // "Icon" measures (28, 12); centre (26, 36).
    EXPECT_EQ(tools.calls[1].op, "drawText");
    EXPECT_EQ(tools.calls[1].text, u"Icon");
    EXPECT_EQ(tools.calls[1].pointSize, 96);
    EXPECT_EQ(tools.calls[1].rect, (Rect{12, 30, 40, 42}));
    EXPECT_EQ(tools.getPenColor(), (RgbColor{80, 80, 80}));  // left changed
}

}  // namespace
}  // namespace nx::test
