// Settings on the real per-user file: what the window shows after start-up, and what it saves.
#include "NumEdit.h"
#include "Unit1.h"
#include "apperror.h"
#include "directorylistbox.h"
#include "settingsfile.h"
#include "tradiogroup.h"
#include "ttimer.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace {
QString defaultStorage() {
    return QCoreApplication::applicationDirPath() + "/grabs";
}

struct StartCase {
    const char* name;
    QMap<QString, QString> stored;
    std::function<void(TForm1&)> check;
};
} // namespace

class SettingsTest : public testing::Test {
protected:
    void SetUp() override { removeSettingsFile(); }
    void TearDown() override { removeSettingsFile(); }
};

TEST_F(SettingsTest, WindowShowsWhatIsStored) {
    const StartCase cases[] = {
        {"first run",
         {},
         [](TForm1& form) {
             EXPECT_EQ(form.pos(), QPoint(60, 40));
             EXPECT_EQ(form.NumEdit1->text(), "500");
             EXPECT_EQ(form.NumEdit2->text(), "50");
             EXPECT_EQ(form.NumEdit3->text(), "90");
             EXPECT_EQ(form.Edit2->text(), "grab_");
             EXPECT_FALSE(form.CheckBox1->isChecked());
             EXPECT_TRUE(form.CheckBox2->isChecked());
             EXPECT_TRUE(form.CheckBox3->isChecked());
             EXPECT_EQ(form.RadioGroup1->ItemIndex(), 0);
             EXPECT_EQ(form.Label2->text(), "Select Editing Program - Currently xdg-open");
             EXPECT_EQ(form.GrabCounter, 0);
             EXPECT_EQ(form.DirBox->Directory(), defaultStorage());
             EXPECT_TRUE(QDir(defaultStorage()).exists());
         }},
        {"position",
         {{"Top", "123"}, {"Left", "-7"}},
         [](TForm1& form) { EXPECT_EQ(form.pos(), QPoint(-7, 123)); }},
        {"hexadecimal delay",
         {{"Delay", "0x3E8"}},
         [](TForm1& form) {
             EXPECT_EQ(form.NumEdit1->text(), "1000");
             EXPECT_EQ(form.Timer1->Interval(), 1000);
         }},
        {"maximum above the field's bound",
         {{"Max", "1000"}},
         [](TForm1& form) { EXPECT_EQ(form.NumEdit2->text(), "999"); }},
        {"delay below the field's bound",
         {{"Delay", "5"}},
         [](TForm1& form) { EXPECT_EQ(form.NumEdit1->text(), "100"); }},
        {"not a number",
         {{"Qual", "high"}, {"Delay", "12abc"}},
         [](TForm1& form) {
             EXPECT_EQ(form.NumEdit3->text(), "90");
             EXPECT_EQ(form.NumEdit1->text(), "500");
         }},
        {"double-click past the last choice",
         {{"Double", "7"}},
         [](TForm1& form) { EXPECT_EQ(form.RadioGroup1->ItemIndex(), 2); }},
        {"double-click below nothing",
         {{"Double", "-5"}},
         [](TForm1& form) { EXPECT_EQ(form.RadioGroup1->ItemIndex(), -1); }},
        {"empty prefix stays empty",
         {{"Name", ""}},
         [](TForm1& form) { EXPECT_EQ(form.Edit2->text(), ""); }},
        {"count continues",
         {{"Count", "1"}, {"LastCount", "17"}},
         [](TForm1& form) { EXPECT_EQ(form.GrabCounter, 17); }},
        {"count restarts",
         {{"Count", "0"}, {"LastCount", "17"}},
         [](TForm1& form) { EXPECT_EQ(form.GrabCounter, 0); }},
        {"any nonzero is on",
         {{"Clear", "0x10"}, {"Jpeg", "0"}},
         [](TForm1& form) {
             EXPECT_TRUE(form.CheckBox1->isChecked());
             EXPECT_FALSE(form.CheckBox3->isChecked());
         }},
        // The browser stays where it opened: the process's current folder.
        {"deleted storage folder",
         {{"Store", "/no/such/folder/anywhere"}},
         [](TForm1& form) { EXPECT_EQ(form.DirBox->Directory(), QDir::currentPath()); }},
        {"storage folder of another type",
         {{"Store", "@Rect(1 2 3 4)"}},
         [](TForm1& form) { EXPECT_EQ(form.DirBox->Directory(), QDir::currentPath()); }},
        {"editor",
         {{"Edit", "/opt/paint/bin/paint.sh"}},
         [](TForm1& form) {
             EXPECT_EQ(form.Label2->text(), "Select Editing Program - Currently paint.sh");
         }},
    };
    QTemporaryDir startFolder;
    for (const StartCase& c : cases) {
        SCOPED_TRACE(c.name);
        QDir::setCurrent(startFolder.path());
        writeSettingsFile(c.stored);
        TForm1 form;
        c.check(form);
        EXPECT_EQ(readSettingsFile().value("Program"), QCoreApplication::applicationFilePath());
    }
}

TEST_F(SettingsTest, ValueOfAnotherTypeStopsStartUp) {
    writeSettingsFile({{"Qual", "@Rect(1 2 3 4)"}});
    try {
        TForm1 form;
        FAIL() << "start-up must not go on";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), "Invalid data type for 'Qual'");
    }
}

TEST_F(SettingsTest, CloseSavesEveryKeyAndTheNextStartShowsThem) {
    QTemporaryDir store;
    {
        writeSettingsFile({{"Max", "1000"}});
        TForm1 form;
        form.move(150, 250);
        form.NumEdit1->setNumber(2500);
        form.NumEdit3->setNumber(55);
        form.Edit2->setText("shot");
        form.CheckBox1->setChecked(false);
        form.CheckBox2->setChecked(false);
        form.CheckBox3->setChecked(false);
        form.RadioGroup1->setItemIndex(1);
        form.DirBox->setDirectory(store.path());
        form.GrabCounter = 12;
        form.FormClose(TForm1::CloseKind::ByUser);
    }
    const QMap<QString, QString> saved = readSettingsFile();
    const QMap<QString, QString> expected{{"Program", QCoreApplication::applicationFilePath()},
                                          {"Top", "250"},
                                          {"Left", "150"},
                                          {"SaveType", "1"},
                                          {"Delay", "2500"},
                                          {"Max", "999"},
                                          {"Qual", "55"},
                                          {"Clear", "0"},
                                          {"Count", "0"},
                                          {"Jpeg", "0"},
                                          {"Double", "1"},
                                          {"LastCount", "12"},
                                          {"Store", store.path()},
                                          {"Save", QDir::homePath()},
                                          {"Edit", "xdg-open"},
                                          {"Name", "shot"}};
    EXPECT_EQ(saved, expected);

    TForm1 again;
    EXPECT_EQ(again.pos(), QPoint(150, 250));
    EXPECT_EQ(again.NumEdit1->text(), "2500");
    EXPECT_EQ(again.Edit2->text(), "shot");
    EXPECT_EQ(again.RadioGroup1->ItemIndex(), 1);
    EXPECT_EQ(again.DirBox->Directory(), store.path());
    EXPECT_EQ(again.GrabCounter, 0); // count continuation was switched off
}

TEST_F(SettingsTest, TransientFieldTextIsSavedAsItReads) {
    TForm1 form;
    form.NumEdit1->setText("5"); // still being typed
    form.NumEdit2->setText("");
    form.FormClose(TForm1::CloseKind::ByUser);
    EXPECT_EQ(readSettingsFile().value("Delay"), "5");
    EXPECT_EQ(readSettingsFile().value("Max"), "0");
    TForm1 again;
    EXPECT_EQ(again.NumEdit1->text(), "100");
    EXPECT_EQ(again.NumEdit2->text(), "10");
}

TEST_F(SettingsTest, UnwritableSettingsStopTheCloseAtTheFailingKey) {
    auto form = std::make_unique<TForm1>();
    // A folder in the file's place defeats every write, whoever runs the test.
    removeSettingsFile();
    ASSERT_TRUE(QDir().mkdir(settingsFilePath()));
    try {
        form->FormClose(TForm1::CloseKind::ByUser);
        FAIL() << "the close must report the failed write";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), "Failed to set data for 'Top'");
    }
    ASSERT_TRUE(QDir().rmdir(settingsFilePath()));
    // The settings object survives, so closing again writes everything.
    form->FormClose(TForm1::CloseKind::ByUser);
    EXPECT_EQ(readSettingsFile().value("Name"), "grab_");
}
