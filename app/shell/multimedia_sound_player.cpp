// The save sounds through Qt Multimedia: one QSoundEffect per sound, made on
// first use from the bundled WAV files.

#include <map>
#include <memory>

#include <QFile>
#include <QSoundEffect>
#include <QUrl>

#include "save_sounds.h"

namespace tallyra::app {

namespace {

class MultimediaSoundPlayer final : public SoundPlayer
{
public:
    Outcome play(const QString& name, double volume) override
    {
        const QString path =
            QStringLiteral(":/tallyra/sounds/") + name.toLower() + QStringLiteral(".wav");
        if (!QFile::exists(path))
            return Outcome::missing;
        auto& effect = m_effects[name];
        if (!effect) {
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl(QStringLiteral("qrc") + path));
        }
        if (effect->status() == QSoundEffect::Error)
            return Outcome::failed;
        effect->stop();
        effect->setVolume(float(volume));
        effect->play();
        return Outcome::played;
    }

private:
    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects;
};

} // namespace

std::unique_ptr<SoundPlayer> SaveSounds::platformPlayer()
{
    return std::make_unique<MultimediaSoundPlayer>();
}

} // namespace tallyra::app
