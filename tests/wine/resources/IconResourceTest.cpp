// Icon 10000: exactly a 32 x 32 and a 16 x 16 image, each loadable at its
// own size without scaling, transparent around the glyph when drawn.

#include <windows.h>

#include "shell/IconId.h"

#include <gtest/gtest.h>

#include <cstring>

namespace tarvik::test {
namespace {

#pragma pack(push, 2)
struct GroupIconEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
#pragma pack(pop)
static_assert(sizeof(GroupIconEntry) == 14);

HMODULE self() {
    return GetModuleHandleA(nullptr);
}

const BYTE* resourceBytes(LPCSTR name, LPCSTR type, DWORD* size = nullptr) {
    HRSRC found = FindResourceA(self(), name, type);
    if (!found) return nullptr;
    if (size) *size = SizeofResource(self(), found);
    return static_cast<const BYTE*>(LockResource(LoadResource(self(), found)));
}

TEST(IconResource, GroupHoldsOne32AndOne16Image) {
    DWORD size = 0;
    const BYTE* group = resourceBytes(MAKEINTRESOURCEA(ID_TARVIK_ICON), RT_GROUP_ICON, &size);
    ASSERT_NE(group, nullptr);
    WORD header[3];
    ASSERT_GE(size, sizeof header);
    std::memcpy(header, group, sizeof header);
    EXPECT_EQ(header[1], 1);  // icon, not cursor
    ASSERT_EQ(header[2], 2);
    ASSERT_EQ(size, sizeof header + 2 * sizeof(GroupIconEntry));
    GroupIconEntry entries[2];
    std::memcpy(entries, group + sizeof header, sizeof entries);
    EXPECT_EQ(entries[0].width, 32);
    EXPECT_EQ(entries[0].height, 32);
    EXPECT_EQ(entries[1].width, 16);
    EXPECT_EQ(entries[1].height, 16);
    for (const GroupIconEntry& e : entries) EXPECT_EQ(e.bitCount, 32);
}

// The system picks the image that fits each size, and that image really has
// that size (a 32 x 32 shrunk to 16 would pass a plain load).
TEST(IconResource, EachSizeLoadsItsOwnImage) {
    const BYTE* group = resourceBytes(MAKEINTRESOURCEA(ID_TARVIK_ICON), RT_GROUP_ICON);
    ASSERT_NE(group, nullptr);
    for (int side : {32, 16}) {
        SCOPED_TRACE(side);
        const int id = LookupIconIdFromDirectoryEx(const_cast<BYTE*>(group), TRUE, side, side,
                                                   LR_DEFAULTCOLOR);
        ASSERT_NE(id, 0);
        const BYTE* image = resourceBytes(MAKEINTRESOURCEA(id), RT_ICON);
        ASSERT_NE(image, nullptr);
        BITMAPINFOHEADER header;
        std::memcpy(&header, image, sizeof header);
        EXPECT_EQ(header.biWidth, side);
        EXPECT_EQ(header.biHeight, 2 * side);

        auto icon = static_cast<HICON>(
            LoadImageA(self(), MAKEINTRESOURCEA(ID_TARVIK_ICON), IMAGE_ICON, side, side, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        ASSERT_NE(GetObjectA(info.hbmColor, sizeof bitmap, &bitmap), 0);
        EXPECT_EQ(bitmap.bmWidth, side);
        EXPECT_EQ(bitmap.bmHeight, side);
        DeleteObject(info.hbmColor);
        DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

COLORREF pixelAt(const DWORD* pixels, int side, int x, int y) {
    const DWORD p = pixels[y * side + x];  // top-down, 0x00RRGGBB
    return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
}

// Drawn on white, the corners stay white and the body does not.
TEST(IconResource, DrawsAGlyphOnATransparentGround) {
    for (int side : {32, 16}) {
        SCOPED_TRACE(side);
        auto icon = static_cast<HICON>(
            LoadImageA(self(), MAKEINTRESOURCEA(ID_TARVIK_ICON), IMAGE_ICON, side, side, 0));
        ASSERT_NE(icon, nullptr);
        BITMAPINFO bmi{};
        bmi.bmiHeader.biSize = sizeof bmi.bmiHeader;
        bmi.bmiHeader.biWidth = side;
        bmi.bmiHeader.biHeight = -side;
        bmi.bmiHeader.biPlanes = 1;
        bmi.bmiHeader.biBitCount = 32;
        void* bits = nullptr;
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP target = CreateDIBSection(dc, &bmi, DIB_RGB_COLORS, &bits, nullptr, 0);
        ASSERT_NE(target, nullptr);
        HGDIOBJ old = SelectObject(dc, target);
        std::memset(bits, 0xFF, static_cast<size_t>(side * side * 4));
        ASSERT_TRUE(DrawIconEx(dc, 0, 0, icon, side, side, 0, nullptr, DI_NORMAL));
        GdiFlush();
        const auto* pixels = static_cast<const DWORD*>(bits);
        const COLORREF white = RGB(255, 255, 255);
        EXPECT_EQ(pixelAt(pixels, side, 0, 0), white);
        EXPECT_EQ(pixelAt(pixels, side, side - 1, 0), white);
        EXPECT_EQ(pixelAt(pixels, side, 0, side - 1), white);
        EXPECT_EQ(pixelAt(pixels, side, side - 1, side - 1), white);
        int painted = 0;
        for (int i = 0; i < side * side; ++i) {
            if ((pixels[i] & 0xFFFFFF) != 0xFFFFFF) ++painted;
        }
        // A game pad fills roughly half of its square: neither a speck nor a block.
        EXPECT_GT(painted, side * side / 3);
        EXPECT_LT(painted, side * side * 9 / 10);
        SelectObject(dc, old);
        DeleteObject(target);
        DeleteDC(dc);
        DestroyIcon(icon);
    }
}

}  // namespace
}  // namespace tarvik::test
