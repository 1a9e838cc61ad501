#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "fakes/FaultyFileSystem.h"
#include "fakes/TempDirectory.h"
#include "input/PadOrderFile.h"
#include "input/PadPlaces.h"
#include "platform/PortableFileSystem.h"

namespace tarvik {
namespace {

constexpr uint32_t kPad = 0x02E0045E;
constexpr uint32_t kWheel = 0xC29B046D;

PadIdentity pad(const char* key, uint32_t product = kPad) {
    PadIdentity identity{};
    setPadKey(identity, key);
    identity.product = product;
    return identity;
}

struct Matched {
    int8_t place[kMaxListedPads];
};

Matched match(const PadPlaces& places, int placeCount, std::initializer_list<PadIdentity> listed,
              uint32_t candidates = 0x3F) {
    PadIdentity rows[kMaxListedPads];
    int n = 0;
    for (const PadIdentity& p : listed) rows[n++] = p;
    Matched m{};
    matchListedPads(places, placeCount, candidates, rows, n, m.place);
    return m;
}

TEST(PadPlaces, PathsKeepIdenticalPadsInTheirPlaces) {
    PadPlaces places{};
    places.places[0] = pad("\\\\?\\HID#VID_045E&PID_02E0#port1");
    places.places[1] = pad("\\\\?\\HID#VID_045E&PID_02E0#port2");
    // The first is pulled: the second, listed alone, stays in place 1.
    EXPECT_EQ(match(places, 2, {pad("\\\\?\\hid#vid_045e&pid_02e0#PORT2")}).place[0], 1);
    // Back in the other order, each finds its own.
    const Matched back = match(places, 2, {places.places[1], places.places[0]});
    EXPECT_EQ(back.place[0], 1);
    EXPECT_EQ(back.place[1], 0);
}

TEST(PadPlaces, ANewPathOfAKnownProductTakesTheFirstGonePlaceOfThatProduct) {
    PadPlaces places{};
    places.places[0] = pad("wheel", kWheel);
    places.places[1] = pad("padA");
    places.places[2] = pad("padB");
    // padB is listed, padA is not: the stranger of the same product takes
    // padA's place, even when listed before padB; a stick of another
    // product is new.
    const Matched m = match(places, 3, {pad("padC"), pad("padB"), pad("stick", 0x1234)});
    EXPECT_EQ(m.place[0], 1);
    EXPECT_EQ(m.place[1], 2);
    EXPECT_EQ(m.place[2], kNewPad);
    // No gone place of the product: new. XInput places are no candidates.
    EXPECT_EQ(match(places, 3, {pad("padA"), pad("padB"), pad("padD")}).place[2], kNewPad);
    EXPECT_EQ(match(places, 3, {pad("padD")}, 0x1).place[0], kNewPad);
}

TEST(PadPlaces, TwinsAndDoublesAreLeftOutAndTwinsAreRememberedUpToFour) {
    PadPlaces places{};
    places.places[0] = pad("padA");
    for (const char* twin : {"t1", "t2", "t3", "t4", "t5", "t1"}) rememberTwin(places, pad(twin));
    EXPECT_EQ(places.twinCount, kMaxPadTwins);
    EXPECT_FALSE(isKnownTwin(places, "t5"));
    const Matched m = match(places, 1, {pad("T2"), pad("padA"), pad("padA"), pad("x")});
    EXPECT_EQ(m.place[0], kLeftOut);
    EXPECT_EQ(m.place[1], 0);
    EXPECT_EQ(m.place[2], kLeftOut);
    EXPECT_EQ(m.place[3], kNewPad);
}

TEST(PadPlaces, KeysThatDoNotFitAreNoKeys) {
    PadIdentity identity{};
    EXPECT_FALSE(setPadKey(identity, std::string(kPadKeyChars, 'p').c_str()));
    EXPECT_EQ(identity.key[0], '\0');
    EXPECT_FALSE(setPadKey(identity, nullptr));
    EXPECT_TRUE(setPadKey(identity, std::string(kPadKeyChars - 1, 'p').c_str()));
    // Two pads without a key are never the same.
    EXPECT_FALSE(samePadKey("", ""));
}

TEST(PadOrder, RememberedPadsComeFirstNewOnesFollowAbsentOnesLeaveNoHole) {
    PadOrder memory{};
    memory.pads[0] = pad("B");
    memory.pads[1] = pad("gone");
    memory.pads[2] = pad("A");
    memory.count = 3;
    const PadIdentity listed[] = {pad("A"), pad("new"), pad("B"), pad("later")};
    int8_t order[kMaxListedPads];
    ASSERT_EQ(orderByMemory(memory, listed, 4, order), 4);
    EXPECT_EQ(order[0], 2);
    EXPECT_EQ(order[1], 0);
    EXPECT_EQ(order[2], 1);
    EXPECT_EQ(order[3], 3);
}

TEST(PadOrder, TheFileReadsBackAndAnythingDamagedOrForeignIsIgnored) {
    const PadIdentity places[] = {pad("pathA"), pad(""), pad("pathC")};
    const char* names[] = {"Pad\tone", nullptr, "Pad three"};
    char text[kPadOrderBytes];
    const size_t length = formatPadOrder(places, names, 3, text, sizeof text);
    EXPECT_EQ(std::string(text, length), "0\tpathA\tPad one\r\n2\tpathC\tPad three\r\n");
    PadOrder order{};
    ASSERT_TRUE(parsePadOrder(text, length, order));
    ASSERT_EQ(order.count, 2);
    EXPECT_STREQ(order.pads[0].key, "pathA");
    EXPECT_STREQ(order.pads[1].key, "pathC");
    // Places in any order; a line without a name is fine.
    const std::string unsorted = "1\tB\t\n0\tA\tx\n";
    ASSERT_TRUE(parsePadOrder(unsorted.data(), unsorted.size(), order));
    EXPECT_STREQ(order.pads[0].key, "A");

    const std::string bad[] = {
        "0\tA\tx\n0\tB\ty\n",                              // a place twice
        "0\tA\tx\n1\ta\ty\n",                              // a path twice
        "6\tA\tx\n",                                       // no such place
        "0 A x\n",                                         // no tabs
        "[Settings]\nkey=value\n",                         // someone else's file
        "0\t" + std::string(kPadKeyChars, 'p') + "\tx\n",  // longer than a path may be
    };
    for (const std::string& text : bad) {
        EXPECT_FALSE(parsePadOrder(text.data(), text.size(), order)) << text;
        EXPECT_EQ(order.count, 0) << text;
    }
}

TEST(PadOrder, WrittenOnlyWhenChangedAndAFailedWriteLeavesTheOldFile) {
    testing::TempDirectory directory;
    PortableFileSystem disk;
    testing::FaultyFileSystem files(disk);
    PadOrderMemory memory{};
    { std::ofstream("padorder.txt") << "junk that is not ours\n"; }
    readPadOrder(files, memory);
    EXPECT_EQ(memory.order.count, 0);

    const PadIdentity places[] = {pad("pathA"), pad("pathB")};
    writePadOrder(files, memory, places, nullptr, 2);
    writePadOrder(files, memory, places, nullptr, 2);
    EXPECT_EQ(files.created.size(), 1u) << "an unchanged order is not written again";
    PadOrderMemory again{};
    readPadOrder(files, again);
    ASSERT_EQ(again.order.count, 2);
    EXPECT_STREQ(again.order.pads[1].key, "pathB");

    files.failReplace = true;
    const PadIdentity swapped[] = {pad("pathB"), pad("pathA")};
    writePadOrder(files, memory, swapped, nullptr, 2);
    readPadOrder(files, again);
    EXPECT_STREQ(again.order.pads[0].key, "pathA");
    EXPECT_EQ(directory.names(), (std::vector<std::string>{"padorder.txt"}));
}

}  // namespace
}  // namespace tarvik
