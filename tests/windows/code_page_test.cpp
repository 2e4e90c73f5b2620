#include <gtest/gtest.h>
#include <windows.h>

// scripts/wine-run runs the tests in zh_CN, so that they see the ANSI code
// page of a Simplified Chinese Windows: GBK.
TEST(WineLocale, AnsiCodePageIsGbk) {
    EXPECT_EQ(GetACP(), 936u);
}
