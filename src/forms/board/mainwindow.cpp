// SPDX-License-Identifier: MIT
#include "forms/board/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QFile>
#include <QLabel>
#include <QLocale>
#include <QMenuBar>
#include <QStyle>
#include <QTimer>

#include "widgets/flatpanel.h"
#include "widgets/webaddress.h"
#include "core/game/gametext.h"
#include "core/game/savedgamefile.h"
#include "core/settings/fileerror.h"
#include "forms/windows/aboutwindow.h"
#include "forms/board/coachmenu.h"
#include "forms/art/artwork.h"
#include "forms/board/boardaccessibility.h"
#include "forms/board/boardkeys.h"
#include "forms/windows/helpwindow.h"
#include "forms/windows/multiplayerwindow.h"
#include "forms/windows/highscorewindow.h"
#include "forms/windows/tallylistwindow.h"
#include "forms/windows/tallymodel.h"
#include "platform/translatedtext.h"
#include "online/postingwait.h"
#include "online/updateflow.h"
#include "online/updatekey.h"
#include "platform/makerhost.h"
#include "protocol/wirecontract.h"
#include "forms/art/formlayout.h"
#include "forms/art/picturebutton.h"
#include "widgets/limitededit.h"
#include "widgets/picturebox.h"
#include "widgets/clickablelabel.h"
#include "widgets/filledshape.h"
#include "widgets/textscale.h"
#include "widgets/focusringlayer.h"
#include "widgets/lookswitch.h"
#include "platform/dialogservice.h"
#include "platform/instancelock.h"
#include "platform/programfolder.h"
#include "platform/soundplayer.h"
#include "widgets/workarea.h"
#include "forms/art/objectnames.h"

namespace {

namespace layout = boardlayout;

// Where the window opens without settings, and where "Reset Screen Location" puts it.
constexpr QRect kDefaultPlace{Settings::kDefaultLeft, Settings::kDefaultTop, Settings::kDefaultWidth,
                              Settings::kDefaultHeight};

QString qs(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The round flow's English texts in the player's language; what follows a
// lead (a name, a score) is kept as it is.
QString shownText(std::string_view text)
{
    for (const std::string_view lead : {gametext::kGreeting, gametext::kFinalScore, gametext::kSelectFirst})
        if (text.starts_with(lead))
            return QCoreApplication::translate("Game", lead.data()) + qs(text.substr(lead.size()));
    return qs(text);
}

// The picture is painted when it first shows: pictures under a hidden panel
// cost nothing until then, and the window maps before the board is painted.
PictureBox* placePicture(QWidget* parent, const QString& name, QRect geometry, std::function<QPixmap()> picture)
{
    auto* image = new PictureBox(parent, name);
    image->setGeometry(geometry);
    image->setPictureSource(std::move(picture));
    return image;
}

FlatPanel* placePanel(QWidget* parent, const QString& name, QRect geometry)
{
    auto* panel = new FlatPanel(parent, name);
    panel->setGeometry(geometry);
    panel->setColor(rgbColor(colours::kOlive));
    panel->setColorHighLight(clBlack);
    panel->setColorShadow(clBlack);
    return panel;
}

LimitedEdit* placeNameEdit(QWidget* parent, const QString& name, QRect geometry)
{
    auto* edit = new LimitedEdit(parent, name);
    edit->setGeometry(geometry);
    edit->setTypingLimit(wire::kMaxNameCharacters);
    edit->setFont(pixelFont(QStringLiteral("Arial"), 19));
    edit->setStyleSheet(QStringLiteral("background-color: %1; color: black;").arg(qcolor(colours::kKhaki).name()));
    return edit;
}

LabelStyle titleStyle(int pixels, QColor color = Qt::black)
{
    LabelStyle s;
    s.face = QStringLiteral("Arial");
    s.pixels = pixels;
    s.bold = true;
    s.color = color;
    s.alignment = Qt::AlignCenter;
    return s;
}

} // namespace

// --- creation -------------------------------------------------------------

MainWindow::MainWindow(const ProgramFolder& folder, MainWindowSeams seams, QWidget* parent)
    : QMainWindow(parent)
    , m_folder(folder)
    , m_ownSounds(seams.sounds ? nullptr : std::make_unique<SoundPlayer>())
    , m_sounds(seams.sounds ? seams.sounds : m_ownSounds.get())
    , m_faces(seams.faces ? seams.faces : &m_dice)
    , m_dialogs(seams.dialogs ? *seams.dialogs : DialogService::messageBoxes())
    , m_game(*this, m_tally, m_history)
{
    setObjectName(QStringLiteral("main"));
    setWindowTitle(tr("Pelbix Solo"));
    buildMenu();
    m_history.setNext(m_game.observer()); // the coach's, set up with the menu
    m_game.setObserver(&m_history);
    buildBoard();
    m_pauseTimer = new QTimer(this);
    m_pauseTimer->setObjectName(QString::fromLatin1(objectname::kPauseTimer));
    connect(m_pauseTimer, &QTimer::timeout, this, &MainWindow::onPauseElapsed);
    wireOnlineFlows(seams);
    m_keys = new BoardKeys(this);
    m_access = new BoardAccessibility(*this, m_game);
    textscale::fitWindow(this); // before the settings give the window its place and size
    startUp();
}

MainWindow::~MainWindow() = default;

void MainWindow::startUp()
{
    m_lock = std::make_unique<InstanceLock>(); // held, not examined, until the window goes
    m_dice.setSeed(DiceGenerator::clockSeed());
    m_saved = std::make_unique<SavedGameFile>(m_folder.dataFolder().toStdString());
    m_history.setKeeper(m_saved.get()); // the saved game carries the history's game so far
    m_game.setKeeper(&m_history);
    m_saved->setProblemHandler([this](const PlayerText& what) {
        m_dialogs.error(this, tr("The game in progress cannot be kept for the next start: ")
                                  + translated(what));
    });
    FocusRingLayer::installForQtControls();
    loadSettings();
    playCue(cue::kEntered);
    m_namePanel->show();
    m_namePanel->raise();
    // Nothing on the board reacts before a game is started: the game's
    // state starts with canplay false and no round.
}

void MainWindow::buildMenu()
{
    QMenu* file1 = menuBar()->addMenu(tr("&File"));
    file1->setObjectName(QStringLiteral("file1"));
    QAction* startGame = file1->addAction(tr("&Start Game"), this, &MainWindow::onStartGame);
    startGame->setObjectName(QStringLiteral("StartGame1"));
    // Ctrl+N is the desktop's own key for a new game; Ctrl+S stays.
    startGame->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_S), QKeySequence(Qt::CTRL | Qt::Key_N)});
    file1->addSeparator()->setObjectName(QStringLiteral("N1"));
    QAction* exit = file1->addAction(tr("E&xit"), this, &MainWindow::onExit);
    exit->setObjectName(QStringLiteral("Exit1"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));

    QMenu* options = menuBar()->addMenu(tr("&Options"));
    options->setObjectName(QStringLiteral("Options1"));
    m_playSounds = addSavedOption(options, tr("&Play Sounds"), QStringLiteral("PlaySounds1"),
                                 &MainWindow::onPlaySounds);
    QAction* reset = options->addAction(tr("&Reset Screen Location"), this,
                                        &MainWindow::onResetScreenLocation);
    reset->setObjectName(QStringLiteral("ResetScreenLocation1"));
    QAction* changeName = options->addAction(tr("Change  &Name"), this, &MainWindow::onChangeName);
    changeName->setObjectName(QStringLiteral("ChangeName1"));
    m_updateCheck = addSavedOption(options, tr("Automatically &Check for Updates"),
                                 QStringLiteral("updatecheck"), &MainWindow::onUpdateCheck);

    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName(QStringLiteral("View1"));
    view->addAction(tr("&Tally List"), this, &MainWindow::onTallyList)
        ->setObjectName(QStringLiteral("TallyList1"));
    view->addAction(tr("View High Score &List"), this, &MainWindow::onViewHighScoreList)
        ->setObjectName(QStringLiteral("ViewHighScoreList1"));
    new CoachMenu(this, view, m_game); // Hint and Game Review follow the items above
    m_highContrast = view->addAction(tr("High &Contrast"));
    m_highContrast->setObjectName(QStringLiteral("HighContrast1"));
    m_highContrast->setCheckable(true);
    connect(m_highContrast, &QAction::triggered, this, &MainWindow::onHighContrast);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("Help1"));
    QAction* help2 = help->addAction(tr("&Help"), this, &MainWindow::onHelp);
    help2->setObjectName(QStringLiteral("Help2"));
    help2->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator()->setObjectName(QStringLiteral("N2"));
    help->addAction(tr("&About"), this, &MainWindow::onAbout)->setObjectName(QStringLiteral("About1"));
    help->addAction(tr("&Keyboard Shortcuts"), this, &MainWindow::onKeyboardShortcuts)
        ->setObjectName(QStringLiteral("KeyboardShortcuts1"));

    menuBar()->addSeparator()->setObjectName(QStringLiteral("N3"));
    QAction* multiplayer = menuBar()->addAction(tr("Check out &Multiplayer Pelbix!"));
    multiplayer->setObjectName(QStringLiteral("Multiplayer1"));
    connect(multiplayer, &QAction::triggered, this, &MainWindow::onMultiplayer);
}

QAction* MainWindow::addSavedOption(QMenu* menu, const QString& caption, const QString& name, void (MainWindow::*click)())
{
    QAction* option = menu->addAction(caption);
    option->setObjectName(name);
    option->setCheckable(true);
    option->setChecked(true);
    // The action toggles its own mark before triggered() arrives; the handler
    // owns the toggle, so the automatic one is undone first.
    connect(option, &QAction::triggered, this, [this, option, click] {
        option->setChecked(!option->isChecked());
        (this->*click)();
    });
    return option;
}

void MainWindow::toggleAndSave(QAction* option)
{
    option->setChecked(!option->isChecked());
    saveSettings();
}

void MainWindow::onExit() { close(); }

namespace {
// Windows not created (some tests build the main window alone) are not shown.
template <class Window>
void showIfSet(const QPointer<Window>& window, const QWidget* mainWindow)
{
    if (window)
        window->showCentredOn(mainWindow);
}
} // namespace

void MainWindow::onHelp() { showIfSet(m_windows.help, this); }
void MainWindow::onAbout() { showIfSet(m_windows.about, this); }
void MainWindow::onTallyList() { showIfSet(m_windows.tallylist, this); }
void MainWindow::onViewHighScoreList() { onHighScoresButton(); }
void MainWindow::onMultiplayer() { showIfSet(m_windows.multiplayer, this); }
void MainWindow::onKeyboardShortcuts() { m_keys->showShortcuts(); }

void MainWindow::onLogo()
{
    if (m_windows.about)
        m_windows.about->makerSite->Open(); // a browser that cannot start shows nothing
}

void MainWindow::onCancel() { m_clearedPanel->hide(); }

void MainWindow::buildBoard()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    QPalette pal = client->palette();
    pal.setColor(QPalette::Window, qcolor(colours::kOlive));
    client->setPalette(pal);
    client->setAutoFillBackground(true);
    client->setMinimumSize(layout::kBoard.width + layout::kClientMargin, layout::kBoard.height + layout::kClientMargin);
    setCentralWidget(client);

    // The outer board shows no frame: see-through, framed in its parent's colour.
    m_boardFrame = new FlatPanel(client, QString::fromLatin1(objectname::kBoardFrame));
    m_boardFrame->setGeometry(qrect(layout::kBoard));
    m_boardFrame->setTransparent(true);
    m_boardFrame->setColorHighLight(rgbColor(colours::kOlive));
    m_boardFrame->setColorShadow(rgbColor(colours::kOlive));

    LabelStyle greeting;
    greeting.pixels = 13;
    m_greeting = placeLabel(m_boardFrame, QStringLiteral("label_name"), QRect(qpoint(layout::kGreeting), QSize(600, 16)),
                            tr("Welcome to Pelbix Solo by Dravik Software!"), greeting);

    m_board = new FlatPanel(m_boardFrame, QString::fromLatin1(objectname::kBoard));
    m_board->setGeometry(qrect(layout::kInnerBoard));
    m_board->setColor(rgbColor(colours::kOlive));
    QWidget* b = m_board;

    m_scoreCard = placePicture(b, QStringLiteral("Image1"), qrect(layout::kScoreCard),
                          [] { return artwork::scoreCardPicture(); });
    m_turnMarker = placePicture(b, QStringLiteral("image_turn"),
                              QRect(QPoint(layout::kTurnMarkerLeft, layout::turnMarkerTop(1)), artwork::kTurnMarkerSize),
                              [] { return artwork::turnMarkerPicture(); });
    m_turnMarker->hide();
    connect(m_turnMarker, &PictureBox::clicked, this, &MainWindow::onBankClicked);

    LabelStyle slot = titleStyle(16);
    slot.alignment = Qt::AlignRight | Qt::AlignVCenter;
    for (int i = 0; i < kRounds; ++i) {
        auto* label = new ClickableLabel(b, QStringLiteral("label_rnd%1").arg(i + 1));
        label->setGeometry(qrect(layout::slot(i + 1)));
        styleLabel(label, slot); // black on the card's fields whatever the theme
        label->setText(QStringLiteral("0"));
        label->setTag(i + 1);
        label->setContentsMargins(0, 0, 4, 0);
        connect(label, &ClickableLabel::clicked, this, &MainWindow::onScoreRecordedBadge);
        m_roundSlots[static_cast<std::size_t>(i)] = label;
    }
    m_total = placeLabel(b, QStringLiteral("label_score"), qrect(layout::kTotal), QStringLiteral("0"),
                             titleStyle(24, qcolor(colours::kKhaki)));

    for (int i = 0; i < kDice; ++i) {
        auto* shape = new FilledShape(b, QStringLiteral("Shape%1").arg(i + 1), Qt::DiagCrossPattern, qcolor(colours::kHatch));
        shape->setGeometry(qrect(layout::hatch(i + 1)));
    }

    for (int i = 0; i < kDice; ++i) {
        PictureBox* die = placePicture(b, QStringLiteral("dice%1").arg(i + 1),
                                   QRect(qpoint(layout::kFirstPlaces[static_cast<std::size_t>(i)]), artwork::kDieSize),
                                   [] { return artwork::dicePicture(1); });
        die->setTag(i + 1);
        connect(die, &PictureBox::clicked, this, &MainWindow::onDieClicked);
        m_diceButtons[static_cast<std::size_t>(i)] = die;
    }

    m_rollButton = placePicture(b, QStringLiteral("image_roll"), qrect(layout::kRollButton),
                              [] { return artwork::buttonPicture(tr("ROLL DICE"), artwork::kRollButtonSize); });
    m_rollButton->setAccessibleName(tr("ROLL DICE"));
    m_rollButton->hide();
    connect(m_rollButton, &PictureBox::clicked, this, &MainWindow::onRoll);

    // The badges are painted the first time one is shown.
    m_noScoreBadge = placePicture(b, QStringLiteral("image_noscore"), qrect(layout::kBadge), {});
    m_notOnBoardBadge = placePicture(b, QStringLiteral("image_notboard"), qrect(layout::kBadge), {});
    m_recordedBadge = placePicture(b, QStringLiteral("image_scorerecorded"), qrect(layout::kBadge), {});
    for (PictureBox* badge : {m_noScoreBadge, m_notOnBoardBadge, m_recordedBadge})
        badge->hide();
    m_recordedText = placeLabel(b, QStringLiteral("label_scorerecorded"), qrect(layout::kBankedAmount), QString(),
                                     titleStyle(19, qcolor(colours::kOlive)));
    m_recordedText->hide();

    m_startButton = placePictureButton(b, QStringLiteral("button_start"), qpoint(layout::kStartButton), tr("START GAME"));
    connect(m_startButton, &PictureBox::clicked, this, &MainWindow::onStartButton);
    m_logo = placePicture(b, QStringLiteral("image_logo"), qrect(layout::kLogo), [] { return artwork::logoPicture(); });
    connect(m_logo, &PictureBox::clicked, this, &MainWindow::onLogo);

    buildClearedPanel();
    buildNamePanel();
    buildUpdatePanel();
}

void MainWindow::buildClearedPanel()
{
    m_clearedPanel = placePanel(m_board, QString::fromLatin1(objectname::kClearedPanel), qrect(layout::kClearedPanel));
    QWidget* p = m_clearedPanel;
    placeLabel(p, QStringLiteral("label_cleared"), QRect(-1, 10, 327, 24), tr("YOUR CLEARED THE BOARD!"),
               titleStyle(19));
    m_finalScore = placeLabel(p, QStringLiteral("label_score1"), QRect(0, 40, 327, 24), tr("Your Score: "),
                              titleStyle(19, qcolor(colours::kKhaki)));
    placeLabel(p, QStringLiteral("label_entername"), QRect(0, 70, 327, 20), tr("Enter Your Name"),
               titleStyle(16));
    m_postName = placeNameEdit(p, QStringLiteral("edit_name"), QRect(83, 93, 161, 32));
    m_sendScoreButton = placePictureButton(p, QStringLiteral("button_sendscore"), {24, 140}, tr("SEND SCORE"));
    m_highScoresButton = placePictureButton(p, QStringLiteral("button_highscores"), {168, 140}, tr("HIGH SCORES"));
    m_cancelButton = placePictureButton(p, QStringLiteral("button_cancel"), {96, 186}, tr("CANCEL"));
    connect(m_sendScoreButton, &PictureBox::clicked, this, &MainWindow::onSendScore);
    connect(m_highScoresButton, &PictureBox::clicked, this, &MainWindow::onHighScoresButton);
    connect(m_cancelButton, &PictureBox::clicked, this, &MainWindow::onCancel);

    // Covers the send and list buttons while a post is under way.
    m_waitPanel = placePanel(p, QString::fromLatin1(objectname::kWaitPanel), QRect(20, 136, 289, 41));
    m_waitPanel->setColor(rgbColor(colours::kKhaki));
    m_waitPanel->setFontColor(clBlack);
    m_waitPanel->setFont(pixelFont(QStringLiteral("Arial"), 16, true));
    m_waitPanel->setCaption(tr("Posting Score, Please Wait......"));
    m_waitPanel->hide();
    m_clearedPanel->hide();
}

void MainWindow::buildNamePanel()
{
    m_namePanel = placePanel(m_board, QString::fromLatin1(objectname::kNamePanel), qrect(layout::kNamePanel));
    QWidget* p = m_namePanel;
    placeLabel(p, QStringLiteral("label_entertitle"), QRect(-1, 10, 327, 24), tr("ENTER YOUR NAME"),
               titleStyle(19));
    m_nameEdit = placeNameEdit(p, QStringLiteral("edit_aname"), QRect(83, 52, 161, 32));
    m_nameDoneButton = placePictureButton(p, QStringLiteral("button_namedone"), {24, 106}, tr("DONE"));
    m_nameCancelButton = placePictureButton(p, QStringLiteral("button_namecancel"), {168, 106}, tr("CANCEL"));
    connect(m_nameDoneButton, &PictureBox::clicked, this, &MainWindow::onNameDone);
    connect(m_nameCancelButton, &PictureBox::clicked, this, &MainWindow::onNameCancel);
    m_namePanel->hide();
}

void MainWindow::buildUpdatePanel()
{
    m_updatePanel = placePanel(m_board, QString::fromLatin1(objectname::kUpdatePanel), qrect(layout::kUpdatePanel));
    QWidget* p = m_updatePanel;
    placeLabel(p, QStringLiteral("label_updatetitle"), QRect(-1, 10, 327, 24), tr("Update Available"),
               titleStyle(19));
    placeLabel(p, QStringLiteral("label_updatequestion"), QRect(2, 47, 327, 24),
               tr("Would you like to update now?"), titleStyle(16));
    m_updateYesButton = placePictureButton(p, QStringLiteral("button_updateyes"), {25, 90}, tr("UPDATE NOW"));
    m_updateCancelButton = placePictureButton(p, QStringLiteral("button_updatecancel"), {169, 90}, tr("NO THANKS"));
    connect(m_updateYesButton, &PictureBox::clicked, this, &MainWindow::onUpdateYes);
    connect(m_updateCancelButton, &PictureBox::clicked, this, &MainWindow::onUpdateCancel);
    LabelStyle status = titleStyle(16);
    status.bold = false;
    m_updateText = placeLabel(p, QStringLiteral("label_update"), QRect(1, 139, 327, 20), QString(), status);
    m_updatePanel->hide();
}

// --- the game's board ------------------------------------------------------

void MainWindow::onStartButton()
{
    // One key must never throw a game away: starting over asks first.
    if (m_game.inProgress() && !m_dialogs.riskyQuestion(this, tr("Abandon the game in progress?")))
        return;
    m_game.start();
    // The game is counted on disk now: a crash and a resume must not leave
    // its score in the running total without it among the games.
    m_tally.save();
    m_diceButtons[0]->setFocus(Qt::OtherFocusReason); // the keys now play, not restart
}
void MainWindow::onStartGame() { onStartButton(); }
void MainWindow::onRoll()
{
    const GameState before = m_game.state();
    m_game.roll();
    m_access->rolled(before);
}

void MainWindow::onDieClicked(PictureBox* sender)
{
    m_game.toggleDie(sender->tag());
    m_access->toggled(sender->tag());
}
void MainWindow::onBankClicked() { m_game.bank(); }
void MainWindow::onScoreRecordedBadge(ClickableLabel* sender) { m_game.bankSlot(sender->tag()); }
void MainWindow::onPauseElapsed() { m_game.pauseElapsed(); }

void MainWindow::setRoundText(int round, const std::string& text)
{
    if (round >= 1 && round <= kRounds)
        m_roundSlots[static_cast<std::size_t>(round - 1)]->setText(qs(text));
}

void MainWindow::setTotalText(const std::string& text) { m_total->setText(qs(text)); }
void MainWindow::setBankedText(const std::string& text) { m_recordedText->setText(qs(text)); }
void MainWindow::setFinalScoreText(const std::string& text) { m_finalScore->setText(shownText(text)); }
void MainWindow::setGreetingText(const std::string& text) { m_greeting->setText(shownText(text)); }

QWidget* MainWindow::widgetOf(BoardPart part) const
{
    switch (part) {
    case BoardPart::RollButton: return m_rollButton;
    case BoardPart::TurnMarker: return m_turnMarker;
    case BoardPart::NoScoreBadge: return m_noScoreBadge;
    case BoardPart::NotOnBoardBadge: return m_notOnBoardBadge;
    case BoardPart::BankedBadge: return m_recordedBadge;
    case BoardPart::BankedAmount: return m_recordedText;
    case BoardPart::GameOverPanel: return m_clearedPanel;
    case BoardPart::SendScoreButton: return m_sendScoreButton;
    case BoardPart::NamePanel: return m_namePanel;
    case BoardPart::PostingPanel: return m_waitPanel;
    }
    return nullptr;
}

void MainWindow::setShown(BoardPart part, bool shown)
{
    QWidget* w = widgetOf(part);
    if (shown) {
        auto* badge = qobject_cast<PictureBox*>(w);
        if (badge && badge->picture().isNull()) {
            const artwork::Badge kind = badge == m_noScoreBadge    ? artwork::Badge::NoScore
                                        : badge == m_notOnBoardBadge ? artwork::Badge::NotOnBoard
                                                                  : artwork::Badge::ScoreRecorded;
            badge->setPictureSource([kind] { return artwork::badgePicture(kind); });
        }
    }
    w->setVisible(shown);
}

void MainWindow::bringToFront(BoardPart part) { widgetOf(part)->raise(); }

void MainWindow::markTurn(int round)
{
    m_turnMarker->move(m_turnMarker->x(), textscale::scaled(layout::turnMarkerTop(round), this));
}

void MainWindow::placeDie(int die, DiePlace place)
{
    QPoint at;
    switch (place) {
    case DiePlace::Pile: at = qpoint(layout::kPile[static_cast<std::size_t>(die - 1)]); break;
    case DiePlace::Row: at = {layout::columnLeft(die), layout::kRowTop}; break;
    case DiePlace::SetAside: at = {layout::columnLeft(die), layout::kSetAsideTop}; break;
    }
    m_diceButtons[static_cast<std::size_t>(die - 1)]->move(textscale::scaled(at, this));
}

void MainWindow::showFace(int die, int face)
{
    PictureBox* image = m_diceButtons[static_cast<std::size_t>(die - 1)];
    image->clearPicture();
    image->setPictureSource([face] { return artwork::dicePicture(face); });
}

void MainWindow::playCue(const std::string& name)
{
    if (m_playSounds->isChecked())
        m_sounds->play(qs(name));
}

void MainWindow::showMessage(const std::string& text) { m_dialogs.information(this, shownText(text)); }

void MainWindow::startPauseTimer(int milliseconds) { m_pauseTimer->start(milliseconds); }
void MainWindow::stopPauseTimer() { m_pauseTimer->stop(); }

std::string MainWindow::playerName() const { return playerNameText().toStdString(); }
QString MainWindow::playerNameText() const { return m_postName->text(); }

void MainWindow::setTally(TallyModel* tally) { m_tally.setTarget(tally); }

void MainWindow::TallyForwarder::setTarget(TallyModel* target) { m_target = target; }

void MainWindow::TallyForwarder::increment(int column)
{
    if (m_target)
        m_target->increment(column);
}

void MainWindow::TallyForwarder::keepHighest(int column, int value)
{
    if (m_target)
        m_target->keepHighest(column, value);
}

bool MainWindow::TallyForwarder::enterGame(int score, const std::string& name)
{
    return m_target ? m_target->enterGame(score, name) : false;
}

void MainWindow::TallyForwarder::addTo(int column, int amount)
{
    if (m_target)
        m_target->addTo(column, amount);
}

void MainWindow::TallyForwarder::gameFinished()
{
    if (m_target)
        m_target->gameFinished();
}

void MainWindow::TallyForwarder::save()
{
    // Written as the program ends, with no window left to tell; a failure
    // keeps the previous file whole.
    if (m_target)
        m_target->save();
}

// --- settings and lifecycle -------------------------------------------------

QString MainWindow::settingsPath() const { return m_folder.settingsFile(productkey); }

QRect MainWindow::outerBounds() const { return frameGeometry(); }

void MainWindow::setOuterBounds(int left, int top, int width, int height)
{
    // The frame's thickness is known only once a window manager has framed
    // the window; before that the frame is the client area.
    const QSize frame = frameGeometry().size() - geometry().size();
    move(left, top);
    resize(width - frame.width(), height - frame.height());
}

void MainWindow::restorePlacement()
{
    // A place saved under another screen layout or scale may leave the
    // title bar and menu bar out of reach; then the window opens where
    // "Reset Screen Location" puts it. The remembered placement stays as
    // read, so closing writes the place actually used.
    const int frameTop = geometry().top() - frameGeometry().top();
    const int titleBar = frameTop > 0 ? frameTop : style()->pixelMetric(QStyle::PM_TitleBarHeight);
    const QRect place = WorkArea::reachable(
        QRect(m_remembered.left, m_remembered.top, m_remembered.width, m_remembered.height),
        titleBar + menuBar()->sizeHint().height(), WorkArea::all(),
        kDefaultPlace);
    setOuterBounds(place.left(), place.top(), place.width(), place.height());
}

void MainWindow::loadSettings()
{
    m_loaded = Settings::load(QFile::encodeName(settingsPath()).toStdString());
    m_remembered = {m_loaded.top, m_loaded.left, m_loaded.width, m_loaded.height};
    restorePlacement();
    m_playSounds->setChecked(m_loaded.sounds);
    m_updateCheck->setChecked(m_loaded.update);
    m_postName->setText(qs(m_loaded.name));
    m_nameEdit->setText(m_postName->text());
    const bool highContrast = m_loaded.highContrast.value_or(desktopAsksHighContrast());
    m_highContrast->setChecked(highContrast);
    applyLook(highContrast ? colours::Look::HighContrast : colours::Look::Olive);
}

bool MainWindow::saveSettings()
{
    Settings s = m_loaded;
    const QRect bounds = outerBounds();
    s.top = bounds.top();
    s.left = bounds.left();
    s.width = bounds.width();
    s.height = bounds.height();
    s.name = m_postName->text().toStdString();
    s.sounds = m_playSounds->isChecked();
    s.update = m_updateCheck->isChecked();
    try {
        s.save(QFile::encodeName(settingsPath()).toStdString());
        return true;
    } catch (const FileError& e) {
        m_dialogs.error(this, tr("The settings could not be saved.\n%1").arg(translated(e.message())));
        return false;
    } catch (const std::exception& e) {
        m_dialogs.error(this, tr("The settings could not be saved.\n%1")
                                                  .arg(QString::fromLocal8Bit(e.what())));
        return false;
    }
}

void MainWindow::onPlaySounds() { toggleAndSave(m_playSounds); }
void MainWindow::onUpdateCheck() { toggleAndSave(m_updateCheck); }

void MainWindow::onHighContrast(bool on)
{
    m_loaded.highContrast = on;
    applyLook(on ? colours::Look::HighContrast : colours::Look::Olive);
    saveSettings();
}

void MainWindow::onResetScreenLocation()
{
    setOuterBounds(kDefaultPlace.left(), kDefaultPlace.top(), kDefaultPlace.width(), kDefaultPlace.height());
}

void MainWindow::onChangeName()
{
    m_namePanel->show();
    m_namePanel->raise();
}

void MainWindow::onNameDone()
{
    m_postName->setText(m_nameEdit->text());
    m_namePanel->hide();
}

void MainWindow::onNameCancel() { m_namePanel->hide(); }

void MainWindow::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!m_shownOnce) {
        m_shownOnce = true;
        // Now that the frame is known, the outer bounds read from the file
        // can be met exactly.
        restorePlacement();
        onFirstShow();
        // After the event loop has shown the window, so the question has a
        // window to stand over.
        QTimer::singleShot(0, this, &MainWindow::offerResume);
    }
}

void MainWindow::offerResume()
{
    const SavedGameFile::Found found = m_saved->load();
    if (!found.problem.empty())
        m_dialogs.error(this, tr("The game in progress could not be read: ")
                                  + translated(found.problem));
    if (!found.game)
        return;
    m_history.takeOver(*found.game);
    if (m_dialogs.question(this, tr("Resume the game in progress?"))) {
        m_game.resume(*found.game);
        m_diceButtons[0]->setFocus(Qt::OtherFocusReason);
    } else {
        m_game.reportAbandoned();
        m_history.abandon();
        m_saved->forget();
    }
}

void MainWindow::onFirstShow()
{
    if (m_updateCheck->isChecked())
        m_update->checkForUpdate();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    onClosing();
    event->accept();
}

void MainWindow::onClosing()
{
    const QRect bounds = outerBounds();
    if (bounds.top() != m_remembered.top || bounds.left() != m_remembered.left ||
        bounds.width() != m_remembered.width || bounds.height() != m_remembered.height) {
        // A window larger than the desktop's work area gives up 3 pixels on
        // that side each time, so an oversized window shrinks over restarts.
        const QRect work = WorkArea::of(this);
        int width = bounds.width();
        int height = bounds.height();
        if (width > work.width())
            width -= 3;
        if (height > work.height())
            height -= 3;
        if (width != bounds.width() || height != bounds.height())
            setOuterBounds(bounds.left(), bounds.top(), width, height);
        m_remembered = {bounds.top(), bounds.left(), width, height};
    }
    saveSettings();
    m_tally.save();
    // Closing the main window ends the program, whatever else is open. quit()
    // acts only on a running application loop.
    QCoreApplication::quit();
}

void MainWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    onResized();
}

void MainWindow::onResized()
{
    // The client area never gets smaller than the board plus its margin; the
    // central widget's minimum size holds that, and a resize that slipped
    // past it (a window manager ignoring hints) is put back.
    QWidget* client = centralWidget();
    if (!client)
        return;
    const QSize min = client->minimumSize();
    if (client->height() < min.height() || client->width() < min.width())
        resize(size().expandedTo(size() + (min - client->size()).expandedTo(QSize(0, 0))));
}

void MainWindow::setWindows(const Windows& windows)
{
    m_windows = windows;
    if (m_windows.highscore) {
        m_windows.highscore->OnPostAnswered = [this] {
            if (!m_posting->answered())
                return false;
            m_clearedPanel->hide();
            return true;
        };
        m_windows.highscore->OnPostFailed = [this] { m_posting->fail(); };
    }
}

// --- posting a score ----------------------------------------------------------

void MainWindow::onSendScore()
{
    if (m_postName->text().isEmpty())
        m_postName->setText(qs(Settings::kDefaultName));
    try {
        const QString score = QString::number(m_game.state().gameTotal);
        const QString date = PostingWait::postingDate(QDate::currentDate(), QLocale::system());
        const QString name = m_postName->text();
        if (m_windows.highscore)
            m_windows.highscore->sendScore(name, date, score);
    } catch (...) {
        // A post that cannot even start ends like one nobody answers: the
        // countdown runs out and says so.
    }
    m_posting->start();
    m_waitPanel->show();
    m_waitPanel->raise();
}

void MainWindow::onPostingTick() { m_posting->onPostingTick(); }

void MainWindow::onHighScoresButton()
{
    if (!m_windows.highscore)
        return;
    m_windows.highscore->loadList();
    m_windows.highscore->showWindow();
}

// --- update check and self-update ----------------------------------------------

void MainWindow::wireOnlineFlows(const MainWindowSeams& seams)
{
    m_posting = new PostingWait(this);
    connect(m_posting, &PostingWait::captionChanged, this, [this](const QString& caption) { m_waitPanel->setCaption(caption); });
    connect(m_posting, &PostingWait::failed, this, [this] {
        // Once the player is told, a late answer must not show the list as if it had worked.
        if (m_windows.highscore)
            m_windows.highscore->abandonPost();
        const QString why = m_windows.highscore ? m_windows.highscore->refusal() : QString();
        m_dialogs.information(this, tr("Posting Failed.") + (why.isEmpty() ? QString() : QLatin1Char('\n') + why));
        m_waitPanel->hide(); // SEND SCORE is there again for another try
    });

    UpdateFlow::Setup setup;
    setup.server = [this] { return serverOrigin(); };
    setup.ownVersion = [this] {
        return m_windows.about ? m_windows.about->versionText() : QString::fromLatin1(AboutWindow::kVersion);
    };
    setup.programFile = QCoreApplication::applicationFilePath();
    setup.downloadFolder = [this] { return m_folder.downloadFolder(); };
    setup.keyHex = seams.updateKeyHex.value_or(UpdateKey::builtIn());
    setup.makerAddress = QStringLiteral("http://") + QString::fromStdString(MakerHost::builtIn().authority());
    m_update = new UpdateFlow(std::move(setup), this);
    connect(m_update, &UpdateFlow::updateOffered, this, [this] {
        m_updatePanel->show();
        m_updatePanel->raise();
    });
    connect(m_update, &UpdateFlow::statusChanged, this, &MainWindow::setUpdateStatus);
    connect(m_update, &UpdateFlow::failed, this,
            [this](const QString& message) { m_dialogs.information(this, message); });
    m_update->beforeInstall = [this] {
        // The process ends without the close sequence once the installer
        // runs: this run's settings and games are saved first.
        saveSettings();
        m_tally.save();
    };
    // A build that cannot verify an installer offers no updates at all; the
    // setting keeps its value for a build that can.
    m_updateCheck->setEnabled(m_update->enabled());
}

QString MainWindow::serverOrigin() const { return QString::fromStdString(MakerHost::of(m_loaded).origin()); }

void MainWindow::setProgramFile(const QString& path) { m_update->setProgramFile(path); }

void MainWindow::setProcessEnd(std::function<void(int)> end) { m_update->endProcess = std::move(end); }

BackgroundFetch* MainWindow::versionFetch() const { return m_update->versionFetch; }

void MainWindow::judgeVersionAnswer(QObject* Sender, const QByteArray& Result)
{
    m_update->judgeVersionAnswer(Sender, Result);
}

void MainWindow::onUpdateCancel() { m_updatePanel->hide(); }

void MainWindow::setUpdateStatus(const QString& text)
{
    m_updateText->setText(text);
    emit updateStatusChanged(text);
}

void MainWindow::onUpdateYes()
{
    m_updateYesButton->hide();
    m_updateCancelButton->hide();
    m_update->accept();
}
