// ProgressDialogSink: long operations of a widget's document shown in a progress dialog.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

#include "graph/progress.h"

class QProgressDialog;
class QWidget;

namespace ramulo {

// The work runs on the GUI thread; each report lets the event loop run, so the window
// repaints and the Cancel button answers. The dialog (window-modal, so the host's window
// takes no input meanwhile) appears only once an operation has run for `delayMs`; before
// that the event loop runs without user input.
class ProgressDialogSink : public nx::Progress {
public:
    explicit ProgressDialogSink(QWidget* owner);
    ~ProgressDialogSink() override;

    void begin(const std::string& text, std::uint64_t total) override;
    void advance(std::uint64_t n) override;
    bool cancelled() override;
    void end() override;

    // An operation is running: the owner must not draw or take input meanwhile.
    bool active() const { return depth_ > 0; }
    // The dialog of the running operation once shown; null before and after.
    QProgressDialog* dialog() const { return dialog_.get(); }

    int delayMs = 500;
    // Called when the outermost operation ended.
    std::function<void()> finished;

private:
    void show();

    QWidget* owner_;
    std::unique_ptr<QProgressDialog> dialog_;
    QElapsedTimer clock_;
    QString text_;
    std::uint64_t total_ = 0;
    std::uint64_t done_ = 0;
    int depth_ = 0;
    bool cancelled_ = false;
};

}  // namespace ramulo
