#pragma once

#include "engine/OwnExerciseFile.h"
#include "engine/OwnListFile.h"

#include <QAbstractTableModel>
#include <QUndoStack>

#include <vector>

// The pairs of one own list as a table of task, answer and the findings of
// the checks. Every change goes through the undo stack, so the editor's
// Undo and Redo cover typing, new, removed and moved rows and generated
// tasks alike; the stack's clean state is the saved file.
class OwnListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { TaskColumn, AnswerColumn, CheckColumn, ColumnCount };

    explicit OwnListModel(QObject* parent = nullptr);

    // A freshly opened list: no undo history, clean.
    void Reset(std::vector<OwnTask> pairs, OwnListEncoding encoding);
    const std::vector<OwnTask>& Pairs() const { return pairs_; }
    QUndoStack* UndoStack() { return &undo_; }
    bool IsModified() const { return !undo_.isClean(); }
    void SetEncoding(OwnListEncoding encoding);

    unsigned Findings(int row) const { return findings_.at(std::size_t(row)); }
    int FindingCount() const { return findingCount_; }

    // Undoable edits.
    void InsertPair(int row, const OwnTask& pair = {});
    void RemovePairs(int row, int count);
    void MovePair(int from, int to);
    void ReplaceAll(std::vector<OwnTask> pairs);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

signals:
    void FindingsChanged(int count);

private:
    void SetText(int row, int column, const std::string& text);
    void Insert(int row, const std::vector<OwnTask>& pairs);
    std::vector<OwnTask> Remove(int row, int count);
    void Move(int from, int to);
    void Replace(std::vector<OwnTask> pairs);
    void Recheck(int row);
    void RecheckAll();
    void Push(const QString& text, std::function<void()> redo, std::function<void()> undo);

    std::vector<OwnTask> pairs_;
    std::vector<unsigned> findings_;
    int findingCount_ = 0;
    OwnListEncoding encoding_ = OwnListEncoding::Utf8;
    QUndoStack undo_;
};
