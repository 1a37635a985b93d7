// SPDX-License-Identifier: MIT
#include "widgets/storedcolor.h"

#include <QPalette>
#include <array>

namespace {

struct SystemRole {
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// Indexed by the low byte of a system colour.
constexpr std::array<SystemRole, 25> kSystemRoles{{
    {QPalette::Active, QPalette::Button},          // clScrollBar
    {QPalette::Active, QPalette::Window},          // clBackground
    {QPalette::Active, QPalette::Highlight},       // clActiveCaption
    {QPalette::Inactive, QPalette::Highlight},     // clInactiveCaption
    {QPalette::Active, QPalette::Window},          // clMenu
    {QPalette::Active, QPalette::Base},            // clWindow
    {QPalette::Active, QPalette::Shadow},          // clWindowFrame
    {QPalette::Active, QPalette::WindowText},      // clMenuText
    {QPalette::Active, QPalette::Text},            // clWindowText
    {QPalette::Active, QPalette::HighlightedText}, // clCaptionText
    {QPalette::Active, QPalette::Window},          // clActiveBorder
    {QPalette::Inactive, QPalette::Window},        // clInactiveBorder
    {QPalette::Active, QPalette::Mid},             // clAppWorkSpace
    {QPalette::Active, QPalette::Highlight},       // clHighlight
    {QPalette::Active, QPalette::HighlightedText}, // clHighlightText
    {QPalette::Active, QPalette::Button},          // clBtnFace
    {QPalette::Active, QPalette::Dark},            // clBtnShadow
    {QPalette::Disabled, QPalette::Text},          // clGrayText
    {QPalette::Active, QPalette::ButtonText},      // clBtnText
    {QPalette::Inactive, QPalette::WindowText},    // clInactiveCaptionText
    {QPalette::Active, QPalette::Light},           // clBtnHighlight
    {QPalette::Active, QPalette::Shadow},          // cl3DDkShadow
    {QPalette::Active, QPalette::Midlight},        // cl3DLight
    {QPalette::Active, QPalette::ToolTipText},     // clInfoText
    {QPalette::Active, QPalette::ToolTipBase},     // clInfoBk
}};

} // namespace

QColor toQColor(StoredColor color, const QPalette& palette)
{
    if (isSystemColor(color)) {
        const std::size_t index = color & 0xFFu;
        if (index >= kSystemRoles.size() || (color & 0x7FFFFF00u) != 0)
            return QColor(Qt::black);
        const SystemRole& r = kSystemRoles[index];
        return palette.color(r.group, r.role);
    }
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

StoredColor fromQColor(const QColor& color)
{
    return rgbColor(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
                    static_cast<std::uint8_t>(color.blue()));
}

QColor toShownColor(StoredColor color, const QPalette& palette)
{
    return qcolor(colours::shown(rgbOf(toQColor(color, palette))));
}
