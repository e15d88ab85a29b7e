#include "save_sounds.h"

#include <QLoggingCategory>

namespace tallyra::app {

namespace {

Q_LOGGING_CATEGORY(lcSounds, "tallyra.sounds")

} // namespace

SaveSounds::SaveSounds(std::unique_ptr<SoundPlayer> player) : m_player(std::move(player)) {}

SaveSounds::~SaveSounds() = default;

QString SaveSounds::soundName(EntryKind kind)
{
    switch (kind) {
    case EntryKind::expense:
        return QStringLiteral("Pop");
    case EntryKind::income:
        return QStringLiteral("Glass");
    case EntryKind::transfer:
        return QStringLiteral("Tink");
    }
    return QStringLiteral("Pop");
}

void SaveSounds::play(EntryKind kind, bool makesSound, bool playsSounds)
{
    if (!makesSound || !playsSounds)
        return;
    const QString name = soundName(kind);
    const SoundPlayer::Outcome outcome =
        m_player ? m_player->play(name, kVolume) : SoundPlayer::Outcome::missing;
    if (outcome == SoundPlayer::Outcome::played)
        return;
    // One line per sound and outcome for the whole run: a broken audio setup
    // would otherwise log on every save.
    const QString message =
        outcome == SoundPlayer::Outcome::missing
            ? QString(QStringLiteral("Tallyra has no sound named ") + name)
            : QString(QStringLiteral("The sound ") + name + QStringLiteral(" didn’t play"));
    if (m_logged.insert(message).second)
        qCWarning(lcSounds, "%s", qUtf8Printable(message));
}

} // namespace tallyra::app
