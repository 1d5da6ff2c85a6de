// The context menus' command IDs and the texts of their items, as the resource menus hold them.
#pragma once

#include <cstdint>
#include <string>

namespace ramulo {

namespace menu_id {
inline constexpr std::uint32_t NewVertex = 32769;
inline constexpr std::uint32_t HierarchicalLayout = 32770;
inline constexpr std::uint32_t TreeAppearance = 32771;
inline constexpr std::uint32_t TreeProperties = 32772;
inline constexpr std::uint32_t NewIncomingEdge = 32773;
inline constexpr std::uint32_t NewOutcomingEdge = 32774;
inline constexpr std::uint32_t DeleteVertex = 32775;
inline constexpr std::uint32_t VertexAppearance = 32776;
inline constexpr std::uint32_t VertexProperties = 32777;
inline constexpr std::uint32_t DeleteEdge = 32778;
inline constexpr std::uint32_t EdgeAppearance = 32779;
inline constexpr std::uint32_t EdgeProperties = 32780;
inline constexpr std::uint32_t Action = 32781;
inline constexpr std::uint32_t RadialLayout = 33783;
inline constexpr std::uint32_t CenterOfRadialLayout = 33785;
inline constexpr std::uint32_t ForceDirectedLayout = 33787;
inline constexpr std::uint32_t RotateRight90 = 33789;
inline constexpr std::uint32_t RotateLeft90 = 33791;
inline constexpr std::uint32_t FlipVertical = 33793;
inline constexpr std::uint32_t FlipHorizontal = 33795;
inline constexpr std::uint32_t FileNew = 33801;
inline constexpr std::uint32_t FileOpen = 33802;
inline constexpr std::uint32_t FileSave = 33803;
inline constexpr std::uint32_t FileSaveAs = 33804;
inline constexpr std::uint32_t SelectAllVertices = 33807;
inline constexpr std::uint32_t CustomGraphCommand = 33810;
inline constexpr std::uint32_t CustomVertexCommand = 33811;
inline constexpr std::uint32_t CustomEdgeCommand = 33812;

// The command ID a custom item is known by towards the host: 32781 + index.
inline constexpr std::uint32_t customCommand(std::uint16_t index) {
    return Action + index;
}
// Inside a shown menu custom items use IDs above every 16-bit command, so that no number of
// items can make one of them look like a built-in command.
inline constexpr std::uint32_t kCustomItemBase = 0x10000;
}  // namespace menu_id

// Menu resource numbers.
inline constexpr int kTreePopupMenu = 202;
inline constexpr int kVertexPopupMenu = 203;
inline constexpr int kEdgePopupMenu = 204;
inline constexpr int kVertexTextMenu = 205;
inline constexpr int kEdgeTextMenu = 206;
inline constexpr int kTreeTextMenu = 207;

struct MenuResourceItem {
    std::uint32_t commandId;
    const char16_t* text;
};

// The items of a resource menu's popup in order; empty for an unknown resource.
struct MenuResource {
    const MenuResourceItem* items;
    std::size_t count;
};
MenuResource menuResource(int resourceId);
// The text a resource menu holds for a command; empty when it holds none.
std::u16string menuString(int resourceId, std::uint32_t commandId);

}  // namespace ramulo
