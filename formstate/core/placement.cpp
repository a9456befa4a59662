#include "formstate/core/placement.h"

#include "formstate/core/ini_routines.h"

#include "platform/core/textfile.h"

#include <algorithm>
#include <cstdint>
#include <array>

namespace formstate {

namespace {

constexpr std::string_view wordDelimiters = " ,";

std::string fourNumbers(int a, int b, int c, int d) {
    return std::to_string(a) + "," + std::to_string(b) + "," + std::to_string(c) + "," + std::to_string(d);
}

// Words 1 to 4 as numbers; a missing word or one that is no 32-bit number gives its default.
std::array<int, 4> fourWords(std::string_view text, const std::array<int, 4>& defaults) {
    std::array<int, 4> result = defaults;
    for (int i = 0; i < 4; ++i)
        if (const auto value = parseNumber(extractWord(i + 1, text, wordDelimiters), INT32_MIN, INT32_MAX))
            result[static_cast<std::size_t>(i)] = static_cast<int>(*value);
    return result;
}

}  // namespace

void writeFormPlacement(const PlacementForm& form, IniFile* ini, std::string_view section) {
    WindowPlacement placement = form.placement();
    if (form.isMainForm() && form.applicationMinimised()) placement.showCmd = showCmd::minimised;
    if (form.isChildWindow() && form.windowState() == WindowState::Minimised) placement.flags += 1;
    iniPutInteger(ini, section, "Flags", placement.flags);
    iniPutInteger(ini, section, "ShowCmd", placement.showCmd);
    iniPutInteger(ini, section, "PixelsPerInch", form.screenPixelsPerInch());
    const std::string suffix = screenSuffix(form.screenWidth(), form.screenHeight());
    writeScreenString(ini, section, "MinMaxPos", suffix,
                      fourNumbers(placement.minPosition.x, placement.minPosition.y, placement.maxPosition.x,
                                  placement.maxPosition.y));
    const PlacementRect& r = placement.normal;
    writeScreenString(ini, section, "NormPos", suffix, fourNumbers(r.left, r.top, r.right, r.bottom));
}

PlacementRect fitOnScreen(const PlacementRect& rect, const FrameMargins& frame,
                          const std::vector<PlacementRect>& areas, bool keepSize) {
    // Worked out in 64 bits: the rectangle comes from a file.
    using Wide = std::int64_t;
    const Wide left = Wide{rect.left} - frame.left;
    const Wide top = Wide{rect.top} - frame.top;
    const Wide right = Wide{rect.right} + frame.right;
    const Wide bottom = Wide{rect.bottom} + frame.bottom;
    const auto overlap = [&](const PlacementRect& area) {
        const Wide width = std::min<Wide>(right, area.right) - std::max<Wide>(left, area.left);
        const Wide height = std::min<Wide>(bottom, area.bottom) - std::max<Wide>(top, area.top);
        return width > 0 && height > 0 ? width * height : Wide{0};
    };
    // The screen where the window starts (its top left corner), else the one
    // it overlaps most, else the first.
    const PlacementRect* chosen = nullptr;
    for (const PlacementRect& area : areas)
        if (rect.left >= area.left && rect.left < area.right && rect.top >= area.top && rect.top < area.bottom) {
            chosen = &area;
            break;
        }
    if (!chosen)
        for (const PlacementRect& area : areas)
            if (!chosen || overlap(area) > overlap(*chosen)) chosen = &area;
    if (!chosen || chosen->width() <= frame.left + frame.right || chosen->height() <= frame.top + frame.bottom)
        return rect;
    const PlacementRect& area = *chosen;

    const Wide width = keepSize ? right - left : std::min<Wide>(right - left, area.width());
    const Wide height = keepSize ? bottom - top : std::min<Wide>(bottom - top, area.height());
    // A window larger than the area keeps its top left corner in it.
    const Wide outerLeft = std::max<Wide>(area.left, std::min<Wide>(left, Wide{area.right} - width));
    const Wide outerTop = std::max<Wide>(area.top, std::min<Wide>(top, Wide{area.bottom} - height));
    const auto inside = [](Wide v) { return static_cast<int>(v); };
    return {inside(outerLeft + frame.left), inside(outerTop + frame.top), inside(outerLeft + width - frame.right),
            inside(outerTop + height - frame.bottom)};
}

void readFormPlacement(PlacementForm& form, IniFile* ini, std::string_view section, bool loadState,
                       bool loadPosition) {
    if (!loadState && !loadPosition) return;
    WindowPlacement placement = form.placement();
    if (!form.isVisible()) placement.showCmd = showCmd::hidden;

    if (loadPosition) {
        const std::string suffix = screenSuffix(form.screenWidth(), form.screenHeight());
        bool found = false;
        placement.flags = iniGetInteger(ini, section, "Flags", placement.flags);
        const std::string minMax = readScreenString(ini, section, "MinMaxPos", suffix);
        if (!minMax.empty()) {
            const auto p = fourWords(minMax, {0, 0, 0, 0});
            placement.minPosition = {p[0], p[1]};
            placement.maxPosition = {p[2], p[3]};
            found = true;
        }
        const std::string normal = readScreenString(ini, section, "NormPos", suffix);
        if (!normal.empty()) {
            const PlacementRect now = form.bounds();
            const auto r = fourWords(normal, {now.left, now.top, now.right, now.bottom});
            placement.normal = {r[0], r[1], r[2], r[3]};
            found = true;
        }
        if (iniGetInteger(ini, section, "PixelsPerInch", form.screenPixelsPerInch()) != form.screenPixelsPerInch())
            found = false;
        if (found) {
            PlacementRect& r = placement.normal;
            // The numbers come from the file: sizes are worked out in 64 bits,
            // and a rectangle that 32 bits cannot hold is as unusable as one
            // without a positive width or height.
            std::int64_t width = std::int64_t{r.right} - r.left;
            std::int64_t height = std::int64_t{r.bottom} - r.top;
            if (!form.isSizeable()) {
                const PlacementRect now = form.bounds();
                width = now.width();
                height = now.height();
            }
            const auto fits = [](std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; };
            if (width > 0 && height > 0 && width <= INT32_MAX && height <= INT32_MAX && fits(r.left + width) &&
                fits(r.top + height)) {
                r.right = static_cast<int>(r.left + width);
                r.bottom = static_cast<int>(r.top + height);
                if (form.isCentred()) form.useDesignedPosition();
                r = fitOnScreen(r, form.frameMargins(), form.freeAreas(), !form.isSizeable());
                form.setPlacement(placement);
            }
        }
    }

    if (loadState) {
        WindowState state = WindowState::Normal;
        if (form.isMainForm() && (form.isFrameWindow() || form.hasDefaultPosition())) state = WindowState::Maximised;
        switch (iniGetInteger(ini, section, "ShowCmd", showCmd::hidden)) {
            case 1: case 5: case 9:
            // A window never opens minimised: the user would not find it.
            case 2: case 6: case 7:
                state = WindowState::Normal;
                break;
            case 3:
                state = WindowState::Maximised;
                break;
            default:
                break;
        }
        form.setWindowState(state);
    }
}

}  // namespace formstate
