// Label fonts for the Qt back end: the bundled face, point-to-pixel sizes, font lookup.
#pragma once

#include <string>

#include <QFont>

namespace nx {

// Geometry must not depend on the machine, so point sizes are converted at a fixed 96 dpi.
inline constexpr int kLogicalDpi = 96;

// Tenths of a point to pixels: round(96 x |pointSize| / 720), at least 1 pixel.
int pixelSizeForPointSize(int pointSize);

// The face asked for, falling back to "DejaVu Sans" when it is not installed, and to the
// script fallback families below for characters the face lacks. The first
// call registers /usr/share/wine/fonts/tahoma.ttf (outside fontconfig's path) when the
// system has no "Tahoma" of its own. Needs a QGuiApplication.
QFont labelFont(const std::u16string& faceName, int pixelSize);

// A font from explicit parameters: height in pixels (negative for the character height,
// positive for the cell height, 0 for 12), average character width (0 for the face's
// own), weight 1 to 1000 (0 for normal), and a quality code (3 without antialiasing,
// 4 to 6 antialiased, anything else the default).
QFont explicitLabelFont(const std::u16string& faceName, int height, int width, int weight,
                        bool italic, bool underline, bool strikeOut, int quality);

// Name of the family used when a face is missing.
inline constexpr const char* kFallbackFamily = "DejaVu Sans";

// Families asked, after the face and kFallbackFamily, for characters neither has: CJK
// ideographs (WenQuanYi Micro Hei, installed by make deps; Noto CJK where present) and emoji
// (Noto Color Emoji, installed by make deps).
inline constexpr const char* kScriptFallbackFamilies[] = {"WenQuanYi Micro Hei",
                                                          "Noto Sans CJK SC", "Noto Color Emoji"};

}  // namespace nx
