// The code page: any bytes taken as UTF-8 either convert to Windows-1250 and back to exactly
// themselves, or are refused; taken as Windows-1250 they always survive the way through UTF-8.

#include "platform/core/cp1250.h"
#include "tests/fuzz/fuzz_check.h"

GRILPAD_FUZZ_TARGET {
    const std::string_view bytes = fuzzBytes(data, size);

    if (const auto converted = cp1250::utf8ToCp1250(bytes)) {
        fuzzCheck(cp1250::cp1250ToUtf8(*converted) == bytes,
                  "UTF-8 that converted does not convert back to the same bytes");
    }

    const std::string utf8 = cp1250::cp1250ToUtf8(bytes);
    const auto back = cp1250::utf8ToCp1250(utf8);
    fuzzCheck(back.has_value(), "the UTF-8 of a Windows-1250 text is refused");
    fuzzCheck(*back == bytes, "a Windows-1250 text changed on its way through UTF-8");
    return 0;
}
