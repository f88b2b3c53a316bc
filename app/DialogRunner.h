#pragma once

#include <functional>

class CWinApp;
struct DisplayStyleSection;
struct ExerciseKind;
class QWidget;

// Every modal dialog the program's shell opens, one function each.  Real()
// runs the program's own dialogs with exec(); tests put recorders in their
// place, so no nested event loop is involved.  An empty member does nothing.
struct DialogRunner {
    using ParentFinder = std::function<QWidget*()>;

    std::function<void(const ExerciseKind& kind)> exercise;
    std::function<void()> pictureReward;
    std::function<void()> jokeReward;
    std::function<void()> options;
    std::function<void()> praiseList;
    std::function<void()> about;
    std::function<void()> contact;
    std::function<void()> sound;
    std::function<void()> progress;
    std::function<void(const DisplayStyleSection& style)> displayFont;
    std::function<void()> ownExercises;
    std::function<void()> worksheet;

    // The real dialogs for app, each placed over the window parent() names
    // when it opens.
    static DialogRunner Real(CWinApp& app, ParentFinder parent);
};
