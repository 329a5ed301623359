// Clearing the grab store, on demand and when leaving, against real files.
#include "NumEdit.h"
#include "filelistbox.h"
#include "folderentries.h"
#include "formfixture.h"
#include "messageboxanswerer.h"
#include "settingsfile.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTest>

namespace {
void touch(const QString& path) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
}

} // namespace

class ClearingTest : public FormFixture {
protected:
    void addFiles(const QStringList& names) {
        for (const QString& name : names)
            touch(storagePath(name));
        form->FileBox->Update();
    }
};

TEST_F(ClearingTest, NothingListedMeansNoQuestion) {
    touch(storagePath("notes.txt")); // not a grab-list file
    form->FileBox->Update();
    form->GrabCounter = 9;
    MessageBoxAnswerer answerer(QMessageBox::Yes);
    form->clearClick();
    QTest::qWait(50);
    EXPECT_TRUE(answerer.seen().isEmpty());
    EXPECT_EQ(form->GrabCounter, 9);
}

TEST_F(ClearingTest, YesDeletesEveryNumberedGrabOfThePrefixOnly) {
    addFiles({"grab_000.bmp", "grab_017.jpg", "grab_998.bmp", "grab_998.jpg", "grab_999.jpg",
              "grab_1000.bmp", "shot000.bmp", "photo.jpg", "grab_001.png"});
    form->NumEdit2->setNumber(10); // numbers above the maximum go too
    form->GrabCounter = 5;
    MessageBoxAnswerer answerer(QMessageBox::Yes);
    form->clearClick();
    ASSERT_EQ(answerer.seen().size(), 1);
    const SeenMessageBox& box = answerer.seen().first();
    EXPECT_EQ(box.title, "CStash");
    EXPECT_EQ(box.text, "Delete all the Grab Images from the Store folder?\n\n");
    EXPECT_EQ(box.icon, QMessageBox::Warning);
    EXPECT_EQ(box.buttons, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(
        folderEntries(storage.path()),
        QStringList({"grab_001.png", "grab_1000.bmp", "grab_999.jpg", "photo.jpg", "shot000.bmp"}));
    EXPECT_EQ(form->GrabCounter, 0);
    EXPECT_EQ(form->FileBox->count(), 4);
}

TEST_F(ClearingTest, AnotherPrefixClearsOnlyItsOwnGrabs) {
    addFiles({"grab_000.bmp", "shot000.bmp", "shot005.jpg"});
    form->Edit2->setText("shot");
    MessageBoxAnswerer answerer(QMessageBox::Yes);
    form->clearClick();
    EXPECT_EQ(folderEntries(storage.path()), QStringList{"grab_000.bmp"});
}

TEST_F(ClearingTest, NoKeepsEverything) {
    addFiles({"grab_000.bmp", "grab_001.jpg"});
    form->GrabCounter = 2;
    MessageBoxAnswerer answerer(QMessageBox::No);
    form->clearClick();
    EXPECT_EQ(answerer.seen().size(), 1);
    EXPECT_EQ(folderEntries(storage.path()), QStringList({"grab_000.bmp", "grab_001.jpg"}));
    EXPECT_EQ(form->GrabCounter, 2);
}

TEST_F(ClearingTest, AcceptedExitOfferSavesTheCounterAsZero) {
    addFiles({"grab_000.jpg", "grab_001.jpg"});
    form->CheckBox1->setChecked(true);
    form->GrabCounter = 2;
    MessageBoxAnswerer answerer(QMessageBox::Yes);
    form->FormClose(TForm1::CloseKind::ByUser);
    EXPECT_EQ(answerer.seen().size(), 1);
    EXPECT_TRUE(folderEntries(storage.path()).isEmpty());
    EXPECT_EQ(readSettingsFile().value("LastCount"), "0");
}

TEST_F(ClearingTest, UnattendedCloseAsksNothingAndKeepsTheGrabs) {
    addFiles({"grab_000.jpg", "grab_001.jpg"});
    form->CheckBox1->setChecked(true);
    form->GrabCounter = 2;
    MessageBoxAnswerer answerer(QMessageBox::Yes);
    form->FormClose(TForm1::CloseKind::Unattended);
    QTest::qWait(50);
    EXPECT_TRUE(answerer.seen().isEmpty());
    EXPECT_EQ(folderEntries(storage.path()).size(), 2);
    EXPECT_EQ(readSettingsFile().value("LastCount"), "2");
}
