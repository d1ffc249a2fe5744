#include "Sound/Playback/QtAudioOutput.h"

#include "Sound/Playback/AudioTeardown.h"
#include "Sound/SoundSynth.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include <cstring>

namespace {

QAudioFormat monoFloatFormat() {
    QAudioFormat format;
    format.setSampleRate(SoundSynth::sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Float);
    return format;
}

QString describe(QAudio::Error error) {
    switch (error) {
    case QAudio::NoError:
        return QStringLiteral("no error");
    case QAudio::OpenError:
        return QStringLiteral("the audio device could not be opened");
    case QAudio::IOError:
        return QStringLiteral("writing to the audio device failed");
    case QAudio::UnderrunError:
        return QStringLiteral("the audio device ran out of data");
    case QAudio::FatalError:
        return QStringLiteral("the audio device is not usable");
    }
    return QStringLiteral("unknown audio error");
}

// 100 ms of output queued ahead, so a sound lands with its animation. Much less can stay under
// PulseAudio's pre-buffering threshold, and the stream then starts late or never; the default (about
// two seconds) puts every sound far behind its animation.
constexpr qsizetype sinkBufferBytes = SoundSynth::sampleRate / 10 * static_cast<qsizetype>(sizeof(float));
// What the stream offers to have ready: it never runs dry (silence while no voice sounds).
constexpr qint64 offeredBytes = SoundSynth::sampleRate / 50 * static_cast<qint64>(sizeof(float));

} // namespace

qint64 QtAudioOutput::MixerStream::bytesAvailable() const {
    return offeredBytes + QIODevice::bytesAvailable();
}

qint64 QtAudioOutput::MixerStream::readData(char* data, qint64 maxSize) {
    const auto frames = static_cast<std::size_t>(maxSize) / sizeof(float);
    if (frames == 0) {
        return 0;
    }
    mixed_.resize(frames);
    pull_(mixed_.data(), frames);
    std::memcpy(data, mixed_.data(), frames * sizeof(float));
    return static_cast<qint64>(frames * sizeof(float));
}

QtAudioOutput::QtAudioOutput(SamplePull pull)
    : stream_(std::move(pull)) {}

QtAudioOutput::~QtAudioOutput() {
    if (sink_) {
        sink_->stop();
    }
}

std::optional<QString> QtAudioOutput::start() {
    if (!sink_) {
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        AudioTeardown::skipAtExitAfter(AudioTeardown::Connection::deviceList);
        if (device.isNull()) {
            return QStringLiteral("no audio output device");
        }
        const QAudioFormat format = monoFloatFormat();
        if (!device.isFormatSupported(format)) {
            return QStringLiteral("the output device \"%1\" cannot play mono 44.1 kHz float samples")
                .arg(device.description());
        }
        sink_ = std::make_unique<QAudioSink>(device, format);
        sink_->setBufferSize(sinkBufferBytes);
    }
    if (isRunning()) {
        return std::nullopt;
    }
    if (!stream_.isOpen()) {
        stream_.open(QIODevice::ReadOnly | QIODevice::Unbuffered);
    }
    sink_->start(&stream_);
    // The sink connects to the server (and Qt registers its teardown) on its first start.
    AudioTeardown::skipAtExitAfter(AudioTeardown::Connection::output);
    if (sink_->error() != QAudio::NoError || sink_->state() == QAudio::StoppedState) {
        const QString cause = describe(sink_->error());
        sink_.reset();
        return cause;
    }
    return std::nullopt;
}

void QtAudioOutput::stop() {
    if (sink_) {
        sink_->stop();
    }
}

bool QtAudioOutput::isRunning() const {
    return sink_ && (sink_->state() == QAudio::ActiveState || sink_->state() == QAudio::IdleState);
}
