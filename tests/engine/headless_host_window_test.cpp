// The headless host logs every message box on stderr and answers it without a user.
#include <gtest/gtest.h>

#include <iostream>
#include <sstream>
#include <string>

#include "engine/headless_host_window.h"

using namespace ramulo;

namespace {

// Sends std::cerr to a string for its lifetime.
class CapturedErrors {
public:
    CapturedErrors() : previous_(std::cerr.rdbuf(text_.rdbuf())) {}
    ~CapturedErrors() { std::cerr.rdbuf(previous_); }
    std::string text() const { return text_.str(); }

private:
    std::ostringstream text_;
    std::streambuf* previous_;
};

TEST(HeadlessHostWindow, LogsEachBoxAndDeclinesIt) {
    struct Case {
        MessageButtons buttons;
        MessageAnswer answer;
    };
    for (const Case& c : {Case{MessageButtons::Ok, MessageAnswer::Ok},
                          Case{MessageButtons::YesNo, MessageAnswer::No},
                          Case{MessageButtons::YesNoCancel, MessageAnswer::Cancel}}) {
        HeadlessHostWindow host("tool: ");
        CapturedErrors errors;
        EXPECT_EQ(host.messageBox(u"Save changes to \u00e9t\u00e9?", u"Ramulo", c.buttons,
                                  MessageIcon::Question),
                  c.answer);
        EXPECT_EQ(errors.text(), "tool: Ramulo: Save changes to \xC3\xA9t\xC3\xA9?\n");
    }
}

// A text with a lone surrogate (a file name can hold one) still reaches the log.
TEST(HeadlessHostWindow, LogsALoneSurrogateAsAQuestionMark) {
    HeadlessHostWindow host;
    CapturedErrors errors;
    std::u16string text = u"a";
    text += static_cast<char16_t>(0xD800);
    text += u"b\U0001F600";
    text += static_cast<char16_t>(0xDC00);
    EXPECT_EQ(host.messageBox(text, u"Ramulo", MessageButtons::Ok, MessageIcon::Information),
              MessageAnswer::Ok);
    EXPECT_EQ(errors.text(), "Ramulo: a?b\xF0\x9F\x98\x80?\n");
}

}  // namespace
