#pragma once

#include <functional>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <QTimer>

// What a test saw of a message box before it closed it.
struct SeenMessage
{
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    int buttonCount = 0;
};

// Waits (from inside the event loop of a modal dialog) until a modal widget is up, then hands it
// to `act`. Call before the code that opens the dialog.
inline void WhenModal(std::function<void(QWidget*)> act, int triesLeft = 400)
{
    QTimer::singleShot(10, [act = std::move(act), triesLeft]() mutable {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            act(modal);
        } else if (triesLeft > 0) {
            WhenModal(std::move(act), triesLeft - 1);
        }
    });
}

// Reads the next message box into `seen` and presses its button.
inline void AcceptNextMessage(SeenMessage* seen)
{
    WhenModal([seen](QWidget* modal) {
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen->shown = true;
            seen->title = box->windowTitle();
            seen->text = box->text();
            seen->icon = box->icon();
            seen->buttonCount = int(box->buttons().size());
        }
        if (auto* dialog = qobject_cast<QDialog*>(modal))
            dialog->accept();
    });
}
