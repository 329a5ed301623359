// The stored settings: section, keys and the defaults used when a value is missing.
#pragma once

#include <QString>

namespace Settings {
inline const QString Section = QStringLiteral("CStash");

inline const QString Program = QStringLiteral("Program");
inline const QString Top = QStringLiteral("Top");
inline const QString Left = QStringLiteral("Left");
inline const QString Save = QStringLiteral("Save");
inline const QString SaveType = QStringLiteral("SaveType");
inline const QString Edit = QStringLiteral("Edit");
inline const QString Delay = QStringLiteral("Delay");
inline const QString Max = QStringLiteral("Max");
inline const QString Qual = QStringLiteral("Qual");
inline const QString Name = QStringLiteral("Name");
inline const QString Clear = QStringLiteral("Clear");
inline const QString Count = QStringLiteral("Count");
inline const QString Jpeg = QStringLiteral("Jpeg");
inline const QString Double = QStringLiteral("Double");
inline const QString LastCount = QStringLiteral("LastCount");
inline const QString Store = QStringLiteral("Store");

namespace Default {
constexpr int Top = 40;
constexpr int Left = 60;
constexpr int SaveType = 1;
constexpr int Delay = 500;
constexpr int Max = 50;
constexpr int Qual = 90;
constexpr int Clear = 0;
constexpr int Count = 1;
constexpr int Jpeg = 1;
constexpr int Double = 0;
constexpr int LastCount = 0;
inline const QString Name = QStringLiteral("grab_");
// xdg-open hands the grab to the desktop's own picture program.
inline const QString Edit = QStringLiteral("xdg-open");
} // namespace Default
} // namespace Settings
