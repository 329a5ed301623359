// quorpix-convert run as a process, as users and the benchmarks run it.
#include "moduleread.h"
#include "testjpeg.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <turbojpeg.h>
#include <unistd.h>

namespace {

struct ProcessResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the converter beside the test program with its output in files of the folder.
ProcessResult runConverter(const TempDir& dir, const std::vector<std::string>& arguments) {
    const auto program =
        std::filesystem::read_symlink("/proc/self/exe").parent_path() / "quorpix-convert";
    std::vector<std::string> command{program.string()};
    command.insert(command.end(), arguments.begin(), arguments.end());
    const std::string outPath = dir.file(".stdout"), errPath = dir.file(".stderr");
    const pid_t child = fork();
    if (child == 0) {
        std::vector<char*> argv;
        for (std::string& argument : command) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        if (freopen(outPath.c_str(), "w", stdout) && freopen(errPath.c_str(), "w", stderr) &&
            chdir(dir.file("").c_str()) == 0) {
            execv(argv[0], argv.data());
        }
        _exit(127);
    }
    int status = 0;
    waitpid(child, &status, 0);
    const Bytes out = readBytes(outPath), err = readBytes(errPath);
    std::filesystem::remove(outPath);
    std::filesystem::remove(errPath);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, std::string(out.begin(), out.end()),
            std::string(err.begin(), err.end())};
}

class ConvertCli : public testing::Test {
protected:
    void SetUp() override {
        writeBytes(dir.file("in.bmp"), encodeBmp(image, kBgr24, false));
        writeBytes(dir.file("photo.jpg"), encodeJpeg(quadrants(64, 32), TJSAMP_444));
        writeBytes(dir.file("notes.txt"), {'h', 'i', '\n'});
    }

    std::set<std::string> inputs() const { return {"in.bmp", "photo.jpg", "notes.txt"}; }

    TempDir dir;
    const TestImage image = manyColours(21, 13);
};

TEST_F(ConvertCli, WritesTheFormatTheNameOrCodeAsks) {
    const ProcessResult png = runConverter(dir, {"in.bmp", "out.png"});
    EXPECT_EQ(png.status, 0) << png.err;
    EXPECT_EQ(png.err, "");
    TestImage read;
    ASSERT_TRUE(readThroughModule(dir.file("out.png"), read));
    EXPECT_EQ(read, image);
    EXPECT_EQ(readBytes(dir.file("out.png"))[1], 'P');

    // The code wins over the name; TGA has no signature, so look at its header.
    EXPECT_EQ(runConverter(dir, {"in.bmp", "out.png", "--format", "7"}).status, 0);
    EXPECT_EQ(readBytes(dir.file("out.png"))[2], 2);
    ASSERT_TRUE(readThroughModule(dir.file("out.png"), read));
    EXPECT_EQ(read, image);
}

TEST_F(ConvertCli, QualityScaleAndGreyReachTheModule) {
    JpegFacts facts;
    EXPECT_EQ(runConverter(dir, {"in.bmp", "fine.JPEG", "--quality", "95"}).status, 0);
    ASSERT_TRUE(readJpegFacts(readBytes(dir.file("fine.JPEG")), facts));
    EXPECT_EQ(facts.subsampling, TJSAMP_444);
    EXPECT_EQ(runConverter(dir, {"--quality", "60", "in.bmp", "small.jpg"}).status, 0);
    ASSERT_TRUE(readJpegFacts(readBytes(dir.file("small.jpg")), facts));
    EXPECT_EQ(facts.subsampling, TJSAMP_420);

    EXPECT_EQ(runConverter(dir, {"photo.jpg", "quarter.bmp", "--scale", "2", "--grey"}).status, 0);
    TestImage read;
    ASSERT_TRUE(readWrittenBmp(dir.file("quarter.bmp"), read));
    EXPECT_EQ(read.width, 16);
    EXPECT_EQ(read.height, 8);
    EXPECT_TRUE(isGrey(read));
}

TEST_F(ConvertCli, HelpExplainsTheCommandLine) {
    const ProcessResult help = runConverter(dir, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("usage: quorpix-convert IN OUT"), std::string::npos) << help.out;
    EXPECT_NE(help.out.find("--quality"), std::string::npos);
}

struct Failure {
    std::vector<std::string> arguments;
    int status;
    std::vector<std::string> mentions; // what the one-line message must name
};

TEST_F(ConvertCli, FailuresSayWhichFileAndWhyOnOneLine) {
    const Failure failures[] = {
        {{"missing.bmp", "out.png"}, 1, {"missing.bmp", "No such file"}},
        {{"notes.txt", "out.png"}, 1, {"notes.txt", "not a picture"}},
        {{"in.bmp", "nowhere/out.png"}, 1, {"nowhere/out.png", "No such file"}},
        {{"in.bmp", "out.jpg", "--quality", "0"}, 1, {"quality"}},
        {{"in.bmp", "out.bmp", "--format", "8"}, 1, {"code 8"}},
        {{"photo.jpg", "out.bmp", "--scale", "4"}, 1, {"scale"}},
        {{"in.bmp", "out.xyz"}, 2, {"out.xyz", "--format"}},
        {{"in.bmp", "out.gif"}, 2, {"out.gif"}},
        {{"in.bmp", "out.jpg", "--quality", "high"}, 2, {"--quality", "number"}},
        {{"in.bmp", "out.jpg", "--quality"}, 2, {"--quality"}},
        {{"in.bmp", "out.jpg", "--fast"}, 2, {"--fast"}},
        {{"in.bmp"}, 2, {"one picture"}},
    };
    for (const Failure& failure : failures) {
        SCOPED_TRACE(testing::PrintToString(failure.arguments));
        const ProcessResult run = runConverter(dir, failure.arguments);
        EXPECT_EQ(run.status, failure.status);
        ASSERT_FALSE(run.err.empty());
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << run.err;
        for (const std::string& mention : failure.mentions) {
            EXPECT_NE(run.err.find(mention), std::string::npos) << run.err;
        }
        EXPECT_EQ(dir.names(), inputs());
    }
}

} // namespace
