// File-dialog filters: the control's "description|pattern|...||" form in Qt's form.
#pragma once

#include <QStringList>
#include <string>

namespace ramulo {

// One Qt name filter per description and pattern pair, "Description (*.a *.b)": the
// description loses its own parenthesised pattern list, and the patterns, separated by
// semicolons in the control's form, are separated by spaces. The list ends at the first
// empty description (the closing "||").
QStringList qtNameFilters(const std::u16string& filter);

}  // namespace ramulo
