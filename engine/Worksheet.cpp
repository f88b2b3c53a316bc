#include "engine/Worksheet.h"

#include "engine/Catalogue.h"
#include "engine/RandomSource.h"
#include "engine/TaskSets.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

namespace {

QString FromStd(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The place of "<" or ">" in a comparison: the box goes there.
const QString kComparePlace = QStringLiteral(" ? ");

QFont SheetFont(qreal points, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

class SheetPainter {
public:
    SheetPainter(QPrinter& printer, const Worksheet& sheet)
        : printer_(printer)
        , sheet_(sheet)
        , painter_(&printer)
        , page_(printer.pageLayout().paintRectPixels(printer.resolution()))
    {
        page_.moveTo(0, 0);
    }

    bool Ok() const { return painter_.isActive(); }

    void TaskPages()
    {
        const QFont taskFont = SheetFont(20);
        const QFontMetricsF metrics(taskFont, &printer_);
        const qreal line = metrics.height();
        qreal widest = 0;
        for (const OwnTask& task : sheet_.tasks)
            widest = std::max(widest, TaskWidth(metrics, task));
        const int columns = widest * 2 + line * 2 < page_.width() ? 2 : 1;
        Pages(taskFont, line * 2.2, columns, true,
            [&](int i, QRectF cell) { DrawTask(metrics, sheet_.tasks[std::size_t(i)], cell); });
    }

    void AnswerPages()
    {
        painter_.setPen(Pen());
        const QFont font = SheetFont(14);
        const QFontMetricsF metrics(font, &printer_);
        qreal widest = 0;
        for (const OwnTask& task : sheet_.tasks)
            widest = std::max(widest,
                metrics.horizontalAdvance(QStringLiteral("20.  ") + Worksheet::AnswerLine(task)));
        const int columns = widest * 2 + metrics.height() * 2 < page_.width() ? 2 : 1;
        Pages(font, metrics.height() * 1.6, columns, false, [&](int i, QRectF cell) {
            painter_.setFont(font);
            painter_.drawText(cell, Qt::AlignVCenter | Qt::AlignLeft | Qt::TextSingleLine,
                QStringLiteral("%1.  ").arg(i + 1)
                    + Worksheet::AnswerLine(sheet_.tasks[std::size_t(i)]));
        });
    }

private:
    template <typename DrawCell>
    void Pages(const QFont& font, qreal rowHeight, int columns, bool tasks, DrawCell draw)
    {
        const int count = int(sheet_.tasks.size());
        int i = 0;
        do {
            if (!first_)
                printer_.newPage();
            first_ = false;
            const qreal top = Heading(tasks);
            const int fit = std::max(1, int((page_.height() - top) / rowHeight));
            // The columns of a page that is not full stay even.
            const int rows = std::min(fit, (count - i + columns - 1) / columns);
            const qreal width = page_.width() / columns;
            painter_.setFont(font);
            // Down the first column, then the next: the order reads as a list.
            for (int c = 0; c < columns && i < count; ++c)
                for (int r = 0; r < rows && i < count; ++r, ++i)
                    draw(
                        i, QRectF(page_.left() + c * width, top + r * rowHeight, width, rowHeight));
        } while (i < count);
    }

    // The heading and, on task pages, the line for name and date; returns
    // where the rows start.
    qreal Heading(bool tasks)
    {
        painter_.setPen(Pen());
        const QFont headingFont = SheetFont(22, true);
        const QFontMetricsF heading(headingFont, &printer_);
        painter_.setFont(headingFont);
        const QString title
            = tasks ? sheet_.heading : QStringLiteral("Lösungen: ") + sheet_.heading;
        qreal y = page_.top();
        painter_.drawText(QRectF(page_.left(), y, page_.width(), heading.height()),
            Qt::AlignLeft | Qt::TextSingleLine, title);
        y += heading.height() * 1.5;
        if (tasks) {
            const QFont small = SheetFont(13);
            const QFontMetricsF metrics(small, &printer_);
            painter_.setFont(small);
            const qreal base = y + metrics.ascent();
            const qreal half = page_.width() / 2;
            const QString name = QStringLiteral("Name:");
            const QString date = QStringLiteral("Datum:");
            painter_.drawText(QPointF(page_.left(), base), name);
            painter_.drawText(QPointF(page_.left() + half, base), date);
            const qreal gap = metrics.averageCharWidth();
            painter_.drawLine(QPointF(page_.left() + metrics.horizontalAdvance(name) + gap, base),
                QPointF(page_.left() + half - 3 * gap, base));
            painter_.drawLine(
                QPointF(page_.left() + half + metrics.horizontalAdvance(date) + gap, base),
                QPointF(page_.right(), base));
            y += metrics.height() * 2.5;
        }
        return y;
    }

    // A quarter of a millimetre, the lines of a printed form.
    QPen Pen() const { return QPen(Qt::black, printer_.resolution() / 100.0); }

    qreal NumberWidth(const QFontMetricsF& metrics) const
    {
        return metrics.horizontalAdvance(QString::number(sheet_.tasks.size()) + u'.');
    }

    static qreal BoxWidth(const QFontMetricsF& metrics, const OwnTask& task)
    {
        const int chars = std::max<int>(2, int(QString::fromStdString(task.answer).size()));
        return metrics.horizontalAdvance(QString(chars + 1, u'0'));
    }

    qreal TaskWidth(const QFontMetricsF& metrics, const OwnTask& task) const
    {
        return NumberWidth(metrics) + metrics.horizontalAdvance(u' ' + FromStd(task.task) + "  ")
            + BoxWidth(metrics, task);
    }

    void DrawTask(const QFontMetricsF& metrics, const OwnTask& task, QRectF cell)
    {
        const qreal base = cell.top() + (cell.height() + metrics.ascent() - metrics.descent()) / 2;
        qreal x = cell.left();
        auto text = [&](const QString& s) {
            painter_.drawText(QPointF(x, base), s);
            x += metrics.horizontalAdvance(s);
        };
        auto box = [&] {
            const qreal w = BoxWidth(metrics, task);
            const qreal h = metrics.height() * 1.3;
            painter_.drawRect(
                QRectF(x, base - metrics.ascent() - (h - metrics.height()) / 2, w, h));
            x += w;
        };
        const QString number = QStringLiteral("%1.").arg(&task - sheet_.tasks.data() + 1);
        painter_.setPen(Pen());
        painter_.drawText(QRectF(x, cell.top(), NumberWidth(metrics), cell.height()),
            Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, number);
        x += NumberWidth(metrics) + metrics.averageCharWidth();
        const QString t = FromStd(task.task);
        const qsizetype place = t.indexOf(kComparePlace);
        if (place >= 0) {
            text(t.left(place) + u' ');
            box();
            text(u' ' + t.mid(place + kComparePlace.size()));
        } else {
            text(t + u' ');
            box();
        }
    }

    QPrinter& printer_;
    const Worksheet& sheet_;
    QPainter painter_;
    QRectF page_;
    bool first_ = true;
};

} // namespace

Worksheet Worksheet::ForKind(const ExerciseKind& kind, int count, int freeLimit)
{
    Worksheet sheet;
    sheet.heading = kind.menu == Menu::Eigene
        ? FromStd(kind.menuText)
        : FromStd(MenuTitle(kind.menu)) + QStringLiteral(" – ") + FromStd(kind.menuText);
    if (kind.operation == Operation::OwnFile) {
        OwnExerciseList list;
        if (ReadOwnExerciseFile(std::string(kind.ownFileName), list)) {
            RandomSource::SeedFromClock();
            sheet.tasks = TaskSets::FromOwnList(list, count);
        }
    } else {
        sheet.tasks = TaskSets::FromKind(kind, freeLimit, count);
    }
    return sheet;
}

QString Worksheet::AnswerLine(const OwnTask& task)
{
    const QString t = FromStd(task.task);
    const QString answer = FromStd(task.answer);
    const qsizetype place = t.indexOf(kComparePlace);
    if (place >= 0)
        return t.left(place) + u' ' + answer + u' ' + t.mid(place + kComparePlace.size());
    return t + u' ' + answer;
}

void Worksheet::Print(QPrinter& printer) const
{
    SheetPainter painter(printer, *this);
    if (!painter.Ok())
        return;
    painter.TaskPages();
    painter.AnswerPages();
}

bool Worksheet::SavePdf(const QString& fileName) const
{
    // QPrinter reports no write error, so the file is tried first.
    {
        QFile probe(fileName);
        if (!probe.open(QIODevice::WriteOnly))
            return false;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    printer.setDocName(heading);
    SheetPainter painter(printer, *this);
    if (!painter.Ok())
        return false;
    painter.TaskPages();
    painter.AnswerPages();
    return true;
}
