// How the whole program ends: a frame that throws ends it with a failure code and the reason on stderr.
#include "shell/program/Program.h"
#include "shell/program/WindowProcedure.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <stdexcept>

namespace {

TEST(ProgramExit, AnExceptionOutOfAFrameEndsTheProgramWithItsMessageAndAFailureCode) {
    if (std::getenv("DISPLAY") == nullptr) {
        GTEST_SKIP() << "no display";
    }
    Zelt::ProgramOptions options;
    options.ignoreActivation = true;
    std::uint32_t framesSeen = 0;
    options.beforeFrame = [&](std::uint32_t frame) {
        framesSeen = frame;
        if (frame == 3) {
            throw std::runtime_error("the third frame broke");
        }
    };
    // A run that goes on past the broken frame is ended by the test instead of running forever.
    options.afterFrame = [](std::uint32_t frame) { return frame < 20; };
    testing::internal::CaptureStderr();
    const int exitCode = Zelt::RunProgram(options);
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(exitCode, Zelt::EscapedErrorExitCode);
    EXPECT_NE(errors.find("the third frame broke"), std::string::npos) << errors;
    EXPECT_LT(framesSeen, 20u);
}

} // namespace
