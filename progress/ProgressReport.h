#pragma once

#include <QDate>
#include <QSqlDatabase>
#include <QString>

#include <array>
#include <vector>

enum class Menu;

// What the progress window shows, read from the record: tasks and first-try
// successes per day, and the tasks grouped with how often each was asked
// and missed.  A task counts once it was answered; one shown when the run
// ended, unanswered, does not.
class ProgressReport {
public:
    struct Filter {
        QDate from; // invalid: all time
        int kind = 0; // 0: every kind
    };
    struct Day {
        QDate day;
        int tasks = 0;
        int rightFirst = 0;
    };
    struct TaskCount {
        int kind = 0;
        QString task;
        QString expected;
        int asked = 0;
        int missed = 0; // not right at the first try
        QString last; // time of the last asking
    };
    struct KindName {
        int kind = 0;
        QString text;
    };
    struct Fact {
        int asked = 0;
        int rightFirst = 0;
    };
    // Rows the first number, columns the second, 0 to kFactMax.
    static constexpr int kFactMax = 20;
    using FactGrid = std::array<std::array<Fact, kFactMax + 1>, kFactMax + 1>;

    explicit ProgressReport(QSqlDatabase db);

    bool Load(const Filter& filter);
    // German, when Load or a writer failed.
    QString ErrorText() const { return error_; }

    const std::vector<Day>& Days() const { return days_; }
    const std::vector<TaskCount>& Tasks() const { return tasks_; }
    // Every kind in the record, in the order of the menus.
    std::vector<KindName> Kinds();

    // Tasks not right at the first try at least once, merged over the kinds,
    // the most missed first.
    std::vector<TaskCount> MostMissed(std::size_t limit) const;
    // The "a + b" (Menu::Plus) or "a - b" (Menu::Minus) facts up to kFactMax.
    FactGrid Facts(Menu menu) const;

    // One line per task shown, a header line first; UTF-8, RFC 4180.
    bool WriteCsv(const QString& path, const Filter& filter);

    static QString CsvField(const QString& text);
    static QString OutcomeText(int outcome);

private:
    bool Fail(const QString& text);

    QSqlDatabase db_;
    std::vector<Day> days_;
    std::vector<TaskCount> tasks_;
    QString error_;
};

// Writes the tasks and their answers as an own exercise list, through a file
// beside it that is renamed into place; a list replaced keeps its encoding
// and line ends.
bool WriteOwnExerciseList(
    const QString& path, const std::vector<ProgressReport::TaskCount>& tasks, QString* error);
