// SPDX-License-Identifier: MIT
#pragma once
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "core/game/board.h"
#include "core/game/facesource.h"
#include "core/game/game.h"
#include "core/history/historyrecorder.h"
#include "core/settings/settings.h"
#include "platform/programfolder.h"

class QAction;
class QMenu;
class BoardKeys;
class BoardAccessibility;
class QLabel;
class QTimer;
class SoundSink;
class DialogService;
class LimitedEdit;
class FlatPanel;
class PictureBox;
class ClickableLabel;
class WebAddress;
class UrlOpener;
class PostingWait;
class BackgroundFetch;
class UpdateFlow;
class AboutWindow;
class HelpWindow;
class HighScoreWindow;
class MultiplayerWindow;
class TallyListWindow;
class TallyModel;
class InstanceLock;
class SavedGameFile;

// Where the main window's cues, faces and message boxes go; the real player,
// generator and boxes when null.
struct MainWindowSeams {
    SoundSink* sounds = nullptr;
    FaceSource* faces = nullptr;
    DialogService* dialogs = nullptr; // the message boxes when null
    // The hex public key installers must be signed with, in place of the one
    // built in; an empty key turns self-update off.
    std::optional<std::string> updateKeyHex = std::nullopt;
    // Opens the addresses of the about, multiplayer and high-score windows;
    // the desktop's when null.
    UrlOpener* urls = nullptr;
};

// The main window: the board, the game it shows, the settings, the pop-up
// panels and the only menu bar. It is the game's Board: the round flow in
// Game decides, this window shows and plays.
class MainWindow : public QMainWindow, private Board {
    Q_OBJECT
public:
    // folder: where the settings and downloads live, decided at start-up.
    explicit MainWindow(const ProgramFolder& folder, MainWindowSeams seams = {}, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The program's tally the game reports into, saved when this window
    // closes; reports go nowhere until it is set, nor once it is gone.
    void setTally(TallyModel* tally);

    // The secondary windows the menu shows, created after this one and not
    // owned by it: a window that is gone is not shown.
    struct Windows {
        QPointer<AboutWindow> about;
        QPointer<HelpWindow> help;
        QPointer<HighScoreWindow> highscore;
        QPointer<TallyListWindow> tallylist;
        QPointer<MultiplayerWindow> multiplayer;
    };
    void setWindows(const Windows& windows);

    // Shell commands of the menu bar and the board.
    void onExit();
    void onHelp();
    void onAbout();
    void onTallyList();
    void onViewHighScoreList();
    void onMultiplayer();
    void onKeyboardShortcuts();
    void onLogo();
    void onCancel();

    // Posting a finished game's score.
    void onSendScore();
    void onHighScoresButton();
    void onPostingTick();

    // The update check and self-update; the flow itself is UpdateFlow.
    void judgeVersionAnswer(QObject* Sender, const QByteArray& Result);
    void onUpdateYes();
    void onUpdateCancel();
    [[nodiscard]] UpdateFlow& updateFlow() const { return *m_update; }
    [[nodiscard]] PostingWait& postingWait() const { return *m_posting; }
    // Seams for tests: the program file the update moves aside, and how the
    // process ends once the installer runs.
    void setProgramFile(const QString& path);
    void setProcessEnd(std::function<void(int)> end);
    [[nodiscard]] BackgroundFetch* versionFetch() const;

    const QString productkey = QString::fromLatin1(kProductKey.data(), kProductKey.size());

    // Board events, forwarded to the game.
    void onStartButton();
    void onStartGame();
    void onRoll();
    void onDieClicked(PictureBox* sender);
    void onBankClicked();
    void onScoreRecordedBadge(ClickableLabel* sender);
    void onPauseElapsed();

    // Settings and window lifecycle.
    void loadSettings();
    // Writes the seven keys from the live state; false (after telling the
    // player which file) when the file cannot be written.
    bool saveSettings();
    void onPlaySounds();
    void onUpdateCheck();
    // The player's choice of look: painted at once and kept in the settings.
    void onHighContrast(bool on);
    void onResetScreenLocation();
    void onChangeName();
    void onNameDone();
    void onNameCancel();

    [[nodiscard]] const Game& game() const { return m_game; }
    // The game an earlier run left in progress: offered to go on with, or
    // a damaged file reported. Runs once, when the window first shows.
    void offerResume();
    [[nodiscard]] HistoryRecorder& historyRecorder() { return m_history; }
    // Where this window's message boxes go; the other windows share it.
    [[nodiscard]] DialogService& dialogs() const { return m_dialogs; }
    [[nodiscard]] QString settingsPath() const;
    [[nodiscard]] const ProgramFolder& programFolder() const { return m_folder; }
    // The settings as last read; the Server key among them.
    [[nodiscard]] const Settings& loadedSettings() const { return m_loaded; }
    [[nodiscard]] QString playerNameText() const;

    // The window's outer bounds: frame included where a window manager draws one.
    [[nodiscard]] QRect outerBounds() const;
    void setOuterBounds(int left, int top, int width, int height);

    QAction* m_playSounds = nullptr;
    QAction* m_updateCheck = nullptr;
    QAction* m_highContrast = nullptr;

signals:
    // Each status line the update panel shows, in order.
    void updateStatusChanged(const QString& text);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Board
    void setRoundText(int round, const std::string& text) override;
    void setTotalText(const std::string& text) override;
    void setBankedText(const std::string& text) override;
    void setFinalScoreText(const std::string& text) override;
    void setGreetingText(const std::string& text) override;
    void setShown(BoardPart part, bool shown) override;
    void bringToFront(BoardPart part) override;
    void markTurn(int round) override;
    void placeDie(int die, DiePlace place) override;
    void showFace(int die, int face) override;
    void playCue(const std::string& name) override;
    void showMessage(const std::string& text) override;
    void startPauseTimer(int milliseconds) override;
    void stopPauseTimer() override;
    [[nodiscard]] std::string playerName() const override;

    void startUp();
    void onFirstShow();
    void onClosing();
    void onResized();
    void restorePlacement();

    void buildBoard();
    void buildClearedPanel();
    void buildNamePanel();
    void buildUpdatePanel();
    void wireOnlineFlows(const MainWindowSeams& seams);
    void setUpdateStatus(const QString& text);
    [[nodiscard]] QString serverOrigin() const;
    void buildMenu();
    // A checked option whose click handler toggles it and saves the settings.
    QAction* addSavedOption(QMenu* menu, const QString& caption, const QString& name, void (MainWindow::*click)());
    void toggleAndSave(QAction* option);
    [[nodiscard]] QWidget* widgetOf(BoardPart part) const;

    // Forwards the game's reports to the program's tally while there is one.
    class TallyForwarder : public TallyReports {
    public:
        void setTarget(TallyModel* target);
        void increment(int column) override;
        void keepHighest(int column, int value) override;
        bool enterGame(int score, const std::string& name) override;
        void addTo(int column, int amount) override;
        void gameFinished() override;
        void save();

    private:
        QPointer<TallyModel> m_target;
    };

    struct Placement {
        int top;
        int left;
        int width;
        int height;
    };

    ProgramFolder m_folder;
    std::unique_ptr<SoundSink> m_ownSounds;
    SoundSink* m_sounds;
    DiceGenerator m_dice;
    FaceSource* m_faces;
    HistoryRecorder m_history{*m_faces}; // sees every face and move of the game
    DialogService& m_dialogs;
    TallyForwarder m_tally;
    Game m_game;
    std::unique_ptr<InstanceLock> m_lock;
    std::unique_ptr<SavedGameFile> m_saved; // the game in progress on disk
    Windows m_windows;
    Settings m_loaded;
    Placement m_remembered{Settings::kDefaultTop, Settings::kDefaultLeft, Settings::kDefaultWidth,
                           Settings::kDefaultHeight};
    bool m_shownOnce = false;

    // The board's controls; their object names (objectnames.h) stay as the
    // tests and screen readers know them.
    FlatPanel* m_boardFrame = nullptr;
    FlatPanel* m_board = nullptr;
    QLabel* m_greeting = nullptr;
    PictureBox* m_scoreCard = nullptr;
    PictureBox* m_turnMarker = nullptr;
    std::array<ClickableLabel*, kRounds> m_roundSlots{};
    QLabel* m_total = nullptr;
    std::array<PictureBox*, kDice> m_diceButtons{};
    PictureBox* m_rollButton = nullptr;
    PictureBox* m_noScoreBadge = nullptr;
    PictureBox* m_notOnBoardBadge = nullptr;
    PictureBox* m_recordedBadge = nullptr;
    QLabel* m_recordedText = nullptr;
    PictureBox* m_startButton = nullptr;
    PictureBox* m_logo = nullptr;
    FlatPanel* m_clearedPanel = nullptr;
    QLabel* m_finalScore = nullptr;
    LimitedEdit* m_postName = nullptr;
    PictureBox* m_sendScoreButton = nullptr;
    PictureBox* m_highScoresButton = nullptr;
    PictureBox* m_cancelButton = nullptr;
    FlatPanel* m_waitPanel = nullptr;
    FlatPanel* m_namePanel = nullptr;
    LimitedEdit* m_nameEdit = nullptr;
    PictureBox* m_nameDoneButton = nullptr;
    PictureBox* m_nameCancelButton = nullptr;
    QTimer* m_pauseTimer = nullptr;
    PostingWait* m_posting = nullptr; // owns Timer1

    UpdateFlow* m_update = nullptr;   // owns versionFetch and updateDownload
    FlatPanel* m_updatePanel = nullptr;
    PictureBox* m_updateYesButton = nullptr;
    PictureBox* m_updateCancelButton = nullptr;
    QLabel* m_updateText = nullptr;
    BoardKeys* m_keys = nullptr;
    BoardAccessibility* m_access = nullptr;
};
