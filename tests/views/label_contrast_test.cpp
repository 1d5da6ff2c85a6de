// Readable label colours: contrast ratios, and the colour a label takes when asked to stay
// readable.
#include <gtest/gtest.h>

#include <random>

#include "views/label_contrast.h"

namespace nx {
namespace {

TEST(LabelContrast, RatiosRunFromOneForEqualColoursToTwentyOneForBlackOnWhite) {
    struct Case {
        RgbColor a, b;
        double ratio;
    };
    const Case cases[] = {
        {{0, 0, 0}, {255, 255, 255}, 21.0},
        {{255, 255, 255}, {0, 0, 0}, 21.0},
        {{90, 90, 90}, {90, 90, 90}, 1.0},
        {{128, 128, 128}, {255, 255, 255}, 3.95},
        {{0, 0, 255}, {0, 0, 0}, 2.44},
    };
    for (const Case& c : cases) EXPECT_NEAR(contrastRatio(c.a, c.b), c.ratio, 0.01) << c.a;
}

TEST(LabelContrast, ReadableColoursStayAndOthersMoveTheLeastTowardsTheFarEnd) {
    // The grey of edge names and a blue name on black become lighter, the blue still blue;
    // on white both are readable already.
    const RgbColor black{0, 0, 0}, white{255, 255, 255};
    const RgbColor grey{64, 64, 64}, blue{0, 0, 255};
    EXPECT_EQ(readableTextColor(grey, white), grey);
    EXPECT_EQ(readableTextColor(blue, white), blue);
    const RgbColor lightGrey = readableTextColor(grey, black);
    EXPECT_GT(lightGrey.red, grey.red);
    EXPECT_GE(contrastRatio(lightGrey, black), kMinimumLabelContrast);
    const RgbColor lightBlue = readableTextColor(blue, black);
    EXPECT_GE(contrastRatio(lightBlue, black), kMinimumLabelContrast);
    EXPECT_EQ(lightBlue.blue, 255);
    EXPECT_LT(lightBlue.red, 255);
    // A light label on a light background darkens.
    const RgbColor yellow{255, 255, 0};
    const RgbColor darker = readableTextColor(yellow, white);
    EXPECT_LT(darker.red, 255);
    EXPECT_GE(contrastRatio(darker, white), kMinimumLabelContrast);

    // Any pair: the answer reads, and a colour that read already is kept.
    std::mt19937 random(7);
    std::uniform_int_distribution<int> channel(0, 255);
    const auto any = [&] {
        return RgbColor{static_cast<std::uint8_t>(channel(random)),
                        static_cast<std::uint8_t>(channel(random)),
                        static_cast<std::uint8_t>(channel(random))};
    };
    for (int i = 0; i < 2000; ++i) {
        const RgbColor text = any(), background = any();
        const RgbColor answer = readableTextColor(text, background);
        EXPECT_GE(contrastRatio(answer, background), kMinimumLabelContrast)
            << text << " on " << background;
        if (contrastRatio(text, background) >= kMinimumLabelContrast) {
            EXPECT_EQ(answer, text);
        }
    }
}

}  // namespace
}  // namespace nx
