// SPDX-License-Identifier: MIT
#pragma once
#include <QPointer>
#include <QSize>
#include <QWidget>

class QLabel;
class QTextEdit;
class AboutWindow;
class FlatPanel;
class SelectButton;

// The help window: a column of page buttons beside a stack of read-only
// pages, one page in front at a time under a caption line. Created once at
// start-up; it keeps the chosen page while hidden.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{523, 431};
    static constexpr int kSideWidth = 137;

    explicit HelpWindow(QWidget* parent = nullptr);

    // The window "About" shows; created after this one, so set later.
    void setAboutWindow(AboutWindow* about);

    // Shows the window in front; the first time, centred over mainWindow.
    void showCentredOn(const QWidget* mainWindow);

    // Brings the page "memo" + the sender's tag to the front and puts the
    // sender's caption on the caption line.
    void onPageButton(SelectButton* sender);
    void onAboutButton();
    void onDone();

private:
    void showFirstPage();
    void buildSide();
    void buildPages();
    void showPage(QTextEdit* page);

    FlatPanel* m_side = nullptr;
    FlatPanel* m_pageArea = nullptr;
    QLabel* m_caption = nullptr;
    QTextEdit* m_firstPage = nullptr;
    QLabel* m_year = nullptr;

    QPointer<AboutWindow> m_about;
    // The window this one was last centred over, for placing the about window.
    QPointer<const QWidget> m_mainWindow;
    bool m_placed = false;
};
