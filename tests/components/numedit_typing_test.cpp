#include "NumEdit.h"
#include "printers.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest/QTest>
#include <gtest/gtest.h>

namespace {

struct Key {
    Qt::Key key;
    QString text; // empty: what QTest gives the key
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

void press(QLineEdit& edit, const Key& key) {
    if (key.text.isEmpty())
        QTest::keyClick(&edit, key.key, key.modifiers);
    else
        QTest::sendKeyEvent(QTest::Click, &edit, key.key, key.text, key.modifiers);
}

constexpr int kNoSelection = 0;

struct TypingCase {
    const char* name;
    QString text;
    int cursor;
    int selectionLength; // from cursor; negative leaves the cursor at the selection's start
    bool allowMinus;
    bool allowDecimal;
    Key key;
    QString expected;
};

TEST(NumEditTyping, LetsThroughOnlyWhatFormsANumber) {
    const Key minus{Qt::Key_Minus, {}};
    const Key point{Qt::Key_Period, {}};
    const TypingCase cases[] = {
        {"digit", "12", 2, kNoSelection, false, false, {Qt::Key_5, {}}, "125"},
        {"Backspace", "12", 2, kNoSelection, false, false, {Qt::Key_Backspace, {}}, "1"},
        {"letter", "12", 2, kNoSelection, true, true, {Qt::Key_A, {}}, "12"},
        {"exponent letter", "12", 2, kNoSelection, true, true, {Qt::Key_E, {}}, "12"},
        {"blank", "12", 2, kNoSelection, true, true, {Qt::Key_Space, {}}, "12"},
        {"comma", "12", 2, kNoSelection, true, true, {Qt::Key_Comma, {}}, "12"},
        {"plus", "12", 2, kNoSelection, true, true, {Qt::Key_Plus, {}}, "12"},
        {"Latin-1", "12", 2, kNoSelection, true, true, {Qt::Key_Eacute, "é"}, "12"},
        {"beyond Latin-1", "12", 2, kNoSelection, true, true, {Qt::Key_unknown, "€"}, "12"},
        {"minus not allowed", "", 0, kNoSelection, false, false, minus, ""},
        {"minus on empty", "", 0, kNoSelection, true, false, minus, "-"},
        {"minus at start", "12", 0, kNoSelection, true, false, minus, "-12"},
        {"minus inside", "12", 1, kNoSelection, true, false, minus, "12"},
        {"minus over selection from start", "12", 0, 2, true, false, minus, "-"},
        {"minus over selection inside", "123", 1, 2, true, false, minus, "123"},
        {"point not allowed", "12", 2, kNoSelection, false, false, point, "12"},
        {"point on empty", "", 0, kNoSelection, false, true, point, "."},
        {"point", "12", 2, kNoSelection, false, true, point, "12."},
        {"second point", "1.5", 3, kNoSelection, false, true, point, "1.5"},
        {"second point over the first", "1.5", 1, 1, false, true, point, "1.5"},
        {"digit before minus", "-5", 0, kNoSelection, true, true, {Qt::Key_7, {}}, "-5"},
        {"minus before minus", "-5", 0, kNoSelection, true, true, minus, "-5"},
        {"point before minus", "-5", 0, kNoSelection, true, true, point, "-5"},
        {"Return before minus",
         "-5000",
         0,
         kNoSelection,
         true,
         true,
         {Qt::Key_Return, {}},
         "-5000"},
        {"Delete before minus", "-5", 0, kNoSelection, true, true, {Qt::Key_Delete, {}}, "5"},
        {"digit over selected minus", "-5", 2, -2, true, true, {Qt::Key_7, {}}, "7"},
    };
    for (const auto& c : cases) {
        TNumEdit edit;
        edit.setAllowMinus(c.allowMinus);
        edit.setAllowDecimal(c.allowDecimal);
        edit.setText(c.text);
        edit.setSelection(c.cursor, c.selectionLength);
        press(edit, c.key);
        EXPECT_EQ(edit.text(), c.expected) << c.name;
    }
}

TEST(NumEditTyping, TypedNumberReadsUnclamped) {
    TNumEdit edit;
    edit.setMin(100);
    edit.setText("");
    QTest::keyClick(&edit, Qt::Key_5);
    EXPECT_EQ(edit.Number(), 5);
}

TEST(NumEditTyping, EndOfLineKeysValidateAtOnce) {
    const struct {
        Key key;
        int code;
    } cases[] = {
        {{Qt::Key_Return, {}}, 13},
        {{Qt::Key_Enter, {}}, 13},
        {{Qt::Key_J, {}, Qt::ControlModifier}, 10},
    };
    for (const auto& c : cases) {
        TNumEdit edit;
        edit.setMin(100);
        edit.setText("50");
        press(edit, c.key);
        EXPECT_EQ(edit.text(), "100") << "key code " << c.code;
        EXPECT_EQ(edit.KeyPressed(), c.code);
    }
}

// Rewriting unchanged text would still move the cursor and wipe the undo history.
TEST(NumEditTyping, ValidatingAValidNumberLeavesTheEditingAlone) {
    TNumEdit edit;
    edit.setText("12");
    QTest::keyClick(&edit, Qt::Key_3);
    edit.setCursorPosition(1);
    QTest::keyClick(&edit, Qt::Key_Return);
    EXPECT_EQ(edit.cursorPosition(), 1);
    EXPECT_TRUE(edit.isUndoAvailable());
}

TEST(NumEditTyping, KeyPressedKeepsLastCharacterTyped) {
    TNumEdit edit;
    QTest::keyClick(&edit, Qt::Key_5);
    EXPECT_EQ(edit.KeyPressed(), '5');
    QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_Eacute, "é", Qt::NoModifier);
    EXPECT_EQ(edit.KeyPressed(), -23);
    QTest::keyClick(&edit, Qt::Key_Left);
    EXPECT_EQ(edit.KeyPressed(), -23);
}

// Ctrl+letter types a control character, which the field refuses: no clipboard or undo
// shortcut acts. A plain line edit shows that each one would.
TEST(NumEditTyping, ClipboardAndUndoShortcutsDoNothing) {
    const Qt::Key keys[] = {Qt::Key_V, Qt::Key_X, Qt::Key_C, Qt::Key_Z};
    QClipboard* clipboard = QGuiApplication::clipboard();
    const auto prepare = [clipboard](QLineEdit& edit) {
        clipboard->setText("999");
        edit.setText("12");
        QTest::keyClick(&edit, Qt::Key_3);
        edit.selectAll();
    };
    for (const Qt::Key key : keys) {
        QLineEdit plain;
        prepare(plain);
        QTest::keyClick(&plain, key, Qt::ControlModifier);
        ASSERT_TRUE(plain.text() != "123" || clipboard->text() != "999") << key;

        TNumEdit edit;
        prepare(edit);
        QTest::keyClick(&edit, key, Qt::ControlModifier);
        EXPECT_EQ(edit.text(), "123") << key;
        EXPECT_EQ(clipboard->text(), "999") << key;
    }
}

} // namespace
