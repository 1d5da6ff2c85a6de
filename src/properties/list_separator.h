// The process-wide byte that separates values in every text form.
#pragma once

namespace nx {

// ',' by default; ';' when the numeric locale writes ',' as its decimal point.
char listSeparator();

// Chooses the separator from the current C locale's decimal point. Called once
// at start-up by the application object, before any document exists.
void initListSeparator();

// Sets the separator directly (tests and hosts that know better).
void setListSeparator(char separator);

// Sets the separator for one scope and restores the previous one afterwards.
class ScopedListSeparator {
public:
    explicit ScopedListSeparator(char separator);
    ~ScopedListSeparator();
    ScopedListSeparator(const ScopedListSeparator&) = delete;
    ScopedListSeparator& operator=(const ScopedListSeparator&) = delete;

private:
    char previous_;
};

}  // namespace nx
