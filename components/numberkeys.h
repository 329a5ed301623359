// Which typed characters a numeric field lets through.
#pragma once

#include <QStringView>
#include <Qt>
#include <cstdint>
#include <optional>

// The character a key press types, as a signed 8-bit code: Backspace 8, Tab 9, Return 13,
// Ctrl+letter its control code, Latin-1 as is, anything beyond it '?'. Empty for keys that
// type nothing (Delete, arrows, modifiers).
std::optional<std::int8_t> typedCharacter(int key, Qt::KeyboardModifiers modifiers,
                                          QStringView text);

struct FieldState {
    QStringView text;
    int cursor = 0;
    int selectionStart = -1; // -1: nothing selected
    bool allowMinus = false;
    bool allowDecimal = false;
};

enum class KeyVerdict {
    Accept,   // the edit handles the key as usual
    Refuse,   // the key is dropped
    Validate, // the key is dropped and the field validated at once
};

KeyVerdict judgeKey(std::int8_t character, const FieldState& field);
