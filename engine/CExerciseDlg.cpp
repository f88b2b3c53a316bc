#include "engine/CExerciseDlg.h"

#include "engine/Catalogue.h"
#include "engine/Draws.h"
#include "engine/ExerciseAids.h"
#include "engine/Hint.h"
#include "engine/RunRecorder.h"
#include "feedback/CWrongAnswerDlg.h"
#include "feedback/Dib.h"
#include "feedback/SoundPlayer.h"
#include "settings/CLimitDlg.h"
#include "settings/CWinApp.h"
#include "settings/DisplayStyle.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPaintEngine>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

const QString kSolvePrompt = QStringLiteral("Löse obige Aufgabe !");
const QString kBackground = QStringLiteral("BackGround.bmp");
const QColor kControlBackground(0, 0, 255);

// Where a run goes that is not recorded.
NoRecorder g_noRecorder;

QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The leading digits of the limit dialog's text; none give 0.
int LeadingNumber(const QString& text)
{
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            break;
        value = std::min(value * 10 + (c.unicode() - '0'), 99999999);
    }
    return value;
}

} // namespace

CExerciseDlg::CExerciseDlg(CWinApp& app, const ExerciseKind& kind, QWidget* parent)
    : CDialog(parent)
    , app_(app)
    , kind_(kind)
    , recorder_(&g_noRecorder)
    , ok_(this)
    , help_(this)
    , cancel_(this)
    , expectedAnswer_(&generator_.GetAnswer())
    , taskText_(&generator_.GetTaskText())
{
    setObjectName(QStringLiteral("exerciseDialog"));
    setFixedSize(kClientWidth, kClientHeight);
    // The window lays its own ground in paintEvent: an opaque picture covers
    // it whole, so filling it first with the window colour would be wasted.
    setAttribute(Qt::WA_OpaquePaintEvent);
    SetDefaultSeams();
    CreateControls();
}

CExerciseDlg::~CExerciseDlg() = default;

void CExerciseDlg::SetDefaultSeams()
{
    // Asked before this window shows, the questions belong to the window
    // that opened it.
    seams_.askLimit = [this](QString& value) {
        CLimitDlg dialog(value, Owner());
        if (!dialog.parentWidget() && QApplication::activeWindow())
            dialog.CenterOver(QApplication::activeWindow());
        return dialog.exec();
    };
    seams_.askWrongAnswer = [this] {
        CWrongAnswerDlg dialog(this);
        if (aids_ && aids_->Hints())
            dialog.SetHint(
                QString::fromStdString(*taskText_), HintFor(*taskText_, *expectedAnswer_));
        return dialog.Ask();
    };
    seams_.showMessage = [this](const QString& text) { ShowWarningBox(Owner(), text); };
}

QWidget* CExerciseDlg::Owner()
{
    return isVisible() ? this : parentWidget();
}

// Resource order, which is also the tab order: prompt, task, OK, answer,
// help, cancel.
void CExerciseDlg::CreateControls()
{
    promptLine_ = new QLabel(QStringLiteral("Static"), this);
    promptLine_->setObjectName(QStringLiteral("promptLine"));
    promptLine_->setGeometry(DluRect(37, 105, 347, 25));

    taskLine_ = new QLabel(this);
    taskLine_->setObjectName(QStringLiteral("taskLine"));
    taskLine_->setGeometry(DluRect(14, 20, 393, 23));

    PlaceButton(ok_, "okButton", 120, 155, 55, 25, QStringLiteral("OK"));

    answer_ = new QLineEdit(this);
    answer_->setObjectName(QStringLiteral("answerField"));
    answer_->setAccessibleName(QStringLiteral("Antwort"));
    answer_->setGeometry(DluRect(27, 68, 371, 27));
    answer_->setAlignment(Qt::AlignCenter);
    answer_->setFrame(false);

    PlaceButton(help_, "helpButton", 255, 155, 45, 25, QStringLiteral("HELPBUTTON"));
    PlaceButton(cancel_, "cancelButton", 190, 155, 50, 25, QStringLiteral("CANCEL"));

    for (QLabel* line : { promptLine_, taskLine_ }) {
        // Texts from files are shown as they are, never as markup.
        line->setTextFormat(Qt::PlainText);
        line->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        line->setWordWrap(true);
        line->setAutoFillBackground(true);
    }
    for (QWidget* control : std::initializer_list<QWidget*> { promptLine_, taskLine_, answer_ }) {
        QPalette palette = control->palette();
        palette.setColor(QPalette::Window, kControlBackground);
        palette.setColor(QPalette::Base, kControlBackground);
        control->setPalette(palette);
        control->installEventFilter(this);
    }

    setTabOrder(&ok_, answer_);
    setTabOrder(answer_, &help_);
    setTabOrder(&help_, &cancel_);

    connect(&ok_, &QAbstractButton::clicked, this, &CExerciseDlg::OnOK);
    connect(&help_, &QAbstractButton::clicked, this, &CExerciseDlg::OnHelp);
    connect(&cancel_, &QAbstractButton::clicked, this, &CExerciseDlg::OnCancel);
}

void CExerciseDlg::PlaceButton(CBitmapButton& button, const char* name, int dluX, int dluY,
    int dluW, int dluH, const QString& caption)
{
    button.setObjectName(QLatin1String(name));
    button.setGeometry(DluRect(dluX, dluY, dluW, dluH));
    // The word until the faces are loaded at start, so the button is never nameless.
    button.setText(CBitmapButton::WordFor(caption));
    button.setAccessibleName(button.text());
}

int CExerciseDlg::exec()
{
    if (!started_)
        OnInitDialog();
    if (ended_)
        return result();
    return CDialog::exec();
}

void CExerciseDlg::done(int r)
{
    // "Ende" ends here without the close request, so the record ends here too.
    if (!ended_)
        recorder_->RunEnded(
            tasksShown_ >= taskTarget_ && (answered_ || (aids_ && aids_->Log().Repeating())),
            rewarded_);
    ended_ = true;
    if (aids_)
        aids_->Stop();
    CDialog::done(r);
}

bool CExerciseDlg::OnInitDialog()
{
    if (started_)
        return true;
    started_ = true;

    setWindowTitle(FromUtf8(kind_.menuText));
    promptText_ = kSolvePrompt;

    // Loading a face resizes its button to the picture, keeping the corner.
    ok_.AutoLoad(QStringLiteral("OK"));
    cancel_.AutoLoad(QStringLiteral("CANCEL"));
    help_.AutoLoad(QStringLiteral("HELPBUTTON"));

    const QFont big = DisplayStyle::Load(app_, Section::BigFont, DisplayStyle::WindowHeight).Font();
    taskLine_->setFont(big);
    answer_->setFont(big);
    promptLine_->setFont(
        DisplayStyle::Load(app_, Section::SmallFont, DisplayStyle::WindowHeight).Font());

    AttachFilter();
    answer_->setFocus();

    praiseCount_ = app_.Read(Setting::PraiseCount);
    taskTarget_ = app_.Read(Setting::Tasks);
    soundOn_ = app_.Read(Setting::Sound);
    // The one aid that is on unless a parent switches it off.
    if (app_.Read(Setting::Record) != 0)
        recorder_ = &app_.Recorder();
    recorder_->RunStarted(kind_.id, std::string(kind_.menuText), taskTarget_);

    answer_->clear();
    rightCount_ = 0;
    answered_ = false;
    tasksShown_ = 0;
    freeLimit_ = 0;
    ownTaskCount_ = 0;
    aids_ = ExerciseAids::Create(app_, *this, taskTarget_);

    NextTask();
    ShowPrompt();
    return true;
}

void CExerciseDlg::AttachFilter()
{
    if (kind_.entryMode == EntryMode::Digits) {
        digitFilter_.Attach(answer_);
        answer_->setInputMethodHints(Qt::ImhDigitsOnly);
    } else if (kind_.entryMode == EntryMode::CompareSigns) {
        compareFilter_.Attach(answer_);
    }
}

const std::string& CExerciseDlg::ExpectedAnswer() const
{
    return *expectedAnswer_;
}

const std::string& CExerciseDlg::TaskText() const
{
    return *taskText_;
}

void CExerciseDlg::NextTask()
{
    if (kind_.operation == Operation::OwnFile) {
        // The pick shows its task itself.
        NextOwnTask();
    } else {
        if (!NextGeneratedTask()) {
            RequestClose();
            return;
        }
        ShowTask();
    }
    if (ended_)
        return;
    ++tasksShown_;
    recorder_->TaskShown(*taskText_, *expectedAnswer_);
    if (aids_)
        aids_->TaskShown(*taskText_, *expectedAnswer_);
}

bool CExerciseDlg::NextGeneratedTask()
{
    if (kind_.freeLimit && freeLimit_ == 0 && !AskFreeLimit())
        return false;
    if (!MakeTask(generator_, kind_, freeLimit_))
        return false;
    promptText_ = FromUtf8(kind_.prompt);
    return true;
}

// Asked once per run.  A limit the kind cannot work with (below 2, or below
// 3 for three operands, which could never make a task) ends the run.
bool CExerciseDlg::AskFreeLimit()
{
    QString value = QStringLiteral("20");
    if (seams_.askLimit(value) != Accepted)
        return false;
    freeLimit_ = LeadingNumber(value);
    return freeLimit_ >= std::max(2, kind_.smallestFreeLimit);
}

void CExerciseDlg::NextOwnTask()
{
    if (ownTaskCount_ == 0 && !LoadOwnExercises(std::string(kind_.ownFileName))) {
        seams_.showMessage(FromUtf8(kind_.ownFileError));
        RequestClose();
        return;
    }
    PickOwnExercise(2 * Draws::OwnExercise(ownTaskCount_));
}

bool CExerciseDlg::LoadOwnExercises(const std::string& fileName)
{
    ownTaskCount_ = 0;
    if (!ReadOwnExerciseFile(fileName, ownLines_))
        return false;
    const auto longest = std::min<std::size_t>(ownLines_.greatestLength, INT_MAX);
    app_.Write(Setting::LongestOwnLine, static_cast<int>(longest));
    ownTaskCount_ = ownLines_.PairCount();
    return ownTaskCount_ != 0;
}

void CExerciseDlg::PickOwnExercise(int index)
{
    OwnTask pair = ::PickOwnExercise(ownLines_, index / 2);
    ownTask_ = std::move(pair.task);
    ownAnswer_ = std::move(pair.answer);
    taskText_ = &ownTask_;
    expectedAnswer_ = &ownAnswer_;
    taskLine_->setText(QString::fromStdString(ownTask_));
    Announce(taskLine_->text());
}

void CExerciseDlg::ShowTask()
{
    expectedAnswer_ = &generator_.GetAnswer();
    taskText_ = &generator_.GetTaskText();
    taskLine_->setText(QString::fromStdString(*taskText_));
    Announce(taskLine_->text());
}

void CExerciseDlg::ShowPrompt()
{
    promptLine_->setText(promptText_);
}

void CExerciseDlg::OnOK()
{
    if (ended_ || !started_)
        return;
    if (answered_) {
        AdvanceOrClose();
        return;
    }
    const QString typed = answer_->text();
    const bool right = typed == QString::fromStdString(*expectedAnswer_);
    recorder_->Answered(typed.toStdString(), right);
    if (right) {
        ShowAnswered();
        ShowPraise();
        answered_ = true;
        // A task asked again counts no more: the run's tasks alone decide.
        if (aids_ && aids_->Log().Repeating()) {
            aids_->Right(promptLine_->text());
            return;
        }
        ++rightCount_;
        if (aids_)
            aids_->Right(promptLine_->text());
    } else {
        OnWrongAnswer();
    }
}

void CExerciseDlg::OnWrongAnswer()
{
    if (aids_)
        aids_->Wrong();
    const WrongAnswerChoice choice = seams_.askWrongAnswer();
    if (ended_)
        return;
    if (choice == WrongAnswerChoice::TryAgain) {
        // The dialog's question ends with the dialog.
        if (aids_)
            aids_->Stop();
        answer_->clear();
        answer_->setFocus();
        if (soundOn_ != 0)
            app_.Sound().Play(QStringLiteral("gemein.wav"));
        return;
    }
    recorder_->Solved();
    answer_->setText(QString::fromStdString(*expectedAnswer_));
    if (soundOn_ != 0)
        app_.Sound().Play(QStringLiteral("drum.wav"));
    ShowAnswered();
    answered_ = true;
    if (aids_)
        aids_->Solved(*expectedAnswer_);
}

void CExerciseDlg::ShowAnswered()
{
    ok_.AutoLoad(QStringLiteral("NEXT"));
}

void CExerciseDlg::AdvanceOrClose()
{
    if (tasksShown_ < taskTarget_) {
        ok_.AutoLoad(QStringLiteral("OK"));
        answer_->clear();
        answer_->setFocus();
        NextTask();
        ShowPrompt();
        answered_ = false;
    } else if (aids_ && aids_->HasRepeat()) {
        ShowRepeat();
    } else {
        RequestClose();
    }
}

// After the run's tasks, each missed one once more, in the order missed.
void CExerciseDlg::ShowRepeat()
{
    ok_.AutoLoad(QStringLiteral("OK"));
    answer_->clear();
    answer_->setFocus();
    RunLog::Task task = aids_->TakeRepeat();
    repeatTask_ = std::move(task.text);
    repeatAnswer_ = std::move(task.answer);
    taskText_ = &repeatTask_;
    expectedAnswer_ = &repeatAnswer_;
    taskLine_->setText(QString::fromStdString(repeatTask_));
    recorder_->TaskShown(repeatTask_, repeatAnswer_);
    promptText_ = QString::fromUtf8(ExerciseAids::kRepeatPrompt);
    ShowPrompt();
    // With the prompt, so the description changes even when the task asked
    // again is the one just solved.
    Announce(promptText_ + QLatin1Char(' ') + taskLine_->text());
    answered_ = false;
}

// Lob1 stands for both 0 and 1, so it comes twice as often as each other one.
void CExerciseDlg::ShowPraise()
{
    const int number = Draws::PraiseNumber(praiseCount_);
    promptLine_->setText(QString::fromStdString(app_.Read(Setting::Praise, number)));
    Announce(promptLine_->text());
}

// A screen reader follows the keyboard focus, which stays in the answer
// field through the whole run.  The field's description carries what has
// just appeared, a task or a praise (they take turns, so it always changes),
// and Qt's report of the change makes the reader speak it.
void CExerciseDlg::Announce(const QString& text)
{
    answer_->setAccessibleDescription(text);
}

void CExerciseDlg::OnHelp()
{
    app_.WinHelp(static_cast<quint32>(HelpContextOf(kind_.id)), CWinApp::HELP_CONTEXT);
}

void CExerciseDlg::RequestClose()
{
    if (ended_)
        return;
    const bool earned = rightCount_ == taskTarget_ && rightCount_ != 0;
    app_.Write(Setting::RewardDue.key, earned ? 1 : 0);
    rewarded_ = earned;
    done(Rejected);
}

void CExerciseDlg::closeEvent(QCloseEvent* e)
{
    RequestClose();
    e->accept();
}

bool CExerciseDlg::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Paint && watched->isWidgetType())
        ApplyColours(static_cast<QWidget*>(watched));
    return CDialog::eventFilter(watched, event);
}

// The colours may change while the window is open (the font commands write
// them), so every paint of a text control reads them anew.
void CExerciseDlg::ApplyColours(QWidget* control)
{
    const QColor text = DisplayStyle::LoadColour(
        app_, control == promptLine_ ? Section::SmallFont : Section::BigFont);
    QPalette palette = control->palette();
    if (palette.color(QPalette::WindowText) == text && palette.color(QPalette::Text) == text)
        return;
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Text, text);
    control->setPalette(palette);
}

void CExerciseDlg::paintEvent(QPaintEvent* e)
{
    QPainter painter(this);
    PaintBackground(painter);
    // A paint of the whole window (first show, uncovered) puts the focus back
    // into the answer field; the paints behind a button that redraws itself
    // must not, or the keyboard could never reach the buttons.
    if (!focusGiven_ || e->rect().contains(rect())) {
        focusGiven_ = true;
        answer_->setFocus();
    }
}

// The picture is looked up at every paint, but decoded and stretched again
// only when its file or the window size has changed; the last result is kept
// for the next window too.
void CExerciseDlg::PaintBackground(QPainter& painter)
{
    struct Stretched {
        PictureStamp stamp;
        QSize target;
        qreal ratio = 0;
        QImage image;
    };
    static Stretched last;

    const Stretched key { StampOf(kBackground), rect().size(), devicePixelRatioF(), {} };
    if (!(key.stamp == last.stamp) || key.target != last.target || key.ratio != last.ratio) {
        last = key;
        if (key.stamp.size >= 0 && IsBMPFile(kBackground)) {
            const QImage dib = ReadDIB(kBackground);
            if (!dib.isNull()) {
                // A picture without transparency covers the whole window: an
                // opaque copy is then copied to the screen, not blended.
                const bool opaque = !dib.hasAlphaChannel();
                last.image = QImage(key.target * key.ratio,
                    opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
                last.image.setDevicePixelRatio(key.ratio);
                last.image.fill(opaque ? Qt::black : Qt::transparent);
                QPainter scaler(&last.image);
                StretchDIB(scaler, dib, QRect(QPoint(), key.target));
            }
        }
    }
    if (last.image.isNull() || last.image.hasAlphaChannel()) {
        // What Qt lays under a window that does not cover itself.
        painter.save();
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(rect(), palette().brush(QPalette::Window));
        painter.restore();
        if (last.image.isNull())
            return;
    }
    // The text lines paint their own ground, so the region to paint has holes
    // for them.  Through such a clip a picture is blended span by span (and
    // handed to helper threads); through a rectangle it is copied.  So it goes
    // out one rectangle of the region at a time, which gives the same pixels.
    const QTransform toDevice = painter.deviceTransform();
    const QRegion region = painter.paintEngine() ? painter.paintEngine()->systemClip() : QRegion();
    if (region.rectCount() <= 1 || toDevice.type() > QTransform::TxTranslate) {
        painter.drawImage(rect().topLeft(), last.image);
        return;
    }
    painter.save();
    for (const QRect& part : region.translated(-int(toDevice.dx()), -int(toDevice.dy()))) {
        painter.setClipRect(part);
        painter.drawImage(rect().topLeft(), last.image);
    }
    painter.restore();
}
