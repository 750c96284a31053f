#include "horalume/loader/CommandLine.h"

#include <gtest/gtest.h>

TEST(UninstallSwitch, SlashOrDashFollowedByUInEitherCase)
{
    for (const char* argument : {"/U", "/u", "-U", "-u", "-uninstall", "/Uxyz", "-u-"}) {
        EXPECT_TRUE(IsUninstallSwitch(argument)) << argument;
    }
}

TEST(UninstallSwitch, AnythingElseIsIgnored)
{
    for (const char* argument : {"/", "-", "U", "u", "", "/x", "--u", "\\U", " /U", "/ U"}) {
        EXPECT_FALSE(IsUninstallSwitch(argument)) << argument;
    }
    EXPECT_FALSE(IsUninstallSwitch(nullptr));
}

TEST(UninstallSwitch, ProgramNameIsNotAnArgument)
{
    char program[] = "/U";
    char other[] = "x";
    char uninstall[] = "-uninstall";
    char* onlyProgram[] = {program};
    char* later[] = {program, other, uninstall};
    EXPECT_FALSE(WantsUninstall(1, onlyProgram));
    EXPECT_TRUE(WantsUninstall(3, later));
    EXPECT_FALSE(WantsUninstall(2, later));
}
