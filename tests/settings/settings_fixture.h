#pragma once
#include <gtest/gtest.h>

#include <string>

#include "tests/support/temp_dir.h"

// Every settings test starts in an empty installation folder with the process-wide
// state as at program start and a U.S. English machine with a QWERTY keyboard.
class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static void UseSystemLanguage(unsigned langId);
    static void UseAzertyKeyboard();

    static std::string RecordBytes();  // the in-memory record as stored

private:
    ScopedInstallDir dir_;
};
