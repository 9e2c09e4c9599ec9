#pragma once

class QScreen;
class QWidget;

// Puts a window in the middle of the screen the user is looking at; the frame, once the window
// manager has given one, is part of what the user sees. Nothing happens without a screen.
void CentreOnScreen(QWidget& window, const QScreen* screen);
