// SPDX-License-Identifier: MIT
#include "widgets/lookswitch.h"

#include <QApplication>
#include <QEvent>
#include <QImage>
#include <QPalette>
#include <QPointer>
#include <QVariant>
#include <QWidget>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "widgets/ground.h"
#include "widgets/picturebox.h"
#include "widgets/storedcolor.h"

namespace {

// The palette a widget was given before the look changed it, and whether
// it had one of its own at all.
constexpr const char* kDesignPalette = "pelbixDesignPalette";
constexpr const char* kShownPalette = "pelbixShownPalette";

constexpr std::array kGroups{QPalette::Active, QPalette::Inactive, QPalette::Disabled};
constexpr std::array kGrounds{QPalette::Window, QPalette::Base, QPalette::Button, QPalette::AlternateBase,
                              QPalette::ToolTipBase};
struct TextOnGround {
    QPalette::ColorRole text;
    QPalette::ColorRole ground;
};
constexpr std::array kTexts{
    TextOnGround{QPalette::WindowText, QPalette::Window}, TextOnGround{QPalette::Text, QPalette::Base},
    TextOnGround{QPalette::ButtonText, QPalette::Button},  TextOnGround{QPalette::Link, QPalette::Base},
    TextOnGround{QPalette::LinkVisited, QPalette::Base},  TextOnGround{QPalette::ToolTipText, QPalette::ToolTipBase},
    TextOnGround{QPalette::PlaceholderText, QPalette::Base},
};

bool g_restyling = false; // our own palette changes are not the windows' own

QPalette inLook(QPalette pal, std::optional<Rgb> textGround)
{
    for (const auto group : kGroups) {
        for (const auto role : kGrounds)
            pal.setColor(group, role, qcolor(colours::shown(rgbOf(pal.color(group, role)))));
        for (const auto& t : kTexts) {
            const Rgb ground = t.ground == QPalette::Window && textGround ? *textGround
                                                                           : rgbOf(pal.color(group, t.ground));
            pal.setColor(group, t.text, qcolor(colours::textOn(ground, rgbOf(pal.color(group, t.text)))));
        }
    }
    return pal;
}

void setPaletteQuietly(QWidget* w, const QPalette& pal)
{
    const bool was = std::exchange(g_restyling, true);
    w->setPalette(pal);
    g_restyling = was;
}

// The colours a widget was built with: its own, else its parent's.
QPalette designOf(const QWidget* w)
{
    const QVariant design = w->property(kDesignPalette);
    if (design.isValid() && !design.isNull())
        return design.value<QPalette>();
    if (design.isValid() && w->parentWidget() != nullptr)
        return designOf(w->parentWidget());
    return design.isValid() ? QApplication::palette(w) : w->palette();
}

void restyle(QWidget* w)
{
    // A style sheet paints by its own rules over any palette, and restyles
    // the palette when polished; a widget with one keeps its colours (the
    // name fields: black on khaki, 13:1 in either look).
    if (!w->styleSheet().isEmpty())
        return;
    if (colours::activeLook() == colours::Look::Olive) {
        const QVariant design = w->property(kDesignPalette);
        if (design.isValid()) {
            setPaletteQuietly(w, design.isNull() ? QPalette() : design.value<QPalette>());
            w->setProperty(kDesignPalette, QVariant());
            w->setProperty(kShownPalette, QVariant());
        }
    } else {
        if (!w->property(kDesignPalette).isValid())
            w->setProperty(kDesignPalette, w->testAttribute(Qt::WA_SetPalette) ? QVariant::fromValue(w->palette())
                                                                                : QVariant::fromValue(nullptr));
        // Always from the palette the window built, never from colours the look made,
        // so the order the widgets are done in does not matter.
        const QPalette shown = inLook(designOf(w), pictureBehind(w));
        setPaletteQuietly(w, shown);
        w->setProperty(kShownPalette, QVariant::fromValue(shown));
    }
    if (auto* picture = qobject_cast<PictureBox*>(w))
        picture->refreshPicture();
    w->update();
}

// Whether a palette change came from the window's own code (a new colour to
// keep) rather than from the look or from a parent passing its palette on.
bool isNewDesign(const QWidget* w)
{
    const QVariant shown = w->property(kShownPalette);
    return w->testAttribute(Qt::WA_SetPalette) && shown.isValid() && !(w->palette() == shown.value<QPalette>());
}

// The window's code changed a palette the look had set, usually by taking
// palette() and setting one colour: the colours it changed are its new
// design, the ones it left are still the look's and give way to that design.
QPalette newDesign(const QWidget* w)
{
    const QPalette now = w->palette();
    const QPalette shown = w->property(kShownPalette).value<QPalette>();
    QPalette merged = designOf(w);
    for (const auto group : kGroups)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto r = static_cast<QPalette::ColorRole>(role);
            if (now.color(group, r) != shown.color(group, r))
                merged.setColor(group, r, now.color(group, r));
        }
    return merged;
}

// Keeps windows built or recoloured after the switch in the look.
class LookKeeper : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (g_restyling || colours::activeLook() == colours::Look::Olive || !watched->isWidgetType())
            return false;
        auto* w = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Polish && !w->property(kDesignPalette).isValid()) {
            restyle(w);
        } else if (event->type() == QEvent::PaletteChange && isNewDesign(w)) {
            w->setProperty(kDesignPalette, QVariant::fromValue(newDesign(w)));
            restyle(w);
            for (QWidget* child : w->findChildren<QWidget*>())
                restyle(child);
        }
        return false;
    }
};

} // namespace

void applyLook(colours::Look look)
{
    static QPointer<LookKeeper> keeper;
    if (keeper == nullptr && qApp != nullptr) {
        keeper = new LookKeeper(qApp);
        qApp->installEventFilter(keeper);
    }
    colours::setActiveLook(look);
    // Parents before children, so each child's inherited colours are the
    // look's already.
    for (QWidget* top : QApplication::topLevelWidgets()) {
        restyle(top);
        for (QWidget* w : top->findChildren<QWidget*>())
            restyle(w);
    }
}

bool themeAsksHighContrast(const QString& themeName)
{
    return themeName.contains(QStringLiteral("HighContrast"), Qt::CaseInsensitive);
}

bool desktopAsksHighContrast() { return themeAsksHighContrast(qEnvironmentVariable("GTK_THEME")); }

void makeHighContrast(QImage& picture, Rgb light, double lightFrom)
{
    picture = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb lightPixel = qRgb(light.red, light.green, light.blue);
    for (int y = 0; y < picture.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = line[x];
            if (qAlpha(p) == 0)
                continue;
            const QRgb ink = colours::luminance(rgbOf(QColor(p))) >= lightFrom ? lightPixel : qRgb(0, 0, 0);
            line[x] = (ink & 0x00FFFFFFu) | (p & 0xFF000000u);
        }
    }
}
