// The main window as the user first sees it: pages, controls, menu and monitoring states.
#include "NumEdit.h"
#include "apperror.h"
#include "filelistbox.h"
#include "formfixture.h"
#include "thumb.h"
#include "timage.h"
#include "tradiogroup.h"
#include "ttimer.h"

#include <QAction>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

using WindowTest = FormFixture;

TEST_F(WindowTest, FixedFrameWithThreePages) {
    EXPECT_EQ(form->windowTitle(), "Clipstash");
    EXPECT_EQ(form->size(), QSize(530, 290));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());
    ASSERT_EQ(form->PageControl1->count(), 3);
    EXPECT_EQ(form->PageControl1->tabText(0), "CStash");
    EXPECT_EQ(form->PageControl1->tabText(1), "Setup");
    EXPECT_EQ(form->PageControl1->tabText(2), "Info");
    EXPECT_EQ(form->PageControl1->currentIndex(), 0);
    EXPECT_EQ(form->PageControl1->geometry(), QRect(0, 0, 529, 289));
    EXPECT_FALSE(form->Image1->isVisibleTo(form.get()));
}

TEST_F(WindowTest, ControlsAtTheirPositionsWithTheirCaptions) {
    struct Case {
        QWidget* widget;
        QRect geometry;
        const char* caption;
    };
    const Case cases[] = {
        {form->stop, {8, 200, 129, 25}, "Stop Monitoring"},
        {form->start, {8, 228, 129, 25}, "Start Monitoring"},
        {form->clear, {144, 228, 121, 25}, "Clear Grabs"},
        {form->doedit, {296, 228, 49, 25}, "Edit"},
        {form->crop, {352, 228, 49, 25}, "View"},
        {form->del, {408, 228, 49, 25}, "Delete"},
        {form->save, {464, 228, 49, 25}, "Save"},
        {form->about, {392, 236, 113, 25}, "About"},
        {form->CheckBox1, {64, 128, 313, 17}, "Offer to clear all grabs on program exit"},
        {form->CheckBox2, {64, 152, 313, 17}, "Continue Grab count from previous Session"},
        {form->CheckBox3, {64, 176, 217, 25}, "Use Jpeg format for Grabs"},
        {form->RadioGroup1, {336, 136, 137, 89}, "Double Click"},
        {form->DirBox, {8, 32, 129, 161}, nullptr},
        {form->FileBox, {144, 8, 121, 217}, nullptr},
        {form->NumEdit1, {24, 64, 41, 21}, nullptr},
        {form->Memo1, {8, 8, 513, 209}, nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.widget->geometry(), c.geometry) << c.widget->metaObject()->className();
        if (c.caption == nullptr)
            continue;
        const QVariant text =
            c.widget->property(qobject_cast<QGroupBox*>(c.widget) != nullptr ? "title" : "text");
        EXPECT_EQ(text.toString().toStdString(), c.caption);
    }
}

TEST_F(WindowTest, LabelsSitAtTheirPlacesSizedToTheirCaptions) {
    struct Case {
        QLabel* label;
        QPoint position;
        const char* caption;
    };
    const Case cases[] = {
        {form->Label2, {88, 32}, "Select Editing Program - Currently xdg-open"},
        {form->Label5, {392, 52}, "Grab File Prefix"},
        {form->Label3, {88, 66}, "Delay between Clipboard checks (1000=1 second)"},
        {form->Label4,
         {88, 98},
         "Maximum Number of Clips to Store (grabbing will restart at grab_000 when exceeded)"},
        {form->Label1, {88, 212}, "Jpeg Quality setting (%)"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.label->text().toStdString(), c.caption);
        EXPECT_EQ(c.label->pos(), c.position) << c.caption;
        EXPECT_GE(c.label->width(), c.label->fontMetrics().horizontalAdvance(c.label->text()));
        EXPECT_EQ(c.label->height(), 13);
    }
}

TEST_F(WindowTest, StartsWithDefaultsNotTheDesignedValues) {
    EXPECT_EQ(form->NumEdit1->text(), "500");
    EXPECT_EQ(form->NumEdit2->text(), "50");
    EXPECT_EQ(form->NumEdit3->text(), "90");
    EXPECT_EQ(form->Edit2->text(), "grab_");
    EXPECT_FALSE(form->CheckBox1->isChecked());
    EXPECT_TRUE(form->CheckBox2->isChecked());
    EXPECT_TRUE(form->CheckBox3->isChecked());
    EXPECT_EQ(form->RadioGroup1->ItemIndex(), 0);
    EXPECT_EQ(form->Label2->text(), "Select Editing Program - Currently xdg-open");
    EXPECT_EQ(form->Timer1->Interval(), 500);
    EXPECT_EQ(form->GrabCounter, 0);
}

TEST_F(WindowTest, HelpTextKeepsItsPoints) {
    const QString help = form->Memo1->toPlainText();
    for (const char* phrase : {"Clipstash", "using the PrintScreen key", "Start Montoring",
                               "Grab File Prefix", "grab_", "Vista Compatibility"})
        EXPECT_TRUE(help.contains(QLatin1String(phrase))) << phrase;
    EXPECT_FALSE(form->Memo1->isReadOnly());
}

namespace {
QStringList enabledItems(const QMenu* menu) {
    QStringList items;
    for (const QAction* action : menu->actions())
        items << (action->isEnabled() ? "+" : "-") + action->text();
    return items;
}
} // namespace

TEST_F(WindowTest, StartAndStopSwitchButtonsMenuAndTimer) {
    const QStringList idle{"+Start Monitoring",
                           "-Stop Monitoring",
                           "+Clear Grabs",
                           "+Edit",
                           "+View",
                           "+Delete",
                           "+Save",
                           "+Restore Window Size"};
    EXPECT_EQ(enabledItems(form->PopupMenu1), idle);
    EXPECT_FALSE(form->Timer1->Enabled());
    EXPECT_FALSE(form->stop->isEnabled());

    form->StartMonitoring1->trigger();
    QStringList monitoring = idle;
    monitoring[0] = "-Start Monitoring";
    monitoring[1] = "+Stop Monitoring";
    EXPECT_EQ(enabledItems(form->PopupMenu1), monitoring);
    EXPECT_TRUE(form->Timer1->isTicking());
    EXPECT_FALSE(form->start->isEnabled());
    EXPECT_TRUE(form->stop->isEnabled());

    QTest::mouseClick(form->stop, Qt::LeftButton);
    EXPECT_EQ(enabledItems(form->PopupMenu1), idle);
    EXPECT_FALSE(form->Timer1->isTicking());
    EXPECT_TRUE(form->start->isEnabled());
}

TEST_F(WindowTest, RightClickOnAPageOpensTheMenu) {
    form->show();
    QWidget* target = form->Label5;
    form->PageControl1->setCurrentIndex(1);
    QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(2, 2),
                            target->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(target, &click);
    EXPECT_TRUE(form->PopupMenu1->isVisible());
    form->PopupMenu1->hide();

    QContextMenuEvent inEdit(QContextMenuEvent::Mouse, QPoint(2, 2),
                             form->Edit2->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(form->Edit2, &inEdit);
    EXPECT_FALSE(form->PopupMenu1->isVisible()); // the edit field keeps its own menu
    for (QWidget* popup : QApplication::topLevelWidgets())
        if (qobject_cast<QMenu*>(popup) != nullptr)
            popup->close();
}

TEST_F(WindowTest, RestoreWindowSizeKeepsThePosition) {
    form->show();
    form->move(321, 123);
    const QPoint before = form->frameGeometry().topLeft();
    form->RestoreWindowSize1->trigger();
    EXPECT_EQ(form->frameGeometry().size(), QSize(570, 349));
    EXPECT_EQ(form->frameGeometry().topLeft(), before);
}

TEST_F(WindowTest, PollIntervalFollowsTheDelayFieldAndZeroMeansNoTicks) {
    form->startClick();
    form->NumEdit1->setFocus();
    form->NumEdit1->clear();
    EXPECT_EQ(form->Timer1->Interval(), 0);
    EXPECT_TRUE(form->Timer1->Enabled());
    EXPECT_FALSE(form->Timer1->isTicking());
    QTest::keyClicks(form->NumEdit1, "250");
    EXPECT_EQ(form->Timer1->Interval(), 250);
    EXPECT_TRUE(form->Timer1->isTicking());
    form->NumEdit1->setText("5");
    form->NumEdit1->ValidateNumber(); // leaving the field corrects it to the bound
    EXPECT_EQ(form->NumEdit1->text(), "100");
    EXPECT_EQ(form->Timer1->Interval(), 100);
}

TEST_F(WindowTest, GrabListShowsThePicturesOfTheFolder) {
    for (const char* name : {"b.jpg", "a.bmp", "C.JPG", "notes.txt", "d.png", ".hidden.bmp"}) {
        QFile file(storagePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    form->FileBox->Update();
    QStringList listed;
    for (int i = 0; i < form->FileBox->count(); ++i)
        listed << form->FileBox->item(i)->text();
    EXPECT_EQ(listed, QStringList({"a.bmp", "b.jpg", "C.JPG"}));
    EXPECT_EQ(form->FileBox->FileName(), "");
    form->FileBox->setCurrentRow(1);
    EXPECT_EQ(form->FileBox->FileName(), storagePath("b.jpg"));
}

TEST_F(WindowTest, FolderBrowserRefusesAMissingFolderAndStaysPut) {
    const QString before = form->DirBox->Directory();
    EXPECT_THROW(form->DirBox->setDirectory(storagePath("gone")), AppError);
    EXPECT_EQ(form->DirBox->Directory(), before);
    EXPECT_EQ(form->FileBox->Directory(), before);
}

TEST_F(WindowTest, SelectingAGrabShowsItInTheThumbnail) {
    QImage picture(400, 300, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(storagePath("grab_000.bmp")));
    form->FileBox->Update();
    form->FileBox->setCurrentRow(0);
    EXPECT_EQ(form->Thumbnail1->FileName(), storagePath("grab_000.bmp"));
    ASSERT_TRUE(form->Thumbnail1->hasPicture());
    EXPECT_EQ(form->Thumbnail1->displayBitmap().size(), QSize(240, 180));
    form->FileBox->clearSelection(); // nothing selected: the thumbnail empties
    EXPECT_EQ(form->Thumbnail1->FileName(), "");
    EXPECT_FALSE(form->Thumbnail1->hasPicture());
}
