#include <memory>

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

#include "ButtonIndex.h"
#include "CodedPhoto.h"
#include "FrmMain.h"
#include "ImageControl.h"
#include "ImageEdit.h"
#include "ModalDriver.h"
#include "PhotoSession.h"
#include "PictureBox.h"

namespace {
// Rejects whatever modal dialog comes up while it lives, and keeps its title.
struct DialogWatch
{
    DialogWatch() { Watch(); }
    ~DialogWatch() { *watching = false; }
    DialogWatch(const DialogWatch&) = delete;
    DialogWatch& operator=(const DialogWatch&) = delete;

    QString Title() const { return *title; }

private:
    void Watch()
    {
        WhenModal([watching = watching, title = title](QWidget* modal) {
            if (!*watching)
                return;
            *title = modal->windowTitle();
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
        });
    }
    std::shared_ptr<bool> watching = std::make_shared<bool>(true);
    std::shared_ptr<QString> title = std::make_shared<QString>();
};

// The main window on a page, as a user reaches it: page 1 with a photo shown and a selection
// captured, page 2 with its sheet composed. The window is active, so that its keys reach it.
struct OnPage : PhotoSession
{
    explicit OnPage(int page)
        : PhotoSession(Button::Passport)
    {
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        if (page == 0) {
            form.Image1_Click(Button::BackToDocumentPage);
            return;
        }
        form.PhotoPath = ShowLossless(CodedPhoto(300, 400), 106, 138);
        form.ShowPage();
        form.ImgEdit1_SelectionDrawn(20, 30, 120, 160);
        if (page == 2)
            form.Image1_Click(Button::Ok);
    }

    // What a key or a click left behind.
    struct Outcome
    {
        int page;
        int document;
        int zoom;
        QString zoomText;
        bool ended;
        QString dialog;
        QString framing;
        bool operator==(const Outcome&) const = default;
    };

    template<typename Act> Outcome After(Act act)
    {
        QSignalSpy ended(&form, &FrmMain::ProgramEnded);
        DialogWatch dialog;
        act();
        QCoreApplication::processEvents();
        return {form.CurrentPage,
                form.DocumentKind,
                form.ZoomPercent,
                form.LblZoom->text(),
                ended.count() > 0,
                dialog.Title(),
                form.LblInquadratura->text()};
    }

    void Key(QKeySequence key)
    {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &form;
        const QKeyCombination combination = key[0];
        QTest::keyClick(target, combination.key(), combination.keyboardModifiers());
    }
};

void PrintTo(const OnPage::Outcome& o, std::ostream* os)
{
    *os << "page " << o.page << ", document " << o.document << ", zoom " << o.zoom << " '"
        << o.zoomText.toStdString() << "'" << (o.ended ? ", ended" : "") << ", dialog '"
        << o.dialog.toStdString() << "', framing '" << o.framing.toStdString() << "'";
}

// Every key on every page: a key runs the click of its button on the page shown, and nothing on
// the other pages.
TEST(Shortcuts, EachKeyClicksItsButtonOnlyOnThePageShown)
{
    const struct
    {
        int page;
        const char* key;
        int index; // -1: the key does nothing on this page
    } cases[] = {
        {0, "1", Button::Passport},
        {0, "2", Button::IdentityCard},
        {0, "3", Button::DrivingLicence},
        {0, "Ctrl+Q", Button::ExitDocumentPage},
        {0, "Ctrl+O", -1},
        {0, "+", -1},
        {0, "-", -1},
        {0, "Return", -1},
        {0, "Esc", -1},
        {0, "Alt+Left", -1},
        {0, "Ctrl+P", -1},
        {0, "Ctrl+I", -1},
        {1, "Ctrl+O", Button::Open},
        {1, "+", Button::ZoomIn},
        {1, "Ctrl++", Button::ZoomIn},
        {1, "-", Button::ZoomOut},
        {1, "Ctrl+-", Button::ZoomOut},
        {1, "Return", Button::Ok},
        {1, "Enter", Button::Ok},
        {1, "Esc", Button::BackToDocumentPage},
        {1, "Alt+Left", Button::BackToDocumentPage},
        {1, "Ctrl+Q", Button::ExitPhotoPage},
        {1, "Ctrl+I", Button::FrameFace},
        {1, "1", -1},
        {1, "2", -1},
        {1, "3", -1},
        {1, "Ctrl+P", -1},
        {2, "Ctrl+P", Button::Print},
        {2, "Esc", Button::BackToPhotoPage},
        {2, "Alt+Left", Button::BackToPhotoPage},
        {2, "Ctrl+Q", Button::ExitSheetPage},
        {2, "1", -1},
        {2, "Ctrl+O", -1},
        {2, "+", -1},
        {2, "-", -1},
        {2, "Return", -1},
        {2, "Ctrl+I", -1},
    };
    for (const auto& c : cases) {
        const QString what = QStringLiteral("page %1, key %2").arg(c.page).arg(c.key);
        OnPage untouched(c.page);
        const OnPage::Outcome before = untouched.After([] {});
        OnPage byKey(c.page);
        const OnPage::Outcome keyed
            = byKey.After([&] { byKey.Key(QKeySequence(QString::fromLatin1(c.key))); });
        if (c.index < 0) {
            EXPECT_EQ(keyed, before) << what.toStdString();
            continue;
        }
        OnPage byClick(c.page);
        const OnPage::Outcome clicked
            = byClick.After([&] { byClick.form.Image1_Click(int16_t(c.index)); });
        EXPECT_NE(clicked, before) << what.toStdString() << ": the click changes something";
        EXPECT_EQ(keyed, clicked) << what.toStdString();
    }
}

TEST(Shortcuts, TheButtonsTooltipsNameTheirKeysInItalian)
{
    OnPage page(1);
    const struct
    {
        int16_t index;
        const char* tooltip;
    } cases[] = {
        {Button::Passport, "PASSAPORTO (1)"},
        {Button::Open, "APRI FOTO (Ctrl+O)"},
        {Button::ZoomIn, "ZOOM + (+, Ctrl++)"},
        {Button::ZoomOut, "ZOOM − (-, Ctrl+-)"},
        {Button::Ok, "OK (Invio)"},
        {Button::FrameFace, "INQUADRA VISO (Ctrl+I)"},
        {Button::BackToDocumentPage, "INDIETRO (Esc, Alt+Sinistra)"},
        {Button::Print, "STAMPA (Ctrl+P)"},
        {Button::ExitSheetPage, "ESCI (Ctrl+Q)"},
        {Button::BrightnessUp, "LUMINOSITÀ +"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(page.form.Image1.at(c.index)->toolTip(), QString::fromUtf8(c.tooltip)) << c.index;
}

TEST(Shortcuts, TabMovesAVisibleFocusRingThroughThePageShownAndSpacePressesIt)
{
    OnPage page(1);
    QSet<int16_t> visited;
    for (int i = 0; i < 13; ++i) {
        page.Key(QKeySequence(Qt::Key_Tab));
        auto* focused = qobject_cast<ImageControl*>(QApplication::focusWidget());
        ASSERT_NE(focused, nullptr) << "Tab " << i << " left the picture buttons";
        EXPECT_EQ(focused->parentWidget(), page.form.Frame1[1]) << focused->Index();
        visited.insert(focused->Index());
    }
    EXPECT_EQ(visited.size(), 11) << "every button of the photo page, and only those";

    // The ring shows: the focused button looks different from itself unfocused.
    ImageControl* zoomIn = page.form.Image1.at(Button::ZoomIn);
    zoomIn->setFocus(Qt::TabFocusReason);
    const QImage focusedLook = zoomIn->grab().toImage();
    page.form.Image1.at(Button::ZoomOut)->setFocus(Qt::BacktabFocusReason);
    EXPECT_EQ(QApplication::focusWidget(), page.form.Image1.at(Button::ZoomOut));
    EXPECT_NE(zoomIn->grab().toImage(), focusedLook);

    // Return and Space press the focused button, not OK.
    zoomIn->setFocus(Qt::TabFocusReason);
    const int zoom = page.form.ZoomPercent;
    page.Key(QKeySequence(Qt::Key_Return));
    page.Key(QKeySequence(Qt::Key_Space));
    EXPECT_EQ(page.form.ZoomPercent, zoom + 2);
    EXPECT_EQ(page.form.CurrentPage, 1);

    // Shift+Tab goes back to the button before.
    page.Key(QKeySequence(Qt::Key_Tab));
    QWidget* next = QApplication::focusWidget();
    page.Key(QKeySequence(Qt::SHIFT | Qt::Key_Backtab));
    EXPECT_EQ(QApplication::focusWidget(), zoomIn);
    EXPECT_NE(next, zoomIn);
}

TEST(Accessibility, EveryPictureButtonIsAButtonNamedByItsLabelAndPressable)
{
    OnPage page(1);
    const struct
    {
        int16_t index;
        const char* name;
    } cases[] = {
        {Button::ContrastUp, "CONTRASTO +"},
        {Button::ZoomIn, "ZOOM +"},
        {Button::ZoomOut, "ZOOM −"},
        {Button::BrightnessDown, "LUMINOSITÀ −"},
        {Button::BrightnessUp, "LUMINOSITÀ +"},
        {Button::ContrastDown, "CONTRASTO −"},
        {Button::Open, "APRI FOTO"},
        {Button::ExitDocumentPage, "ESCI"},
        {Button::BackToDocumentPage, "INDIETRO"},
        {Button::Ok, "OK"},
        {Button::FrameFace, "INQUADRA VISO"},
        {Button::Print, "STAMPA"},
        {Button::ExitPhotoPage, "ESCI"},
        {Button::ExitSheetPage, "ESCI"},
        {Button::BackToPhotoPage, "INDIETRO"},
        {Button::Passport, "PASSAPORTO"},
        {Button::IdentityCard, "CARTA D'IDENTITÀ"},
        {Button::DrivingLicence, "PATENTE"},
    };
    ASSERT_EQ(std::size(cases), page.form.Image1.size());
    for (const auto& c : cases) {
        ImageControl* button = page.form.Image1.at(c.index);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(button);
        ASSERT_NE(accessible, nullptr) << c.index;
        EXPECT_EQ(accessible->role(), QAccessible::Button) << c.index;
        EXPECT_EQ(accessible->text(QAccessible::Name), QString::fromUtf8(c.name)) << c.index;
        EXPECT_EQ(accessible->text(QAccessible::Description), button->toolTip()) << c.index;
        EXPECT_FALSE(accessible->text(QAccessible::Description).isEmpty()) << c.index;
    }

    // Pressed through the accessibility layer, a button runs its click.
    const int zoom = page.form.ZoomPercent;
    QAccessibleInterface* zoomIn
        = QAccessible::queryAccessibleInterface(page.form.Image1.at(Button::ZoomIn));
    ASSERT_NE(zoomIn->actionInterface(), nullptr);
    zoomIn->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(page.form.ZoomPercent, zoom + 1);
}

TEST(Accessibility, TheReadoutsAreReadable)
{
    OnPage page(1);
    page.form.Image1_Click(Button::BrightnessUp);
    const struct
    {
        QLabel* label;
        QString name;
        const char* description;
    } cases[] = {
        {page.form.LblZoom, QString::number(page.form.ZoomPercent), "Zoom in percentuale"},
        {page.form.LblLuminosita, QStringLiteral("+1"), "Luminosità"},
        {page.form.LblContrasto, QStringLiteral("0"), "Contrasto"},
        {page.form.LblInquadratura, QStringLiteral("Nessun viso trovato"), "Inquadratura del viso"},
    };
    for (const auto& c : cases) {
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(c.label);
        ASSERT_NE(accessible, nullptr);
        EXPECT_EQ(accessible->text(QAccessible::Name), c.name);
        EXPECT_EQ(accessible->text(QAccessible::Description), QString::fromUtf8(c.description));
    }
    EXPECT_EQ(QAccessible::queryAccessibleInterface(page.form.ImgEdit1)->text(QAccessible::Name),
              QStringLiteral("Foto"));
}
} // namespace
