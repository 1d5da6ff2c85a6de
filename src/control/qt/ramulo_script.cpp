// RamuloScript: the engine's globals, and failures turned into script errors.
#include "control/qt/ramulo_script.h"

#include <QPrinter>
#include <cstdio>
#include <stdexcept>

#include "control/automation_error.h"
#include "control/qt/ramulo_ctrl.h"
#include "control/qt/ramulo_export.h"
#include "control/qt/ramulo_print.h"

namespace ramulo {

RamuloScript::RamuloScript(CRamuloCtrl& ctrl, QStringList args, QObject* parent)
    : QObject(parent), ctrl_(ctrl) {
    engine_.installExtensions(QJSEngine::ConsoleExtension);
    QJSValue global = engine_.globalObject();
    // Neither the control nor this object may be deleted by the script engine's collector.
    QJSEngine::setObjectOwnership(&ctrl_, QJSEngine::CppOwnership);
    QJSEngine::setObjectOwnership(this, QJSEngine::CppOwnership);
    global.setProperty(QStringLiteral("ctrl"), engine_.newQObject(&ctrl_));
    global.setProperty(QStringLiteral("host"), engine_.newQObject(this));
    global.setProperty(QStringLiteral("args"), engine_.toScriptValue(args));
    engine_.evaluate(QStringLiteral(
        "(function (g) {"
        "  var line = function () {"
        "    return Array.prototype.map.call(arguments, function (a) {"
        "      return (a !== null && typeof a === 'object' && !(a instanceof Error))"
        "          ? JSON.stringify(a) : String(a); }).join(' '); };"
        "  g.print = function () { host.write(line.apply(null, arguments)); };"
        "  console.log = console.info = console.warn = console.error = g.print;"
        "})(this)"));
}

RamuloScript::~RamuloScript() = default;

RamuloScript::Result RamuloScript::evaluate(const QString& program, const QString& fileName,
                                            int line) {
    Result result;
    // An error a member raised while called from outside any script is not this program's.
    takeRaisedError();
    const QJSValue value = engine_.evaluate(program, fileName, line);
    if (!value.isError()) {
        if (!value.isUndefined()) result.value = value.toString();
        return result;
    }
    result.ok = false;
    const QJSValue code = value.property(QStringLiteral("code"));
    if (code.isNumber()) result.code = code.toNumber();
    QString at = value.property(QStringLiteral("fileName")).toString();
    // The engine names the program as a URL; the user knows it by its name.
    if (at.startsWith(QLatin1String("file:"))) at.remove(0, 5);
    const int where = value.property(QStringLiteral("lineNumber")).toInt();
    QString message = value.toString();
    if (code.isNumber())
        message += QStringLiteral(" (0x%1)").arg(static_cast<quint32>(code.toNumber()), 8, 16,
                                                  QLatin1Char('0'));
    result.error = where > 0 ? QStringLiteral("%1:%2: %3")
                                   .arg(at.isEmpty() ? fileName : at)
                                   .arg(where)
                                   .arg(message)
                             : message;
    return result;
}

std::optional<AutomationError> RamuloScript::takeRaisedError() {
    if (!engine_.hasError()) return std::nullopt;
    const QJSValue error = engine_.catchError();
    const QJSValue code = error.property(QStringLiteral("code"));
    const QJSValue description = error.property(QStringLiteral("description"));
    return AutomationError(
        code.isNumber() ? static_cast<std::uint32_t>(code.toNumber()) : 0x80020009u,
        (description.isString() ? description.toString() : error.toString()).toStdU16String());
}

void RamuloScript::write(const QString& line) {
    if (output) {
        output(line);
    } else {
        std::fputs(line.toLocal8Bit().constData(), stdout);
        std::fputc('\n', stdout);
        std::fflush(stdout);
    }
}

namespace {

// A failure inside a host call becomes an Error of the script, as a member's does.
template <typename F>
auto scriptCall(QJSEngine& js, F&& work) -> decltype(work()) {
    try {
        return work();
    } catch (const AutomationError& e) {
        QJSValue raised = js.newErrorObject(QJSValue::GenericError,
                                            QString::fromStdU16String(e.description()));
        raised.setProperty(QStringLiteral("code"), static_cast<double>(e.code()));
        raised.setProperty(QStringLiteral("description"),
                           QString::fromStdU16String(e.description()));
        js.throwError(raised);
    } catch (const std::exception& e) {
        js.throwError(QJSValue::GenericError, QString::fromLocal8Bit(e.what()));
    }
    if constexpr (!std::is_void_v<decltype(work())>) return {};
}

}  // namespace

void RamuloScript::Export(const QString& path) {
    scriptCall(engine_, [&] { exportDrawing(ctrl_.control(), path); });
}

int RamuloScript::Print(const QString& path, const QString& layout) {
    return scriptCall(engine_, [&] {
        PrintLayout chosen = PrintLayout::OnePage;
        if (layout == QLatin1String("fit"))
            chosen = PrintLayout::FitToPage;
        else if (layout == QLatin1String("tile"))
            chosen = PrintLayout::Tiled;
        else if (layout != QLatin1String("page"))
            throw std::runtime_error("Unknown print layout '" + layout.toStdString() +
                                     "' (page, fit or tile)");
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        return printDocument(ctrl_.control(), printer, chosen);
    });
}

}  // namespace ramulo
