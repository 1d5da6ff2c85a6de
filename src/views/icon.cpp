// Source recording and the loading rule of nx::Icon.
#include "views/icon.h"

#include "graph/mutex.h"

namespace nx {

void Icon::clear() {
    fileName_.clear();
    name_.clear();
    id_ = 0;
    index_ = -1;
    size_ = 0;
}

void Icon::releaseImage() {
    ScopedLock lock(&iconImageMutex());
    impl_.reset();
}

void Icon::setModuleResource(const std::u16string& module, int id, int size) {
    ScopedLock lock(&iconImageMutex());
    clear();
    id_ = id;
    size_ = size;
    if (impl_) impl_->loadModuleResource(module, id, size);
}

void Icon::setModuleResource(const std::u16string& module, int id) {
    ScopedLock lock(&iconImageMutex());
    clear();
    id_ = id;
    if (impl_) impl_->loadModuleResource(module, id);
}

void Icon::setResource(int id, int size) {
    ScopedLock lock(&iconImageMutex());
    clear();
    id_ = id;
    size_ = size;
    if (impl_) impl_->loadResource(id, size);
}

void Icon::setResource(int id) {
    ScopedLock lock(&iconImageMutex());
    clear();
    id_ = id;
    if (impl_) impl_->loadResource(id);
}

void Icon::setModuleResource(const std::u16string& module, const std::u16string& name, int size) {
    ScopedLock lock(&iconImageMutex());
    clear();
    name_ = name;
    size_ = size;
    if (impl_) impl_->loadModuleResource(module, name, size);
}

void Icon::setModuleResource(const std::u16string& module, const std::u16string& name) {
    ScopedLock lock(&iconImageMutex());
    clear();
    name_ = name;
    if (impl_) impl_->loadModuleResource(module, name);
}

void Icon::setResource(const std::u16string& name, int size) {
    ScopedLock lock(&iconImageMutex());
    clear();
    name_ = name;
    size_ = size;
    if (impl_) impl_->loadResource(name, size);
}

void Icon::setResource(const std::u16string& name) {
    ScopedLock lock(&iconImageMutex());
    clear();
    name_ = name;
    if (impl_) impl_->loadResource(name);
}

void Icon::setFile(const std::u16string& file, int id) {
    ScopedLock lock(&iconImageMutex());
    clear();
    fileName_ = file;
    id_ = id;
    if (impl_) impl_->loadFromFile(file, id);
}

void Icon::setFileIndex(const std::u16string& file, int index) {
    ScopedLock lock(&iconImageMutex());
    clear();
    fileName_ = file;
    index_ = index;
    if (impl_) impl_->loadFromFileIndex(file, index);
}

void Icon::setFileWithSize(const std::u16string& file, int size) {
    ScopedLock lock(&iconImageMutex());
    clear();
    fileName_ = file;
    size_ = size;
    if (impl_) impl_->loadIconFile(file, size);
}

void Icon::setAssociatedFile(const std::u16string& file, int index) {
    ScopedLock lock(&iconImageMutex());
    clear();
    fileName_ = file;
    index_ = index;
    if (impl_) impl_->loadAssociated(file, index);
}

bool Icon::isIconFileName(const std::u16string& fileName) {
    const auto dot = fileName.rfind(u'.');
    if (dot == std::u16string::npos || dot + 1 == fileName.size()) return false;
    std::u16string extension = fileName.substr(dot + 1);
    for (char16_t& c : extension)
        if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
    return extension == u"ICO";
}

void Icon::load() {
    ScopedLock lock(&iconImageMutex());
    if (!impl_) return;
    if (fileName_.empty() && name_.empty() && id_ > 0) {
        impl_->loadResource(id_, size_);
    } else if (!fileName_.empty()) {
        // Associated icons always use index 0: the index is not part of the source.
        if (isIconFileName(fileName_))
            impl_->loadIconFile(fileName_, size_);
        else
            impl_->loadAssociated(fileName_, 0);
    } else if (!name_.empty()) {
        impl_->loadResource(name_, size_);
    }
}

}  // namespace nx
