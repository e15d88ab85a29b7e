#include "shell/save_sounds.h"

#include <QFile>

#include <gtest/gtest.h>

#include "shell_test_support.h"

using namespace tallyra;
using namespace tallyra::app;
using namespace tallyra::app::testing;

namespace {

QStringList& captured()
{
    static QStringList lines;
    return lines;
}

// Collects the log lines written while it lives.
struct LogCapture
{
    QtMessageHandler previous;
    LogCapture()
    {
        captured().clear();
        previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& line) { captured() << line; });
    }
    ~LogCapture() { qInstallMessageHandler(previous); }
};

TEST(SaveSounds, eachKindHasItsSoundAtHalfVolume)
{
    auto player = std::make_unique<RecordingPlayer>();
    RecordingPlayer& recording = *player;
    SaveSounds sounds(std::move(player));
    sounds.play(EntryKind::transfer, true, true);
    EXPECT_EQ(recording.played, QStringList{q("Tink")});
    EXPECT_DOUBLE_EQ(recording.lastVolume, 0.5);
}

TEST(SaveSounds, aMissingOrFailingSoundIsLoggedOncePerRun)
{
    struct Case
    {
        SoundPlayer::Outcome outcome;
        const char* message;
    };
    for (const Case& c : {Case{SoundPlayer::Outcome::missing, "Tallyra has no sound named Pop"},
                          Case{SoundPlayer::Outcome::failed, "The sound Pop didn’t play"}}) {
        auto player = std::make_unique<RecordingPlayer>();
        player->outcome = c.outcome;
        RecordingPlayer& recording = *player;
        SaveSounds sounds(std::move(player));
        const LogCapture log;
        sounds.play(EntryKind::expense, true, true);
        sounds.play(EntryKind::expense, true, true);
        sounds.play(EntryKind::expense, false, true);
        EXPECT_EQ(recording.played.size(), 2);
        EXPECT_EQ(captured(), QStringList{q(c.message)});
    }
}

TEST(SaveSounds, theBundledSoundsExist)
{
    for (const EntryKind kind : {EntryKind::expense, EntryKind::income, EntryKind::transfer}) {
        QFile file(q(":/tallyra/sounds/") + SaveSounds::soundName(kind).toLower() + q(".wav"));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
        const QByteArray header = file.read(12);
        EXPECT_TRUE(header.startsWith("RIFF") && header.endsWith("WAVE"));
    }
}

} // namespace
