// ControlEngine: the custom items of the three context menus (text, callback, enabled flag).
#include "engine/control_engine.h"

namespace {

struct MenuArrays {
    std::vector<std::u16string>& texts;
    std::vector<MenuCallback>& callbacks;
    std::vector<std::int32_t>& enabled;
};

MenuArrays arraysOf(ControlEngine& engine, ControlEngine::Menu menu) {
    switch (menu) {
        case ControlEngine::Menu::Vertex:
            return {engine.vertexMenuTexts, engine.vertexMenuCallbacks, engine.vertexMenuEnabled};
        case ControlEngine::Menu::Edge:
            return {engine.edgeMenuTexts, engine.edgeMenuCallbacks, engine.edgeMenuEnabled};
        case ControlEngine::Menu::Graph:
            break;
    }
    return {engine.graphMenuTexts, engine.graphMenuCallbacks, engine.graphMenuEnabled};
}

}  // namespace

std::uint16_t ControlEngine::AddMenuItem(Menu menu, const std::u16string& text,
                                         MenuCallback callback) {
    MenuArrays a = arraysOf(*this, menu);
    a.texts.push_back(text);
    a.callbacks.push_back(callback);
    a.enabled.push_back(1);
    return static_cast<std::uint16_t>(a.texts.size() - 1);
}

void ControlEngine::ClearMenuItems(Menu menu) {
    MenuArrays a = arraysOf(*this, menu);
    a.texts.clear();
    a.callbacks.clear();
    a.enabled.clear();
}

void ControlEngine::EnableMenuItem(Menu menu, std::uint16_t index, VARIANT_BOOL enable) {
    MenuArrays a = arraysOf(*this, menu);
    if (index < a.enabled.size()) a.enabled[index] = enable;
}

std::size_t ControlEngine::MenuItemCount(Menu menu) const {
    return arraysOf(const_cast<ControlEngine&>(*this), menu).texts.size();
}
