#include <gtest/gtest.h>

#include "platform/win32/Win32Platform.h"

namespace tarvik {
namespace {

// The text-input window types a character by the key that OemKeyScan names,
// so the scan code must lead back to that key's virtual-key code.
TEST(ScanCodeMapping, CharacterKeyLeadsBackToItsVirtualKey) {
    Win32Platform platform;
    const uint32_t scan = platform.mapVirtualKeyToScanCode('A');
    ASSERT_NE(scan, 0u);
    EXPECT_EQ(platform.mapScanCodeToVirtualKey(scan), static_cast<uint32_t>('A'));

    const uint32_t upper = platform.oemKeyScan('A');
    ASSERT_NE(upper, 0xFFFFFFFFu);
    EXPECT_NE(upper & 0x10000u, 0u);  // needs SHIFT
    EXPECT_EQ(platform.mapScanCodeToVirtualKey(upper & 0xFF), static_cast<uint32_t>('A'));
    EXPECT_EQ(platform.oemKeyScan('a') & 0x70000u, 0u);
}

}  // namespace
}  // namespace tarvik
