// The program's window icon: a small house on a sheet, drawn at start-up so
// that no image file has to ship with the program.
#pragma once

#include <QIcon>

QIcon AppIcon();
