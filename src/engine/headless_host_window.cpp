// The headless host: message boxes logged to stderr and declined.
#include "engine/headless_host_window.h"

#include <utf8.h>
#include <iostream>

namespace ramulo {

namespace {

// A message must reach the log even when it holds a lone surrogate (a file name can):
// such a unit is written as '?'.
std::string loggable(const std::u16string& text) {
    std::string result;
    for (auto it = text.begin(); it != text.end();) {
        const char16_t c = *it++;
        std::uint32_t cp = c;
        if (c >= 0xD800 && c <= 0xDBFF && it != text.end() && *it >= 0xDC00 && *it <= 0xDFFF)
            cp = 0x10000 + ((c - 0xD800u) << 10) + (*it++ - 0xDC00u);
        else if (c >= 0xD800 && c <= 0xDFFF)
            cp = '?';
        utf8::append(static_cast<char32_t>(cp), std::back_inserter(result));
    }
    return result;
}

}  // namespace

MessageAnswer decliningAnswer(MessageButtons buttons) {
    switch (buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Cancel;
    }
    return MessageAnswer::Cancel;
}

MessageAnswer proceedingAnswer(MessageButtons buttons) {
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

MessageAnswer HeadlessHostWindow::messageBox(const std::u16string& text,
                                             const std::u16string& caption, MessageButtons buttons,
                                             MessageIcon) {
    std::cerr << messagePrefix_ << loggable(caption) << ": " << loggable(text) << '\n';
    return unattendedAnswer(buttons);
}

}  // namespace ramulo
