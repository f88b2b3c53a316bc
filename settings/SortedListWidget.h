#pragma once

#include <QCollator>
#include <QListWidget>

// A list that keeps its entries in alphabetical order without regard to
// letter case, the way a sorted list box does: each new entry goes to its
// sorted place, after any entries that compare equal, and umlauts sort
// beside their base letters.  Entries are plain texts; empty and repeated
// texts are allowed.
class SortedListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit SortedListWidget(QWidget* parent = nullptr);

    // Adds the text at its sorted position and returns that position.
    int AddString(const QString& text);
    QStringList Texts() const;

    // -1 when no entry is selected.
    int SelectedRow() const;

private:
    QCollator collator_;
};
