// SPDX-License-Identifier: MIT
#pragma once
#include <QPixmap>
#include <QSize>
#include <QString>

#include "forms/art/formlayout.h"

// The game's pictures, painted in code (no image files) at the sizes the
// windows lay them out. Each picture is painted on its first request and the
// same pixmap is handed out from then on, so the board costs one paint per
// process. GUI thread only, once the QGuiApplication exists.
namespace artwork {

inline constexpr QSize kScoreCardSize = qsize(boardlayout::kScoreCard.extent());
inline constexpr QSize kTurnMarkerSize = qsize(boardlayout::kTurnMarkerSize);
inline constexpr QSize kDieSize = qsize(boardlayout::kDieSize);
inline constexpr QSize kButtonSize = qsize(boardlayout::kButtonSize);
inline constexpr QSize kRollButtonSize = qsize(boardlayout::kRollButton.extent());
inline constexpr QSize kBadgeSize = qsize(boardlayout::kBadge.extent());
inline constexpr QSize kBoardLogoSize = qsize(boardlayout::kLogo.extent());
inline constexpr QSize kAboutLogoSize{219, 58};
inline constexpr QSize kHighScoreLogoSize{69, 69};

// The three round-end announcements; they share one place on the board.
enum class Badge { NoScore, NotOnBoard, ScoreRecorded };

// Title, ten numbered rows and a dark total box. The rows line up with the
// round slots laid over the card and the box with the total label.
[[nodiscard]] QPixmap scoreCardPicture();

// Gold bar pointing at the current round's number; transparent outside the
// bar. Meant to lie under the slot's black text.
[[nodiscard]] QPixmap turnMarkerPicture();

// A die showing `face` pips, transparent outside the rounded square. The
// dice list has seven entries: 1 to 6 are the faces and 0 is a spare copy of
// the six. Any other value gives a null pixmap.
[[nodiscard]] QPixmap dicePicture(int face);

// Bevelled khaki picture button with its caption in bold capitals as given.
[[nodiscard]] QPixmap buttonPicture(const QString& text, QSize size = kButtonSize);

// Starburst, transparent outside the burst. The ScoreRecorded badge keeps a
// light plaque under the banked amount's label.
[[nodiscard]] QPixmap badgePicture(Badge badge);

// The maker's wordmark with its die emblem, transparent background. Wide
// sizes put the emblem beside the name, square ones above it.
[[nodiscard]] QPixmap logoPicture(QSize size = kBoardLogoSize);

} // namespace artwork
