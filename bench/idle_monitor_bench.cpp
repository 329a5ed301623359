// CPU used while monitoring a clipboard without a picture, at the 100 ms poll:
//   idle_monitor_bench clipstash SECONDS   the real window, monitoring on
//   idle_monitor_bench qtpoll SECONDS      the reference: QClipboard::hasImage() every 100 ms
// Prints the CPU share of one core, read from /proc/self/stat.
#include "NumEdit.h"
#include "Unit1.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMimeData>
#include <QTimer>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace {
double cpuSeconds() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    stat.open(QIODevice::ReadOnly);
    const QByteArray line = stat.readAll();
    // Fields after the command name, which ends with the last ')'; utime and stime are 14, 15.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return (fields[11].toDouble() + fields[12].toDouble()) / sysconf(_SC_CLK_TCK);
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("clipstash");
    const int seconds = argc > 2 ? atoi(argv[2]) : 60;

    std::unique_ptr<TForm1> form;
    QTimer poll;
    if (mode == QLatin1String("qtpoll")) {
        QObject::connect(&poll, &QTimer::timeout, [] {
            const QMimeData* data = QGuiApplication::clipboard()->mimeData();
            if (data != nullptr)
                data->hasImage();
        });
        poll.start(100);
    } else {
        form = std::make_unique<TForm1>();
        form->NumEdit1->setNumber(100);
        form->startClick();
    }
    double startCpu = 0;
    QTimer::singleShot(2000, [&] { startCpu = cpuSeconds(); }); // after start-up work
    QTimer::singleShot(2000 + seconds * 1000, [&] {
        const double share = (cpuSeconds() - startCpu) / seconds * 100;
        std::printf("%s cpu_percent=%.4f\n", qPrintable(mode), share);
        app.quit();
    });
    return app.exec();
}
