#include "installedtree.h"

#include <QDir>
#include <QProcess>

ToolRun runTool(const QString& program, const QStringList& arguments, int timeoutMs) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("LD_LIBRARY_PATH"));
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    ToolRun run;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.output = process.errorString();
        return run;
    }
    run.output = QString::fromLocal8Bit(process.readAll());
    if (process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    return run;
}

ToolRun installBuild(const QString& prefix) {
    return runTool(QStringLiteral(CLIPSTASH_CMAKE_COMMAND),
                   {"--install", QStringLiteral(CLIPSTASH_BUILD_DIR), "--prefix", prefix});
}

ToolRun buildPackage(const QString& folder, QString& debFile) {
    const ToolRun run = runTool(
        QStringLiteral(CLIPSTASH_CPACK_COMMAND),
        {"--config", QStringLiteral(CLIPSTASH_BUILD_DIR "/CPackConfig.cmake"), "-B", folder});
    const QStringList debs = QDir(folder).entryList({"clipstash_*.deb"}, QDir::Files);
    debFile = debs.size() == 1 ? QDir(folder).filePath(debs.first()) : QString();
    return run;
}
