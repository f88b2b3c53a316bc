#include "app/EditDisplayFont.h"

#include "app/CFontChooserDlg.h"
#include "app/CWinApp.h"

namespace {
// Only the low byte of a stored colour part or flag counts.
int LowByte(int value)
{
    return value & 0xFF;
}

FontRecord ReadRecord(CWinApp& app, const std::string& section, int minSize)
{
    FontRecord record;
    record.italic = quint8(LowByte(app.GetProfileInt(section, "Italic", 0)));
    record.height = app.GetProfileInt(section, "FontHeight", minSize);
    record.width = app.GetProfileInt(section, "FontWidth", 0);
    record.weight = app.GetProfileInt(section, "FontWeight", 400);
    record.underline = quint8(LowByte(app.GetProfileInt(section, "Underline", 0)));
    record.strikeOut = quint8(LowByte(app.GetProfileInt(section, "StrikeOut", 0)));
    record.faceName = FitFaceName(app.GetProfileString(section, "Name", "Arial"));
    return record;
}

QColor ReadColor(CWinApp& app, const std::string& section)
{
    const int red = app.GetProfileInt(section, "Rot", 0);
    const int green = app.GetProfileInt(section, "Gruen", 0);
    const int blue = app.GetProfileInt(section, "Blau", 0);
    return QColor(LowByte(red), LowByte(green), LowByte(blue));
}

// The order is the one the settings have always been written in.
void WriteChoice(ProfileWriter& writer, const std::string& section, const QColor& color,
    const FontRecord& record)
{
    writer.WriteInt(section, "Rot", color.red());
    writer.WriteInt(section, "Gruen", color.green());
    writer.WriteInt(section, "Blau", color.blue());
    writer.WriteInt(section, "Underline", record.underline);
    writer.WriteInt(section, "Italic", record.italic);
    writer.WriteInt(section, "StrikeOut", record.strikeOut);
    writer.WriteInt(section, "FontHeight", record.height);
    writer.WriteInt(section, "FontWidth", record.width);
    writer.WriteInt(section, "FontWeight", record.weight);
    writer.WriteString(section, "Name", record.faceName);
}
} // namespace

void EditDisplayFont(CWinApp& app, QWidget* parent, const std::string& section, int minSize,
    int maxSize, const DisplayFontSeams& seams)
{
    const QColor color = ReadColor(app, section);
    CFontChooserDlg dialog(ReadRecord(app, section, minSize), color, minSize, maxSize, parent);
    const int result = seams.run ? seams.run(dialog) : dialog.exec();
    if (result != QDialog::Accepted || dialog.SizeTenths() < 0)
        return;

    ProfileWriter writer(app);
    WriteChoice(writer, section, dialog.Color(), dialog.Record());
    writer.ReportFailure(parent, seams.failureNotice);
}
