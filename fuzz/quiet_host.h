// Shared by the fuzz targets: a host window that shows nothing and declines every question.
#pragma once

#include <string>

#include "engine/headless_host_window.h"

namespace nx::fuzz {

// The headless host without its log; a question is answered so that a run goes on.
class QuietHost : public ramulo::HeadlessHostWindow {
public:
    ramulo::MessageAnswer messageBox(const std::u16string&, const std::u16string&, ramulo::MessageButtons buttons,
                             ramulo::MessageIcon) override {
        return ramulo::proceedingAnswer(buttons);
    }
};

}  // namespace nx::fuzz
