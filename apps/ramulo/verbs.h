// The verbs of the command-line tool: names, help texts and what each runs.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "render.h"

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Wrong arguments: reported with the verb's help text and exit code 2.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Verb {
    const char* name;
    const char* help;
    int (*run)(const std::vector<std::string>& args);
};

// Null for an unknown name.
const Verb* findVerb(const std::string& name);

class Document;
// Writes the document to path: a drawing for .png, .svg and .pdf (with the drawing
// options), else a document file.
void writeOutput(Document& doc, const std::string& path, const RenderChoice& choice = {});

// Progress for long work, on stderr so that stdout stays the verb's result.
void progress(const std::string& text);
