#pragma once

#include "engine/RunLog.h"

#include <QWidget>

#include <vector>

// One mark per task of the run: a star each for up to kMostStars tasks, a
// bar with "7 / 30" above that.  Green: right at the first try; orange:
// right later; grey: solved by "Lösen"; the current task is outlined.
// Screen readers read "Aufgabe 3 von 10".
class ProgressMarks : public QWidget {
    Q_OBJECT
public:
    static constexpr int kMostStars = 20;

    explicit ProgressMarks(QWidget* parent = nullptr);

    void SetTotal(int total);
    void Update(const std::vector<RunLog::Mark>& marks, int current);

    int Total() const { return total_; }
    // "Aufgabe 3 von 10"
    QString Words() const;
    // The bar's text, "7 / 30"; empty while stars are shown.
    QString BarText() const;

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void PaintStars(QPainter& p);
    void PaintBar(QPainter& p);

    std::vector<RunLog::Mark> marks_;
    int current_ = -1;
    int total_ = 0;
};
