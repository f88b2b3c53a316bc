#include "progress/ProgressReport.h"

#include "engine/Catalogue.h"
#include "engine/OwnListFile.h"
#include "progress/ProgressStore.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <tuple>

namespace {

// The WHERE clause of a filter over "tasks t JOIN runs r"; binds in order.
QString Where(const ProgressReport::Filter& filter, bool answeredOnly)
{
    QStringList parts;
    if (answeredOnly)
        parts << QStringLiteral("t.first_answer IS NOT NULL");
    if (filter.from.isValid())
        parts << QStringLiteral("t.shown >= ?");
    if (filter.kind != 0)
        parts << QStringLiteral("r.kind = ?");
    return parts.isEmpty() ? QString() : QStringLiteral(" WHERE ") + parts.join(" AND ");
}

void Bind(QSqlQuery& query, const ProgressReport::Filter& filter)
{
    if (filter.from.isValid())
        query.addBindValue(filter.from.toString(Qt::ISODate));
    if (filter.kind != 0)
        query.addBindValue(filter.kind);
}

int MenuOrder(int kind)
{
    const auto kinds = ExerciseKinds();
    for (std::size_t i = 0; i < kinds.size(); ++i)
        if (kinds[i].id == kind)
            return int(i);
    return int(kinds.size()) + kind;
}

} // namespace

ProgressReport::ProgressReport(QSqlDatabase db)
    : db_(std::move(db))
{
}

bool ProgressReport::Fail(const QString& text)
{
    error_ = text;
    return false;
}

bool ProgressReport::Load(const Filter& filter)
{
    days_.clear();
    tasks_.clear();
    error_.clear();
    // All time is read from the counts SQLite keeps with every answer; a
    // period from the answers themselves, which the index on the time of
    // each task finds.
    const bool allTime = !filter.from.isValid();
    const QString kindOnly = filter.kind != 0 ? QStringLiteral(" WHERE kind = ?") : QString();
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    if (allTime) {
        query.prepare(QStringLiteral("SELECT day, sum(tasks), sum(right_first) FROM day_counts")
            + kindOnly + QStringLiteral(" GROUP BY day ORDER BY day"));
    } else {
        // The join is left out when no kind is asked for.
        const QString from = filter.kind != 0
            ? QStringLiteral(" FROM tasks t JOIN runs r ON r.id = t.run")
            : QStringLiteral(" FROM tasks t");
        query.prepare(QStringLiteral("SELECT substr(t.shown, 1, 10) AS day, count(*), "
                                     "sum(t.outcome = 0)")
            + from + Where(filter, true) + QStringLiteral(" GROUP BY day ORDER BY day"));
    }
    Bind(query, filter);
    if (!query.exec())
        return Fail(ProgressStore::Reason(query.lastError()));
    while (query.next()) {
        const QDate day = QDate::fromString(query.value(0).toString(), Qt::ISODate);
        if (day.isValid())
            days_.push_back({ day, query.value(1).toInt(), query.value(2).toInt() });
    }
    if (query.lastError().isValid())
        return Fail(ProgressStore::Reason(query.lastError()));

    if (allTime)
        query.prepare(
            QStringLiteral("SELECT kind, task, expected, asked, missed, last FROM task_counts")
            + kindOnly);
    else
        query.prepare(QStringLiteral("SELECT r.kind, t.task, t.expected, count(*), "
                                     "sum(t.outcome <> 0), max(t.shown) "
                                     "FROM tasks t JOIN runs r ON r.id = t.run")
            + Where(filter, true) + QStringLiteral(" GROUP BY r.kind, t.task, t.expected"));
    Bind(query, filter);
    if (!query.exec())
        return Fail(ProgressStore::Reason(query.lastError()));
    while (query.next())
        tasks_.push_back(
            { query.value(0).toInt(), query.value(1).toString(), query.value(2).toString(),
                query.value(3).toInt(), query.value(4).toInt(), query.value(5).toString() });
    if (query.lastError().isValid())
        return Fail(ProgressStore::Reason(query.lastError()));
    return true;
}

std::vector<ProgressReport::KindName> ProgressReport::Kinds()
{
    std::vector<KindName> kinds;
    QSqlQuery query(db_);
    if (!query.exec(QStringLiteral("SELECT kind, max(kind_text) FROM runs GROUP BY kind")))
        return kinds;
    while (query.next())
        kinds.push_back({ query.value(0).toInt(), query.value(1).toString() });
    std::sort(kinds.begin(), kinds.end(),
        [](const KindName& a, const KindName& b) { return MenuOrder(a.kind) < MenuOrder(b.kind); });
    return kinds;
}

std::vector<ProgressReport::TaskCount> ProgressReport::MostMissed(std::size_t limit) const
{
    QHash<QPair<QString, QString>, TaskCount> merged;
    for (const TaskCount& t : tasks_) {
        TaskCount& m = merged[{ t.task, t.expected }];
        if (m.asked == 0) {
            m = t;
            continue;
        }
        m.asked += t.asked;
        m.missed += t.missed;
        m.last = std::max(m.last, t.last);
    }
    std::vector<TaskCount> list;
    for (const TaskCount& t : std::as_const(merged))
        if (t.missed != 0)
            list.push_back(t);
    std::sort(list.begin(), list.end(), [](const TaskCount& a, const TaskCount& b) {
        // Most misses first; of equals, the one missed most often per asking,
        // then the one asked last.
        return std::make_tuple(a.missed, qint64(a.missed) * b.asked, a.last, b.task)
            > std::make_tuple(b.missed, qint64(b.missed) * a.asked, b.last, a.task);
    });
    if (list.size() > limit)
        list.resize(limit);
    return list;
}

ProgressReport::FactGrid ProgressReport::Facts(Menu menu) const
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^(\d{1,2}) ([+-]) (\d{1,2}) = \?+$)"));
    const QChar sign = menu == Menu::Minus ? QLatin1Char('-') : QLatin1Char('+');
    FactGrid grid {};
    for (const TaskCount& t : tasks_) {
        const ExerciseKind* kind = FindExerciseKind(t.kind);
        if (!kind || kind->menu != menu)
            continue;
        const QRegularExpressionMatch m = pattern.match(t.task);
        if (!m.hasMatch() || m.captured(2) != sign)
            continue;
        const int a = m.captured(1).toInt();
        const int b = m.captured(3).toInt();
        if (a > kFactMax || b > kFactMax)
            continue;
        grid[a][b].asked += t.asked;
        grid[a][b].rightFirst += t.asked - t.missed;
    }
    return grid;
}

QString ProgressReport::OutcomeText(int outcome)
{
    switch (outcome) {
    case ProgressStore::RightFirst:
        return QStringLiteral("gleich richtig");
    case ProgressStore::RightLater:
        return QStringLiteral("richtig nach Nochmal oder Tipp");
    case ProgressStore::SolvedByHelp:
        return QStringLiteral("gelöst mit Lösen");
    default:
        return QStringLiteral("Übung beendet");
    }
}

QString ProgressReport::CsvField(const QString& text)
{
    static const QRegularExpression special(QStringLiteral("[\",\r\n]"));
    if (!text.contains(special))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

bool ProgressReport::WriteCsv(const QString& path, const Filter& filter)
{
    error_.clear();
    QSqlQuery query(db_);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("SELECT r.started, r.ended, r.kind, r.kind_text, r.task_target, "
                                 "r.finished, r.rewarded, t.shown, t.task, t.expected, "
                                 "t.first_answer, t.outcome, t.seconds "
                                 "FROM tasks t JOIN runs r ON r.id = t.run")
        + Where(filter, false) + QStringLiteral(" ORDER BY t.id"));
    Bind(query, filter);
    if (!query.exec())
        return Fail(ProgressStore::Reason(query.lastError()));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return Fail(file.errorString());
    const QStringList header = { "Übung begonnen", "Übung beendet", "Übung Nr.", "Übung",
        "Aufgaben eingestellt", "Alle Aufgaben gestellt", "Belohnung", "Aufgabe gezeigt", "Aufgabe",
        "Lösung", "Erste Antwort", "Ergebnis", "Sekunden bis zur ersten Antwort" };
    QByteArray out;
    auto line = [&out](const QStringList& fields) {
        QStringList quoted;
        for (const QString& field : fields)
            quoted << CsvField(field);
        out += quoted.join(QLatin1Char(',')).toUtf8();
        out += "\r\n";
    };
    line(header);
    const QString yes = QStringLiteral("ja");
    const QString no = QStringLiteral("nein");
    while (query.next()) {
        const QVariant seconds = query.value(12);
        line({ query.value(0).toString(), query.value(1).toString(), query.value(2).toString(),
            query.value(3).toString(), query.value(4).toString(), query.value(5).toInt() ? yes : no,
            query.value(6).toInt() ? yes : no, query.value(7).toString(), query.value(8).toString(),
            query.value(9).toString(), query.value(10).toString(),
            OutcomeText(query.value(11).toInt()),
            seconds.isNull() ? QString() : QString::number(seconds.toDouble(), 'f', 1) });
        if (out.size() > (1 << 20)) {
            file.write(out);
            out.clear();
        }
    }
    if (query.lastError().isValid())
        return Fail(ProgressStore::Reason(query.lastError()));
    file.write(out);
    if (!file.commit())
        return Fail(file.errorString());
    return true;
}

bool WriteOwnExerciseList(
    const QString& path, const std::vector<ProgressReport::TaskCount>& tasks, QString* error)
{
    std::vector<OwnTask> pairs;
    pairs.reserve(tasks.size());
    for (const ProgressReport::TaskCount& t : tasks)
        pairs.push_back({ t.task.toStdString(), t.expected.toStdString() });
    // A list replaced keeps its file's form, as the parents' editor keeps it.
    const std::filesystem::path file = QFile::encodeName(path).toStdString();
    OwnListDocument old;
    bool exists = false;
    std::string reason;
    OwnListFormat format;
    if (LoadOwnListFile(file, old, exists, reason) && exists)
        format = old.format;
    if (SaveOwnListFile(file, pairs, format, reason))
        return true;
    *error = QStringLiteral("„%1“ konnte nicht geschrieben werden: %2")
                 .arg(QDir::toNativeSeparators(path), QString::fromStdString(reason));
    return false;
}
