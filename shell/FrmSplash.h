#pragma once

#include <functional>

#include <QLabel>
#include <QTimer>
#include <QWidget>

#include "SplashLayout.h"

class ImageControl;
class QScreen;

// A label that takes its own clicks, so a click on it never reaches the form behind it.
class SplashLabel : public QLabel
{
    Q_OBJECT

public:
    using QLabel::QLabel;

Q_SIGNALS:
    void Clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// The start-up form: product name, version line and the background picture. It opens the main
// window after three seconds, or at once on a key press or a click on the form, the picture, the
// product name or the version line.
class FrmSplash : public QWidget
{
    Q_OBJECT

public:
    // `showMain` opens the main window; it runs once, inside the close-down.
    explicit FrmSplash(std::function<void()> showMain);

    void Form_Load();
    void Timer1_Timer();
    // Puts the splash in the middle of the screen, where the main window will open.
    void CentreOn(const QScreen* screen);

    SplashLabel* Label1;
    SplashLabel* lblProductName;
    SplashLabel* lblVersion;
    SplashLabel* Label2;
    ImageControl* Image1;
    QTimer Timer1;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Place(QWidget* control, const TwipsRect& rect);

    std::function<void()> showMain;
};
