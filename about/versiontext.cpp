#include "versiontext.h"

QString versionText(const FixedFileInfo& info) {
    // Unsigned: a third part of 32768 or more must not turn the number negative.
    return QStringLiteral("%1.00.%2").arg(info.productVersionMS >> 16).arg(info.productVersionLS);
}

QString applicationTitle(const QString& programPath) {
    const QString name = programPath.section(u'/', -1).section(u'.', 0, 0);
    return name.left(1) + name.mid(1).toLower();
}

QString programVersionLabel(const QString& title, const std::optional<FixedFileInfo>& info) {
    if (!info)
        return title + QStringLiteral(" - No Version Number found");
    return QStringLiteral("Version ") + versionText(*info);
}

QString dllLinePrefix(const QString& name) {
    constexpr int kNameColumns = 12;
    return name.leftJustified(kNameColumns, u' ') + QStringLiteral(" -   ");
}

QString dllLine(const QString& name, const std::optional<FixedFileInfo>& info) {
    return dllLinePrefix(name) + (info ? versionText(*info) : QStringLiteral("Not found"));
}
