// Checks every text value of a space before a document file is opened, so that a save
// either writes a file that reads back or fails and leaves the old file alone.
#pragma once

#include <cstddef>

namespace nx {
class GraphView;
class Space;
}  // namespace nx

namespace nx::persistence {

// Longest text token the stream reader takes (bytes, after the writer's quoting).
inline constexpr std::size_t kStreamTextLimit = 1023;

// Fails with "Invalid UTF-16" for a text holding an unpaired surrogate and, when
// forStream is set, with a runtime error for a text longer than one stream token.
void checkTexts(Space& space, bool forStream);
// The same for the view-level values of the view's entries.
void checkTexts(GraphView& view, bool forStream);
// Fails as checkTexts does for a stream text of this many written bytes.
void checkStreamTextBytes(std::size_t bytes);

}  // namespace nx::persistence
