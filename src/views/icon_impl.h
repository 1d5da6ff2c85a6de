// nx::IconImpl: the platform image behind an nx::Icon, and the process-wide faded-copy count.
#pragma once

#include <string>

#include "views/geometry.h"

namespace nx {

class DrawingTools;
class Mutex;

// The process-wide lock of icon images: held while an icon's source changes, while its
// image is loaded, its faded copies are built or it is drawn, so documents on several
// threads may draw the same shared icon view.
Mutex& iconImageMutex();

// Every operation does nothing here; a platform binding loads and draws real images.
// A size of 0 asks for the platform's default icon size.
class IconImpl {
public:
    IconImpl() = default;
    IconImpl(const IconImpl&) = delete;
    IconImpl& operator=(const IconImpl&) = delete;

    virtual ~IconImpl() = default;
    virtual void loadModuleResource(const std::u16string& module, int id, int size) {
        (void)module, (void)id, (void)size;
    }
    virtual void loadModuleResource(const std::u16string& module, int id) {
        (void)module, (void)id;
    }
    virtual void loadResource(int id, int size) { (void)id, (void)size; }
    virtual void loadResource(int id) { (void)id; }
    virtual void loadModuleResource(const std::u16string& module, const std::u16string& name,
                                    int size) {
        (void)module, (void)name, (void)size;
    }
    virtual void loadModuleResource(const std::u16string& module, const std::u16string& name) {
        (void)module, (void)name;
    }
    virtual void loadResource(const std::u16string& name, int size) { (void)name, (void)size; }
    virtual void loadResource(const std::u16string& name) { (void)name; }
    virtual void loadFromFile(const std::u16string& file, int id) { (void)file, (void)id; }
    virtual void loadFromFileIndex(const std::u16string& file, int index) {
        (void)file, (void)index;
    }
    virtual void loadIconFile(const std::u16string& file, int size) { (void)file, (void)size; }
    virtual void loadAssociated(const std::u16string& file, int index) { (void)file, (void)index; }
    // Draws the entry for the tools' fading level stretched to (p, size).
    virtual void draw(const Point& p, const Size& size, DrawingTools& tools) {
        (void)p, (void)size, (void)tools;
    }
    // Whether the last load produced an image; the drawing tools show a placeholder if not.
    virtual bool isLoaded() const { return false; }

    // Number N of faded copies every implementation builds: 9 at start.
    static int fadedCopyCount();
    static void setFadedCopyCount(int count);
    // The image drawn at a fading level: 0 the loaded image, 1..N a faded copy, -1 none.
    // With N = 0 or level 0 it is always the loaded image; levels from 100 x N / (N + 1)
    // on draw nothing.
    static int entryForLevel(int fadingLevel, int fadedCopies);
    // One channel of copy k moved towards the background by k / (N + 2), truncated.
    static int blendChannel(int channel, int background, int k, int fadedCopies) {
        return channel + (background - channel) * k / (fadedCopies + 2);
    }
};

}  // namespace nx
