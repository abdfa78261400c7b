#pragma once

#include <QIcon>

// The program's icon (icon 128), with a drawing for every size it ships in.
QIcon appIcon();
