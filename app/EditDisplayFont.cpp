#include "app/EditDisplayFont.h"

#include "app/CFontChooserDlg.h"
#include "settings/CWinApp.h"

void EditDisplayFont(CWinApp& app, QWidget* parent, const DisplayStyleSection& style,
    const DisplayFontSeams& seams)
{
    CFontChooserDlg dialog(DisplayStyle::Load(app, style.section, style.minSize), style.minSize,
        style.maxSize, parent);
    const int result = seams.run ? seams.run(dialog) : dialog.exec();
    if (result != QDialog::Accepted || dialog.SizeTenths() < 0)
        return;

    ProfileWriter writer(app);
    dialog.Record().Save(writer, style.section);
    writer.ReportFailure(parent, seams.failureNotice);
}
