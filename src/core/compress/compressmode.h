// SPDX-License-Identifier: MIT
#pragma once

// The values keep their stored numbers: Good 0, Fast 1, Auto 2.
enum class CompressMode { Good = 0, Fast = 1, Auto = 2 };
