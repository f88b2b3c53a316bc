#pragma once

#include <QIcon>

// The program's icon at every size the artwork is rendered at; the drawing
// itself where none is built in.
QIcon ProgramIcon();
