// The process-wide list separator and its start-up choice.
#include "properties/list_separator.h"

#include <clocale>

namespace nx {

namespace {
char g_separator = ',';
}

char listSeparator() {
    return g_separator;
}

void initListSeparator() {
    const std::lconv* conv = std::localeconv();
    const bool commaDecimal = conv && conv->decimal_point && conv->decimal_point[0] == ',';
    g_separator = commaDecimal ? ';' : ',';
}

void setListSeparator(char separator) {
    g_separator = separator;
}

ScopedListSeparator::ScopedListSeparator(char separator) : previous_(g_separator) {
    g_separator = separator;
}

ScopedListSeparator::~ScopedListSeparator() {
    g_separator = previous_;
}

}  // namespace nx
