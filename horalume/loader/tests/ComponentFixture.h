// Horalume.exe beside the real clock component, run against the stand-in
// taskbar. For tests that link taskbar_testkit and define HORALUME_EXE and
// HORALUME_DLL as build paths.
#pragma once

#include "horalume/loader/tests/TestSupport.h"
#include "taskbar/testing/TaskbarTestKit.h"

#include <gtest/gtest.h>

class ComponentFixture : public ::testing::Test {
protected:
    explicit ComponentFixture(const char* purpose) : copy_(purpose) {}

    void SetUp() override
    {
        ClearHoralumeRegistry();
        ASSERT_TRUE(copy_.Place(HORALUME_EXE));
        ASSERT_TRUE(copy_.PlaceComponent(HORALUME_DLL));
        ASSERT_TRUE(taskbar_.Start());
    }

    // A component that a failed test left installed would outlive the taskbar.
    void TearDown() override
    {
        horalume_.End();
        if (testkit::IsComponentInstalled()) {
            testkit::RemoveClockComponent(copy_.ComponentPath());
        }
        taskbar_.Stop();
        ClearHoralumeRegistry();
    }

    void RunHoralume(const char* arguments = "") { ASSERT_TRUE(copy_.Run(horalume_, arguments)); }

    HoralumeCopy copy_;
    testkit::StandInTaskbar taskbar_;
    ChildProcess horalume_;
};
