#pragma once
// Following the program in front: which listed configuration belongs to a
// program, and which configuration should be in use while it has the focus.

#include <cstdint>

#include "config/CfgFileList.h"
#include "config/Configuration.h"
#include "platform/FileSystem.h"

namespace tarvik {

// A program text names the program at `imagePath` when the two paths are
// equal ignoring case (either slash, quotes around the text ignored), or,
// when the text has no directory, when the file names are equal. An empty
// text names no program.
bool programTextMatches(const char* programText, const char* imagePath);

struct FollowingState {
    bool on = false;
    char baseFile[kMaxPathLength] = {};     // what comes back for programs without one
    char currentFile[kMaxPathLength] = {};  // what is loaded now
    // Files that failed to load while following; each showed its message
    // once and is passed over from then on.
    char skipped[kMaxCfgFiles][kMaxPathLength] = {};
    int skippedCount = 0;
};

// The row whose program text names `imagePath`, passing over skipped files;
// -1 when none does.
int followedRow(const FollowingState& state, const CfgFileList& list, const char* imagePath);

// The file to load for the program at `imagePath` (null: a program that
// could not be identified), or false when what is loaded is already right.
bool fileToFollow(const FollowingState& state, const CfgFileList& list, const char* imagePath,
                  char (&file)[kMaxPathLength]);

// A load by hand: that configuration is in use and comes back from now on.
void chooseByHand(FollowingState& state, const char* file);

// After following loaded `file`; a failed load passes it over from now on.
void followedTo(FollowingState& state, const char* file, bool failed);

// `file` would not load, and what is in use stays: it is passed over from
// now on.
void passOver(FollowingState& state, const char* file);

// The balloon that says so: "could not load NAME: REASON", the reason being
// the load's own message on one line.
void loadProblemText(const char* file, const char* reason, char (&text)[256]);

// The tray tip: VersionString, and while following the record's name, cut
// to the 63 characters the tip holds.
void trayTip(const FollowingState& state, const ConfigHeader& header, char (&tip)[64]);

}  // namespace tarvik
