#pragma once

#include "engine/OwnExerciseFile.h"

#include <QString>

#include <vector>

class QPrinter;
struct ExerciseKind;

// A worksheet to take a run onto paper: pages of tasks in large type, each
// with an empty box for the answer, under the kind as heading and a line
// for name and date; then pages with the answers.
struct Worksheet {
    QString heading;
    std::vector<OwnTask> tasks;

    // count tasks of a kind: made by its generator, or drawn from its own
    // list in the working folder. No tasks when the kind makes none (an own
    // list that is missing or has no pair, a free limit too small).
    static Worksheet ForKind(const ExerciseKind& kind, int count, int freeLimit);

    // Paints the task pages, then the answer pages, onto the printer.
    void Print(QPrinter& printer) const;
    // Writes the sheet as a PDF file; false when it cannot be written.
    bool SavePdf(const QString& fileName) const;

    // A task with its answer in place: "3 + 4 = 7", "7 > 4".
    static QString AnswerLine(const OwnTask& task);
};
