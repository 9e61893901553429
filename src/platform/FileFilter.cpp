#include "FileFilter.h"

#include <QRegularExpression>

namespace {

QString shownName(const QString& name)
{
    // The name often repeats its patterns in brackets; Qt's form adds them back itself.
    static const QRegularExpression trailingPatterns(QStringLiteral("\\s*\\([^()]*\\)\\s*$"));
    QString result = name;
    result.remove(trailingPatterns);
    return result.trimmed();
}

QString qtPatterns(const QString& patterns)
{
    QStringList list;
    for (const QString& pattern : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString trimmed = pattern.trimmed();
        if (trimmed.isEmpty()) continue;
        list << (trimmed == QLatin1String("*.*") ? QStringLiteral("*") : trimmed);
    }
    return list.join(QLatin1Char(' '));
}

}  // namespace

QStringList toQtNameFilters(const QString& pipeFilter)
{
    const QStringList parts = pipeFilter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;  // the empty entry ends the list
        const QString patterns = qtPatterns(parts[i + 1]);
        if (patterns.isEmpty()) continue;
        const QString name = shownName(parts[i]);
        filters << (name.isEmpty() ? patterns : name + QStringLiteral(" (") + patterns + QLatin1Char(')'));
    }
    return filters;
}
