#include "feedback/CJokeRewardDlg.h"

#include "engine/Draws.h"
#include "feedback/Dib.h"
#include "feedback/JokeFile.h"
#include "feedback/RewardWindow.h"
#include "feedback/SoundPlayer.h"
#include "feedback/Speaker.h"
#include "settings/CWinApp.h"
#include "settings/LearningAids.h"

#include <QFontMetrics>
#include <QPainter>

#include <string>
#include <vector>

namespace {

// The joke font is asked for by its cell height, ascent plus descent, the
// way a Windows font with a positive height is matched; Qt's pixel size is
// the smaller em height, which would space the lines too far apart.
QFont CellHeightFont(const QString& family, int cellHeight)
{
    QFont font(family);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    for (int pixels = cellHeight; pixels > 1; --pixels) {
        font.setPixelSize(pixels);
        if (QFontMetrics(font).height() <= cellHeight)
            break;
    }
    return font;
}

} // namespace

CJokeRewardDlg::CJokeRewardDlg(CWinApp& app, QWidget* parent)
    : CDialog(parent)
    , ok_(this)
    , app_(app)
{
    setWindowTitle(QStringLiteral("Und jetzt ein lustiger Witz !"));
    setObjectName(QStringLiteral("jokeRewardDialog"));
    // Without a joke nothing takes the focus at start; the dialog itself
    // holds it, so Enter and Escape still close it.
    if (!OnInitDialog())
        setFocus();
}

bool CJokeRewardDlg::OnInitDialog()
{
    setFixedSize(RewardWindow::ClientSize(kWindowSize));

    font_ = CellHeightFont(QStringLiteral("Arial"), kCellHeight);

    ok_.setObjectName(QStringLiteral("okButton"));
    ok_.AutoLoad(QStringLiteral("OK"));
    ok_.move((kButtonSpan - ok_.width()) / 2, kButtonTop);
    connect(&ok_, &QAbstractButton::clicked, this, &CJokeRewardDlg::OnOK);

    count_ = app_.Read(Setting::Jokes);
    if (!LoadJoke())
        return false;
    if (app_.Read(Setting::Sound) != 0)
        app_.Sound().Play(QStringLiteral("lachen.wav"));
    if (LearningAids::IsOn(app_, LearningAids::ReadAloud)) {
        voice_ = app_.Voice();
        if (voice_)
            voice_->Say(lines_.join(QLatin1Char(' ')).simplified());
    }
    ok_.setFocus();
    return true;
}

void CJokeRewardDlg::done(int r)
{
    if (voice_)
        voice_->Stop();
    CDialog::done(r);
}

bool CJokeRewardDlg::LoadJoke()
{
    const int number = Draws::JokeNumber(count_);
    if (number == 0)
        return false;
    std::vector<std::string> lines;
    if (!ReadJokeFile(JokeFileName(number), lines))
        return false;
    jokeNumber_ = number;
    for (const std::string& line : lines)
        lines_.append(QString::fromStdString(line));
    // The joke is painted, so a screen reader finds it here.
    setAccessibleDescription(lines_.join(QLatin1Char('\n')).trimmed());
    return true;
}

int CJokeRewardDlg::LineHeight() const
{
    return QFontMetrics(font_).size(Qt::TextSingleLine, QStringLiteral("W")).height();
}

QPoint CJokeRewardDlg::LineOrigin(int i) const
{
    return QPoint(kTextLeft, kTextTop + i * (LineHeight() + kLineGap));
}

void CJokeRewardDlg::paintEvent(QPaintEvent* e)
{
    CDialog::paintEvent(e);
    // The joke is written on its picture; without the picture there is
    // nothing to write on.
    const QImage picture = LoadPicture(QStringLiteral("joke.bmp"), false);
    if (picture.isNull())
        return;
    QPainter painter(this);
    DrawDIB(painter, picture, 0, 0);
    DrawLines(painter);
}

void CJokeRewardDlg::DrawLines(QPainter& painter) const
{
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.setBackgroundMode(Qt::TransparentMode);
    const int ascent = QFontMetrics(font_).ascent();
    for (int i = 0; i < lines_.size(); ++i) {
        const QPoint origin = LineOrigin(i);
        // Lines below the window could never show.
        if (origin.y() >= height())
            break;
        painter.drawText(origin.x(), origin.y() + ascent, lines_[i]);
    }
}
