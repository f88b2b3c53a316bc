#include "feedback/CBitmapButton.h"

#include "feedback/Art.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

#include <array>
#include <utility>

CBitmapButton::CBitmapButton(QWidget* parent)
    : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

QString CBitmapButton::WordFor(const QString& caption)
{
    static const std::array<std::pair<const char*, QString>, 9> words { {
        { "OK", QStringLiteral("OK") },
        { "NEXT", QStringLiteral("Weiter") },
        { "CANCEL", QStringLiteral("Ende") },
        { "HELPBUTTON", QStringLiteral("Hilfe") },
        { "LOESEN", QStringLiteral("Lösen") },
        { "NOCHMALS", QStringLiteral("Nochmal") },
        { "OK2", QStringLiteral("Ok") },
        { "CANCEL2", QStringLiteral("Ende") },
        { "TIPP", QStringLiteral("Tipp") },
    } };
    for (const auto& [name, word] : words) {
        if (caption == QLatin1String(name))
            return word;
    }
    return caption;
}

bool CBitmapButton::AutoLoad(const QString& caption, const QString& word)
{
    caption_ = caption;
    const QString shown = word.isEmpty() ? WordFor(caption) : word;
    setText(shown);
    setAccessibleName(shown);

    up_ = Art::Icon(caption + QLatin1Char('U'));
    down_ = Art::Icon(caption + QLatin1Char('D'));
    faceSize_ = Art::Size(caption + QLatin1Char('U'));
    if (up_.isNull() || !faceSize_.isValid()) {
        faceSize_ = QSize();
        update();
        return false;
    }
    // resize keeps the top-left corner, where the dialog placed the button
    setFixedSize(faceSize_);
    update();
    return !down_.isNull();
}

QSize CBitmapButton::sizeHint() const
{
    if (HasFaces())
        return faceSize_;
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = text();
    const QSize textSize = fontMetrics().size(Qt::TextShowMnemonic, text());
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, textSize, this);
}

void CBitmapButton::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (HasFaces())
        PaintFace(p);
    else
        PaintFallback(p);
    if (hasFocus())
        PaintFocusMark(p);
}

void CBitmapButton::PaintFace(QPainter& p)
{
    const QIcon& face = isDown() && !down_.isNull() ? down_ : up_;
    const QIcon::Mode mode = isEnabled() ? QIcon::Normal : QIcon::Disabled;
    face.paint(&p, rect(), Qt::AlignCenter, mode);
}

void CBitmapButton::PaintFallback(QPainter& p)
{
    QStyleOptionButton option;
    option.initFrom(this);
    option.text = text();
    option.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    option.state &= ~QStyle::State_HasFocus; // drawn below, the same for both looks
    style()->drawControl(QStyle::CE_PushButton, &option, &p, this);
}

void CBitmapButton::PaintFocusMark(QPainter& p)
{
    // A light line under a dark dotted one stays visible on any face.
    const QRectF mark = QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 1, Qt::SolidLine));
    p.drawRect(mark);
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.drawRect(mark);
}

void CBitmapButton::keyPressEvent(QKeyEvent* e)
{
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // A focused push button takes Enter as its own click.
        click();
        e->accept();
        return;
    }
    QAbstractButton::keyPressEvent(e);
}
