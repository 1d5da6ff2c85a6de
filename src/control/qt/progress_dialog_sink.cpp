// The progress dialog of a widget's long operations.
#include "control/qt/progress_dialog_sink.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QWidget>
#include <algorithm>

namespace ramulo {

namespace {

constexpr int kSteps = 1000;  // the dialog's range when the total is known

}  // namespace

ProgressDialogSink::ProgressDialogSink(QWidget* owner) : owner_(owner) {}

ProgressDialogSink::~ProgressDialogSink() = default;

void ProgressDialogSink::begin(const std::string& text, std::uint64_t total) {
    // A nested operation (a load inside a command) shows in the outer one's dialog.
    if (depth_++ > 0) return;
    text_ = QCoreApplication::translate("CRamuloCtrl", text.c_str());
    total_ = total;
    done_ = 0;
    cancelled_ = false;
    clock_.start();
}

void ProgressDialogSink::show() {
    dialog_ = std::make_unique<QProgressDialog>(
        text_ + QStringLiteral("…"), QCoreApplication::translate("CRamuloCtrl", "Cancel"), 0,
        total_ ? kSteps : 0, owner_ ? owner_->window() : nullptr);
    dialog_->setWindowModality(Qt::WindowModal);
    dialog_->setMinimumDuration(0);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    QObject::connect(dialog_.get(), &QProgressDialog::canceled, [this] { cancelled_ = true; });
    dialog_->show();
}

void ProgressDialogSink::advance(std::uint64_t n) {
    if (depth_ == 0) return;
    done_ += n;
    if (!dialog_ && clock_.elapsed() >= delayMs) show();
    if (dialog_) {
        if (total_) dialog_->setValue(static_cast<int>(std::min(done_, total_) * kSteps / total_));
        QCoreApplication::processEvents();
    } else {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

bool ProgressDialogSink::cancelled() {
    return cancelled_;
}

void ProgressDialogSink::end() {
    if (depth_ == 0 || --depth_ > 0) return;
    if (dialog_) {
        dialog_->hide();
        dialog_.reset();
    }
    if (finished) finished();
}

}  // namespace ramulo
