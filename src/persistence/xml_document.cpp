// XML files read whole as text; pieces of it parsed by the XML library.
#include "persistence/xml_document.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <stdexcept>

#include "persistence/error_texts.h"
#include "persistence/xml_nesting.h"

namespace nx::persistence {

namespace {

#ifdef MAP_POPULATE
constexpr int kPopulate = MAP_POPULATE;  // one call maps the whole file, not a fault per page
#else
constexpr int kPopulate = 0;
#endif

// CR LF and lone CR become LF.
void normaliseLineEnds(std::string& text) {
    if (text.find('\r') == std::string::npos) return;
    std::size_t out = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') {
            text[out++] = '\n';
            if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
        } else {
            text[out++] = text[i];
        }
    }
    text.resize(out);
}

// Anything but a regular file, read as a stream; a directory opens like a file here but has
// no size to read.
std::string readStreamed(const std::string& fileName) {
    std::error_code notADirectory;
    std::ifstream in(fileName, std::ios::in | std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? static_cast<std::streamoff>(in.tellg()) : -1;
    if (size < 0 || std::filesystem::is_directory(fileName, notADirectory))
        throw std::runtime_error(nx::error_texts::kFailedToOpenFile);
    std::string text(static_cast<std::size_t>(size), '\0');
    in.seekg(0);
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    text.resize(static_cast<std::size_t>(in.gcount()));
    return text;
}

}  // namespace

XmlFileText::XmlFileText(const std::string& fileName) {
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    const bool regular = fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    if (regular && status.st_size > 0) {
        const auto size = static_cast<std::size_t>(status.st_size);
        const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
        // Zeroed pages one byte longer than the file, with the file mapped over their start:
        // the byte after the text is always a readable NUL.
        mapBytes_ = (size + 1 + page - 1) / page * page;
        void* base = ::mmap(nullptr, mapBytes_, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (base != MAP_FAILED && ::mmap(base, size, PROT_READ, MAP_PRIVATE | MAP_FIXED | kPopulate,
                                         fd, 0) != MAP_FAILED) {
            map_ = base;
            text_ = std::string_view(static_cast<const char*>(base), size);
        } else if (base != MAP_FAILED) {
            ::munmap(base, mapBytes_);
        }
    }
    if (fd >= 0) ::close(fd);
    if (!map_) {
        copy_ = readStreamed(fileName);
        normaliseLineEnds(copy_);
        text_ = copy_;
    } else if (std::memchr(text_.data(), '\r', text_.size())) {
        copy_ = std::string(text_);
        ::munmap(map_, mapBytes_);
        map_ = nullptr;
        normaliseLineEnds(copy_);
        text_ = copy_;
    }
    try {
        checkXmlStructure(text_);
    } catch (...) {
        if (map_) ::munmap(map_, mapBytes_);
        throw;
    }
}

XmlFileText::~XmlFileText() {
    if (map_) ::munmap(map_, mapBytes_);
}

std::string readXmlText(const std::string& fileName) {
    return std::string(XmlFileText(fileName).view());
}

std::unique_ptr<TiXmlDocument> parseElement(const char* start, TiXmlEncoding encoding,
                                            const char** end) {
    auto doc = std::make_unique<TiXmlDocument>();
    // Parsed as an element of a document so that failures leave their description there.
    TiXmlNode* element = doc->LinkEndChild(new TiXmlElement(""));
    const char* after = element->Parse(start, nullptr, encoding);
    if (doc->Error()) throw std::runtime_error(doc->ErrorDesc());
    if (!after) throw std::runtime_error(nx::error_texts::kErrorParsingElement);
    if (end) *end = after;
    return doc;
}

namespace {

struct WhiteSpaceSetting {
    std::mutex mutex;
    int guards = 0;
    bool previous = true;
};

WhiteSpaceSetting& whiteSpaceSetting() {
    static WhiteSpaceSetting setting;
    return setting;
}

}  // namespace

KeepWhiteSpace::KeepWhiteSpace() {
    WhiteSpaceSetting& s = whiteSpaceSetting();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.guards++ == 0) {
        s.previous = TiXmlBase::IsWhiteSpaceCondensed();
        TiXmlBase::SetCondenseWhiteSpace(false);
    }
}

KeepWhiteSpace::~KeepWhiteSpace() {
    WhiteSpaceSetting& s = whiteSpaceSetting();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (--s.guards == 0) TiXmlBase::SetCondenseWhiteSpace(s.previous);
}

std::unique_ptr<TiXmlDocument> parseXml(std::string_view text, TiXmlEncoding encoding) {
    auto doc = std::make_unique<TiXmlDocument>();
    const std::string piece(text);  // the library wants a terminated string
    doc->Parse(piece.c_str(), nullptr, encoding);
    if (doc->Error()) throw std::runtime_error(doc->ErrorDesc());
    return doc;
}

}  // namespace nx::persistence
