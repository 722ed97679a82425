#include "SortieSon.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

#include <memory>
#include <type_traits>

namespace {

// Qt Multimedia's sink on the default output, given back to the system once a sound has
// run out.
class SortieMultimedia final : public SortieSon {
public:
    SortieMultimedia(const QAudioDevice& appareil, const QAudioFormat& format)
        : sortie_(std::make_unique<QAudioSink>(appareil, format))
    {
        QAudioSink* sortie = sortie_.get();
        QObject::connect(sortie, &QAudioSink::stateChanged, sortie, [sortie](QAudio::State etat) {
            if (etat == QAudio::IdleState)
                sortie->stop();
        });
    }

    ~SortieMultimedia() override { sortie_->stop(); }

    void jouer(const QByteArray& echantillons) override
    {
        sortie_->stop();
        lecture_.close();
        lecture_.setData(echantillons);
        lecture_.open(QIODevice::ReadOnly);
        sortie_->start(&lecture_);
    }

private:
    QBuffer lecture_; // outlives the sink that reads it
    std::unique_ptr<QAudioSink> sortie_;
};

} // namespace

extern "C" Q_DECL_EXPORT SortieSon* orvaneCreerSortieSon(int frequenceEchantillonnage)
{
    QAudioFormat format;
    format.setSampleRate(frequenceEchantillonnage);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    const QAudioDevice appareil = QMediaDevices::defaultAudioOutput();
    if (appareil.isNull() || !appareil.isFormatSupported(format))
        return nullptr;
    return new SortieMultimedia(appareil, format);
}
static_assert(std::is_same_v<decltype(&orvaneCreerSortieSon), FabriqueSortieSon>);
