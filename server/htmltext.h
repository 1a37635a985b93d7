// SPDX-License-Identifier: MIT
#pragma once
#include <string>
#include <string_view>

// Text for an HTML page in plain ASCII: markup characters become entities
// and every other non-ASCII character a numeric reference, so the page reads
// the same whichever character set the viewer assumes. Bytes that are not
// UTF-8, and control characters other than tab and line ends, show as U+FFFD.
[[nodiscard]] std::string escapeHtml(std::string_view utf8);
