// ControlEngine: the custom items of the three context menus (text, callback, enabled flag).
#include <tuple>

#include "engine/control_engine.h"

namespace ramulo {

template <typename Self>
auto ControlEngine::menuArrays(Self& self, Menu menu) {
    switch (menu) {
        case Menu::Vertex:
            return std::tie(self.vertexMenuTexts_, self.vertexMenuCallbacks_,
                            self.vertexMenuEnabled_);
        case Menu::Edge:
            return std::tie(self.edgeMenuTexts_, self.edgeMenuCallbacks_, self.edgeMenuEnabled_);
        case Menu::Graph:
            break;
    }
    return std::tie(self.graphMenuTexts_, self.graphMenuCallbacks_, self.graphMenuEnabled_);
}

std::uint16_t ControlEngine::AddMenuItem(Menu menu, const std::u16string& text,
                                         MenuCallback callback) {
    auto [texts, callbacks, enabled] = menuArrays(*this, menu);
    texts.push_back(text);
    callbacks.push_back(callback);
    enabled.push_back(1);
    return static_cast<std::uint16_t>(texts.size() - 1);
}

void ControlEngine::ClearMenuItems(Menu menu) {
    auto [texts, callbacks, enabled] = menuArrays(*this, menu);
    texts.clear();
    callbacks.clear();
    enabled.clear();
}

void ControlEngine::EnableMenuItem(Menu menu, std::uint16_t index, VARIANT_BOOL enable) {
    auto& enabled = std::get<2>(menuArrays(*this, menu));
    if (index < enabled.size()) enabled[index] = enable;
}

std::size_t ControlEngine::MenuItemCount(Menu menu) const {
    return menuTexts(menu).size();
}

const std::vector<std::u16string>& ControlEngine::menuTexts(Menu menu) const {
    return std::get<0>(menuArrays(*this, menu));
}

const std::vector<MenuCallback>& ControlEngine::menuCallbacks(Menu menu) const {
    return std::get<1>(menuArrays(*this, menu));
}

const std::vector<std::int32_t>& ControlEngine::menuEnabled(Menu menu) const {
    return std::get<2>(menuArrays(*this, menu));
}

}  // namespace ramulo
