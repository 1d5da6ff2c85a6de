// XML files read whole as text; pieces of it parsed by the XML library.
#include "persistence/xml_document.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <stdexcept>

#include "persistence/error_texts.h"
#include "persistence/xml_nesting.h"
#include "properties/large_pages.h"

namespace nx::persistence {

namespace {

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

// CR LF and lone CR become LF in [text, text + size); answers the new size.
std::size_t normaliseLineEnds(char* text, std::size_t size) {
    std::size_t out = 0;
    for (std::size_t i = 0; i < size; ++i) {
        if (text[i] == '\r') {
            text[out++] = '\n';
            if (i + 1 < size && text[i + 1] == '\n') ++i;
        } else {
            text[out++] = text[i];
        }
    }
    return out;
}

}  // namespace

XmlFileText::XmlFileText(const std::string& fileName) {
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat status {};
    if (fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        const auto size = static_cast<std::size_t>(status.st_size);
        buffer_.reset(new char[size + 1]);  // not value-initialised: every byte read is written
        adviseLargePages(buffer_.get(), size + 1);  // a fault per 2 MiB, not per 4 KiB, as it fills
        std::size_t got = 0;
        while (got < size) {
            const ssize_t n = ::read(fd, buffer_.get() + got, size - got);
            if (n > 0) {
                got += static_cast<std::size_t>(n);
            } else if (n == 0 || errno != EINTR) {
                break;  // shorter than it was: what was read is parsed, and fails as cut short
            }
        }
        if (std::memchr(buffer_.get(), '\r', got)) got = normaliseLineEnds(buffer_.get(), got);
        buffer_[got] = '\0';
        text_ = std::string_view(buffer_.get(), got);
    }
    if (fd >= 0) ::close(fd);
    if (!buffer_) {
        copy_ = readStreamed(fileName);
        copy_.resize(normaliseLineEnds(copy_.data(), copy_.size()));
        text_ = copy_;
    }
    clean_ = checkXmlStructure(text_, kMaxXmlNesting, kMaxXmlAttributes, &ends_);
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
