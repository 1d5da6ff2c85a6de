// The process-wide list separator and its start-up choice.
#include "properties/list_separator.h"

#include <atomic>
#include <clocale>

namespace nx {

namespace {
// Chosen at start-up; atomic because every control's start-up chooses it again, possibly
// while documents on other threads read it.
std::atomic<char> g_separator{','};
}  // namespace

char listSeparator() {
    return g_separator.load(std::memory_order_relaxed);
}

void initListSeparator() {
    const std::lconv* conv = std::localeconv();
    const bool commaDecimal = conv && conv->decimal_point && conv->decimal_point[0] == ',';
    g_separator.store(commaDecimal ? ';' : ',', std::memory_order_relaxed);
}

void setListSeparator(char separator) {
    g_separator.store(separator, std::memory_order_relaxed);
}

ScopedListSeparator::ScopedListSeparator(char separator) : previous_(listSeparator()) {
    setListSeparator(separator);
}

ScopedListSeparator::~ScopedListSeparator() {
    setListSeparator(previous_);
}

}  // namespace nx
