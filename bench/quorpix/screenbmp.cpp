// Writes the synthetic screen picture as a 24-bit BMP, the input of the converter benchmark.
#include "../screenpicture.h"
#include "bmpwrite.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: screenbmp WIDTH HEIGHT OUT.bmp\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv); // fonts for the picture's text
    const QImage screen = screenPicture(std::atoi(argv[1]), std::atoi(argv[2]))
                              .convertToFormat(QImage::Format_BGR888);
    const quorpix::BgrImageView view{screen.width(), screen.height(), screen.bytesPerLine(),
                                     screen.constBits()};
    std::string error;
    if (!quorpix::writeBmp(argv[3], view, &error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
