// One XML element's attributes and child texts, whether the XML library read it or a
// faster reader took it straight from the text: view records read either the same way.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

class TiXmlElement;

namespace nx::records {

class ElementFields {
public:
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    virtual ~ElementFields() = default;

    // As the library's Attribute(name, int*): value is set only when the attribute is
    // there and reads as a number.
    virtual void queryInt(const char* name, int& value) const = 0;
    // Child elements only, in order (text and comments between them take no position).
    virtual std::size_t childCount() const = 0;
    virtual std::string_view childName(std::size_t i) const = 0;
    // The child's text when its first node is text, as the library's GetText.
    virtual bool childText(std::size_t i, std::string& text) const = 0;

    // The first child named name after position `after` (from the first with npos); npos
    // when there is none.
    std::size_t nextChildNamed(std::size_t after, std::string_view name) const;
};

// An element the XML library read.
class LibraryElementFields final : public ElementFields {
public:
    explicit LibraryElementFields(const TiXmlElement& element);

    void queryInt(const char* name, int& value) const override;
    std::size_t childCount() const override { return children_.size(); }
    std::string_view childName(std::size_t i) const override;
    bool childText(std::size_t i, std::string& text) const override;

private:
    const TiXmlElement& element_;
    std::vector<const TiXmlElement*> children_;
};

}  // namespace nx::records
