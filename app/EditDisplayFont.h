#pragma once

#include "settings/DisplayStyle.h"
#include "settings/ProfileWriter.h"

#include <functional>

class CFontChooserDlg;
class CWinApp;
class QWidget;

// How EditDisplayFont runs its chooser and reports a failed save; tests
// replace both so no nested event loop or message box is involved.
struct DisplayFontSeams {
    // Runs the chooser and returns its result.
    std::function<int(CFontChooserDlg&)> run;
    ProfileWriter::Notice failureNotice;
};

// Lets the parent choose one display style of the exercise window, preset
// from its profile section, with sizes limited to the style's range.  OK
// writes all ten keys of the section; anything else writes nothing.
void EditDisplayFont(CWinApp& app, QWidget* parent, const DisplayStyleSection& style,
    const DisplayFontSeams& seams = {});
