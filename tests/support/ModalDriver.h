#pragma once

#include <functional>
#include <memory>

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

// Reads the next message box into `seen` and presses its button. `seen` must outlive the wait:
// where no message may come at all, use MessageWatch.
inline void AcceptNextMessage(SeenMessage* seen, std::shared_ptr<bool> watching = nullptr)
{
    WhenModal([seen, watching](QWidget* modal) {
        if (watching && !*watching)
            return;
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

// Accepts the next message box, if one comes while the watch lives, and records what it saw.
struct MessageWatch : SeenMessage
{
    MessageWatch() { AcceptNextMessage(this, watching); }
    ~MessageWatch() { *watching = false; }
    MessageWatch(const MessageWatch&) = delete;
    MessageWatch& operator=(const MessageWatch&) = delete;

private:
    std::shared_ptr<bool> watching = std::make_shared<bool>(true);
};
