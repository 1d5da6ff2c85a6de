// Document: one control with its headless window, and the file and sample operations the
// command-line verbs share.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "cli_host_window.h"
#include "control/ramulo_control.h"

// The document file kinds, chosen by extension as the control does: "nx" (any case) is the
// stream format, every other extension the XML format.
enum class DocumentFormat { Stream, Xml };
DocumentFormat documentFormatFor(const std::string& path);

// Lower-case extension of a path without the dot; empty when there is none.
std::string extensionOf(const std::string& path);

class Document {
public:
    // The control's window exists from the start, showing document testId as a host's
    // window would; the verbs that replace the document ask for the empty one (0).
    explicit Document(std::uint16_t testId = 0);
    ~Document();
    Document(const Document&) = delete;
    Document& operator=(const Document&) = delete;

    // Replaces the document with the file's, through the same engine load as the control's
    // Load; a failure keeps the open document and passes the reader's text on.
    void load(const std::string& path);
    // Writes the document through Save or SaveToXml, by extension.
    void save(const std::string& path);
    // LoadTest: builds sample document id.
    void buildSample(std::uint16_t id);

    ramulo::RamuloControl& control() { return control_; }
    ramulo::ControlEngine& engine() { return ramulo::engineOf(control_); }

private:
    CliHostWindow host_;
    ramulo::RamuloControl control_;
};

// Ends a verb's use of its document just before the process exits. Freeing a large document
// element by element costs a noticeable share of a short run, and the system takes the
// memory back at exit anyway, so it is left in place; builds under a leak checker free it,
// so that their checks keep meaning something. Nothing observable happens when a closed
// window's control goes: it has nobody to ask about saving.
void endWithProcess(std::unique_ptr<Document> document);
