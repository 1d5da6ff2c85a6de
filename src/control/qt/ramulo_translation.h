// The widget's texts in the installed translation; English, the source language, unchanged.
#pragma once

#include <QString>
#include <string>

namespace ramulo {

namespace ramulo_i18n {

// The translation context of every text of the widget.
inline constexpr const char* kContext = "CRamuloCtrl";

// A text of the widget's own (a literal in the sources).
QString tr(const char* english);
// The text of a built-in menu item, as the engine holds it in English.
QString menuText(const std::u16string& english);
// A message box: its caption, and its text when it is one of the widget's questions. Any
// other text (an error description) stays as it is: hosts compare those.
QString caption(const std::u16string& english);
QString message(const std::u16string& english);
// A file dialog filter, "Description (*.a *.b)": the description translated.
QString nameFilter(const QString& english);

}

}  // namespace ramulo  // namespace ramulo_i18n
