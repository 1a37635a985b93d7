// SPDX-License-Identifier: MIT
#include <gtest/gtest.h>

#include <QPalette>

#include "widgets/storedcolor.h"

namespace {

TEST(StoredColor, RedIsTheLowByte)
{
    EXPECT_EQ(rgbColor(0xA0, 0x96, 0x83), 0x008396A0u);
    EXPECT_EQ(toQColor(0x008396A0u, QPalette()), QColor(0xA0, 0x96, 0x83));
    EXPECT_EQ(fromQColor(QColor(0x66, 0x73, 0x2B)), 0x002B7366u);
}

TEST(StoredColor, SystemColoursFollowThePalette)
{
    // Every role a different colour, so a wrong role cannot pass.
    QPalette pal;
    int shade = 1;
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            pal.setColor(group, QPalette::ColorRole(role), QColor::fromRgb(QRgb(0x010101u * unsigned(shade++))));
    const struct {
        StoredColor color;
        QPalette::ColorGroup group;
        QPalette::ColorRole role;
    } cases[] = {
        {clBtnFace, QPalette::Active, QPalette::Button},      {clBtnHighlight, QPalette::Active, QPalette::Light},
        {clBtnShadow, QPalette::Active, QPalette::Dark},      {clWindow, QPalette::Active, QPalette::Base},
        {clWindowText, QPalette::Active, QPalette::Text},     {clBtnText, QPalette::Active, QPalette::ButtonText},
        {clGrayText, QPalette::Disabled, QPalette::Text},     {clHighlight, QPalette::Active, QPalette::Highlight},
        {clInfoBk, QPalette::Active, QPalette::ToolTipBase},
    };
    for (const auto& c : cases)
        EXPECT_EQ(toQColor(c.color, pal), pal.color(c.group, c.role)) << std::hex << c.color;
    EXPECT_EQ(toQColor(kSystemColorFlag | 0xFF, pal), QColor(Qt::black));
}

} // namespace
