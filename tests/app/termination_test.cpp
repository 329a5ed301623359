// The real program ended by SIGTERM closes as its close box does: settings saved, nothing asked.
#include "settingsfile.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <csignal>
#include <gtest/gtest.h>

TEST(Termination, SigtermSavesTheSettingsWithoutAsking) {
    QTemporaryDir config;
    QTemporaryDir store;
    QFile(store.filePath("grab_000.bmp")).open(QIODevice::WriteOnly);
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("XDG_CONFIG_HOME", config.path());
    program.setProcessEnvironment(environment);
    // The exit offer is on and a grab is listed: an attended close would ask and wait.
    QDir(config.path()).mkpath(".");
    QFile settings(config.filePath("Velmor.conf"));
    ASSERT_TRUE(settings.open(QIODevice::WriteOnly));
    settings.write(QStringLiteral("[CStash]\nClear=1\nLastCount=7\nName=grab_\nStore=%1\n")
                       .arg(store.path())
                       .toUtf8());
    settings.close();

    program.start(QCoreApplication::applicationDirPath() + "/clipstash", {});
    ASSERT_TRUE(program.waitForStarted());
    // "Program" is the first value start-up writes.
    const QDeadlineTimer started(10000);
    while (!readSettingsFileAt(config.filePath("Velmor.conf")).contains("Program") &&
           !started.hasExpired())
        QThread::msleep(20);
    ::kill(static_cast<pid_t>(program.processId()), SIGTERM);
    ASSERT_TRUE(program.waitForFinished(10000)) << "the program did not end";
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);

    QFile saved(config.filePath("Velmor.conf"));
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(saved.readAll());
    for (const char* line : {"Top=40", "Left=60", "Delay=500", "Max=50", "Qual=90", "Clear=1",
                             "LastCount=7", "Name=grab_", "Edit=xdg-open"})
        EXPECT_TRUE(text.contains(QLatin1String(line))) << line << " missing from\n"
                                                        << text.toStdString();
    EXPECT_TRUE(text.contains("Store=" + store.path()));
    EXPECT_TRUE(QFile::exists(store.filePath("grab_000.bmp"))) << "nothing may be cleared";
}
