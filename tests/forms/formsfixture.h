// SPDX-License-Identifier: MIT
#pragma once
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <optional>
#include <string>
#include <gtest/gtest.h>

#include "core/fakegameseams.h"
#include "forms/art/formlayout.h"
#include "forms/art/objectnames.h"
#include "forms/board/mainwindow.h"
#include "forms/programwindows.h"
#include "platform/programfolder.h"
#include "platform/recordingdialogservice.h"
#include "platform/recordingsoundsink.h"
#include "support/recordingurlopener.h"

// Every window test gets its own program folder, a sound recorder, an
// answering dialog service and scripted dice.
class FormsFixture : public testing::Test {
protected:
    FormsFixture()
    {
        static const bool once = [] {
            installFontSubstitutions();
            initFormResources();
            return true;
        }();
        (void)once;
    }

    // The main window's cues, faces and boxes go to this fixture.
    MainWindowSeams seams(std::optional<std::string> updateKey = std::nullopt)
    {
        return {&sounds, &faces, &dialogs, std::move(updateKey), &urls};
    }

    // Every file of the program in the test's own folder.
    ProgramFolder programFolder() const { return ProgramFolder::at(folder.path()); }
    QString tallyFile() const { return programFolder().tallyFile(QStringLiteral("pelbixsolo")); }

    QString file(const QString& name) const { return QDir(folder.path()).filePath(name); }

    static void click(QWidget* w, QPoint at = {})
    {
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(w, Qt::LeftButton, {}, at.isNull() ? w->rect().center() : at);
    }

    // Saves a picture of the window when PELBIX_SHOT_DIR names a folder, so a
    // person can look at every state the tests reach.
    static void shoot(QWidget* window, const QString& name)
    {
        const QString dir = qEnvironmentVariable("PELBIX_SHOT_DIR");
        if (!dir.isEmpty())
            window->grab().save(QDir(dir).filePath(name + ".png"));
    }

    static QWidget* widget(ProgramWindows& w, const char* name) { return w.main.findChild<QWidget*>(name); }

    // Ten rounds of three ones banked: a finished game of 10,000 points, a
    // score the server takes, with the end panel showing.
    void endGame(ProgramWindows& w)
    {
        click(widget(w, "button_start"));
        for (int round = 1; round <= 10; ++round) {
            faces.script = {1, 1, 1, 2, 3, 4};
            click(widget(w, "image_roll"));
            for (const char* die : {"dice1", "dice2", "dice3"})
                click(widget(w, die));
            click(widget(w, "image_turn"), {20, 11});
            w.main.onPauseElapsed();
        }
        ASSERT_TRUE(widget(w, objectname::kClearedPanel)->isVisible());
    }

    QTemporaryDir folder;
    RecordingSoundSink sounds;
    RecordingDialogService dialogs;
    RecordingUrlOpener urls;
    ScriptedFaces faces;
};
