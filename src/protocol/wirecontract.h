// SPDX-License-Identifier: MIT
#pragma once
#include <string_view>

// What the game and the score server agree on over HTTP: the request paths,
// the query keys of a score post, the name limit, the installer the update
// fetches and the user agents the game sends. Both sides read these
// constants, so a path or a limit moves in one place. Every byte here is on
// the wire or in a signed release statement: never change one for style.
namespace wire {

// The product a release statement names and the word in every path.
inline constexpr std::string_view kProduct = "pelbixsolo";
// The installer's file name, in its path and in its release statement.
inline constexpr std::string_view kInstallerName = "qztsetup.exe";

inline constexpr const char* kPostPath = "/cgi-bin/pelbixsolo.cgi";
inline constexpr const char* kListPath = "/counter/pelbixsolo.shtml";
inline constexpr const char* kVersionPath = "/pelbixsolo/pelbixsoloversion.txt";
inline constexpr const char* kInstallerPath = "/pelbixsolo/qztsetup.exe";
// The signed release statement sits beside the installer under this suffix.
inline constexpr std::string_view kSignatureSuffix = ".sig";
inline constexpr const char* kSignaturePath = "/pelbixsolo/qztsetup.exe.sig";

// A score post is kPostPath?name=...&date=...&score=... in this order.
inline constexpr std::string_view kNameKey = "name";
inline constexpr std::string_view kDateKey = "date";
inline constexpr std::string_view kScoreKey = "score";

// The longest name, in characters, the player can type and the server keeps.
inline constexpr int kMaxNameCharacters = 10;

// The score post, the list page and the version check.
inline constexpr std::string_view kFetchAgent = "Kelvane HTTPGet";
// The installer and its statement.
inline constexpr std::string_view kDownloadAgent = "Mozilla/3.0 (compatible)";
// The foreground client's own default, for callers that set none.
inline constexpr std::string_view kClientAgent = "Mozilla/4.0 (compatible; THttpCli)";

// The paths are spelled out above so the server can compare them as they
// stand; these keep them tied to the product and installer names.
static_assert(std::string_view(kInstallerPath).substr(1, kProduct.size()) == kProduct &&
              std::string_view(kInstallerPath).ends_with(kInstallerName));
static_assert(std::string_view(kSignaturePath).starts_with(kInstallerPath) &&
              std::string_view(kSignaturePath).ends_with(kSignatureSuffix));

} // namespace wire
