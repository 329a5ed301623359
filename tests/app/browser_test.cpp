// Acting on the grabs: edit, view, delete, save, double-click and choosing the editor.
#include "ExeButtn.h"
#include "argsrecorder.h"
#include "dialogdriver.h"
#include "filelistbox.h"
#include "formfixture.h"
#include "gfxdlg.h"
#include "testpictures.h"
#include "tfiledialog.h"
#include "thumb.h"
#include "tradiogroup.h"

#include <QDir>
#include <QFileDialog>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QTest>

class BrowserTest : public FormFixture {
protected:
    QString grab(const QString& name) {
        patternPicture(40, 30).save(storagePath(name));
        form->FileBox->Update();
        return storagePath(name);
    }
    void select(const QString& name) {
        const auto found = form->FileBox->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        form->FileBox->setCurrentItem(found.first());
    }

    QTemporaryDir tools;
};

TEST_F(BrowserTest, EditHandsTheGrabOverAsOneUntouchedArgument) {
    const QString awkward = "it's \"a\" grab; touch pwned $(id).bmp";
    struct Case {
        const char* what;
        QString file; // empty: no current grab
    };
    const Case cases[] = {{"plain", "grab_000.bmp"}, {"no grab", ""}, {"awkward", awkward}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir folder;
        ArgsRecorder editor(folder.path());
        form->editor->FileName = editor.program();
        if (!c.file.isEmpty()) {
            grab(c.file);
            select(c.file);
        } else {
            form->Thumbnail1->setFileName(QString());
        }
        form->doeditClick();
        const auto arguments = editor.waitForArguments();
        ASSERT_TRUE(arguments.has_value()) << "the editor was not started";
        const QString expected = c.file.isEmpty() ? QString() : storagePath(c.file);
        EXPECT_EQ(*arguments, QStringList{expected});
    }
    EXPECT_FALSE(QFile::exists("pwned"));
    EXPECT_FALSE(QDir(storage.path()).entryList().join(' ').contains("uid="));
}

TEST_F(BrowserTest, BareEditorNameIsFoundAlongPath) {
    ArgsRecorder editor(tools.path(), "clipstash-test-editor");
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", tools.path().toLocal8Bit() + ":" + path);
    form->editor->FileName = "clipstash-test-editor";
    select(QFileInfo(grab("grab_001.bmp")).fileName());
    form->doeditClick();
    qputenv("PATH", path);
    const auto arguments = editor.waitForArguments();
    ASSERT_TRUE(arguments.has_value());
    EXPECT_EQ(*arguments, QStringList{storagePath("grab_001.bmp")});
}

TEST_F(BrowserTest, DeleteRemovesTheShownGrabAndRereadsTheList) {
    grab("grab_000.bmp");
    grab("grab_001.bmp");
    select("grab_001.bmp");
    form->delClick();
    EXPECT_FALSE(QFile::exists(storagePath("grab_001.bmp")));
    EXPECT_EQ(form->Thumbnail1->FileName(), "");
    ASSERT_EQ(form->FileBox->count(), 1);
    EXPECT_EQ(form->FileBox->FileName(), ""); // re-read: nothing selected
    form->delClick();                         // nothing shown: nothing happens
    EXPECT_TRUE(QFile::exists(storagePath("grab_000.bmp")));
}

TEST_F(BrowserTest, NewGrabClearsTheSelectionButKeepsTheShownGrab) {
    grab("grab_000.bmp");
    select("grab_000.bmp");
    grab("grab_001.bmp"); // the list is re-read as after a grab
    EXPECT_EQ(form->FileBox->FileName(), "");
    EXPECT_EQ(form->Thumbnail1->FileName(), storagePath("grab_000.bmp"));
}

TEST_F(BrowserTest, DoubleClickFollowsTheChosenAction) {
    grab("grab_000.bmp");
    select("grab_000.bmp");
    for (const int action : {1, 2, -1}) {
        SCOPED_TRACE(action);
        QTemporaryDir folder;
        ArgsRecorder editor(folder.path());
        form->editor->FileName = editor.program();
        form->RadioGroup1->setItemIndex(action);
        form->FileBoxDblClick();
        // Long enough for a wrongly started editor to have written its record.
        EXPECT_EQ(editor.waitForArguments(action == 1 ? 5000 : 1000).has_value(), action == 1);
    }
}

TEST_F(BrowserTest, DoubleClickViewShowsTheGrabFullScreen) {
    grab("grab_000.bmp");
    select("grab_000.bmp");
    form->RadioGroup1->setItemIndex(0);
    bool shown = false;
    whenOpen<QWidget>([&shown](QWidget* window) {
        if (window->objectName() != "quorpixViewer")
            return;
        shown = window->isFullScreen();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(window, &escape);
    });
    form->FileBoxDblClick();
    EXPECT_TRUE(shown);
}

TEST_F(BrowserTest, SaveConvertsTheSelectedGrabIntoTheChosenFormat) {
    grab("grab_000.bmp");
    select("grab_000.bmp");
    const QString target = tools.filePath("copy.png");
    whenOpen<QFileDialog>([target](QFileDialog* dialog) {
        for (const QString& filter : dialog->nameFilters())
            if (filter.contains("*.png"))
                dialog->selectNameFilter(filter);
        chooseInFileDialog(dialog, target);
    });
    form->Thumbnail1Click();
    QImageReader written(target);
    EXPECT_EQ(written.format(), "png");
    EXPECT_EQ(written.size(), QSize(40, 30));
}

TEST_F(BrowserTest, CancelledEditorChoiceKeepsTheEditorAndRefreshesTheLabel) {
    form->editor->FileName = "/opt/paint/bin/paint.sh";
    form->Label2->setText("stale");
    whenOpen<QFileDialog>([](QFileDialog* dialog) { dialog->reject(); });
    form->ExeButton1Click();
    EXPECT_EQ(form->editor->FileName, "/opt/paint/bin/paint.sh");
    EXPECT_EQ(form->ExeButton1->FileName(), "/opt/paint/bin/paint.sh");
    EXPECT_EQ(form->Label2->text(), "Select Editing Program - Currently paint.sh");
    EXPECT_EQ(form->editor->InitialDir, "/opt/paint/bin/");
}

TEST_F(BrowserTest, ChosenEditorIsShownOnTheButtonAndLabel) {
    ArgsRecorder editor(tools.path(), "gimp.sh");
    whenOpen<QFileDialog>(
        [&editor](QFileDialog* dialog) { chooseInFileDialog(dialog, editor.program()); });
    form->ExeButton1Click();
    EXPECT_EQ(form->editor->FileName, editor.program());
    EXPECT_EQ(form->ExeButton1->Caption(), "gimp");
    EXPECT_EQ(form->Label2->text(), "Select Editing Program - Currently gimp.sh");
}
