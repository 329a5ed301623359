// GIO first: its headers use names that Qt defines as macros.
#include <gio/gdesktopappinfo.h>

#include "desktoplauncher.h"

#include <QDesktopServices>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <memory>

namespace {
struct GObjectUnref {
    void operator()(gpointer object) const { g_object_unref(object); }
};
using AppInfo = std::unique_ptr<GDesktopAppInfo, GObjectUnref>;

AppInfo readLauncher(const QString& launcher) {
    return AppInfo(g_desktop_app_info_new_from_filename(QFile::encodeName(launcher).constData()));
}

QIcon launcherIcon(const QString& launcher) {
    const AppInfo info = readLauncher(launcher);
    GIcon* icon = info ? g_app_info_get_icon(G_APP_INFO(info.get())) : nullptr;
    if (icon == nullptr)
        return QIcon();
    if (G_IS_THEMED_ICON(icon)) {
        for (const gchar* const* name = g_themed_icon_get_names(G_THEMED_ICON(icon)); *name; ++name)
            if (QIcon::hasThemeIcon(QString::fromUtf8(*name)))
                return QIcon::fromTheme(QString::fromUtf8(*name));
    } else if (G_IS_FILE_ICON(icon)) {
        gchar* path = g_file_get_path(g_file_icon_get_file(G_FILE_ICON(icon)));
        const QIcon fromFile(QString::fromUtf8(path));
        g_free(path);
        return fromFile;
    }
    return QIcon();
}
} // namespace

bool isLauncherFile(const QString& fileName) {
    return fileName.endsWith(QLatin1String(".desktop"), Qt::CaseInsensitive);
}

bool launchDesktopFile(const QString& launcher, const QStringList& files) {
    const AppInfo info = readLauncher(launcher);
    if (!info)
        return false;
    GList* documents = nullptr;
    for (const QString& file : files)
        documents =
            g_list_append(documents, g_file_new_for_path(QFile::encodeName(file).constData()));
    const gboolean started = g_app_info_launch(G_APP_INFO(info.get()), documents, nullptr, nullptr);
    g_list_free_full(documents, g_object_unref);
    return started != FALSE;
}

void openWithDesktop(const QString& fileName, const QString& workingFolder) {
    const QFileInfo file(fileName);
    if (file.isFile() && file.isExecutable() && !isLauncherFile(fileName))
        QProcess::startDetached(file.absoluteFilePath(), {}, workingFolder);
    else
        QDesktopServices::openUrl(QUrl::fromLocalFile(fileName));
}

QIcon associatedIcon(const QString& fileName) {
    if (isLauncherFile(fileName)) {
        const QIcon icon = launcherIcon(fileName);
        if (!icon.isNull())
            return icon;
    }
    const QString found = fileName.contains(u'/') || fileName.isEmpty()
                              ? fileName
                              : QStandardPaths::findExecutable(fileName);
    return QFileIconProvider().icon(QFileInfo(found.isEmpty() ? fileName : found));
}
