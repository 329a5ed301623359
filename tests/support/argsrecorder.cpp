#include "argsrecorder.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QTest>

ArgsRecorder::ArgsRecorder(const QString& folder, const QString& name)
    : m_program(folder + u'/' + name), m_record(folder + QStringLiteral("/args.txt")) {
    QFile script(m_program);
    script.open(QIODevice::WriteOnly);
    // Written to a temporary name and renamed, so a reader never sees half a record.
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > '%1.part'\n"
                                "mv '%1.part' '%1'\n")
                     .arg(m_record)
                     .toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

std::optional<QStringList> ArgsRecorder::waitForArguments(int timeoutMs) const {
    const QDeadlineTimer deadline(timeoutMs);
    while (!QFile::exists(m_record)) {
        if (deadline.hasExpired())
            return std::nullopt;
        QTest::qWait(20);
    }
    QFile record(m_record);
    record.open(QIODevice::ReadOnly);
    QStringList lines = QString::fromUtf8(record.readAll()).split(u'\n');
    lines.removeLast(); // after the final newline
    const int count = lines.value(0).toInt();
    return lines.mid(1, count);
}
