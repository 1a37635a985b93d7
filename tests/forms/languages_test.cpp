// SPDX-License-Identifier: MIT
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QTextEdit>
#include <QTranslator>

#include <cerrno>
#include <cstring>
#include <fstream>

#include "formsfixture.h"
#include "core/game/savedgamefile.h"
#include "core/history/historystore.h"
#include "core/settings/atomicfile.h"
#include "core/settings/fileerror.h"
#include "platform/translatedtext.h"
#include "forms/art/artwork.h"
#include "net/backgroundfetch.h"
#include "net/httpclient.h"
#include "net/updatesignature.h"
#include "online/listpagetext.h"
#include "online/postingwait.h"
#include "platform/dialogservice.h"
#include "platform/translations.h"
#include "support/eventwait.h"
#include "support/requestwait.h"
#include "support/scriptedhttpserver.h"

namespace {

void removeTranslators()
{
    for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

std::string bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll().toStdString() : std::string();
}

// What the program writes and sends, which no language may change.
struct DataTexts {
    std::string settings;
    std::string tally;
    std::string scorePost;
    std::string versionRequest;
    QString postingDate;
};

class LanguagesTest : public FormsFixture {
protected:
    LanguagesTest() { UpdateSignature::generate(publicKey, secretKey); }
    ~LanguagesTest() override { removeTranslators(); }

    ScriptedHttpServer server{[](ScriptedHttpServer::Connection& c) {
        const std::string request = c.readRequest();
        const bool version = request.find("version") != std::string::npos;
        c.send(ScriptedHttpServer::answer(200, "OK", version ? "1.0.2" : "<p>ok</p>"));
    }};
    UpdateSignature::PublicKey publicKey{};
    UpdateSignature::SecretKey secretKey{};

    std::string lastRequestFor(const std::string& prefix, std::size_t before) const
    {
        const auto all = server.requests();
        for (std::size_t i = all.size(); i > before; --i)
            if (all[i - 1].rfind(prefix, 0) == 0)
                return all[i - 1];
        return {};
    }

    // A whole session in one language: the update check, a game to its
    // end, its score posted, the settings and tally written on Exit.
    DataTexts session(const QString& desktopLanguage)
    {
        removeTranslators();
        translations::install(*qApp, QStringLiteral(PELBIX_QM_DIR), {desktopLanguage});
        QTemporaryDir home;
        std::ofstream(QDir(home.path()).filePath("pelbixsolo.ini").toStdString(), std::ios::binary)
            << "[pelbixsolo]\r\nServer=127.0.0.1:" << server.port() << "\r\nUpdate=true\r\nName=Ann\r\n";
        const std::size_t before = server.requests().size();
        DataTexts out;
        {
            ProgramWindows w(ProgramFolder::at(home.path()),
                             seams(UpdateSignature::hex(publicKey.data(), publicKey.size())));
            w.main.show();
            EXPECT_TRUE(waitUntil([&] { return !lastRequestFor("GET /pelbixsolo/", before).empty(); }));
            endGame(w);
            click(widget(w, "button_sendscore"));
            EXPECT_TRUE(waitUntil([&] { return w.highscore.isVisible(); }));
            w.main.close();
        }
        out.settings = bytesOf(QDir(home.path()).filePath("pelbixsolo.ini"));
        out.tally = bytesOf(ProgramFolder::at(home.path()).tallyFile(QStringLiteral("pelbixsolo")));
        out.scorePost = lastRequestFor("GET /cgi-bin/", before);
        out.versionRequest = lastRequestFor("GET /pelbixsolo/", before);
        out.postingDate = PostingWait::postingDate(QDate(2026, 3, 7), QLocale::system());
        return out;
    }
};

TEST_F(LanguagesTest, FilesAndRequestsAreTheSameInEveryLanguage)
{
    const DataTexts english = session(QStringLiteral("en-US"));
    ASSERT_NE(english.settings.find("Name=Ann"), std::string::npos);
    ASSERT_FALSE(english.tally.empty());
    ASSERT_NE(english.scorePost.find("score=10000"), std::string::npos);
    ASSERT_FALSE(english.versionRequest.empty());
    for (const char* language : {"de-DE", "fr-FR", "es-ES", "en-XA"}) {
        SCOPED_TRACE(language);
        const DataTexts other = session(QString::fromLatin1(language));
        EXPECT_FALSE(translations::language().isEmpty()) << "the catalogue was not installed";
        EXPECT_EQ(other.settings, english.settings);
        EXPECT_EQ(other.tally, english.tally);
        EXPECT_EQ(other.scorePost, english.scorePost);
        EXPECT_EQ(other.versionRequest, english.versionRequest);
        EXPECT_EQ(other.postingDate, english.postingDate);
    }
}

TEST_F(LanguagesTest, AGermanDesktopShowsTheGameInGerman)
{
    const QImage englishCard = artwork::scoreCardPicture().toImage();
    translations::install(*qApp, QStringLiteral(PELBIX_QM_DIR), {QStringLiteral("de-DE")});
    EXPECT_NE(artwork::scoreCardPicture().toImage(), englishCard) << "a painted card kept its English words";
    ProgramWindows w(programFolder(), seams());
    w.main.show();
    // The name follows the translated lead as typed: never a placeholder.
    w.main.findChild<QLineEdit*>("edit_name")->setText(QStringLiteral("%1 %n"));
    click(widget(w, "button_start"));
    const auto text = [&](QWidget& window, const char* name) {
        const auto* label = window.findChild<QLabel*>(name);
        return label != nullptr ? label->text() : QString();
    };
    EXPECT_EQ(text(w.main, "label_entername"), QStringLiteral("Gib deinen Namen ein"));
    EXPECT_EQ(text(w.main, "label_name"), QStringLiteral("Viel Glück, %1 %n"));
    EXPECT_EQ(text(w.tallylist, "caption_1"), QStringLiteral("Spiele gesamt:"));
    EXPECT_EQ(w.help.windowTitle(), QStringLiteral("Pelbix Solo - Hilfe"));
    const auto* page = w.help.findChild<QTextEdit*>("memo3");
    ASSERT_NE(page, nullptr);
    EXPECT_TRUE(page->toPlainText().startsWith(QStringLiteral("Spielablauf"))) << "the German help page";
}

// The reasons after a translated lead, from the network and from the
// core's files: the sentence in German, what the system said kept as it came.
TEST_F(LanguagesTest, FailureDetailsAreShownInGerman)
{
    translations::install(*qApp, QStringLiteral(PELBIX_QM_DIR), {QStringLiteral("de-DE")});
    const auto reasonFor = [](const std::string& url) {
        HttpClient cli;
        cli.URL = QString::fromStdString(url);
        finishRequest(cli, &HttpClient::GetAsync);
        return cli.ReasonPhrase();
    };
    const std::string missing = file(QStringLiteral("none/x")).toStdString();
    const QString missingShown = QString::fromStdString(missing);
    const auto writeFailure = [&] {
        try {
            AtomicFile::replace(missing, "x");
        } catch (const FileError& e) {
            return translated(e.message());
        }
        return QString();
    };
    HistoryGame game;
    SavedGameFile saved(file(QString()).toStdString());
    std::ofstream(saved.path(), std::ios::binary) << "pelbixsolo saved game 1\ngenerator 1\nround x\n";
    const QString aside = QString::fromStdString((saved.path().parent_path() / SavedGameFile::kDamagedName).string());
    const struct {
        QString shown;
        QString german;
    } cases[] = {
        {reasonFor("http://127.0.0.1:" + std::to_string(ScriptedHttpServer::closedPort()) + "/x"),
         QStringLiteral("Verbindung abgelehnt (Fehler Nr. 10061)")},
        {reasonFor("http:///x"), QStringLiteral("DNS-Abfrage: ungültiger Hostname.")},
        {writeFailure(), QStringLiteral("Im Ordner von %1 lässt sich keine Datei anlegen (%2)")
                             .arg(missingShown, QString::fromLocal8Bit(std::strerror(ENOENT)))},
        {translated(HistoryStore(missing).record(game)),
         QStringLiteral("Der Spielverlauf %1 konnte nicht geöffnet werden: unable to open database file.").arg(missingShown)},
        {translated(saved.load().problem),
         QStringLiteral("Spielstand: ungültiger Wert für Runde\nDie Datei wurde als %1 beiseitegelegt.").arg(aside)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, c.german);
}

// A catalogue is a file anyone who can write beside the program may swap;
// what it says is shown as text, never read as markup, on the HTML pages.
TEST(TranslatedTexts, AreTextOnTheHighScorePage)
{
    class MarkupCatalogue : public QTranslator {
    public:
        QString translate(const char*, const char*, const char*, int) const override
        {
            return QStringLiteral("<img src=\"file:///etc/passwd\"> & more");
        }
    } markup;
    QCoreApplication::installTranslator(&markup);
    QString table = QStringLiteral("<table>");
    for (int i = 0; i < ListPageText::kMaxShownCells + 1; ++i)
        table += QStringLiteral("<td>1</td>");
    const QString cut = ListPageText::prepare(table);
    QCoreApplication::removeTranslator(&markup);
    EXPECT_TRUE(cut.endsWith(QStringLiteral("<p>&lt;img src=&quot;file:///etc/passwd&quot;&gt; &amp; more</p>")))
        << cut.right(80).toStdString();
}

// An error box shows its message, file names and catalogue texts included,
// as written: markup in it is never rendered.
TEST(TranslatedTexts, AreTextInMessageBoxes)
{
    QTimer look;
    Qt::TextFormat format = Qt::RichText;
    QObject::connect(&look, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            format = box->textFormat();
            box->reject();
        }
    });
    look.start(0);
    DialogService::messageBoxes().error(nullptr, QStringLiteral("<img src=\"file:///etc/passwd\"> & more"));
    EXPECT_EQ(format, Qt::PlainText);
}

} // namespace
