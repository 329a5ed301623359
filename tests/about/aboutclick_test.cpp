// The main window's About button: the window opens modally with the program's description,
// and monitoring is paused meanwhile.
#include "Unit1.h"
#include "aboutbox.h"
#include "settingsfile.h"
#include "ttimer.h"

#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(AboutClick, PausesMonitoringAndRestoresItsEarlierState) {
    for (const bool monitoring : {false, true}) {
        SCOPED_TRACE(monitoring ? "was monitoring" : "was stopped");
        removeSettingsFile();
        TForm1 form;
        TAboutForm about(&form);
        AboutForm = &about;
        form.Timer1->setEnabled(monitoring);
        bool tickingWhileOpen = true;
        QString description;
        QTimer::singleShot(0, &about, [&] {
            tickingWhileOpen = form.Timer1->Enabled() || form.Timer1->isTicking();
            description = about.Label1->text();
            about.Button2->click();
        });
        form.about->click();
        EXPECT_FALSE(tickingWhileOpen);
        EXPECT_TRUE(
            description.startsWith("Program to allow multiple images to be copied to the "
                                   "clipboard using the PrintScreen key\n\nSet the folder"));
        EXPECT_EQ(form.Timer1->Enabled(), monitoring);
        EXPECT_EQ(form.Timer1->isTicking(), monitoring);
        AboutForm = nullptr;
    }
}

} // namespace
