// Drawing files written safely: a checked scratch file whose bytes then replace the target.
#pragma once

#include <QString>
#include <QTemporaryFile>
#include <string>
#include <string_view>

// Qt writes the drawing into a scratch file; only its complete bytes go to the target, through
// the core's SafeOutputFile.
class DrawingOutput {
public:
    // Fails with "Failed to write <target>" when no scratch file can be made.
    explicit DrawingOutput(std::string target);

    // Where Qt writes the drawing.
    QString scratchPath() const { return scratch_.fileName(); }

    // The scratch file must end with `ending` (the format's closing bytes); a drawing cut
    // short (Qt does not report every failed write) fails with the system's reason. Its
    // bytes then replace the target, every write checked, or the target stays as it was.
    void commit(std::string_view ending);

private:
    std::string target_;
    QTemporaryFile scratch_;
};

// The last bytes of each kind of drawing.
inline constexpr std::string_view kPngEnding{"IEND\xAE\x42\x60\x82", 8};
inline constexpr std::string_view kSvgEnding = "</svg>\n";
inline constexpr std::string_view kPdfEnding = "%%EOF\n";
