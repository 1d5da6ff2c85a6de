// Find-or-create of icon views in the vertex view factory.
#include <memory>

#include "views/icon_view.h"
#include "views/vertex_view_factory.h"

namespace nx {

ViewRef<VertexView> VertexViewFactory::getIconView(const std::u16string& fileName,
                                                   const std::u16string& iconName, int id,
                                                   int index, int size,
                                                   const RgbColor& nameTextColor, int namePosition,
                                                   const RgbColor& weightTextColor,
                                                   int weightPosition) {
    return getIconView(IconParameters{fileName, iconName, id, index, size, nameTextColor,
                                      namePosition, weightTextColor, weightPosition});
}

ViewRef<VertexView> VertexViewFactory::getIconView(const IconParameters& p) {
    return findOrMake<IconView>([&](const IconView& icon) { return icon.matches(p); },
                                [&] { return std::make_unique<IconView>(p); });
}

}  // namespace nx
