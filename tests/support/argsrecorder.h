// A stand-in program that writes the arguments it was started with to a file, one per line
// after their count, so tests can see exactly what a started program received.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class ArgsRecorder {
public:
    // Creates the executable script `name` in `folder`; it records into `folder`/args.txt.
    ArgsRecorder(const QString& folder, const QString& name = QStringLiteral("editor.sh"));

    QString program() const { return m_program; }
    // The recorded arguments, once the program has run; nothing if it has not run in time.
    std::optional<QStringList> waitForArguments(int timeoutMs = 5000) const;

private:
    QString m_program;
    QString m_record;
};
