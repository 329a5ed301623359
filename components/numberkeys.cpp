#include "numberkeys.h"

namespace {

constexpr std::int8_t kBackspace = 8;
constexpr std::int8_t kTab = 9;
constexpr std::int8_t kLineFeed = 10;
constexpr std::int8_t kReturn = 13;

// Platforms disagree on the text of Ctrl+letter (the letter or its control code); the
// control code is what the field judges.
bool isControlLetter(int key, Qt::KeyboardModifiers modifiers) {
    return modifiers.testFlag(Qt::ControlModifier) && !modifiers.testFlag(Qt::AltModifier) &&
           key >= Qt::Key_A && key <= Qt::Key_Z;
}

bool cursorAtStart(const FieldState& field) {
    return (field.selectionStart >= 0 ? field.selectionStart : field.cursor) == 0;
}

KeyVerdict judgeMinus(const FieldState& field) {
    if (!field.allowMinus)
        return KeyVerdict::Refuse;
    return cursorAtStart(field) ? KeyVerdict::Accept : KeyVerdict::Refuse;
}

KeyVerdict judgePoint(const FieldState& field) {
    if (!field.allowDecimal)
        return KeyVerdict::Refuse;
    return field.text.contains(u'.') ? KeyVerdict::Refuse : KeyVerdict::Accept;
}

// Nothing typed in front of a leading minus could leave a valid number.
bool beforeLeadingMinus(const FieldState& field) {
    return !field.text.isEmpty() && field.cursor == 0 && field.selectionStart < 0 &&
           field.text.front() == u'-';
}

} // namespace

std::optional<std::int8_t> typedCharacter(int key, Qt::KeyboardModifiers modifiers,
                                          QStringView text) {
    switch (key) {
    case Qt::Key_Backspace:
        return kBackspace;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return kTab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return kReturn;
    case Qt::Key_Delete: // may carry the text DEL, yet types nothing
        return std::nullopt;
    }
    if (isControlLetter(key, modifiers))
        return static_cast<std::int8_t>(key - Qt::Key_A + 1);
    if (text.isEmpty())
        return std::nullopt;
    const char16_t code = text.front().unicode();
    return static_cast<std::int8_t>(code <= 0xFF ? code : u'?');
}

KeyVerdict judgeKey(std::int8_t character, const FieldState& field) {
    if (beforeLeadingMinus(field))
        return KeyVerdict::Refuse;
    if (character >= '0' && character <= '9')
        return KeyVerdict::Accept;
    switch (character) {
    case kBackspace:
        return KeyVerdict::Accept;
    case kTab:
    case kLineFeed:
    case kReturn:
        return KeyVerdict::Validate;
    case '-':
        return judgeMinus(field);
    case '.':
        return judgePoint(field);
    default:
        return KeyVerdict::Refuse;
    }
}
