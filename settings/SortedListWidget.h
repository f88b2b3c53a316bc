#pragma once

#include "settings/ProfileKeys.h"

#include <QCollator>
#include <QListWidget>

#include <string_view>

class Profile;

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

    // A numbered list read from the profile: its entries 1 to count, an
    // absent key as an empty entry.
    // The count comes from a file anyone may edit; past MaxNumbered it is
    // taken as MaxNumbered, so a huge one cannot freeze the dialog filling
    // the list with millions of empty entries.
    static constexpr int MaxNumbered = 1000;
    void AddNumbered(Profile& profile, const NumberedKeys& list, int count);

    // -1 when no entry is selected.
    int SelectedRow() const;

private:
    QCollator collator_;
};
