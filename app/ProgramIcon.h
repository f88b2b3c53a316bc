#pragma once

#include <QIcon>

// The program's icon at the sizes windows show; the drawing itself where
// none is built in.
QIcon ProgramIcon();
