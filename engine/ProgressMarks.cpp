#include "engine/ProgressMarks.h"

#include <QAccessible>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <algorithm>

namespace {

QColor Fill(RunLog::Mark mark)
{
    switch (mark) {
    case RunLog::Mark::RightFirstTry:
        return QColor(0x2e, 0xa0, 0x43);
    case RunLog::Mark::RightLater:
        return QColor(0xf0, 0x8c, 0x1a);
    case RunLog::Mark::Solved:
        return QColor(0x9a, 0x9a, 0x9a);
    case RunLog::Mark::Open:
        break;
    }
    return QColor(255, 255, 255, 90);
}

QPainterPath Star(QPointF centre, qreal outer)
{
    QPainterPath path;
    const qreal inner = outer * 0.45;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 == 0 ? outer : inner;
        const qreal angle = -M_PI / 2 + i * M_PI / 5;
        const QPointF point = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
        if (i == 0)
            path.moveTo(point);
        else
            path.lineTo(point);
    }
    path.closeSubpath();
    return path;
}

} // namespace

ProgressMarks::ProgressMarks(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("progressMarks"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ProgressMarks::SetTotal(int total)
{
    total_ = std::max(total, 1);
}

void ProgressMarks::Update(const std::vector<RunLog::Mark>& marks, int current)
{
    marks_ = marks;
    current_ = current;
    // A run that goes on past its set number (none set) still shows every task.
    total_ = std::max(total_, int(marks_.size()));
    setAccessibleName(Words());
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
    update();
}

QString ProgressMarks::Words() const
{
    return QStringLiteral("Aufgabe %1 von %2").arg(current_ + 1).arg(total_);
}

QString ProgressMarks::BarText() const
{
    if (total_ <= kMostStars)
        return {};
    return QStringLiteral("%1 / %2").arg(current_ + 1).arg(total_);
}

void ProgressMarks::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    if (total_ <= kMostStars)
        PaintStars(p);
    else
        PaintBar(p);
}

void ProgressMarks::PaintStars(QPainter& p)
{
    const qreal cell = std::min<qreal>(qreal(width()) / kMostStars, height());
    const qreal radius = cell * 0.45;
    // The stars stand in the middle of the band.
    const qreal left = (width() - cell * total_) / 2;
    for (int i = 0; i < total_; ++i) {
        const RunLog::Mark mark = i < int(marks_.size()) ? marks_[size_t(i)] : RunLog::Mark::Open;
        const QPointF centre(left + cell * (i + 0.5), height() / 2.0);
        const bool isCurrent = i == current_;
        p.setPen(QPen(isCurrent ? QColor(255, 230, 0) : QColor(40, 40, 80), isCurrent ? 3 : 1));
        p.setBrush(Fill(mark));
        p.drawPath(Star(centre, radius));
    }
}

void ProgressMarks::PaintBar(QPainter& p)
{
    const QRectF area = QRectF(rect()).adjusted(2, 2, -2, -2);
    QFont font = p.font();
    font.setPixelSize(std::max(10, int(area.height() * 0.4)));
    font.setBold(true);
    p.setFont(font);
    const qreal textHeight = area.height() * 0.45;
    const QRectF textArea(area.left(), area.top(), area.width(), textHeight);
    p.setPen(Qt::white);
    p.drawText(textArea, Qt::AlignCenter, BarText());

    const QRectF bar(
        area.left(), area.top() + textHeight + 2, area.width(), area.height() - textHeight - 2);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRect(bar);
    const qreal step = bar.width() / total_;
    for (int i = 0; i < int(marks_.size()); ++i) {
        if (marks_[size_t(i)] == RunLog::Mark::Open)
            continue;
        p.setBrush(Fill(marks_[size_t(i)]));
        p.drawRect(
            QRectF(bar.left() + step * i, bar.top(), std::max<qreal>(step, 1), bar.height()));
    }
    if (current_ >= 0) {
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 230, 0), 2));
        p.drawRect(QRectF(
            bar.left() + step * current_, bar.top(), std::max<qreal>(step, 2), bar.height()));
    }
    p.setPen(QPen(QColor(40, 40, 80), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(bar);
}
