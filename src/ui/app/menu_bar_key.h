#pragma once

class QMainWindow;

// F10 opens the window's menu bar at its first menu, as every desktop does.
void addMenuBarKey(QMainWindow* window);
