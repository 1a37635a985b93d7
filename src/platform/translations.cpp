// SPDX-License-Identifier: MIT
#include "platform/translations.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <array>
#include <cstdint>

namespace {
const QString kCatalogue = QStringLiteral("pelbixsolo_");
const QString kEnglish = QStringLiteral("en");
// The program's own catalogue among the application's translators.
const QString kCatalogueObject = QStringLiteral("pelbixsolo_catalogue");

// The layout lrelease writes: a magic number, then blocks of a tag byte and
// a 32-bit big-endian length; each message is a run of tagged fields.
constexpr std::array<unsigned char, 16> kMagic = {0x3C, 0xB8, 0x64, 0x18, 0xCA, 0xEF, 0x9C, 0x95,
                                                  0xCD, 0x21, 0x1C, 0xBF, 0x60, 0xA1, 0xBD, 0xDD};
enum Block : unsigned char {
    kContexts = 0x2f,
    kHashes = 0x42,
    kMessages = 0x69,
    kNumerusRules = 0x88,
    kDependencies = 0x96,
    kLanguage = 0xa7,
};
enum Field : unsigned char {
    kEnd = 1,
    kTranslation = 3,
    kObsolete1 = 5,
    kSourceText = 6,
    kContext = 7,
    kComment = 8,
};

struct Bytes {
    const unsigned char* data;
    std::size_t size;

    [[nodiscard]] std::uint32_t be32(std::size_t at) const
    {
        return std::uint32_t(data[at]) << 24 | std::uint32_t(data[at + 1]) << 16 | std::uint32_t(data[at + 2]) << 8
               | std::uint32_t(data[at + 3]);
    }
};

// Walks one message from its offset to its end field, as Qt reads it.
bool isWholeMessage(Bytes messages, std::size_t at)
{
    while (at < messages.size) {
        const unsigned char field = messages.data[at++];
        switch (field) {
        case kEnd:
            return true;
        case kObsolete1:
            if (messages.size - at < 4)
                return false;
            at += 4;
            break;
        case kTranslation:
        case kSourceText:
        case kContext:
        case kComment: {
            if (messages.size - at < 4)
                return false;
            const std::uint32_t length = messages.be32(at);
            at += 4;
            if (messages.size - at < length || (field == kTranslation && length % 2 != 0))
                return false;
            at += length;
            break;
        }
        default:
            return false;
        }
    }
    return false;
}

// Holds the checked bytes for as long as Qt reads them.
class CheckedCatalogue : public QTranslator {
public:
    CheckedCatalogue(QByteArray bytes, QObject* parent)
        : QTranslator(parent)
        , m_bytes(std::move(bytes))
    {
    }
    bool load() { return QTranslator::load(reinterpret_cast<const uchar*>(m_bytes.constData()), int(m_bytes.size())); }

private:
    QByteArray m_bytes;
};

QTranslator* installCatalogue(QCoreApplication& app, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > translations::kMaxCatalogueBytes)
        return nullptr;
    QByteArray bytes = file.read(translations::kMaxCatalogueBytes);
    if (!translations::isSoundCatalogue(bytes)) {
        qWarning("pelbixsolo: %s is damaged; it is not used", qUtf8Printable(path));
        return nullptr;
    }
    auto* translator = new CheckedCatalogue(std::move(bytes), &app);
    if (!translator->load() || !QCoreApplication::installTranslator(translator)) {
        delete translator;
        return nullptr;
    }
    return translator;
}
} // namespace

bool translations::isSoundCatalogue(const QByteArray& bytes)
{
    const Bytes file{reinterpret_cast<const unsigned char*>(bytes.constData()), std::size_t(bytes.size())};
    if (file.size < kMagic.size() || !std::equal(kMagic.begin(), kMagic.end(), file.data))
        return false;
    Bytes hashes{nullptr, 0};
    Bytes messages{nullptr, 0};
    std::size_t at = kMagic.size();
    // Qt stops at a block of tag or length zero, and so does the check.
    while (file.size - at >= 5) {
        const unsigned char tag = file.data[at];
        const std::uint32_t length = file.be32(at + 1);
        at += 5;
        if (tag == 0 || length == 0)
            break;
        if (file.size - at < length)
            return false;
        const Bytes block{file.data + at, length};
        switch (tag) {
        case kHashes:
            hashes = block;
            break;
        case kMessages:
            messages = block;
            break;
        case kLanguage:
        case kNumerusRules: // Qt checks the rules itself
            break;
        case kContexts:     // lrelease writes it only with -compress, which the build does not use
        case kDependencies: // would have Qt load further files named in this one
        default:
            return false;
        }
        at += length;
    }
    if (hashes.size % 8 != 0)
        return false;
    for (std::size_t entry = 0; entry < hashes.size; entry += 8) {
        if (!isWholeMessage(messages, hashes.be32(entry + 4)))
            return false;
    }
    return true;
}

QString translations::install(QCoreApplication& app, const QString& folder, const QStringList& uiLanguages)
{
    for (QString name : uiLanguages) {
        // The desktop says "de-AT", the catalogues are named "de_AT".
        name.replace(QLatin1Char('-'), QLatin1Char('_'));
        const QString language = name.section(QLatin1Char('_'), 0, 0);
        for (const QString& candidate : {name, language}) {
            if (candidate.isEmpty() || candidate.contains(QLatin1Char('/')))
                continue;
            const QString path = folder + QLatin1Char('/') + kCatalogue + candidate + QStringLiteral(".qm");
            // Only a plain file: reading a pipe put there would hang the start.
            QTranslator* catalogue = QFileInfo(path).isFile() ? installCatalogue(app, path) : nullptr;
            if (catalogue != nullptr) {
                catalogue->setObjectName(kCatalogueObject);
                // The standard buttons' texts come with Qt where installed.
                const QString qtFolder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
                const QString qtBase = qtFolder + QStringLiteral("/qtbase_") + language + QStringLiteral(".qm");
                if (QFileInfo(qtBase).isFile())
                    installCatalogue(app, qtBase);
                return candidate;
            }
        }
        if (language == kEnglish)
            return {};
    }
    return {};
}

QString translations::language()
{
    const QCoreApplication* app = QCoreApplication::instance();
    const auto* catalogue =
        app != nullptr ? app->findChild<QTranslator*>(kCatalogueObject, Qt::FindDirectChildrenOnly) : nullptr;
    return catalogue != nullptr ? catalogue->language() : QString();
}

QString translations::localizedFile(const QString& folder, const QString& name, const QString& catalogueLanguage)
{
    for (const QString& candidate : {catalogueLanguage, catalogueLanguage.section(QLatin1Char('_'), 0, 0)}) {
        // The language is read from the catalogue file: never a path.
        if (candidate.isEmpty() || candidate.contains(QLatin1Char('/')) || candidate.contains(QLatin1Char('\\'))
            || candidate.startsWith(QLatin1Char('.')))
            continue;
        const QString path = folder + QLatin1Char('/') + candidate + QLatin1Char('/') + name;
        if (QFileInfo::exists(path))
            return path;
    }
    return folder + QLatin1Char('/') + name;
}
