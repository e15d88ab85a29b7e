// A build without Qt Multimedia has no sound player: every save sound
// counts as missing and is logged once.

#include "save_sounds.h"

namespace tallyra::app {

std::unique_ptr<SoundPlayer> SaveSounds::platformPlayer()
{
    return nullptr;
}

} // namespace tallyra::app
