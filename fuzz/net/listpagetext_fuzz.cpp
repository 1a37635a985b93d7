// SPDX-License-Identifier: MIT
// A list page as any server might send it: preparing it for the viewer never
// fails, and what it gives the viewer stays within its bound however the
// page is built.
#include <QString>
#include <cstdint>
#include <cstdlib>

#include "online/listpagetext.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString page = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QString prepared = ListPageText::prepare(page);
    // Every added character is a break after kMaxRun others, or the cut note.
    const qsizetype bound = page.size() + page.size() / ListPageText::kMaxRun + 64;
    if (prepared.size() > bound)
        std::abort();
    return 0;
}
