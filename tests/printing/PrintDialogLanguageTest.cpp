#include <cstdlib>

#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFile>
#include <QPrintDialog>
#include <gtest/gtest.h>

#include "ButtonIndex.h"
#include "MessageBoxWatch.h"
#include "ModalDriver.h"
#include "SheetPage.h"

// Runs under LANG=C: the printer dialog speaks Italian whatever the system's language.

TEST(PrinterDialog, SpeaksItalianAndKeepsItsTitle)
{
    ASSERT_STREQ(std::getenv("LANG"), "C");
    SheetPage page;
    MessageBoxWatch messages;
    bool shown = false;
    QString title;
    QStringList buttons;
    WhenModal([&](QWidget* modal) {
        shown = qobject_cast<QPrintDialog*>(modal) != nullptr;
        title = modal->windowTitle();
        for (const QAbstractButton* button : modal->findChild<QDialogButtonBox*>()->buttons()) {
            if (button->isVisible())
                buttons << button->text().remove(QLatin1Char('&'));
        }
        static_cast<QDialog*>(modal)->reject();
    });
    page.form.Image1_Click(Button::Print);
    ASSERT_TRUE(shown);
    EXPECT_EQ(title, "Stampa Foto");
    EXPECT_TRUE(buttons.contains("Stampa")) << buttons.join(", ").toStdString();
    EXPECT_TRUE(buttons.contains("Annulla")) << buttons.join(", ").toStdString();
    EXPECT_FALSE(buttons.contains("Print") || buttons.contains("Cancel"));
    EXPECT_FALSE(messages.seen.shown);
    EXPECT_FALSE(QFile::exists(page.SheetFile()));
}
