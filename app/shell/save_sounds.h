#pragma once

// SaveSounds: the short sound after a new transaction is saved: "Pop" for
// an expense, "Glass" for income, "Tink" for a transfer, each a sound that
// ships inside the program. A sound already playing is stopped and started
// again, at half volume.
//
// Nothing plays, and nothing is logged, unless the run allows sounds at all
// (makesSound) and the user has them on (playsSounds). A sound the player
// doesn't have is logged once per run as "Tallyra has no sound named
// <name>", one that fails to play once as "The sound <name> didn’t play".
//
// The player is the platform part: MultimediaSoundPlayer (Qt Multimedia)
// when the build has it, else none and every sound counts as missing.
//
// Threading: main thread only.

#include <memory>
#include <set>

#include <QString>

#include "model/entry_kind.h"

namespace tallyra::app {

class SoundPlayer
{
public:
    enum class Outcome
    {
        played,
        missing, // the player has no such sound
        failed,  // it has it but could not play it
    };

    virtual ~SoundPlayer() = default;
    // Stops the sound if it is playing, then plays it at the volume (0…1).
    virtual Outcome play(const QString& name, double volume) = 0;
};

class SaveSounds final
{
public:
    static constexpr double kVolume = 0.5;

    // player may be null (no sound support in this build).
    explicit SaveSounds(std::unique_ptr<SoundPlayer> player);
    ~SaveSounds();

    // The sound's name for a kind of transaction.
    [[nodiscard]] static QString soundName(EntryKind kind);
    // The player the build offers: Qt Multimedia's, or null.
    [[nodiscard]] static std::unique_ptr<SoundPlayer> platformPlayer();

    // Plays the kind's sound when makesSound and playsSounds are both true.
    void play(EntryKind kind, bool makesSound, bool playsSounds);

private:
    std::unique_ptr<SoundPlayer> m_player;
    std::set<QString> m_logged;
};

} // namespace tallyra::app
