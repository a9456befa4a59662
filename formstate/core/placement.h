#pragma once
// The placement of a form's window under its keys of an ini section.
//
// Keys: "Flags", "ShowCmd" (1 normal, 2 minimised, 3 maximised),
// "PixelsPerInch" (the screen's logical dpi), "MinMaxPos" and "NormPos", each
// written twice: once followed by the screen suffix of the primary screen
// ("NormPos(1024x768)") and once alone. NormPos is the normal geometry as
// left, top, left + width, top + height. The window system places minimised
// and maximised windows itself, so MinMaxPos is written as -1,-1,-1,-1 and read
// but not applied.

#include "formstate/core/ini_file.h"

#include <string>
#include <string_view>
#include <vector>

namespace formstate {

struct PlacementPoint {
    int x = -1;
    int y = -1;
    bool operator==(const PlacementPoint&) const = default;
};

struct PlacementRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool operator==(const PlacementRect&) const = default;
};

struct FrameMargins {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const FrameMargins&) const = default;
};

namespace showCmd {
inline constexpr int hidden = 0;
inline constexpr int normal = 1;
inline constexpr int minimised = 2;
inline constexpr int maximised = 3;
}  // namespace showCmd

// A window's placement record.
struct WindowPlacement {
    int flags = 0;
    int showCmd = showCmd::normal;
    PlacementPoint minPosition;
    PlacementPoint maxPosition;
    PlacementRect normal;
    bool operator==(const WindowPlacement&) const = default;
};

enum class WindowState { Normal, Minimised, Maximised };

// The window of a form, as the placement routines see it.
class PlacementForm {
public:
    virtual ~PlacementForm() = default;

    // The placement now: flags 0, the show command of the state, the normal geometry.
    virtual WindowPlacement placement() const = 0;
    // Gives the window the normal geometry of `placement`.
    virtual void setPlacement(const WindowPlacement& placement) = 0;
    virtual WindowState windowState() const = 0;
    virtual void setWindowState(WindowState state) = 0;

    // The program's main form (or there is none yet).
    virtual bool isMainForm() const = 0;
    virtual bool applicationMinimised() const { return false; }
    // A document window inside a frame, and such a frame.
    virtual bool isChildWindow() const { return false; }
    virtual bool isFrameWindow() const { return false; }
    // Left for the window system to place.
    virtual bool hasDefaultPosition() const { return false; }
    // Placed at the centre of the screen by its design; such a form then keeps its designed place.
    virtual bool isCentred() const { return false; }
    virtual void useDesignedPosition() {}
    virtual bool isVisible() const = 0;
    // The user may change its size.
    virtual bool isSizeable() const { return true; }
    // left, top, left + width, top + height now.
    virtual PlacementRect bounds() const = 0;

    virtual int screenPixelsPerInch() const = 0;
    // The primary screen's size in pixels, and the free area (without
    // panels) of every screen, the primary screen's first.
    virtual int screenWidth() const = 0;
    virtual int screenHeight() const = 0;
    virtual std::vector<PlacementRect> freeAreas() const = 0;
    // What the window system's frame (title bar and borders) adds around
    // the window's normal rectangle on each side.
    virtual FrameMargins frameMargins() const = 0;
};

// Writes Flags, ShowCmd, PixelsPerInch, MinMaxPos and NormPos.
void writeFormPlacement(const PlacementForm& form, IniFile* ini, std::string_view section);

// Reads the placement back: the position (NormPos, unless PixelsPerInch
// differs from the screen's) when `loadPosition`, the state when `loadState`.
// A rectangle with no positive width or height is not applied; any other is
// brought onto a screen by fitOnScreen. A stored minimised state opens the
// window normal.
void readFormPlacement(PlacementForm& form, IniFile* ini, std::string_view section, bool loadState,
                       bool loadPosition);

// The normal rectangle `rect` of a window moved, and cut when it is larger,
// so that the window with its frame lies whole in one free area: that of the
// screen where its top left corner is, else that of the screen it overlaps
// most, else the first one (the primary screen's). With `keepSize` the size
// stays and only the place changes (the top left corner stays in the area).
// Unchanged when there is no area that can hold the frame.
PlacementRect fitOnScreen(const PlacementRect& rect, const FrameMargins& frame,
                          const std::vector<PlacementRect>& areas, bool keepSize);

}  // namespace formstate
