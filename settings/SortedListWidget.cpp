#include "settings/SortedListWidget.h"

#include "settings/Profile.h"

#include <algorithm>
#include <string>

SortedListWidget::SortedListWidget(QWidget* parent)
    : QListWidget(parent)
    , collator_(QLocale(QLocale::German, QLocale::Germany))
{
    collator_.setCaseSensitivity(Qt::CaseInsensitive);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
}

int SortedListWidget::AddString(const QString& text)
{
    int low = 0;
    int high = count();
    while (low < high) {
        const int middle = (low + high) / 2;
        if (collator_.compare(text, item(middle)->text()) < 0)
            high = middle;
        else
            low = middle + 1;
    }
    insertItem(low, text);
    return low;
}

void SortedListWidget::AddNumbered(Profile& profile, const NumberedKeys& list, int count)
{
    const int last = std::min(count, MaxNumbered);
    for (int number = 1; number <= last; ++number)
        AddString(QString::fromStdString(profile.Read(list, number)));
}

QStringList SortedListWidget::Texts() const
{
    QStringList texts;
    for (int row = 0; row < count(); ++row)
        texts << item(row)->text();
    return texts;
}

int SortedListWidget::SelectedRow() const
{
    const QList<QListWidgetItem*> selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}
