// The script verb: the control as a hidden widget, the file run by the widget's script engine.
#include "script_verb.h"

#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <cstdio>
#include <stdexcept>

#include "control/qt/ramulo_ctrl.h"
#include "control/qt/ramulo_export.h"
#include "control/qt/ramulo_script.h"
#include "document.h"
#include "progress_line.h"
#include "verbs.h"

const char* const kScriptHelp =
    "usage: ramulo script FILE.js [-o OUT] [ARG...]\n"
    "Runs a JavaScript file against one control holding the empty standard document, with\n"
    "no window on screen. The script sees:\n"
    "  ctrl             the control's members by their names: ctrl.AddVertex(),\n"
    "                   ctrl.TestID = 2, ctrl.VertexPropertyValueByName(id, 'Name', 0),\n"
    "                   ctrl.SetVertexPropertyValueByName(id, 'Name', 0, 'A'); a failing\n"
    "                   member throws an Error with `code` and `description`; events:\n"
    "                   ctrl.VertexMenuCommand.connect(function (cmnd, id) { ... })\n"
    "  print(...)       one line on stdout (console.log alike)\n"
    "  host.Export(path)        draw the document into a .png, .svg or .pdf file\n"
    "  host.Print(path, layout) print into a PDF: 'page', 'fit' or 'tile'; returns pages\n"
    "  args             the ARGs after the file, as strings\n"
    "Message boxes the control would show go to stderr. Exit code 1 when the script threw.\n"
    "  -o OUT    afterwards write the document (.nx, .nxx, .xml) or draw it (.png, .svg, .pdf)\n";

namespace {

QString qt(const std::string& s) {
    return QString::fromLocal8Bit(s.c_str());
}

// Nothing modal may wait for a user who is not there.
void answerForTheUser(ramulo::CRamuloCtrl& ctrl) {
    ctrl.execMessageBox = [](QMessageBox& box) {
        std::fprintf(stderr, "ramulo: [%s] %s\n", qPrintable(box.windowTitle()),
                     qPrintable(box.text()));
        return int(QMessageBox::No);
    };
    ctrl.execMenu = [](QMenu&, const QPoint&) -> QAction* { return nullptr; };
    ctrl.execFileDialog = [](QFileDialog&) { return int(QDialog::Rejected); };
    ctrl.execDialog = [](QDialog&) { return int(QDialog::Rejected); };
}

void writeResult(ramulo::CRamuloCtrl& ctrl, const std::string& path) {
    const QString out = qt(path);
    const QString kind = QFileInfo(out).suffix().toLower();
    if (kind == QLatin1String("png") || kind == QLatin1String("svg") ||
        kind == QLatin1String("pdf")) {
        progress("drawing " + path);
        ramulo::exportDrawing(ctrl.control(), out);
        return;
    }
    progress("writing " + path);
    const std::u16string file = QFileInfo(out).absoluteFilePath().toStdU16String();
    if (documentFormatFor(path) == DocumentFormat::Stream)
        ctrl.control().Save(file);
    else
        ctrl.control().SaveToXml(file);
}

}  // namespace

int runScript(const std::vector<std::string>& args) {
    std::string file;
    std::string output;
    QStringList scriptArgs;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" || args[i] == "--output") {
            if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
            output = args[++i];
        } else if (file.empty()) {
            if (args[i].size() > 1 && args[i][0] == '-') throw UsageError("unknown option " + args[i]);
            file = args[i];
        } else {
            scriptArgs.push_back(qt(args[i]));
        }
    }
    if (file.empty()) throw UsageError("missing FILE.js");
    QFile source(qt(file));
    if (!source.open(QIODevice::ReadOnly)) throw std::runtime_error("Cannot read " + file);
    const QString program = QString::fromUtf8(source.readAll());
    // An absolute output path: the control's file commands may change the current folder.
    if (!output.empty()) output = QFileInfo(qt(output)).absoluteFilePath().toStdString();

    ramulo::CRamuloCtrl ctrl;
    // No window to show a dialog in: progress goes to the tool's line.
    ctrl.setProgressDelay(-1);
    ramulo::engineOf(ctrl.control()).setProgress(progressLine());
    answerForTheUser(ctrl);
    ctrl.resize(800, 600);
    ctrl.setTestID(0);
    ctrl.createWindow();
    ctrl.control().setModified(false);
    ramulo::RamuloScript script(ctrl, scriptArgs);
    const ramulo::RamuloScript::Result result = script.evaluate(program, QFileInfo(qt(file)).fileName());
    if (!result.ok) {
        std::fprintf(stderr, "ramulo script: %s\n", qPrintable(result.error));
        return kExitFailure;
    }
    if (!output.empty()) writeResult(ctrl, output);
    return kExitOk;
}
