#include <functional>

#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "FrmSplash.h"
#include "ImageControl.h"

TEST(SplashLayout, RowsFollowTheDesignHeights)
{
    const SplashLayout l = LayoutSplash(9000, 8295);
    EXPECT_EQ(l.Label1, (TwipsRect {0, 0, 9000, 555}));
    EXPECT_EQ(l.ProductName, (TwipsRect {0, 555, 9000, 645}));
    EXPECT_EQ(l.Version, (TwipsRect {0, 1200, 4500, 345}));
    EXPECT_EQ(l.Label2, (TwipsRect {4500, 1200, 4500, 345}));
    EXPECT_EQ(l.Image1, (TwipsRect {0, 1545, 9000, 6750}));
}

TEST(SplashLayout, PictureHeightIsRoundedAndNeverNegative)
{
    EXPECT_EQ(LayoutSplash(9000, 1000).Image1.Height, 0);
    EXPECT_EQ(LayoutSplash(9000, 1545).Image1.Height, 0);
    EXPECT_EQ(LayoutSplash(9001, 1547.5f).Image1.Height, 2); // 2.5 goes to the even 2
    EXPECT_EQ(LayoutSplash(9001, 1548.5f).Image1.Height, 4); // 3.5 goes to the even 4
    EXPECT_EQ(LayoutSplash(7, 8295).Label2.Left, 3.5f);
}

TEST(SplashLayout, VersionLineHasNoLeadingZeros)
{
    EXPECT_EQ(VersionLine(1, 2, 3), "Versione 1.2.3");
    EXPECT_EQ(VersionLine(10, 0, 25), "Versione 10.0.25");
    EXPECT_EQ(VersionLine(1, 0, 0), "Versione 1.0.0");
}

namespace {
struct SplashRun
{
    int mainShown = 0;
    FrmSplash* splash;
    SplashRun()
    {
        QCoreApplication::setApplicationVersion(QStringLiteral("10.0.25"));
        splash = new FrmSplash([this] { ++mainShown; });
        splash->show();
    }
    ~SplashRun() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
};
} // namespace

TEST(Splash, ShowsProductAndVersion)
{
    SplashRun run;
    EXPECT_EQ(run.splash->lblProductName->text(), "Orvella");
    EXPECT_EQ(run.splash->lblVersion->text(), "Versione 10.0.25");
    EXPECT_TRUE(run.splash->Timer1.isActive());
    EXPECT_EQ(run.splash->Timer1.interval(), 3000);
    EXPECT_EQ(run.splash->Image1->geometry().top(), 103); // 1545 twips
    run.splash->close();
}

TEST(Splash, ClosesOnTheControlsThatCloseIt)
{
    const std::function<QWidget*(FrmSplash*)> targets[] = {
        [](FrmSplash* s) -> QWidget* { return s; },
        [](FrmSplash* s) -> QWidget* { return s->Image1; },
        [](FrmSplash* s) -> QWidget* { return s->lblProductName; },
        [](FrmSplash* s) -> QWidget* { return s->lblVersion; },
    };
    for (const auto& target : targets) {
        SplashRun run;
        QPointer<FrmSplash> alive(run.splash);
        QTest::mouseClick(target(run.splash), Qt::LeftButton);
        EXPECT_EQ(run.mainShown, 1);
        EXPECT_TRUE(alive.isNull() || !alive->isVisible());
        EXPECT_FALSE(alive.isNull() ? false : alive->Timer1.isActive());
    }
}

TEST(Splash, ClicksOnTheTwoTextLinesDoNotCloseIt)
{
    SplashRun run;
    QTest::mouseClick(run.splash->Label1, Qt::LeftButton);
    QTest::mouseClick(run.splash->Label2, Qt::LeftButton);
    EXPECT_EQ(run.mainShown, 0);
    EXPECT_TRUE(run.splash->isVisible());
    // The timer still closes it.
    EXPECT_TRUE(QTest::qWaitFor([&] { return run.mainShown > 0; }, 3500));
    EXPECT_EQ(run.mainShown, 1);
}

TEST(Splash, AnyKeyClosesItOnce)
{
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Escape, Qt::Key_A}) {
        SplashRun run;
        QTest::keyClick(run.splash, key);
        QTest::keyClick(run.splash, key);
        EXPECT_EQ(run.mainShown, 1);
    }
}

TEST(Splash, TimerClosesItAfterThreeSeconds)
{
    SplashRun run;
    QPointer<FrmSplash> alive(run.splash);
    EXPECT_FALSE(QTest::qWaitFor([&] { return run.mainShown > 0; }, 2500));
    EXPECT_TRUE(QTest::qWaitFor([&] { return run.mainShown > 0; }, 1500));
    EXPECT_EQ(run.mainShown, 1);
}

TEST(Splash, StandsInTheMiddleOfTheScreen)
{
    SplashRun run;
    const QScreen* screen = QGuiApplication::primaryScreen();
    ASSERT_NE(screen, nullptr);
    run.splash->move(0, 0);
    run.splash->CentreOn(screen);
    const QPoint offset
        = run.splash->frameGeometry().center() - screen->availableGeometry().center();
    EXPECT_LE(offset.manhattanLength(), 1) << offset.x() << "," << offset.y();
}

TEST(Splash, ThePictureTakesNoFocusSoNoRingShowsOnIt)
{
    SplashRun run;
    run.splash->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(run.splash));
    EXPECT_NE(QApplication::focusWidget(), run.splash->Image1);
    QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : run.splash,
                    Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), run.splash->Image1);
}
