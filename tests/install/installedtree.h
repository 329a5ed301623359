// The program as users get it: the build installed into a prefix, or packaged as a .deb.
#pragma once

#include <QString>
#include <QStringList>

// The application id that names the launcher, the metainfo and the icons.
inline const QString kApplicationId = QStringLiteral("com.example.velmor_graphics.Clipstash");

// What a tool printed (both channels) and how it ended; -1 when it could not run or timed out.
struct ToolRun {
    int exitCode = -1;
    QString output;
};
// Runs a tool to its end in the test's environment without LD_LIBRARY_PATH, so only what the
// installed files carry themselves can find their libraries.
ToolRun runTool(const QString& program, const QStringList& arguments, int timeoutMs = 120000);

// `cmake --install` of this build into `prefix`.
ToolRun installBuild(const QString& prefix);
// The Debian package of this build, made in `folder`; its path in `debFile` when made.
ToolRun buildPackage(const QString& folder, QString& debFile);
