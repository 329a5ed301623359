// The texts the About window makes of version records and library names.
#pragma once

#include "elfversionnote.h"

#include <QString>
#include <optional>

// "P.00.L": P the product major number, L the product's least significant word (third part
// × 65536 + fourth part) as one number. The minor number is not shown.
QString versionText(const FixedFileInfo& info);

// The program file's name without its folder, cut at its first dot, every letter after the
// first in lower case: "/opt/CStash.bin" gives "Cstash".
QString applicationTitle(const QString& programPath);

// "Version " and the version text, or the title and " - No Version Number found".
QString programVersionLabel(const QString& title, const std::optional<FixedFileInfo>& info);

// The library's name filled with blanks to 12 characters, then " -   ", so the separators of
// all lines stand in one column of a fixed-pitch font.
QString dllLinePrefix(const QString& name);

// The prefix, then the version text or "Not found".
QString dllLine(const QString& name, const std::optional<FixedFileInfo>& info);
