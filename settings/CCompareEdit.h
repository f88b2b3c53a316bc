#pragma once

#include "settings/CFilterEdit.h"

// A field for comparison answers: only "<" and ">" (and backspace) get in.
class CCompareEdit : public CFilterEdit {
protected:
    bool IsAllowed(QChar c) const override
    {
        return c == QLatin1Char('<') || c == QLatin1Char('>');
    }
};
