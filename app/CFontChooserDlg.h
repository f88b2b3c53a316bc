#pragma once

#include "settings/DisplayStyle.h"

#include <QColor>
#include <QDialog>

#include <functional>
#include <string>
#include <string_view>

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// "Schriftart": face, style, size within bounds, effects and text colour
// of one display style, with a preview on the exercise window's blue.  The
// size box starts empty, so OK is only possible once a size in range has
// been chosen.
class CFontChooserDlg : public QDialog {
    Q_OBJECT
public:
    // Asks for a colour; an invalid colour means the parent cancelled.
    using ColorPicker = std::function<QColor(QWidget* parent, const QColor& initial)>;

    CFontChooserDlg(
        const DisplayStyle& preset, int minSize, int maxSize, QWidget* parent = nullptr);

    // The chosen face, style, effects and colour; height is the chosen size
    // in whole points (tenths are cut off).
    DisplayStyle Record() const;
    QColor Color() const { return color_; }
    // The chosen size in tenths of a point, or -1 while none is valid.
    int SizeTenths() const;
    // The face chosen in the list, or nullptr while none is.
    QListWidgetItem* ChosenFace() const;
    QFont PreviewFont() const;

    void SetColor(const QColor& color);
    void SetColorPicker(ColorPicker picker) { colorPicker_ = std::move(picker); }

    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* createFacePart();
    QWidget* createStylePart();
    QWidget* createSizePart();
    QWidget* createEffectsPart();
    QWidget* createPreviewPart();
    void presetFrom(const DisplayStyle& preset);
    void selectFace(const QString& face);
    void chooseColor();
    void updateState();

    DisplayStyle preset_;
    QColor color_;
    int minSize_;
    int maxSize_;
    ColorPicker colorPicker_;

    QListWidget* faces_ = nullptr;
    QCheckBox* bold_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QComboBox* size_ = nullptr;
    QCheckBox* strikeOut_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QLabel* colorSwatch_ = nullptr;
    QLabel* colorText_ = nullptr;
    QPushButton* colorButton_ = nullptr;
    QLabel* preview_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};
