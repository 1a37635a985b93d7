// SPDX-License-Identifier: MIT
#pragma once
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QWidget>

#include "widgets/storedcolor.h"
#include "widgets/urlopener.h"
#include "forms/windows/infowindow.h"

class QLabel;
class PictureBox;
class ClickableLabel;
class SelectButton;
class WebAddress;

// The about window: the logo, a link to the maker's web site, the maker's
// notice and the program's version. Created once at start-up; Done and the
// close box only hide it.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{304, 193};
    // The program's own version, the caption of the "version" label.
    static constexpr const char* kVersion = "1.0.2";

    // urls opens the maker's site for the labels and the logo.
    explicit AboutWindow(QWidget* parent = nullptr, UrlOpener& urls = UrlOpener::desktop());

    // Shows the window in front; the first time, centred over mainWindow.
    void showCentredOn(const QWidget* mainWindow);

    // The program's own version as the update check compares it.
    [[nodiscard]] QString versionText() const;

    void onMakerAddress();
    void onDone();

    // The maker's web site; the main window's logo opens it too.
    WebAddress* makerSite = nullptr;

private:
    PictureBox* m_logo = nullptr;
    ClickableLabel* m_siteLink = nullptr;
    QLabel* m_year = nullptr;
    QLabel* m_versionCaption = nullptr;
    QLabel* m_version = nullptr;
    QLabel* m_versionTail = nullptr;
    SelectButton* m_done = nullptr;
    bool m_placed = false;
};

