// Showing a 3840x2160 grab in the window's 240-pixel thumbnail, file to pixels on the control,
// against the least a program must do: TurboJPEG decoding the JPEG at half size, or Qt reading
// the BMP and scaling it smoothly. And a cache hit, which should cost next to nothing.
#include "screenpicture.h"
#include "stopwatch.h"
#include "thumb.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <turbojpeg.h>
#include <vector>

namespace {
double showInThumbnail(TThumbnail& thumb, const QString& file) {
    thumb.setFileName(QString());
    const auto start = Clock::now();
    thumb.setFileName(file);
    return secondsSince(start);
}

double turboJpegHalf(const QString& file) {
    QFile in(file);
    in.open(QIODevice::ReadOnly);
    const auto start = Clock::now();
    const QByteArray jpeg = in.readAll();
    tjhandle decoder = tjInitDecompress();
    int width = 0, height = 0, sampling = 0, colours = 0;
    const auto* data = reinterpret_cast<const unsigned char*>(jpeg.constData());
    tjDecompressHeader3(decoder, data, jpeg.size(), &width, &height, &sampling, &colours);
    const int halfWidth = (width + 1) / 2;
    const int halfHeight = (height + 1) / 2;
    std::vector<unsigned char> pixels(static_cast<size_t>(halfWidth) * halfHeight * 3);
    tjDecompress2(decoder, data, jpeg.size(), pixels.data(), halfWidth, 0, halfHeight, TJPF_BGR, 0);
    tjDestroy(decoder);
    return secondsSince(start);
}

double qtReadAndScale(const QString& file) {
    const auto start = Clock::now();
    const QImage scaled =
        QImage(file).scaled(240, 240, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    benchmark::DoNotOptimize(scaled.constBits());
    return secondsSince(start);
}

// A 3840x2160 grab in a folder of its own, and a 240-pixel thumbnail without a label for it.
struct Scene {
    explicit Scene(const char* format)
        : file(folder.filePath(QStringLiteral("grab_000.") + format)) {
        screenPicture(3840, 2160).save(file, nullptr, 90);
        thumb.setShowLabel(false);
        thumb.setBitmapSize(240);
    }

    QTemporaryDir folder;
    const QString file;
    QWidget parent;
    TThumbnail thumb{&parent};
};

void compare(benchmark::State& state, const char* format, double (*reference)(const QString&)) {
    Scene scene(format);
    scene.thumb.setBorder(false);
    double shown = 0;
    double referenceTotal = 0;
    for (auto _ : state) {
        const double reference_ = reference(scene.file);
        const double one = showInThumbnail(scene.thumb, scene.file);
        state.SetIterationTime(one);
        shown += one;
        referenceTotal += reference_;
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["thumbnail_ms"] = shown / n * 1000;
    state.counters["reference_ms"] = referenceTotal / n * 1000;
    state.counters["ratio"] = shown / referenceTotal;
}

void BM_JpegGrabThumbnail(benchmark::State& state) {
    compare(state, "jpg", turboJpegHalf);
}

void BM_BmpGrabThumbnail(benchmark::State& state) {
    compare(state, "bmp", qtReadAndScale);
}

void BM_CacheHit(benchmark::State& state) {
    Scene scene("jpg");
    scene.thumb.setUseCache(true);
    scene.thumb.setFileName(scene.file); // writes the cache file
    for (auto _ : state)
        state.SetIterationTime(showInThumbnail(scene.thumb, scene.file));
    state.counters["target_ms"] = 5;
}
} // namespace

BENCHMARK(BM_JpegGrabThumbnail)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_BmpGrabThumbnail)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_CacheHit)->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
