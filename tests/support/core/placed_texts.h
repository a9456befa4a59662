#pragma once
// Where a recording canvas drew its texts, for print tests.

#include "platform/core/canvas.h"

#include <functional>
#include <string>
#include <tuple>
#include <vector>

// (text, x, y, page from 1)
using Placed = std::tuple<std::string, int, int, int>;

// Every text drawn that `keep` accepts (all when none is given), in drawing order.
inline std::vector<Placed> placedTexts(const RecordingCanvas& canvas,
                                       const std::function<bool(const RecordingCanvas::Operation&)>& keep = {}) {
    std::vector<Placed> placed;
    int page = 1;
    for (const auto& op : canvas.operations()) {
        if (op.kind == RecordingCanvas::Kind::NewPage) ++page;
        if (op.kind == RecordingCanvas::Kind::Text && (!keep || keep(op)))
            placed.emplace_back(op.text, op.left, op.top, page);
    }
    return placed;
}
