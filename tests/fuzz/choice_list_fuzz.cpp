// Choice files ("osmslov.sav", "krislov.sav"): every name read is a plain dictionary name within
// its length, so no name leads out of the program folder, and the names written back read as
// the same table.

#include "stores/core/word_stores.h"
#include "tests/fuzz/fuzz_check.h"

GRILPAD_FUZZ_TARGET {
    const std::string_view bytes = fuzzBytes(data, size);
    const DictionaryNameTable names = parseChoiceList(bytes);
    fuzzCheck(names.size() <= lineCountOf(bytes), "more names than lines were read");
    for (const std::string& name : names) {
        fuzzCheck(isPlainDictionaryName(name), "a name that is no plain dictionary name was read");
        fuzzCheck(name.size() <= kDictionaryNameLength, "a name longer than 255 characters was kept");
    }
    fuzzCheck(choiceListLines(names).size() == names.size(), "the writer drops a name the reader kept");
    fuzzCheck(parseChoiceList(writtenBytes(choiceListLines(names))) == names,
              "the written choice file reads as other names");
    return 0;
}
