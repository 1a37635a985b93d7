// SPDX-License-Identifier: MIT
// Any bytes in the tally file either load as a table of 9 columns and 12
// rows that saves back and reloads to the same text, or fail with one of
// the two error types the loader reports. Nothing else may happen.
#include <cstdint>
#include <cstdlib>

#include "core/compress/compressorerror.h"
#include "core/tally/tallyfile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const TallyTable table = TallyFile::decode({data, size}, "fuzz.tld");
        const std::string saved = TallyFile::encode(table);
        const TallyTable again =
            TallyFile::decode({reinterpret_cast<const uint8_t*>(saved.data()), saved.size()}, "fuzz.tld");
        if (again.toText() != table.toText())
            std::abort();
    } catch (const CompressorError&) {
    } catch (const TallyTable::ParseError&) {
    }
    return 0;
}
