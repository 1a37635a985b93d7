// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

// A query value as it must travel in a URL: every byte of its UTF-8 form
// outside letters, digits, "-", ".", "_", "~" and "/" becomes %XX, so a
// name holding "&", "#", "=", "+", "%" or a blank reaches the server as
// typed and cannot add parameters of its own.
[[nodiscard]] QString percentEncodeQueryValue(const QString& value);
