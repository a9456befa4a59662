#include "document/core/grid_sheets.h"

namespace gridsheets {

bool setBlackBorder(Workbook& book, int outline, int left, int right, int top, int bottom) {
    return book.setBorder(outline, left, right, top, bottom, 0, colors::black, colors::black, colors::black,
                          colors::black, colors::black);
}

bool fillBlankAndFilled(Workbook& book, std::string_view blankName, std::string_view filledName,
                        const std::function<bool(bool filled)>& fill) {
    bool ok = book.setSheetName(1, blankName) && book.setSheetName(2, filledName);
    ok = book.setCurrentSheet(2) && fill(true) && ok;
    ok = book.setCurrentSheet(1) && fill(false) && ok;
    return book.setCurrentSheet(2) && book.selectCell("A1") && ok;
}

}  // namespace gridsheets
