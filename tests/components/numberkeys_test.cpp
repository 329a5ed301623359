#include "numberkeys.h"

#include <QString>
#include <gtest/gtest.h>

namespace {

TEST(TypedCharacter, SignedEightBitCodeOfTheKey) {
    constexpr auto none = Qt::NoModifier;
    constexpr auto ctrl = Qt::ControlModifier;
    const std::optional<std::int8_t> nothing;
    const struct {
        const char* name;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        std::optional<std::int8_t> expected;
    } cases[] = {
        {"digit", Qt::Key_5, none, "5", '5'},
        {"letter", Qt::Key_A, none, "a", 'a'},
        {"Latin-1 letter", Qt::Key_Eacute, none, "é", -23},
        {"last Latin-1", Qt::Key_ydiaeresis, none, "ÿ", -1},
        {"beyond Latin-1", Qt::Key_unknown, none, "€", '?'},
        {"Ctrl+V as letter", Qt::Key_V, ctrl, "v", 22},
        {"Ctrl+V as control code", Qt::Key_V, ctrl, "\x16", 22},
        {"Ctrl+V without text", Qt::Key_V, ctrl, "", 22},
        {"AltGr (Ctrl+Alt) letter", Qt::Key_Q, ctrl | Qt::AltModifier, "@", '@'},
        {"Backspace without text", Qt::Key_Backspace, none, "", 8},
        {"Return", Qt::Key_Return, none, "\r", 13},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, "", 13},
        {"Tab", Qt::Key_Tab, none, "\t", 9},
        {"Shift+Tab", Qt::Key_Backtab, Qt::ShiftModifier, "", 9},
        {"Escape", Qt::Key_Escape, none, "\x1b", 27},
        {"Delete carrying DEL", Qt::Key_Delete, none, "\x7f", nothing},
        {"arrow", Qt::Key_Left, none, "", nothing},
        {"modifier alone", Qt::Key_Control, ctrl, "", nothing},
    };
    for (const auto& c : cases)
        EXPECT_EQ(typedCharacter(c.key, c.modifiers, c.text), c.expected) << c.name;
}

} // namespace
