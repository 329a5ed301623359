// Names of parameterised tests taken from the descriptions of their cases.
#pragma once

#include <cctype>
#include <gtest/gtest.h>
#include <string>

// The case's description with anything but letters and digits turned into '_', which is all a
// test name may hold.
template <typename Case> std::string caseName(const testing::TestParamInfo<Case>& info) {
    std::string name = info.param.name;
    for (char& c : name) {
        c = std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    }
    return name;
}
