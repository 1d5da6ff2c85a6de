// CRamuloCtrl's languages: installing the translation, and the engine's English texts
// looked up in it.
#include <QCoreApplication>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <memory>

#include "control/qt/ramulo_ctrl.h"
#include "control/qt/ramulo_translation.h"

namespace ramulo {

namespace {

// The texts the engine and the member layer hand to the widget in English, listed here so
// that the translation tools find them.
[[maybe_unused]] const char* const kEngineTexts[] = {
    // Menus
    QT_TRANSLATE_NOOP("CRamuloCtrl", "New Vertex"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "New Outcoming Edge"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "New Incoming Edge"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Delete Vertex"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Delete Edge"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Vertex Appearance..."),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Vertex Properties..."),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Center of Radial Layout"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Action"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Edge Appearance..."),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Edge Properties..."),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Tree Appearance..."),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Tree Properties..."),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Hierarchical Layout"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Radial Layout"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Force-Directed Layout"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Rotate Right 90\u00B0"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Rotate Left 90\u00B0"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Flip Vertical"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Flip Horizontal"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Select All Vertices"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "&New"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "&Open..."),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "&Save"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Save &As..."),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Custom Graph Command"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Custom Vertex Command"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Custom Edge Command"),
    // Message box captions
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Ramulo Control"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "RamuloCtrl Error"),
    // File dialog filters
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Nodalyx Files"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "Nodalyx File"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "XML Files"),
    QT_TRANSLATE_NOOP("CRamuloCtrl", "XML File"),
};

// The questions, as a pattern for the engine's English text and the source text.
struct Question {
    const char* pattern;
    const char* source;
};
const Question kQuestions[] = {
    {"^Do you want to remove vertex (\\d+) from the tree\\?$",
     QT_TRANSLATE_NOOP("CRamuloCtrl", "Do you want to remove vertex %1 from the tree?")},
    {"^Do you want to remove edge (\\d+) from the tree\\?$",
     QT_TRANSLATE_NOOP("CRamuloCtrl", "Do you want to remove edge %1 from the tree?")},
    {"^Save changes to (.*)\\?$", QT_TRANSLATE_NOOP("CRamuloCtrl", "Save changes to %1?")},
};

std::unique_ptr<QTranslator>& installed() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}

}  // namespace

namespace ramulo_i18n {

QString tr(const char* english) {
    return QCoreApplication::translate(kContext, english);
}

QString menuText(const std::u16string& english) {
    const QString source = QString::fromStdU16String(english);
    return QCoreApplication::translate(kContext, source.toUtf8().constData());
}

QString caption(const std::u16string& english) {
    return menuText(english);
}

QString message(const std::u16string& english) {
    const QString text = QString::fromStdU16String(english);
    if (!installed()) return text;
    for (const Question& q : kQuestions) {
        static thread_local QRegularExpression expression;
        expression.setPattern(QString::fromLatin1(q.pattern));
        const QRegularExpressionMatch match = expression.match(text);
        if (!match.hasMatch()) continue;
        const QString translated = QCoreApplication::translate(kContext, q.source);
        // Without a translation of its own the engine's text stays exactly as it was.
        if (translated == QLatin1String(q.source)) return text;
        return translated.arg(match.captured(1));
    }
    return text;
}

QString nameFilter(const QString& english) {
    const qsizetype open = english.lastIndexOf(QStringLiteral(" ("));
    if (open <= 0) return english;
    return QCoreApplication::translate(kContext, english.left(open).toUtf8().constData()) +
           english.mid(open);
}

}  // namespace ramulo_i18n

bool CRamuloCtrl::installTranslator(const QLocale& locale) {
    removeTranslator();
    if (locale.language() == QLocale::English || locale.language() == QLocale::C) return true;
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(locale, QStringLiteral("ramulo"), QStringLiteral("_"),
                          QStringLiteral(":/i18n")))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed() = std::move(translator);
    return true;
}

void CRamuloCtrl::removeTranslator() {
    if (!installed()) return;
    QCoreApplication::removeTranslator(installed().get());
    installed().reset();
}

}  // namespace ramulo
