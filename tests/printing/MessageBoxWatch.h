#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include "ModalDriver.h"

// Records and closes every message box that comes up while it lives; other dialogs are left to
// whoever drives them.
class MessageBoxWatch
{
public:
    MessageBoxWatch()
    {
        timer.callOnTimeout([this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen.shown = true;
            seen.title = box->windowTitle();
            seen.text = box->text();
            seen.icon = box->icon();
            seen.buttonCount = int(box->buttons().size());
            box->accept();
        });
        timer.start(10);
    }

    SeenMessage seen;

private:
    QTimer timer;
};
