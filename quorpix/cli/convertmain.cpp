// quorpix-convert: converts one picture file through the quorpix codecs.
#include "cliarguments.h"
#include "convert.h"
#include "formats.h"

#include <cstdio>

namespace {

constexpr int kConverted = 0;
constexpr int kFailed = 1;
constexpr int kBadCommandLine = 2;

int fail(const std::string& message, int status) {
    std::fprintf(stderr, "quorpix-convert: %s\n", message.c_str());
    return status;
}

} // namespace

int main(int argc, char** argv) {
    CliArguments arguments;
    std::string error;
    if (!parseCliArguments({argv + 1, argv + argc}, arguments, error)) {
        return fail(error + " (see --help)", kBadCommandLine);
    }
    if (arguments.help) {
        std::fputs(kCliUsage, stdout);
        return kConverted;
    }
    const int format = arguments.format != 0
                           ? arguments.format
                           : quorpix::writableFormatForName(arguments.destination);
    if (format == 0) {
        return fail(arguments.destination + ": no format to write for this name; use --format",
                    kBadCommandLine);
    }
    const quorpix::Conversion conversion{
        arguments.scale, format, arguments.quality,
        arguments.grey ? quorpix::Colour::Grey : quorpix::Colour::Keep, false};
    if (!quorpix::convertPicture(arguments.source, arguments.destination, conversion, &error)) {
        return fail(error, kFailed);
    }
    return kConverted;
}
