// ramulo-host: a control test container; --screenshot draws its window into a PNG and quits.
#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTimer>
#include <QTranslator>
#include <cstdio>

#include "control/qt/ramulo_ctrl.h"
#include "host_window.h"
#include "script_console.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ramulo-host"));
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("A test container for the Ramulo control."));
    parser.addHelpOption();
    const QCommandLineOption sample(QStringLiteral("sample"),
                                    QStringLiteral("Sample document N (0-4) to start with."),
                                    QStringLiteral("N"), QStringLiteral("1"));
    const QCommandLineOption script(QStringLiteral("script"),
                                    QStringLiteral("Run a JavaScript file in the console first."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption shot(QStringLiteral("screenshot"),
                                  QStringLiteral("Draw the window into a PNG file and quit."),
                                  QStringLiteral("FILE"));
    const QCommandLineOption size(QStringLiteral("size"), QStringLiteral("Window size WxH."),
                                  QStringLiteral("WxH"), QStringLiteral("1100x720"));
    const QCommandLineOption language(
        QStringLiteral("language"),
        QStringLiteral("The control's language (de; en for English); the system's by default."),
        QStringLiteral("L"));
    parser.addOptions({sample, script, shot, size, language});
    parser.process(app);
    // The control's menus, questions and dialogs in the chosen language where it has a
    // translation; English otherwise.
    const QLocale locale = parser.isSet(language) ? QLocale(parser.value(language)) : QLocale();
    if (!ramulo::CRamuloCtrl::installTranslator(locale) && parser.isSet(language))
        std::fprintf(stderr, "ramulo-host: no translation for %s, English it is\n",
                     qPrintable(parser.value(language)));
    QTranslator hostTexts;
    if (locale.language() != QLocale::English &&
        hostTexts.load(locale, QStringLiteral("ramulo-host"), QStringLiteral("_"),
                       QStringLiteral(":/i18n")))
        QApplication::installTranslator(&hostTexts);

    bool ok = false;
    const uint id = parser.value(sample).toUInt(&ok);
    if (!ok || id > 4) {
        std::fprintf(stderr, "ramulo-host: --sample must be 0 to 4\n");
        return 2;
    }
    RamuloHostWindow window(static_cast<quint16>(id));
    const QStringList wh = parser.value(size).split(QLatin1Char('x'));
    if (wh.size() == 2) window.resize(QSize(wh[0].toInt(), wh[1].toInt()).expandedTo({300, 200}));
    window.show();

    int exitCode = 0;
    if (parser.isSet(script)) {
        QFile file(parser.value(script));
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "ramulo-host: cannot read %s\n",
                         qPrintable(parser.value(script)));
            return 1;
        }
        const QString name = QFileInfo(parser.value(script)).fileName();
        if (!window.console().run(QString::fromUtf8(file.readAll()), name)) exitCode = 1;
    }
    if (parser.isSet(shot)) {
        const QString path = parser.value(shot);
        QTimer::singleShot(200, &window, [&window, path, &exitCode] {
            if (!window.grab().save(path)) {
                std::fprintf(stderr, "ramulo-host: cannot write %s\n", qPrintable(path));
                exitCode = 1;
            }
            QApplication::quit();
        });
        app.exec();
        // No save question when the picture is taken.
        window.control().setFileIOEnabled(false);
        return exitCode;
    }
    return app.exec();
}
