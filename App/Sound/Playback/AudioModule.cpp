#include "Sound/Playback/AudioModule.h"

#include <QDir>
#include <QFileInfo>
#include <QPluginLoader>

namespace {

// Stands in for the device output when the module cannot be had: every start gives the cause.
class MissingAudioOutput final : public AudioOutput {
  public:
    explicit MissingAudioOutput(QString cause)
        : cause_(std::move(cause)) {}
    std::optional<QString> start() override { return cause_; }
    void stop() override {}
    bool isRunning() const override { return false; }

  private:
    QString cause_;
};

} // namespace

AudioModule::AudioModule(QStringList folders)
    : folders_(std::move(folders)) {}

QStringList AudioModule::folders(const QString& executableFolder) {
    const QDir beside(executableFolder);
    return {beside.path(),
            QDir::cleanPath(beside.filePath(QStringLiteral(CHIPWHISTLE_AUDIO_MODULE_FROM_BIN)))};
}

void AudioModule::load() {
    tried_ = true;
    for (const QString& folder : folders_) {
        const QString path = QDir(folder).filePath(fileName);
        if (!QFileInfo::exists(path)) {
            continue;
        }
        // Never unloaded: outputs made by the module may live until the process ends.
        QPluginLoader loader(path);
        QObject* instance = loader.instance();
        plugin_ = qobject_cast<AudioOutputPlugin*>(instance);
        if (!instance) {
            failure_ =
                QStringLiteral("the audio module %1 could not be loaded: %2").arg(path, loader.errorString());
        } else if (!plugin_) {
            failure_ = QStringLiteral("%1 is not the game's audio module").arg(path);
        }
        return;
    }
    failure_ = QStringLiteral("the audio module %1 is in none of %2").arg(fileName, folders_.join(u", "));
}

std::unique_ptr<AudioOutput> AudioModule::makeOutput(SamplePull pull) {
    if (!tried_) {
        load();
    }
    if (!plugin_) {
        return std::make_unique<MissingAudioOutput>(failure_);
    }
    return plugin_->makeOutput(std::move(pull));
}
