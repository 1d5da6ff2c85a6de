// nx::Icon: where an icon's image comes from; the image itself is loaded on first drawing.
#pragma once

#include <memory>
#include <string>

#include "views/icon_impl.h"

namespace nx {

// Records one source at a time: every setter first forgets the previous source
// (empty file name and name, id 0, index -1, size 0), then stores its arguments and,
// once an image is loaded, reloads it from the new source.
class Icon {
public:
    Icon() = default;
    Icon(const Icon&) = delete;
    Icon& operator=(const Icon&) = delete;

    virtual ~Icon() = default;
    // Drops the loaded image; the next drawing loads it again.
    virtual void releaseImage();
    virtual int getSize() const { return size_; }
    virtual void setModuleResource(const std::u16string& module, int id, int size);
    virtual void setModuleResource(const std::u16string& module, int id);
    virtual void setResource(int id, int size);
    virtual void setResource(int id);
    virtual void setModuleResource(const std::u16string& module, const std::u16string& name,
                                   int size);
    virtual void setModuleResource(const std::u16string& module, const std::u16string& name);
    virtual void setResource(const std::u16string& name, int size);
    virtual void setResource(const std::u16string& name);
    virtual void setFile(const std::u16string& file, int id);
    virtual void setFileIndex(const std::u16string& file, int index);
    virtual void setFileWithSize(const std::u16string& file, int size);
    virtual void setAssociatedFile(const std::u16string& file, int index);
    // Loads through the implementation: a resource id, else the file (an icon file when
    // its extension is "ICO" in any case, else the file's associated icon), else a
    // resource name. Does nothing without an implementation.
    virtual void load();

    // What load() chooses for a file name: an icon file or the associated icon.
    static bool isIconFileName(const std::u16string& fileName);

    const std::u16string& fileName() const { return fileName_; }
    const std::u16string& name() const { return name_; }
    int id() const { return id_; }
    int index() const { return index_; }

    IconImpl* impl() const { return impl_.get(); }
    // The drawing tools install their platform implementation here before load().
    void setImpl(std::unique_ptr<IconImpl> impl) { impl_ = std::move(impl); }

private:
    void clear();

    std::u16string fileName_;
    std::u16string name_;
    int id_ = 0;
    int index_ = -1;
    int size_ = 32;
    std::unique_ptr<IconImpl> impl_;
};

}  // namespace nx
