// Reading and printing whole XML documents with the XML library.
#pragma once

#include <string>

class TiXmlDocument;

namespace nx::persistence {

// Parses the file into doc with the library's default encoding detection, keeping
// white space inside values. Fails with a runtime error carrying the library's
// description, or the nesting error for absurdly deep documents.
void parseXmlFile(TiXmlDocument& doc, const std::string& fileName);

// Prints the document with the library's printer, replacing the file; answers
// false (and writes nothing) when the file cannot be opened.
bool printXmlFile(const TiXmlDocument& doc, const std::string& fileName);

}  // namespace nx::persistence
