// nx::IRevisionInfo: what the build knows of the source revision it was made from.
#pragma once

#include <string>

namespace nx {

class IRevisionInfo {
public:
    virtual long revisionNumber() const = 0;
    virtual std::string revisionText() const = 0;
    virtual long lastChangeRevisionNumber() const = 0;
    virtual std::string lastChangeRevisionText() const = 0;
    // Day, month abbreviation and year, as the about box shows it.
    virtual std::string shortDate() const = 0;
    virtual ~IRevisionInfo() = default;
};

}  // namespace nx
