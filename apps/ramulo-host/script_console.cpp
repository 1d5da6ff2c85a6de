// ScriptConsole: input, Run (Ctrl+Return), history (Ctrl+Up/Down) and the output.
#include "script_console.h"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QVBoxLayout>

#include "control/qt/ramulo_script.h"

ScriptConsole::ScriptConsole(ramulo::RamuloScript& script, QWidget* parent)
    : QWidget(parent), script_(script) {
    const QFont mono = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    output_ = new QPlainTextEdit(this);
    output_->setReadOnly(true);
    output_->setFont(mono);
    output_->setObjectName(QStringLiteral("scriptOutput"));
    input_ = new QPlainTextEdit(this);
    input_->setFont(mono);
    input_->setObjectName(QStringLiteral("scriptInput"));
    input_->setPlaceholderText(
        QStringLiteral("ctrl.AddVertex(); ctrl.HierarchicalLayout(); print(ctrl.VertexCount(0))"));
    input_->installEventFilter(this);
    runButton_ = new QPushButton(tr("Run"), this);
    runButton_->setToolTip(tr("Run the script (Ctrl+Return)"));
    auto* clear = new QPushButton(tr("Clear"), this);

    auto* split = new QSplitter(Qt::Vertical, this);
    split->addWidget(output_);
    split->addWidget(input_);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(new QLabel(QStringLiteral("ctrl, print(), host.Export(path)"), this));
    buttons->addStretch();
    buttons->addWidget(clear);
    buttons->addWidget(runButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(split);
    layout->addLayout(buttons);

    script_.output = [this](const QString& line) { append(line); };
    connect(runButton_, &QPushButton::clicked, this, [this] { run(input_->toPlainText()); });
    connect(clear, &QPushButton::clicked, output_, &QPlainTextEdit::clear);
}

bool ScriptConsole::run(const QString& program, const QString& label) {
    if (program.trimmed().isEmpty()) return true;
    if (label.isEmpty()) {
        if (history_.isEmpty() || history_.back() != program) history_.push_back(program);
        historyAt_ = static_cast<int>(history_.size());
    }
    append(QStringLiteral("> ") + (label.isEmpty() ? program.trimmed() : label),
           QStringLiteral("gray"));
    const ramulo::RamuloScript::Result result =
        script_.evaluate(program, label.isEmpty() ? QStringLiteral("console") : label);
    if (!result.ok) {
        append(result.error, QStringLiteral("red"));
        return false;
    }
    if (!result.value.isEmpty()) append(result.value, QStringLiteral("darkblue"));
    if (label.isEmpty()) input_->clear();
    return true;
}

void ScriptConsole::append(const QString& text, const QString& colour) {
    if (colour.isEmpty()) {
        output_->appendPlainText(text);
        return;
    }
    output_->appendHtml(QStringLiteral("<span style=\"color:%1; white-space:pre-wrap\">%2</span>")
                            .arg(colour, text.toHtmlEscaped()));
}

void ScriptConsole::recall(int step) {
    if (history_.isEmpty()) return;
    historyAt_ = std::clamp(historyAt_ + step, 0, static_cast<int>(history_.size()));
    input_->setPlainText(historyAt_ < history_.size() ? history_[historyAt_] : QString());
}

bool ScriptConsole::eventFilter(QObject* watched, QEvent* event) {
    if (watched == input_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() & Qt::ControlModifier) {
            if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
                run(input_->toPlainText());
                return true;
            }
            if (key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) {
                recall(key->key() == Qt::Key_Up ? -1 : 1);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}
