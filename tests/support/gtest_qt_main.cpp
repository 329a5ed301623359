// Test entry: the program's own application object exists for every test, with a private
// runtime folder and settings kept out of the user's home.
#include "tapplication.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QTemporaryDir runtimeDir;
    qputenv("XDG_RUNTIME_DIR", runtimeDir.path().toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (runtimeDir.path() + "/config").toLocal8Bit());
    // Offscreen unless a test asks for a real display, so listing the tests needs none.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    TApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
