#include "input/PadPlaces.h"

#include <cstring>

namespace tarvik {

namespace {

char upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

int placeWithKey(const PadPlaces& places, int placeCount, uint32_t candidates, const char* key) {
    for (int d = 0; d < placeCount; ++d) {
        if ((candidates & (1u << d)) != 0 && samePadKey(places.places[d].key, key)) return d;
    }
    return -1;
}

}  // namespace

bool setPadKey(PadIdentity& identity, const char* text) {
    identity.key[0] = '\0';
    if (text == nullptr) return false;
    const size_t length = std::strlen(text);
    if (length == 0 || length >= sizeof identity.key) return false;
    std::memcpy(identity.key, text, length + 1);
    return true;
}

bool samePadKey(const char* a, const char* b) {
    if (a[0] == '\0' || b[0] == '\0') return false;
    while (*a != '\0' && upper(*a) == upper(*b)) {
        ++a;
        ++b;
    }
    return *a == '\0' && *b == '\0';
}

bool isKnownTwin(const PadPlaces& places, const char* key) {
    for (int t = 0; t < places.twinCount && t < kMaxPadTwins; ++t) {
        if (samePadKey(places.twins[t].key, key)) return true;
    }
    return false;
}

void rememberTwin(PadPlaces& places, const PadIdentity& twin) {
    if (twin.key[0] == '\0' || isKnownTwin(places, twin.key)) return;
    if (places.twinCount < 0) places.twinCount = 0;
    if (places.twinCount >= kMaxPadTwins) return;
    places.twins[places.twinCount++] = twin;
}

void matchListedPads(const PadPlaces& places, int placeCount, uint32_t candidates,
                     const PadIdentity* listed, int listedCount, int8_t* placeOfListed) {
    if (placeCount > kMaxJoysticks) placeCount = kMaxJoysticks;
    if (listedCount > kMaxListedPads) listedCount = kMaxListedPads;
    uint32_t claimed = 0;
    bool pending[kMaxListedPads] = {};
    // Every exact match first: a pad back under its own path must find its
    // place free of a same-product stand-in listed before it.
    for (int i = 0; i < listedCount; ++i) {
        placeOfListed[i] = kNewPad;
        if (isKnownTwin(places, listed[i].key)) {
            placeOfListed[i] = kLeftOut;
            continue;
        }
        const int d = placeWithKey(places, placeCount, candidates, listed[i].key);
        if (d < 0) {
            pending[i] = true;
        } else if ((claimed & (1u << d)) != 0) {
            placeOfListed[i] = kLeftOut;
        } else {
            claimed |= 1u << d;
            placeOfListed[i] = static_cast<int8_t>(d);
        }
    }
    for (int i = 0; i < listedCount; ++i) {
        if (!pending[i] || listed[i].product == 0) continue;
        for (int d = 0; d < placeCount; ++d) {
            const uint32_t bit = 1u << d;
            if ((candidates & bit) == 0 || (claimed & bit) != 0) continue;
            if (places.places[d].product != listed[i].product) continue;
            claimed |= bit;
            placeOfListed[i] = static_cast<int8_t>(d);
            break;
        }
    }
}

int orderByMemory(const PadOrder& memory, const PadIdentity* listed, int listedCount,
                  int8_t* order) {
    if (listedCount > kMaxListedPads) listedCount = kMaxListedPads;
    bool taken[kMaxListedPads] = {};
    int count = 0;
    const int remembered =
        memory.count < 0 ? 0 : (memory.count > kMaxJoysticks ? kMaxJoysticks : memory.count);
    for (int r = 0; r < remembered; ++r) {
        for (int i = 0; i < listedCount; ++i) {
            if (!taken[i] && samePadKey(memory.pads[r].key, listed[i].key)) {
                taken[i] = true;
                order[count++] = static_cast<int8_t>(i);
                break;
            }
        }
    }
    for (int i = 0; i < listedCount; ++i) {
        if (!taken[i]) order[count++] = static_cast<int8_t>(i);
    }
    return count;
}

}  // namespace tarvik
