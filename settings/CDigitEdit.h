#pragma once

#include "settings/CFilterEdit.h"

// A field for numbers: only the digits 0 to 9 (and backspace) get in.
class CDigitEdit : public CFilterEdit {
protected:
    bool IsAllowed(QChar c) const override
    {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    }
};
