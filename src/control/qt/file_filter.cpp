// qtNameFilters: the control's dialog filters as Qt name filters.
#include "control/qt/file_filter.h"

#include <QString>

namespace ramulo {

QStringList qtNameFilters(const std::u16string& filter) {
    const QStringList parts = QString::fromStdU16String(filter).split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        if (description.isEmpty()) break;
        // "Nodalyx Files (*.nxx; *.nx)": Qt reads the patterns from the parentheses, so the
        // description's own copy of them goes.
        if (description.endsWith(QLatin1Char(')'))) {
            const qsizetype open = description.lastIndexOf(QLatin1Char('('));
            if (open > 0) description = description.left(open).trimmed();
        }
        QStringList patterns;
        for (const QString& p : parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString trimmed = p.trimmed();
            if (!trimmed.isEmpty()) patterns << trimmed;
        }
        if (patterns.isEmpty()) patterns << QStringLiteral("*");
        filters << description + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) +
                       QLatin1Char(')');
    }
    return filters;
}

}  // namespace ramulo
