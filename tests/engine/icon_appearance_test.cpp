// Icon appearances: OLE text colours, shared icon views and the engine's faded-copy setting.
#include <gtest/gtest.h>

#include <functional>

#include "engine/control_engine.h"
#include "engine/ole_color.h"
#include "engine_fixture.h"
#include "views/error_texts.h"
#include "views/icon_impl.h"
#include "views/icon_view.h"
#include "views/vertex_view_factory.h"

using namespace ramulo;

namespace {

using namespace engine_test;

// Answers system colours that name their index, to show where they were resolved.
class PaletteHost : public ScriptedHostWindow {
public:
    nx::RgbColor systemColor(int index) override {
        return {1, 2, static_cast<std::uint8_t>(index)};
    }
};

TEST(OleColor, PlainColoursAreBgrAndSystemColoursComeFromTheHost) {
    PaletteHost host;
    struct Case {
        std::uint32_t ole;
        HostWindow* host;
        nx::RgbColor rgb;
    } cases[] = {
        {0x00336699, &host, {0x99, 0x66, 0x33}},
        {0x00FFFFFF, nullptr, {255, 255, 255}},
        {0x80000008, &host, {1, 2, 8}},
        {0x80000005, nullptr, {255, 255, 255}},  // window background by default
        {0x80000012, nullptr, {0, 0, 0}},        // button text
        {0x800000FF, nullptr, {0, 0, 0}},        // unknown index
    };
    for (const Case& c : cases) EXPECT_EQ(oleColorToRgb(c.ole, c.host), c.rgb) << std::hex << c.ole;
}

TEST(ControlEngineConstruction, DropsFadedIconCopies) {
    nx::IconImpl::setFadedCopyCount(9);
    ControlEngine engine;
    EXPECT_EQ(nx::IconImpl::fadedCopyCount(), 0);
}

class IconAppearance : public OpenDocument {
protected:
    nx::IconView* iconOf(std::uint32_t id) {
        return dynamic_cast<nx::IconView*>(engine.view()->findVertexView(vertex(id)));
    }
};

TEST_F(IconAppearance, DefaultAndPerVertexIconsAreSharedViews) {
    const std::uint32_t before = engine.AddVertex();
    engine.SetDefaultVertexAppearance_Icon(
        {u"folder.ico", u"", 0, -1, 24, 0x000000FF, 0x80000005, 8, 16});
    const std::uint32_t a = engine.AddVertex();
    EXPECT_EQ(iconOf(before), nullptr);
    nx::IconView* icon = iconOf(a);
    ASSERT_NE(icon, nullptr);
    EXPECT_EQ(icon->getClassId(), 5);
    EXPECT_EQ(icon->nameTextColor(), (nx::RgbColor{255, 0, 0}));
    EXPECT_EQ(icon->weightTextColor(), (nx::RgbColor{255, 255, 255}));
    EXPECT_EQ(icon->namePosition(), nx::IconView::CENTER);
    EXPECT_EQ(icon->weightPosition(), nx::IconView::NW_INSIDE);
    EXPECT_EQ(icon->size(), 24);

    engine.SetVertexAppearance_Icon(before,
                                    {u"folder.ico", u"", 0, -1, 24, 0x000000FF, 0x80000005, 8, 16});
    EXPECT_EQ(iconOf(before), icon);
    engine.SetVertexAppearance_Icon(4242, {u"x.ico", u"", 0, 0, 0, 0, 0, 0, 0});  // ignored
}

TEST_F(IconAppearance, RefusedIconsChangeNothing) {
    const std::uint32_t v = engine.AddVertex();
    nx::VertexView* shown = engine.view()->findVertexView(vertex(v));
    const std::size_t views = nx::vertexViewFactory().size();
    struct Case {
        std::function<void()> call;
        std::string text;
    } cases[] = {
        {[&] {
             engine.SetVertexAppearance_Icon(v, {u"a.ico", u"", 0, 0, 16, 0, 0, 17, 0});
         },
         nx::error_texts::kIconViewTextPosition},
        {[&] {
             engine.SetDefaultVertexAppearance_Icon({u"a.ico", u"", 0, 0, 16, 0, 0, 0, 99});
         },
         nx::error_texts::kIconViewTextPosition},
    };
    for (const Case& c : cases) EXPECT_EQ(errorOf(c.call), c.text);
    EXPECT_EQ(engine.view()->findVertexView(vertex(v)), shown);
    EXPECT_EQ(nx::vertexViewFactory().size(), views);
    EXPECT_EQ(engine.view()->findVertexView(vertex(engine.AddVertex())), shown);
}

}  // namespace
