#pragma once
// Which place (joystick index) a listed controller takes. A controller is
// known by its device path: DirectInput hands instance GUIDs out again
// among identical pads when one of them goes, while the paths stay with
// the ports. Kept apart from the system calls so the rules can be tested
// anywhere.

#include <cstdint>

#include "input/EnumerationLimit.h"

namespace tarvik {

// A path longer than this is taken as unreadable; cutting it could make
// two ports look alike, since paths differ towards their end.
constexpr int kPadKeyChars = 256;
// DirectInput twins of XInput pads remembered so they are not looked at
// again; XInput serves four pads.
constexpr int kMaxPadTwins = 4;
// Controllers one listing looks at; more than the places, so that twins
// and failing devices cannot hide a real new one.
constexpr int kMaxListedPads = 16;

struct PadIdentity {
    // The device path, or the instance GUID's text where no path could be
    // read; empty: no identity (a free place, or an XInput pad).
    char key[kPadKeyChars];
    // Vendor and product ids as DirectInput's product GUID holds them.
    uint32_t product;
};

struct PadPlaces {
    PadIdentity places[kMaxJoysticks];
    PadIdentity twins[kMaxPadTwins];
    int32_t twinCount;
};

// Sets the key to `text`; false, leaving the key empty, when `text` is
// null, empty or does not fit.
bool setPadKey(PadIdentity& identity, const char* text);

// Paths are compared as the system compares them, case ignored.
bool samePadKey(const char* a, const char* b);

bool isKnownTwin(const PadPlaces& places, const char* key);
// Remembers a twin while fewer than kMaxPadTwins are; one that does not
// fit is simply checked again at the next listing.
void rememberTwin(PadPlaces& places, const PadIdentity& twin);

// What a listed controller is to the places.
constexpr int8_t kNewPad = -1;   // unknown: the next free index, if any
constexpr int8_t kLeftOut = -2;  // a known twin, or listed twice

// For each of `listedCount` listed controllers (at most kMaxListedPads),
// its place among the first `placeCount`, or kNewPad or kLeftOut.
// `candidates` has a bit per place that DirectInput serves. A controller
// whose key a place holds takes it; otherwise one of the same product
// takes the first candidate place whose controller is not listed, so a pad
// back under a new identity does not use up a place; else it is new.
void matchListedPads(const PadPlaces& places, int placeCount, uint32_t candidates,
                     const PadIdentity* listed, int listedCount, int8_t* placeOfListed);

// The order of the pads seen at the last run, by place.
struct PadOrder {
    PadIdentity pads[kMaxJoysticks];
    int32_t count;
};

// Orders `listedCount` listed controllers for the start: those the
// remembered order names in that order, the others after them in listing
// order. Writes listing indexes into `order` and returns their count.
int orderByMemory(const PadOrder& memory, const PadIdentity* listed, int listedCount,
                  int8_t* order);

}  // namespace tarvik
