// RamuloScript: JavaScript that drives one CRamuloCtrl through its automation members.
#pragma once

#include <QJSEngine>
#include <QObject>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

#include "control/automation_error.h"

namespace ramulo {

class CRamuloCtrl;

// The script sees:
//   ctrl            the control: ctrl.AddVertex(), ctrl.TestID = 2, ctrl.VertexCount(0), ...;
//                   a failing member throws an Error with `code` and `description`;
//                   events: ctrl.VertexMenuCommand.connect(function (cmnd, id) { ... })
//   print(...)      writes its arguments as one line (console.log does the same)
//   host.Export(path)   draws the whole document into a .png, .svg or .pdf file
//   host.Print(path, layout)  prints into a PDF file: "page" (default), "fit" or "tile";
//                   returns the number of pages
//   args            the script's arguments (an array of strings)
class RamuloScript : public QObject {
    Q_OBJECT
public:
    explicit RamuloScript(CRamuloCtrl& ctrl, QStringList args = {}, QObject* parent = nullptr);
    ~RamuloScript() override;

    struct Result {
        bool ok = true;
        QString value;      // the program's value, as text
        QString error;      // "file:line: message"
        double code = 0;    // the automation code of a member's failure, else 0
    };
    Result evaluate(const QString& program, const QString& fileName = {}, int line = 1);

    QJSEngine& engine() { return engine_; }

    // Once the engine holds the control, a member that C++ calls outside any script raises
    // its failure in the engine instead of throwing: this takes it back (the C++ caller's
    // AutomationError), or nothing when no member failed since.
    std::optional<AutomationError> takeRaisedError();

    // Where print() and console.log go; unset, to standard output.
    std::function<void(const QString&)> output;

    // --- Called from the script (the `host` object and print).
    Q_INVOKABLE void write(const QString& line);
    Q_INVOKABLE void Export(const QString& path);
    Q_INVOKABLE int Print(const QString& path, const QString& layout = QStringLiteral("page"));

private:
    CRamuloCtrl& ctrl_;
    QJSEngine engine_;
};

}  // namespace ramulo
