// ScriptConsole: a pane that runs JavaScript against the control and shows what it printed.
#pragma once

#include <QStringList>
#include <QWidget>

class QPlainTextEdit;
class QPushButton;
namespace ramulo {
class RamuloScript;
}  // namespace ramulo

class ScriptConsole : public QWidget {
    Q_OBJECT
public:
    explicit ScriptConsole(ramulo::RamuloScript& script, QWidget* parent = nullptr);

    // Runs the program as if typed and run (echoed as `label` when one is given, as for a
    // file); returns whether it ran without an error.
    bool run(const QString& program, const QString& label = {});
    QPlainTextEdit* input() const { return input_; }
    QPlainTextEdit* output() const { return output_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void append(const QString& text, const QString& colour = {});
    void recall(int step);

    ramulo::RamuloScript& script_;
    QPlainTextEdit* input_;
    QPlainTextEdit* output_;
    QPushButton* runButton_;
    QStringList history_;
    int historyAt_ = 0;
};
