#include "platform/recordingdialogservice.h"

#include <gtest/gtest.h>

TEST(DialogService, ARecorderAnswersWhileInstalled)
{
    DialogService& boxes = DialogService::instance();
    {
        RecordingDialogService outer;
        outer.answers = {true};
        EXPECT_EQ(&DialogService::instance(), &outer);
        EXPECT_TRUE(DialogService::instance().question(nullptr, QStringLiteral("Reset?")));
        EXPECT_FALSE(DialogService::instance().question(nullptr, QStringLiteral("Again?")));
        {
            RecordingDialogService inner;
            DialogService::instance().error(nullptr, QStringLiteral("Posting Failed."));
            EXPECT_EQ(inner.shown.size(), 1);
        }
        EXPECT_EQ(&DialogService::instance(), &outer);
        DialogService::instance().information(nullptr, QStringLiteral("hello"));
        ASSERT_EQ(outer.shown.size(), 3);
        EXPECT_EQ(outer.shown[0].kind, RecordingDialogService::Kind::Question);
        EXPECT_EQ(outer.shown[2].kind, RecordingDialogService::Kind::Information);
        EXPECT_EQ(outer.shown[2].text, QStringLiteral("hello"));
    }
    EXPECT_EQ(&DialogService::instance(), &boxes);
}
