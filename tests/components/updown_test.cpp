#include "NumEdit.h"
#include "printers.h"
#include "updown.h"

#include <QAbstractButton>
#include <QSignalSpy>
#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <memory>

namespace {

// An up-down at the window's size beside its edit, range 0..10.
class UpDownTest : public testing::Test {
protected:
    void SetUp() override {
        edit = new QLineEdit(&window);
        upDown = new TUpDown(&window);
        upDown->setGeometry(100, 0, 15, 21);
        upDown->setMin(0);
        upDown->setMax(10);
        upDown->setAssociate(edit);
        window.show();
    }

    // The arrow drawn at the top or the bottom half, as the user finds it.
    void click(bool up) {
        QWidget* button = upDown->childAt(7, up ? 3 : 17);
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QWidget window;
    QLineEdit* edit = nullptr;
    TUpDown* upDown = nullptr;
};

TEST_F(UpDownTest, StepsFromTypedTextWithinRange) {
    const struct {
        const char* name;
        int increment;
        QString text;
        bool up;
        QString expected;
    } cases[] = {
        {"up", 1, "5", true, "6"},
        {"down", 1, "5", false, "4"},
        {"up at Max", 1, "10", true, "10"},
        {"down at Min", 1, "0", false, "0"},
        {"increment clamped", 5, "8", true, "10"},
        {"increment down", 5, "8", false, "3"},
        {"typed beyond Max", 1, "50", false, "9"},
        {"typed below Min", 1, "-3", true, "1"},
        {"not a whole number", 1, "2.5", true, "8"},
        {"no number", 1, "", false, "6"},
    };
    for (const auto& c : cases) {
        upDown->setIncrement(c.increment);
        upDown->setPosition(7);
        edit->setText(c.text);
        click(c.up);
        EXPECT_EQ(edit->text(), c.expected) << c.name;
        EXPECT_EQ(upDown->Position(), c.expected.toInt()) << c.name;
    }
}

TEST_F(UpDownTest, ArrowKeysInTheEditStep) {
    upDown->setPosition(5);
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "6");
    QTest::keyClick(edit, Qt::Key_Down);
    QTest::keyClick(edit, Qt::Key_Down);
    EXPECT_EQ(edit->text(), "4");
    QTest::keyClick(edit, Qt::Key_1);
    EXPECT_EQ(edit->text(), "41") << "other keys reach the edit";
}

TEST_F(UpDownTest, ArrowsShareTheControlWithoutOverlap) {
    const QWidget* up = upDown->childAt(7, 3);
    const QWidget* down = upDown->childAt(7, 17);
    ASSERT_TRUE(up && down && up != down);
    EXPECT_EQ(up->geometry().united(down->geometry()), upDown->rect());
    EXPECT_FALSE(up->geometry().intersects(down->geometry()));
}

TEST_F(UpDownTest, ButtonsRepeatWhileHeld) {
    const auto buttons = upDown->findChildren<QAbstractButton*>();
    ASSERT_EQ(buttons.size(), 2);
    for (const QAbstractButton* button : buttons)
        EXPECT_TRUE(button->autoRepeat());
}

TEST_F(UpDownTest, SettingPositionClampsAndNotifiesTheEdit) {
    QSignalSpy changed(edit, &QLineEdit::textChanged);
    upDown->setPosition(42);
    EXPECT_EQ(upDown->Position(), 10);
    EXPECT_EQ(edit->text(), "10");
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(UpDownTest, FeedsANumericFieldAsItsChangeNotification) {
    auto* field = new TNumEdit(&window);
    upDown->setAssociate(field);
    QSignalSpy changed(field, &TNumEdit::changed);
    field->setText("3");
    changed.clear();
    click(true);
    EXPECT_EQ(field->text(), "4");
    EXPECT_EQ(changed.count(), 1);
    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(edit->text(), "") << "the former associate no longer steps";
}

TEST_F(UpDownTest, OutlivesItsAssociate) {
    delete edit;
    click(true);
    EXPECT_EQ(upDown->Position(), 1);
}

} // namespace
