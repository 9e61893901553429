#pragma once

// The scroll state a skinned scroll bar keeps for itself, and the codes it reports with.

// Parts of the bar share their numbers with the scroll notification codes; 4 exists only as a
// notification (a drag has ended).
namespace ScrollCode {
enum : int {
    NoPart = -1,
    LineUp = 0,
    LineDown = 1,
    PageUp = 2,
    PageDown = 3,
    ThumbPosition = 4,
    ThumbTrack = 5,
};
}

struct ScrollInfo {
    // Which fields a set or get request carries.
    enum Field : unsigned {
        Range = 0x1,
        Page = 0x2,
        Position = 0x4,
        TrackPosition = 0x10,
        All = Range | Page | Position | TrackPosition,
    };

    unsigned mask = All;
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;
    int trackPosition = -1; // -1: no drag in progress
};
