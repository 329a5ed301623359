// The converter's command line.
#pragma once

#include <string>
#include <vector>

struct CliArguments {
    std::string source;
    std::string destination;
    int format = 0; // 0: from the destination's extension
    int quality = 90;
    int scale = 0;
    bool grey = false;
    bool help = false;
};

// Parses the arguments after the program name; false with the reason in error when they are
// not a valid command line.
bool parseCliArguments(const std::vector<std::string>& arguments, CliArguments& parsed,
                       std::string& error);

extern const char* const kCliUsage;
