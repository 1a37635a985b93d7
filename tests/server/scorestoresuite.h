// SPDX-License-Identifier: MIT
#pragma once
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

#include "server/scorestore.h"
#include "testserver.h"

// One storage back end under the shared store tests: how to open it on a
// folder (opening twice must reach the same scores), and how to empty it
// before each test.
struct StoreKind {
    std::string name;
    std::function<std::unique_ptr<ScoreStore>(const std::filesystem::path& folder)> open;
    std::function<void()> reset;
};

inline void PrintTo(const StoreKind& kind, std::ostream* out)
{
    *out << kind.name;
}

class ScoreStoreSuite : public testing::TestWithParam<StoreKind> {
protected:
    void SetUp() override
    {
        if (GetParam().reset)
            GetParam().reset();
    }
    [[nodiscard]] std::unique_ptr<ScoreStore> open() const { return GetParam().open(m_folder.path()); }

    TempFolder m_folder;
};

inline std::string storeKindName(const testing::TestParamInfo<StoreKind>& info)
{
    return info.param.name;
}
