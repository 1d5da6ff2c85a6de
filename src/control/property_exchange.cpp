// RamuloControl::exchangeProperties: the persisted state, loaded, saved or reset in one
// fixed order.
#include <charconv>
#include <optional>

#include "control/automation_error.h"
#include "control/control_site.h"
#include "control/property_bag.h"
#include "control/ramulo_control.h"

namespace ramulo {

namespace {

constexpr std::int64_t kVersion = 0x00010003;  // 1.3
constexpr std::int64_t kStockProps = 1;        // the block holds Appearance

std::optional<std::int64_t> numberIn(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    std::int64_t value = 0;
    const char* end = text->data() + text->size();
    const auto [ptr, ec] = std::from_chars(text->data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

// One exchanged value: read (an absent or unreadable entry gives the default), written, or
// reset to the default.
class Exchange {
public:
    Exchange(PropertyBag& bag, ExchangeMode mode) : bag_(bag), mode_(mode) {}

    template <typename Int>
    void number(const char* key, Int& value, Int fallback) {
        if (mode_ == ExchangeMode::Save) {
            bag_.write(key, std::to_string(static_cast<std::int64_t>(value)));
            return;
        }
        const auto stored = mode_ == ExchangeMode::Load ? numberIn(bag_.read(key)) : std::nullopt;
        value = stored ? static_cast<Int>(*stored) : fallback;
    }

    void text(const char* key, std::u16string& value, const std::u16string& fallback) {
        if (mode_ == ExchangeMode::Save) {
            bag_.write(key, toUtf8(value));
            return;
        }
        const auto stored = mode_ == ExchangeMode::Load ? bag_.read(key) : std::nullopt;
        value = stored ? toUtf16(*stored) : fallback;
    }

private:
    PropertyBag& bag_;
    ExchangeMode mode_;
};

}  // namespace

void RamuloControl::exchangeProperties(PropertyBag& bag, ExchangeMode mode) {
    Exchange px(bag, mode);

    std::int64_t version = kVersion;
    px.number("_Version", version, kVersion);
    px.number("_ExtentX", extentX, extentX);
    px.number("_ExtentY", extentY, extentY);
    std::int64_t stockProps = kStockProps;
    px.number("_StockProps", stockProps, kStockProps);
    std::int16_t appearance = appearance_;
    px.number<std::int16_t>("Appearance", appearance, 0);
    px.text("Font", font_, u"");

    std::int16_t borderStyle = borderStyle_;
    px.number<std::int16_t>("BorderStyle", borderStyle, 0);
    OLE_COLOR backColor = backColor_;
    px.number<OLE_COLOR>("BackColor", backColor, 0xFFFFFF);
    if (mode != ExchangeMode::Save) {
        // Stored values a setter would refuse fall back to the default.
        appearance_ = appearance == 0 || appearance == 1 ? appearance : 0;
        borderStyle_ = borderStyle == 0 || borderStyle == 1 ? borderStyle : 0;
        const bool wasModified = modified_;
        SetBackColor(backColor);
        modified_ = wasModified;
        if (site_) site_->stockPropertiesChanged();
    }

    px.number<VARIANT_BOOL>("FileIOEnabled", fileIOEnabled_, VARIANT_FALSE);
    px.number<VARIANT_BOOL>("RotationEnabled", rotationEnabled_, VARIANT_FALSE);
    px.number<VARIANT_BOOL>("HierarchicalLayoutEnabled", hierarchicalLayoutEnabled_, VARIANT_FALSE);
    px.number<VARIANT_BOOL>("RadialLayoutEnabled", radialLayoutEnabled_, VARIANT_FALSE);
    px.number<VARIANT_BOOL>("ForceDirectedLayoutEnabled", forceDirectedLayoutEnabled_,
                            VARIANT_FALSE);
    px.number<VARIANT_BOOL>("EditingEnabled", editingEnabled_, VARIANT_FALSE);
    px.number<VARIANT_BOOL>("DoubleClickEnabled", doubleClickEnabled_, VARIANT_FALSE);
    px.number<std::uint16_t>("TestID", testId_, 0);
    px.text("WorkingDirectory", workingDirectory_, u".");
    px.text("FileName", fileName_, defaultFileName_);
    px.text("FileExt", fileExt_, u"nxx");

    if (!window_) return;
    LoadTest(testId_);
    modified_ = true;
    setScrollSizesFromExtent();
    invalidate();
}

}  // namespace ramulo
