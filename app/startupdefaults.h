// What the window starts with when nothing has been stored.
#pragma once

#include <QString>

namespace StartupDefaults {
constexpr int Top = 40;
constexpr int Left = 60;
constexpr int SaveType = 1;
constexpr int Delay = 500;
constexpr int Max = 50;
constexpr int Qual = 90;
constexpr bool Clear = false;
constexpr bool Count = true;
constexpr bool Jpeg = true;
constexpr int Double = 0;
constexpr int LastCount = 0;
inline QString Name() {
    return QStringLiteral("grab_");
}
// xdg-open hands the grab to the desktop's own picture program.
inline QString Edit() {
    return QStringLiteral("xdg-open");
}
} // namespace StartupDefaults
