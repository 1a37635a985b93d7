// SPDX-License-Identifier: MIT
#pragma once

// Outcome of decoding outside data. Truncated: the data ended before the
// decoder was done (reported as a read error). Inconsistent: the data asks
// for something no encoder writes, such as a copy from before the start or
// more output than a block holds (reported as a size mismatch).
enum class DecodeStatus { Ok, Truncated, Inconsistent };
