// LabelContrast on the widget: off by default and then the drawing as it always was; on,
// dark labels on a dark background are drawn lighter and nothing else changes.
#include "control/dispatch_table.h"
#include "widget_fixture.h"

using namespace ramulo;

namespace {

using namespace widget_test;

TEST_F(Widget, LabelContrastLightensDarkLabelsOnlyWhereTheyAreHardToRead) {
    EXPECT_FALSE(w->labelContrast());
    EXPECT_EQ(invoke(w->control(), u"LabelContrast", MemberKind::PropertyGet, {}).boolVal,
              VARIANT_FALSE);

    // On white every label reads already: the opt-in changes no pixel.
    const QImage onWhite = w->screenImage();
    invoke(w->control(), u"LabelContrast", MemberKind::PropertyPut, {Variant::fromBool(true)});
    settle();
    EXPECT_TRUE(w->labelContrast());
    EXPECT_EQ(w->screenImage(), onWhite);

    // On black the dark names light up; the shapes and edges stay as they were.
    w->setBackColor(QColor(0, 0, 0));
    settle();
    const QImage readable = w->screenImage();
    w->setLabelContrast(false);
    settle();
    const QImage ownColours = w->screenImage();
    EXPECT_NE(readable, ownColours);
    // Every changed pixel is lighter, and lies by a vertex (names sit beside them).
    const QPoint vertices[] = {kA, kB, kC, kD, kE, kF, kG, kK, {65, 290}, {165, 290}, {245, 290}};
    int changed = 0;
    for (int y = 0; y < readable.height(); ++y)
        for (int x = 0; x < readable.width(); ++x) {
            if (readable.pixel(x, y) == ownColours.pixel(x, y)) continue;
            ++changed;
            ASSERT_GT(qGray(readable.pixel(x, y)), qGray(ownColours.pixel(x, y))) << x << "," << y;
            const QPoint at = QPoint(x, y) + w->scrollPosition();
            bool byVertex = false;
            for (const QPoint& v : vertices)
                byVertex = byVertex || (std::abs(at.x() - v.x()) <= 30 && std::abs(at.y() - v.y()) <= 30);
            ASSERT_TRUE(byVertex) << x << "," << y;
        }
    EXPECT_GT(changed, 50);
}

}  // namespace
