// The settings file "mindgrid.cfg": its record is its first 16 bytes, whatever they hold and
// whatever follows; a shorter file holds none. The record written reads as the same record.

#include "frame/core/config.h"
#include "tests/fuzz/fuzz_check.h"

#include <algorithm>

GRILPAD_FUZZ_TARGET {
    const std::string_view bytes = fuzzBytes(data, size);
    const auto record = parseConfig(bytes);
    fuzzCheck(record.has_value() == (bytes.size() >= configRecordSize),
              "a record was read from fewer than 16 bytes, or none from 16 or more");
    if (!record) return 0;
    fuzzCheck(std::equal(record->begin(), record->end(), reinterpret_cast<const unsigned char*>(bytes.data())),
              "the record is not the file's first 16 bytes");
    const std::string written = configBytes(*record);
    fuzzCheck(written.size() == configRecordSize && parseConfig(written) == record,
              "the written record reads as another record");
    return 0;
}
