#include "engine/OwnListModel.h"

#include "engine/OwnListCheck.h"

#include <QApplication>
#include <QColor>
#include <QStyle>

#include <functional>

namespace {

class FunctionCommand : public QUndoCommand {
public:
    FunctionCommand(const QString& text, std::function<void()> redo, std::function<void()> undo)
        : QUndoCommand(text)
        , redo_(std::move(redo))
        , undo_(std::move(undo))
    {
    }
    void redo() override { redo_(); }
    void undo() override { undo_(); }

private:
    std::function<void()> redo_;
    std::function<void()> undo_;
};

// An entry ends at a line break or NUL, so such characters (from pasted
// text) can never be part of it.
std::string CleanText(const QString& text)
{
    std::string out = text.toStdString();
    std::erase_if(out, [](char c) { return c == '\r' || c == '\n' || c == '\0'; });
    return out;
}

QString FromStd(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

OwnListModel::OwnListModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void OwnListModel::Reset(std::vector<OwnTask> pairs, OwnListEncoding encoding)
{
    undo_.clear();
    encoding_ = encoding;
    Replace(std::move(pairs));
    undo_.setClean();
}

void OwnListModel::SetEncoding(OwnListEncoding encoding)
{
    encoding_ = encoding;
    RecheckAll();
    if (!pairs_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, ColumnCount - 1));
}

void OwnListModel::Push(const QString& text, std::function<void()> redo, std::function<void()> undo)
{
    undo_.push(new FunctionCommand(text, std::move(redo), std::move(undo)));
}

void OwnListModel::InsertPair(int row, const OwnTask& pair)
{
    row = std::clamp(row, 0, rowCount());
    Push(
        QStringLiteral("Neue Zeile"), [this, row, pair] { Insert(row, { pair }); },
        [this, row] { Remove(row, 1); });
}

void OwnListModel::RemovePairs(int row, int count)
{
    if (row < 0 || count < 1 || row + count > rowCount())
        return;
    const std::vector<OwnTask> removed(pairs_.begin() + row, pairs_.begin() + row + count);
    Push(
        QStringLiteral("Zeile löschen"), [this, row, count] { Remove(row, count); },
        [this, row, removed] { Insert(row, removed); });
}

void OwnListModel::MovePair(int from, int to)
{
    if (from < 0 || to < 0 || from >= rowCount() || to >= rowCount() || from == to)
        return;
    Push(
        QStringLiteral("Zeile verschieben"), [this, from, to] { Move(from, to); },
        [this, from, to] { Move(to, from); });
}

void OwnListModel::ReplaceAll(std::vector<OwnTask> pairs)
{
    const std::vector<OwnTask> before = pairs_;
    Push(
        QStringLiteral("Aufgaben erzeugen"), [this, pairs] { Replace(pairs); },
        [this, before] { Replace(before); });
}

bool OwnListModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (role != Qt::EditRole || !index.isValid() || index.column() == CheckColumn)
        return false;
    const int row = index.row();
    const int column = index.column();
    const std::string after = CleanText(value.toString());
    const OwnTask& pair = pairs_.at(std::size_t(row));
    const std::string before = column == TaskColumn ? pair.task : pair.answer;
    if (after == before)
        return false;
    Push(
        column == TaskColumn ? QStringLiteral("Aufgabe ändern") : QStringLiteral("Antwort ändern"),
        [this, row, column, after] { SetText(row, column, after); },
        [this, row, column, before] { SetText(row, column, before); });
    return true;
}

void OwnListModel::SetText(int row, int column, const std::string& text)
{
    OwnTask& pair = pairs_.at(std::size_t(row));
    (column == TaskColumn ? pair.task : pair.answer) = text;
    Recheck(row);
    emit dataChanged(index(row, 0), index(row, ColumnCount - 1));
    emit FindingsChanged(findingCount_);
}

void OwnListModel::Insert(int row, const std::vector<OwnTask>& pairs)
{
    if (pairs.empty())
        return;
    beginInsertRows({}, row, row + int(pairs.size()) - 1);
    pairs_.insert(pairs_.begin() + row, pairs.begin(), pairs.end());
    findings_.insert(findings_.begin() + row, pairs.size(), 0u);
    for (int r = row; r < row + int(pairs.size()); ++r)
        Recheck(r);
    endInsertRows();
    emit FindingsChanged(findingCount_);
}

std::vector<OwnTask> OwnListModel::Remove(int row, int count)
{
    beginRemoveRows({}, row, row + count - 1);
    std::vector<OwnTask> removed(pairs_.begin() + row, pairs_.begin() + row + count);
    for (int r = row; r < row + count; ++r)
        findingCount_ -= OwnListCheck::Count(findings_[std::size_t(r)]);
    pairs_.erase(pairs_.begin() + row, pairs_.begin() + row + count);
    findings_.erase(findings_.begin() + row, findings_.begin() + row + count);
    endRemoveRows();
    emit FindingsChanged(findingCount_);
    return removed;
}

void OwnListModel::Move(int from, int to)
{
    // Qt names the destination as the row the moved one goes before.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    const OwnTask pair = pairs_[std::size_t(from)];
    const unsigned found = findings_[std::size_t(from)];
    pairs_.erase(pairs_.begin() + from);
    findings_.erase(findings_.begin() + from);
    pairs_.insert(pairs_.begin() + to, pair);
    findings_.insert(findings_.begin() + to, found);
    endMoveRows();
}

void OwnListModel::Replace(std::vector<OwnTask> pairs)
{
    beginResetModel();
    pairs_ = std::move(pairs);
    RecheckAll();
    endResetModel();
    emit FindingsChanged(findingCount_);
}

void OwnListModel::Recheck(int row)
{
    unsigned& found = findings_[std::size_t(row)];
    findingCount_ -= OwnListCheck::Count(found);
    found = OwnListCheck::Check(pairs_[std::size_t(row)], encoding_);
    findingCount_ += OwnListCheck::Count(found);
}

void OwnListModel::RecheckAll()
{
    findings_.assign(pairs_.size(), 0u);
    findingCount_ = 0;
    for (int r = 0; r < rowCount(); ++r)
        Recheck(r);
    emit FindingsChanged(findingCount_);
}

int OwnListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(pairs_.size());
}

int OwnListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant OwnListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const OwnTask& pair = pairs_[std::size_t(index.row())];
    const unsigned found = findings_[std::size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        if (index.column() == TaskColumn)
            return FromStd(pair.task);
        if (index.column() == AnswerColumn)
            return FromStd(pair.answer);
        return role == Qt::DisplayRole ? FromStd(OwnListCheck::ShortText(found)) : QVariant();
    case Qt::ToolTipRole:
        return found ? FromStd(OwnListCheck::Describe(found, pair)) : QVariant();
    case Qt::DecorationRole:
        if (index.column() == CheckColumn && found)
            return QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
        return {};
    case Qt::BackgroundRole:
        if (found && index.column() != CheckColumn)
            return QColor(255, 236, 200);
        return {};
    default:
        return {};
    }
}

Qt::ItemFlags OwnListModel::flags(const QModelIndex& index) const
{
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && index.column() != CheckColumn)
        f |= Qt::ItemIsEditable;
    return f;
}

QVariant OwnListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    static const char* const kTitles[] = { "Aufgabe", "Antwort", "Hinweis" };
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(kTitles[section]) : QVariant();
}
