// One grab, picture in memory to JPEG on disk (BMP written, converted, deleted), against
// TurboJPEG compressing the same pixels in memory at the same quality and sampling.
#include "picturefile.h"
#include "quorpix.h"
#include "screenpicture.h"
#include "stopwatch.h"

#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <turbojpeg.h>

namespace {
double turboJpegReference(tjhandle compressor, const QImage& screen, int quality) {
    unsigned char* jpeg = nullptr;
    unsigned long size = 0;
    const auto start = Clock::now();
    tjCompress2(compressor, screen.constBits(), screen.width(), screen.bytesPerLine(),
                screen.height(), TJPF_BGRX, &jpeg, &size, quality >= 90 ? TJSAMP_444 : TJSAMP_420,
                quality, 0);
    const double seconds = secondsSince(start);
    tjFree(jpeg);
    return seconds;
}

double oneGrab(const QImage& screen, const QString& folder, int quality) {
    static unsigned char block[QUORPIX_WORK_BLOCK_SIZE];
    const QString bmp = folder + "/grab_000.bmp";
    const QByteArray jpg = QFile::encodeName(folder + "/grab_000.jpg");
    const auto start = Clock::now();
    savePictureAsBmp(screen, bmp, BmpDepth::Bits32);
    _bmptoanys(QFile::encodeName(bmp).constData(), jpg.constData(), block, 2, quality);
    QFile::remove(bmp);
    return secondsSince(start);
}

void BM_GrabToJpeg(benchmark::State& state) {
    const QImage screen =
        screenPicture(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const int quality = static_cast<int>(state.range(2));
    QTemporaryDir folder;
    tjhandle compressor = tjInitCompress();
    double grabTotal = 0;
    double referenceTotal = 0;
    for (auto _ : state) {
        const double reference = turboJpegReference(compressor, screen, quality);
        const double grab = oneGrab(screen, folder.path(), quality);
        state.SetIterationTime(grab);
        grabTotal += grab;
        referenceTotal += reference;
    }
    tjDestroy(compressor);
    const double n = static_cast<double>(state.iterations());
    state.counters["grab_ms"] = grabTotal / n * 1000;
    state.counters["turbojpeg_ms"] = referenceTotal / n * 1000;
    state.counters["ratio"] = grabTotal / referenceTotal;
}
} // namespace

BENCHMARK(BM_GrabToJpeg)
    ->ArgNames({"width", "height", "quality"})
    ->Args({1920, 1080, 90})
    ->Args({1920, 1080, 80})
    ->Args({3840, 2160, 90})
    ->Args({3840, 2160, 80})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts for the synthetic screen's text
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
