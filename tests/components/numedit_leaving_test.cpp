#include "NumEdit.h"
#include "printers.h"

#include <QFocusEvent>
#include <QVBoxLayout>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

// A shown window with the field and a second edit to move the focus to.
class NumEditLeaving : public testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        edit = new TNumEdit(&window);
        other = new QLineEdit(&window);
        layout->addWidget(edit);
        layout->addWidget(other);
        edit->setMax(10000);
        edit->setMin(100);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QWidget window;
    TNumEdit* edit = nullptr;
    QLineEdit* other = nullptr;
};

TEST_F(NumEditLeaving, ValidatesTheText) {
    const struct {
        QString text;
        QString expected;
    } cases[] = {
        {"50", "100"}, {"20000", "10000"}, {"", "100"}, {"abc", "100"}, {"0100", "100"},
    };
    for (const auto& c : cases) {
        edit->setFocus();
        ASSERT_TRUE(edit->hasFocus());
        edit->setText(c.text);
        other->setFocus();
        EXPECT_EQ(edit->text(), c.expected) << c.text.toStdString();
    }
}

TEST_F(NumEditLeaving, KeepsTextForMenusAndOtherWindows) {
    const struct {
        Qt::FocusReason reason;
        QString expected;
    } cases[] = {
        {Qt::PopupFocusReason, "50"},
        {Qt::ActiveWindowFocusReason, "50"},
        {Qt::MouseFocusReason, "100"},
        {Qt::BacktabFocusReason, "100"},
    };
    for (const auto& c : cases) {
        edit->setText("50");
        QFocusEvent leave(QEvent::FocusOut, c.reason);
        QApplication::sendEvent(edit, &leave);
        EXPECT_EQ(edit->text(), c.expected) << "reason " << c.reason;
    }
}

} // namespace
