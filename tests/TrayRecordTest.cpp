#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "tray/TrayRecord.h"

namespace quellar {
namespace {

using modSysTray::TrayIconRecord;

TEST(TrayRecord, LayoutIsSixWordsThenTheTip) {
    EXPECT_EQ(sizeof(TrayIconRecord), 88u);
    EXPECT_EQ(offsetof(TrayIconRecord, cbSize), 0u);
    EXPECT_EQ(offsetof(TrayIconRecord, hWnd), 4u);
    EXPECT_EQ(offsetof(TrayIconRecord, uID), 8u);
    EXPECT_EQ(offsetof(TrayIconRecord, uFlags), 12u);
    EXPECT_EQ(offsetof(TrayIconRecord, uCallbackMessage), 16u);
    EXPECT_EQ(offsetof(TrayIconRecord, hIcon), 20u);
    EXPECT_EQ(offsetof(TrayIconRecord, szTip), 24u);
}

TEST(TrayRecord, TipIsTextNulThenBlanks) {
    TrayIconRecord record{};
    modSysTray::FillTip(record, "Quellar 2000 v2.40");
    const std::string expected = std::string("Quellar 2000 v2.40") + '\0' + std::string(45, ' ');
    EXPECT_EQ(std::string(record.szTip, sizeof record.szTip), expected);
}

TEST(TrayRecord, LongTipIsCutSoThatItStaysTerminated) {
    TrayIconRecord record{};
    modSysTray::FillTip(record, std::string(70, 'x'));
    EXPECT_EQ(std::string(record.szTip, 63), std::string(63, 'x'));
    EXPECT_EQ(record.szTip[63], '\0');
    modSysTray::FillTip(record, std::string(63, 'y'));
    EXPECT_EQ(std::string(record.szTip), std::string(63, 'y'));
    modSysTray::FillTip(record, "");
    EXPECT_EQ(record.szTip[0], '\0');
    EXPECT_EQ(record.szTip[1], ' ');
}

}  // namespace
}  // namespace quellar
