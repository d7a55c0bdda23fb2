#include "shared/general/program_identity.h"

#include <gtest/gtest.h>

using namespace RARUVOVOVA2DIVFU;

TEST(AppVersionText, RevisionLetterRoundsHalfToEven) {
    struct Case {
        int32_t flags;
        int16_t revision;
        const char* expected;
    };
    const Case cases[] = {
        {256, 99, " (V2.1)"},   {256, 100, " (V2.1a)"}, {256, 149, " (V2.1a)"},
        {256, 150, " (V2.1b)"}, {256, 202, " (V2.1b)"}, {256, 250, " (V2.1b)"},
        {256, 251, " (V2.1c)"}, {256, 350, " (V2.1d)"}, {256, 2650, " (V2.1z)"},
        {1, 0, "2.1.0"},        {1, 202, "2.1.202"},    {0, 202, " (V2.1.202)"},
        {257, 202, "2.1b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.flags) + "/" + std::to_string(c.revision));
        EXPECT_EQ(AppVersionText(c.flags, VersionNumbers{2, 1, c.revision}), c.expected);
    }
}

TEST(AppVersionText, ReadsTheRunningProgramsNumbers) {
    UseProgramIdentity({"Keyhand", {2, 5, 7}, ""});
    EXPECT_EQ(AppVersionText(256), " (V2.5)");
    UseProgramIdentity({"Iconsmith", {2, 1, 202}, ""});
    EXPECT_EQ(AppVersionText(256), " (V2.1b)");
    EXPECT_EQ(AppVersionText(1), "2.1.202");
}
