#include "manifest.h"

#include "screens/game_catalogue.h"

#include <QRegularExpression>
#include <stdexcept>

namespace vz::tools {
namespace {

[[noreturn]] void fail(int line, const QString& what) {
    throw std::runtime_error(
        QStringLiteral("pictures list, line %1: %2").arg(line).arg(what).toStdString());
}

QString fillName(QString name, const QHash<QString, QString>& values) {
    for (auto it = values.begin(); it != values.end(); ++it)
        name.replace(QLatin1Char('{') + it.key() + QLatin1Char('}'), it.value());
    return name;
}

QVector<QHash<QString, QString>> expansions(const QString& foreach, int line) {
    QVector<QHash<QString, QString>> result;
    if (foreach.isEmpty()) {
        result.append(QHash<QString, QString>());
    } else if (foreach == QLatin1String("group")) {
        for (const GroupInfo& group : GameGroups())
            result.append(
                QHash<QString, QString>{{QStringLiteral("group"), QString::number(group.group)},
                                        {QStringLiteral("group_name"), group.name}});
    } else if (foreach == QLatin1String("game")) {
        for (const GameInfo& game : GameCatalogue()) {
            result.append(QHash<QString, QString>{
                {QStringLiteral("code"), game.code()},
                {QStringLiteral("number"), QString::number(game.number)},
                {QStringLiteral("number2"),
                 QStringLiteral("%1").arg(game.number, 2, 10, QLatin1Char('0'))},
                {QStringLiteral("group"), QString::number(game.group)},
                {QStringLiteral("letter"), QString(game.letter)},
                {QStringLiteral("title"), game.title},
                {QStringLiteral("group_name"), GameGroups()[game.group - 1].name}});
        }
    } else if (foreach == QLatin1String("first_count") || foreach == QLatin1String("other_count")) {
        // The example counts the set-up page offers, per count step.
        const bool first = foreach == QLatin1String("first_count");
        for (int step : {9, 10, 12}) {
            const QVector<int> counts =
                step == 10 ? QVector<int>{10, 15, 20, 25, 30}
                           : QVector<int>{step, 2 * step, 3 * step, 4 * step, 5 * step};
            const int choices = step == 12 ? 4 : 5;
            for (int k = first ? 0 : 1; k < (first ? 1 : choices); ++k) {
                result.append(QHash<QString, QString>{
                    {QStringLiteral("step"),
                     QStringLiteral("%1").arg(step, 2, 10, QLatin1Char('0'))},
                    {QStringLiteral("count"),
                     QStringLiteral("%1").arg(counts[k], 2, 10, QLatin1Char('0'))},
                    {QStringLiteral("count_text"), QString::number(counts[k])}});
            }
        }
    } else {
        fail(line, QStringLiteral("unknown foreach=%1").arg(foreach));
    }
    return result;
}

} // namespace

QVector<PictureJob> readPictureList(const QString& text) {
    QVector<PictureJob> jobs;
    const QStringList lines = text.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const QStringList words = line.split(QRegularExpression(QStringLiteral("\\s+")));
        if (words.size() < 2)
            fail(i + 1, QStringLiteral("needs an output and a source"));
        QHash<QString, QString> options;
        for (const QString& word : words.mid(2)) {
            const qsizetype eq = word.indexOf(QLatin1Char('='));
            if (eq <= 0)
                fail(i + 1, QStringLiteral("option without '=': %1").arg(word));
            options.insert(word.left(eq), word.mid(eq + 1));
        }
        for (const auto& values : expansions(options.value(QStringLiteral("foreach")), i + 1)) {
            PictureJob job;
            job.output = fillName(words[0], values);
            job.source = words[1];
            job.placeholders = values;
            job.options = options;
            job.line = i + 1;
            if (job.output.contains(QLatin1Char('{')))
                fail(i + 1, QStringLiteral("output name keeps a placeholder: %1").arg(job.output));
            jobs << job;
        }
    }
    return jobs;
}

QString fillPlaceholders(const QString& svg, const QHash<QString, QString>& values) {
    static const QRegularExpression placeholder(QStringLiteral("\\{\\{([a-z0-9_]+)\\}\\}"));
    QString result;
    qsizetype last = 0;
    for (auto it = placeholder.globalMatch(svg); it.hasNext();) {
        const auto match = it.next();
        const QString key = match.captured(1);
        if (!values.contains(key))
            throw std::runtime_error(QStringLiteral("no value for {{%1}}").arg(key).toStdString());
        result += svg.mid(last, match.capturedStart() - last);
        result += values.value(key).toHtmlEscaped();
        last = match.capturedEnd();
    }
    return result + svg.mid(last);
}

} // namespace vz::tools
