#include "app/CFontChooserDlg.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>

namespace {
constexpr int SemiBold = 600;
// The preview keeps a sane size whatever height the profile holds.
constexpr int LargestPreviewPixels = 200;
const QColor ExerciseBlue(0, 0, 255);

// "28", "28,5" or "28.5": a size in points with at most one decimal.
// Returns the size in tenths, or -1 for anything else.
int ParseTenths(const QString& text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{1,3})(?:[.,](\\d)?)?$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return -1;
    const int tenths = match.captured(2).isEmpty() ? 0 : match.captured(2).toInt();
    return match.captured(1).toInt() * 10 + tenths;
}

// Lets through what may become a size; only a size in range is complete.
class SizeValidator : public QValidator {
public:
    SizeValidator(int minSize, int maxSize, QObject* parent)
        : QValidator(parent)
        , minTenths_(minSize * 10)
        , maxTenths_(maxSize * 10)
    {
    }

    State validate(QString& input, int&) const override
    {
        static const QRegularExpression partial(QStringLiteral("^\\s*\\d{0,3}(?:[.,]\\d?)?\\s*$"));
        if (!partial.match(input).hasMatch())
            return Invalid;
        const int tenths = ParseTenths(input);
        return tenths >= minTenths_ && tenths <= maxTenths_ ? Acceptable : Intermediate;
    }

private:
    int minTenths_;
    int maxTenths_;
};

QString ColorDescription(const QColor& color)
{
    return QStringLiteral("Rot %1, Grün %2, Blau %3")
        .arg(color.red())
        .arg(color.green())
        .arg(color.blue());
}
} // namespace

CFontChooserDlg::CFontChooserDlg(
    const DisplayStyle& preset, int minSize, int maxSize, QWidget* parent)
    : QDialog(parent)
    , preset_(preset)
    , color_(preset.colour)
    , minSize_(minSize)
    , maxSize_(maxSize)
{
    preset_.faceName = FitFaceName(preset.faceName);
    setWindowTitle(QStringLiteral("Schriftart"));
    setWindowModality(Qt::WindowModal);

    // Created in the order Tab visits them: face, style, size, the buttons,
    // then the effects, so the face list has the focus when the dialog opens.
    QWidget* facePart = createFacePart();
    QWidget* stylePart = createStylePart();
    QWidget* sizePart = createSizePart();
    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    cancelButton_ = new QPushButton(QStringLiteral("Abbruch"), this);
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &CFontChooserDlg::accept);
    connect(cancelButton_, &QPushButton::clicked, this, &CFontChooserDlg::reject);
    QWidget* effectsPart = createEffectsPart();
    QWidget* previewPart = createPreviewPart();

    auto* top = new QHBoxLayout;
    top->addWidget(facePart, 3);
    top->addWidget(stylePart, 2);
    top->addWidget(sizePart, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);
    buttons->addStretch();
    top->addLayout(buttons);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(effectsPart);
    bottom->addWidget(previewPart, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    presetFrom(preset_);

    connect(faces_, &QListWidget::itemSelectionChanged, this, &CFontChooserDlg::updateState);
    for (QCheckBox* box : { bold_, italic_, strikeOut_, underline_ })
        connect(box, &QCheckBox::toggled, this, &CFontChooserDlg::updateState);
    connect(size_, &QComboBox::editTextChanged, this, &CFontChooserDlg::updateState);
    connect(colorButton_, &QPushButton::clicked, this, &CFontChooserDlg::chooseColor);
    updateState();
}

QWidget* CFontChooserDlg::createFacePart()
{
    auto* part = new QWidget(this);
    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("Schrift&art:"), part);
    faces_ = new QListWidget(part);
    faces_->setObjectName(QStringLiteral("faceList"));
    faces_->setAccessibleName(QStringLiteral("Schriftart"));
    faces_->addItems(QFontDatabase::families());
    faces_->setMinimumSize(180, 150);
    label->setBuddy(faces_);
    layout->addWidget(label);
    layout->addWidget(faces_, 1);
    return part;
}

QWidget* CFontChooserDlg::createStylePart()
{
    auto* part = new QWidget(this);
    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* group = new QGroupBox(QStringLiteral("Schriftschnitt"), part);
    auto* groupLayout = new QVBoxLayout(group);
    bold_ = new QCheckBox(QStringLiteral("&Fett"), group);
    bold_->setObjectName(QStringLiteral("boldBox"));
    italic_ = new QCheckBox(QStringLiteral("&Kursiv"), group);
    italic_->setObjectName(QStringLiteral("italicBox"));
    groupLayout->addWidget(bold_);
    groupLayout->addWidget(italic_);
    layout->addWidget(group);
    layout->addStretch();
    return part;
}

QWidget* CFontChooserDlg::createSizePart()
{
    auto* part = new QWidget(this);
    auto* layout = new QVBoxLayout(part);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* label = new QLabel(QStringLiteral("&Größe:"), part);
    size_ = new QComboBox(part);
    size_->setObjectName(QStringLiteral("sizeBox"));
    size_->setEditable(true);
    size_->setInsertPolicy(QComboBox::NoInsert);
    size_->setAccessibleName(QStringLiteral("Größe"));
    for (int points = minSize_; points <= maxSize_; ++points)
        size_->addItem(QString::number(points));
    size_->setValidator(new SizeValidator(minSize_, maxSize_, size_));
    size_->setCurrentIndex(-1);
    size_->setEditText(QString());
    label->setBuddy(size_);
    auto* range = new QLabel(QStringLiteral("%1 bis %2").arg(minSize_).arg(maxSize_), part);
    layout->addWidget(label);
    layout->addWidget(size_);
    layout->addWidget(range);
    layout->addStretch();
    return part;
}

QWidget* CFontChooserDlg::createEffectsPart()
{
    auto* group = new QGroupBox(QStringLiteral("Effekte"), this);
    auto* layout = new QGridLayout(group);
    strikeOut_ = new QCheckBox(QStringLiteral("&Durchgestrichen"), group);
    strikeOut_->setObjectName(QStringLiteral("strikeOutBox"));
    underline_ = new QCheckBox(QStringLiteral("&Unterstrichen"), group);
    underline_->setObjectName(QStringLiteral("underlineBox"));
    colorSwatch_ = new QLabel(group);
    colorSwatch_->setFixedSize(24, 24);
    colorSwatch_->setFrameStyle(QFrame::Box | QFrame::Plain);
    colorSwatch_->setAutoFillBackground(true);
    colorText_ = new QLabel(group);
    colorButton_ = new QPushButton(QStringLiteral("Fa&rbe..."), group);
    colorButton_->setObjectName(QStringLiteral("colorButton"));
    layout->addWidget(strikeOut_, 0, 0, 1, 2);
    layout->addWidget(underline_, 1, 0, 1, 2);
    layout->addWidget(colorSwatch_, 2, 0);
    layout->addWidget(colorText_, 2, 1);
    layout->addWidget(colorButton_, 3, 0, 1, 2, Qt::AlignLeft);
    return group;
}

QWidget* CFontChooserDlg::createPreviewPart()
{
    auto* group = new QGroupBox(QStringLiteral("Beispiel"), this);
    auto* layout = new QVBoxLayout(group);
    preview_ = new QLabel(QStringLiteral("AaBbYyZz"), group);
    preview_->setObjectName(QStringLiteral("preview"));
    preview_->setAlignment(Qt::AlignCenter);
    preview_->setAutoFillBackground(true);
    preview_->setFixedHeight(96);
    preview_->setMinimumWidth(300);
    layout->addWidget(preview_);
    return group;
}

void CFontChooserDlg::presetFrom(const DisplayStyle& preset)
{
    selectFace(QString::fromStdString(preset.faceName));
    bold_->setChecked(preset.weight >= SemiBold);
    italic_->setChecked(preset.italic != 0);
    underline_->setChecked(preset.underline != 0);
    strikeOut_->setChecked(preset.strikeOut != 0);
}

// A face the system does not list (fontconfig may still map it, as it maps
// "Arial") is offered anyway, so the stored choice shows as chosen.  A blank
// name names no face: nothing is chosen then, and OK waits for a choice.
void CFontChooserDlg::selectFace(const QString& face)
{
    if (face.trimmed().isEmpty())
        return;
    int row = 0;
    while (row < faces_->count()) {
        const int order = QString::compare(faces_->item(row)->text(), face, Qt::CaseInsensitive);
        if (order == 0) {
            faces_->setCurrentRow(row);
            return;
        }
        if (order > 0)
            break;
        ++row;
    }
    faces_->insertItem(row, face);
    faces_->setCurrentRow(row);
}

void CFontChooserDlg::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (QListWidgetItem* face = ChosenFace())
        faces_->scrollToItem(face, QAbstractItemView::PositionAtCenter);
}

void CFontChooserDlg::SetColor(const QColor& color)
{
    if (!color.isValid())
        return;
    color_ = color.toRgb();
    updateState();
}

void CFontChooserDlg::chooseColor()
{
    if (colorPicker_) {
        SetColor(colorPicker_(this, color_));
        return;
    }
    QColorDialog dialog(color_, this);
    dialog.setWindowTitle(QStringLiteral("Farbe"));
    dialog.setWindowModality(Qt::WindowModal);
    if (dialog.exec() == QDialog::Accepted)
        SetColor(dialog.selectedColor());
}

// The selected face, not merely the current row: a list that gets the focus
// with no face chosen makes its first row current without choosing it.
QListWidgetItem* CFontChooserDlg::ChosenFace() const
{
    const QList<QListWidgetItem*> selected = faces_->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

int CFontChooserDlg::SizeTenths() const
{
    const int tenths = ParseTenths(size_->currentText());
    return tenths >= minSize_ * 10 && tenths <= maxSize_ * 10 ? tenths : -1;
}

DisplayStyle CFontChooserDlg::Record() const
{
    DisplayStyle record = preset_;
    record.colour = color_;
    if (QListWidgetItem* face = ChosenFace())
        record.faceName = FitFaceName(face->text().toStdString());
    // An unusual stored weight (light, semibold) survives as long as the
    // parent leaves the bold box as it was.
    const bool presetBold = preset_.weight >= SemiBold;
    const bool presetValid = preset_.weight > 0 && preset_.weight <= 1000;
    if (bold_->isChecked() != presetBold || !presetValid)
        record.weight = bold_->isChecked() ? 700 : 400;
    record.italic = italic_->isChecked() ? 1 : 0;
    record.underline = underline_->isChecked() ? 1 : 0;
    record.strikeOut = strikeOut_->isChecked() ? 1 : 0;
    const int tenths = SizeTenths();
    if (tenths >= 0)
        record.height = tenths / 10;
    return record;
}

QFont CFontChooserDlg::PreviewFont() const
{
    const DisplayStyle record = Record();
    QFont font(QString::fromStdString(record.faceName));
    int pixels = record.height > 0 ? record.height : minSize_;
    font.setPixelSize(std::clamp(pixels, 1, LargestPreviewPixels));
    font.setWeight(bold_->isChecked() ? QFont::Bold : QFont::Normal);
    font.setItalic(record.italic != 0);
    font.setUnderline(record.underline != 0);
    font.setStrikeOut(record.strikeOut != 0);
    return font;
}

void CFontChooserDlg::updateState()
{
    QPalette swatch = colorSwatch_->palette();
    swatch.setColor(QPalette::Window, color_);
    colorSwatch_->setPalette(swatch);
    colorText_->setText(ColorDescription(color_));

    QPalette colours = preview_->palette();
    colours.setColor(QPalette::Window, ExerciseBlue);
    colours.setColor(QPalette::WindowText, color_);
    preview_->setPalette(colours);
    preview_->setFont(PreviewFont());

    okButton_->setEnabled(SizeTenths() >= 0 && ChosenFace() != nullptr);
}

void CFontChooserDlg::accept()
{
    if (!okButton_->isEnabled())
        return;
    QDialog::accept();
}
