#include "WindowPlacement.h"

#include <QScreen>
#include <QWidget>

void CentreOnScreen(QWidget& window, const QScreen* screen)
{
    if (!screen)
        return;
    QRect placed = window.frameGeometry();
    placed.moveCenter(screen->availableGeometry().center());
    window.move(placed.topLeft());
}
