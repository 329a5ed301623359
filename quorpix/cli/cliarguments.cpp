#include "cliarguments.h"

#include <charconv>

const char* const kCliUsage =
    "usage: quorpix-convert IN OUT [--format CODE] [--quality Q] [--scale S] [--grey]\n"
    "Converts the picture IN (BMP, JPEG, PNG, TIFF, GIF, WebP, PNM or TGA) into OUT.\n"
    "  --format CODE  1 BMP, 2 JPEG, 3 PNG, 4 TIFF, 5 WebP, 6 PPM, 7 TGA\n"
    "                 (default: from OUT's extension)\n"
    "  --quality Q    JPEG and WebP quality 1..100 (default 90; WebP 100 is lossless)\n"
    "  --scale S      read JPEG at 1/1, 1/2, 1/4 or 1/8 of its size for S = 0..3\n"
    "  --grey         write grey levels\n";

namespace {

bool parseNumber(const std::string& text, int& value) {
    const char* end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, value);
    return failure == std::errc() && stop == end;
}

// Reads the value of the option at arguments[i], moving i onto it.
bool optionValue(const std::vector<std::string>& arguments, std::size_t& i, int& value,
                 std::string& error) {
    const std::string& option = arguments[i];
    if (++i >= arguments.size() || !parseNumber(arguments[i], value)) {
        error = option + " needs a whole number";
        return false;
    }
    return true;
}

} // namespace

bool parseCliArguments(const std::vector<std::string>& arguments, CliArguments& parsed,
                       std::string& error) {
    std::vector<std::string> files;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        bool valid = true;
        if (argument == "--help" || argument == "-h") {
            parsed.help = true;
        } else if (argument == "--grey") {
            parsed.grey = true;
        } else if (argument == "--format") {
            valid = optionValue(arguments, i, parsed.format, error);
        } else if (argument == "--quality") {
            valid = optionValue(arguments, i, parsed.quality, error);
        } else if (argument == "--scale") {
            valid = optionValue(arguments, i, parsed.scale, error);
        } else if (argument.size() > 1 && argument[0] == '-') {
            error = "unknown option " + argument;
            valid = false;
        } else {
            files.push_back(argument);
        }
        if (!valid) {
            return false;
        }
    }
    if (parsed.help) {
        return true;
    }
    if (files.size() != 2) {
        error = "give one picture to read and one to write";
        return false;
    }
    parsed.source = files[0];
    parsed.destination = files[1];
    return true;
}
