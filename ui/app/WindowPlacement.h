// Windows and message boxes sized and placed so that all of them shows on the screen.
#pragma once

#include <QSize>

class QMessageBox;
class QWidget;

// Gives a top-level window the size wanted, or what the screen's free area holds, and centres it
// on that area: no window manager then puts part of it below the screen's edge.
void PlaceOnScreen(QWidget& window, const QSize& wanted);

// Widens a message box to its title, so that a short text does not make the window manager cut
// the program's name in the title bar.
void FitTitle(QMessageBox& box);
