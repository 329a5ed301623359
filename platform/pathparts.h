// File-name rules shared by the browsing controls and the grab writer.
#pragma once

#include <QString>
#include <QStringList>

// Joins a folder and a name with one '/', adding none when the folder already ends in one (root).
QString joinFolderAndName(const QString& folder, const QString& name);

// The folder part of a path: up to and including the last '/'; empty when there is none.
QString folderPart(const QString& path);

// The file-name part: everything after the last '/'.
QString fileNamePart(const QString& path);

// The extension of the file-name part, from its last dot (dot included); empty when none.
QString extensionPart(const QString& path);

// The folders from the root down to `folder` itself: "/a/b" gives "/", "/a", "/a/b".
QStringList folderChain(const QString& folder);
