#pragma once

#include "settings/ProfileWriter.h"

#include <functional>
#include <string>

class CFontChooserDlg;
class CWinApp;
class QWidget;

// How EditDisplayFont runs its chooser and reports a failed save; tests
// replace both so no nested event loop or message box is involved.
struct DisplayFontSeams {
    // Runs the chooser and returns its result (1 = OK).
    std::function<int(CFontChooserDlg&)> run;
    ProfileWriter::Notice failureNotice;
};

// Lets the parent choose one display style of the exercise window, preset
// from the profile section ("BigFont" or "SmallFont"), with sizes limited
// to minSize..maxSize points.  OK writes all ten keys of the section;
// anything else writes nothing.
void EditDisplayFont(CWinApp& app, QWidget* parent, const std::string& section, int minSize,
    int maxSize, const DisplayFontSeams& seams = {});
