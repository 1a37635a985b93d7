// SPDX-License-Identifier: MIT
// A catalogue the check accepts must be one Qt can read every text of:
// under ASan, any read outside the bytes is a finding.
#include <QTranslator>

#include <cstddef>
#include <cstdint>

#include "platform/translations.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > std::size_t(translations::kMaxCatalogueBytes))
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    if (!translations::isSoundCatalogue(bytes))
        return 0;
    QTranslator translator;
    if (!translator.load(reinterpret_cast<const uchar*>(bytes.constData()), int(bytes.size())))
        return 0;
    // The seeds' own texts, so the lookups reach their messages.
    for (const char* source : {"Confirm", "Error", "Cancel"}) {
        (void)translator.translate("DialogService", source);
        (void)translator.translate("DialogService", source, nullptr, 2);
    }
    (void)translator.language();
    return 0;
}
