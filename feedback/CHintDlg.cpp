#include "feedback/CHintDlg.h"

#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kCell = 34; // one dot's square in a ten-frame
constexpr int kFrameGap = 24;
constexpr int kRowWidth = 460;
const QColor kFirst(0x1f, 0x6f, 0xd0);
const QColor kSecond(0xe0, 0x4a, 0x2a);
const QColor kFrameLine(0x2b, 0x23, 0x40);

QString FromUtf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

HintView::HintView(const Hint& hint, QWidget* parent)
    : QWidget(parent)
    , hint_(hint)
{
    setObjectName(QStringLiteral("hintView"));
    setAccessibleName(FromUtf8(hint_.description));
    setMinimumSize(sizeHint());
}

QSize HintView::sizeHint() const
{
    switch (hint_.kind) {
    case Hint::Kind::TenFrames: {
        const int frames = std::max(hint_.FrameCount(), 1);
        return QSize(frames * 5 * kCell + (frames - 1) * kFrameGap + 8, 2 * kCell + 8);
    }
    case Hint::Kind::Rows:
        return QSize(kRowWidth, 2 * kCell + 16);
    case Hint::Kind::Digits:
        break;
    }
    return QSize(240, 80);
}

void HintView::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    switch (hint_.kind) {
    case Hint::Kind::TenFrames:
        PaintFrames(p);
        break;
    case Hint::Kind::Rows:
        PaintRows(p);
        break;
    case Hint::Kind::Digits:
        PaintDigits(p);
        break;
    }
}

void HintView::PaintDot(QPainter& p, QRectF cell, Hint::Dot dot) const
{
    const QRectF disc = cell.adjusted(
        cell.width() * 0.15, cell.height() * 0.15, -cell.width() * 0.15, -cell.height() * 0.15);
    p.setPen(QPen(kFrameLine, 1));
    p.setBrush(dot == Hint::Dot::Second ? kSecond : kFirst);
    p.drawEllipse(disc);
    if (dot == Hint::Dot::TakenAway) {
        p.setPen(QPen(Qt::black, std::max(2.0, cell.width() / 10)));
        p.drawLine(cell.topLeft() + QPointF(3, 3), cell.bottomRight() - QPointF(3, 3));
        p.drawLine(cell.topRight() + QPointF(-3, 3), cell.bottomLeft() + QPointF(3, -3));
    }
}

// Frames of two rows of five, the dots filling the top row first.
void HintView::PaintFrames(QPainter& p) const
{
    const int frames = std::max(hint_.FrameCount(), 1);
    const qreal left = (width() - (frames * 5 * kCell + (frames - 1) * kFrameGap)) / 2.0;
    const qreal top = (height() - 2 * kCell) / 2.0;
    for (int f = 0; f < frames; ++f) {
        const QPointF origin(left + f * (5 * kCell + kFrameGap), top);
        p.setPen(QPen(kFrameLine, 2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(origin, QSizeF(5 * kCell, 2 * kCell)));
        p.setPen(QPen(kFrameLine, 1));
        for (int c = 1; c < 5; ++c)
            p.drawLine(origin + QPointF(c * kCell, 0), origin + QPointF(c * kCell, 2 * kCell));
        p.drawLine(origin + QPointF(0, kCell), origin + QPointF(5 * kCell, kCell));
        for (int k = 0; k < Hint::kFrameSize; ++k) {
            const size_t i = size_t(f * Hint::kFrameSize + k);
            if (i >= hint_.dots.size())
                break;
            const QRectF cell(
                origin + QPointF((k % 5) * kCell, (k / 5) * kCell), QSizeF(kCell, kCell));
            PaintDot(p, cell, hint_.dots[i]);
        }
    }
}

// One row per number, a small gap after every five dots.
void HintView::PaintRows(QPainter& p) const
{
    const int first = hint_.firstRow;
    const int second = int(hint_.dots.size()) - first;
    const int longest = std::max({ first, second, 1 });
    const int gaps = (longest - 1) / 5;
    const qreal cell = std::min<qreal>(kCell, (width() - 8.0) / (longest + gaps * 0.5));
    const qreal rowTop[2] = { height() / 2.0 - cell - 2, height() / 2.0 + 2 };
    for (int row = 0; row < 2; ++row) {
        const int count = row == 0 ? first : second;
        for (int k = 0; k < count; ++k) {
            const QRectF at(4 + (k + (k / 5) * 0.5) * cell, rowTop[row], cell, cell);
            PaintDot(p, at, row == 0 ? Hint::Dot::First : Hint::Dot::Second);
        }
    }
}

void HintView::PaintDigits(QPainter& p) const
{
    QFont font = p.font();
    font.setPixelSize(48);
    font.setBold(true);
    p.setFont(font);
    p.setPen(kFirst);
    p.drawText(rect(), Qt::AlignCenter, FromUtf8(hint_.shownAnswer));
}

CHintDlg::CHintDlg(const QString& taskText, const Hint& hint, QWidget* parent)
    : CDialog(parent)
    , view_(new HintView(hint, this))
    , ok_(this)
{
    setWindowTitle(QStringLiteral("Tipp"));
    setObjectName(QStringLiteral("hintDialog"));

    auto* task = new QLabel(taskText, this);
    task->setObjectName(QStringLiteral("hintTask"));
    task->setTextFormat(Qt::PlainText);
    task->setAlignment(Qt::AlignCenter);
    QFont big = task->font();
    big.setPixelSize(28);
    big.setBold(true);
    task->setFont(big);

    ok_.setObjectName(QStringLiteral("okButton"));
    ok_.AutoLoad(QStringLiteral("OK"));
    connect(&ok_, &QAbstractButton::clicked, this, &CHintDlg::OnOK);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(task);
    layout->addWidget(view_, 1);
    layout->addWidget(&ok_, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok_.setFocus();
}
