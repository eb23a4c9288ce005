#include "resultsloader.h"

#include "run/resultsfile.h"

#include <QFile>

#include <memory>

namespace results {

namespace {
constexpr qint64 firstPart = 64 * 1024;   // decoded at once: a few screens
constexpr qint64 piece = 2 * 1024 * 1024; // read and decoded per step on the worker
} // namespace

Loader::Loader(QObject* parent) : QObject(parent) {}

Loader::~Loader()
{
    stop();
}

void Loader::stop()
{
    ++generation_; // batches already posted for the old read are dropped
    stopping_ = true;
    if (worker_.joinable())
        worker_.join();
    stopping_ = false;
    busy_ = false;
}

void Loader::post(std::function<void()> step, unsigned generation)
{
    QMetaObject::invokeMethod(
        this,
        [this, step = std::move(step), generation] {
            if (generation == generation_)
                step();
        },
        Qt::QueuedConnection);
}

void Loader::load(const QString& fileName)
{
    stop();
    QFile file(fileName);
    const QByteArray start = file.open(QIODevice::ReadOnly) ? file.read(firstPart) : QByteArray();
    if (!file.isOpen() || file.error() != QFileDevice::NoError) {
        onDone(false);
        return;
    }
    auto decoder = std::make_shared<LineDecoder>();
    onLines(decoder->feed(start));
    if (file.atEnd()) {
        onLines(decoder->finish());
        onDone(true);
        return;
    }
    busy_ = true;
    const unsigned generation = generation_;
    worker_ = std::thread([this, fileName, at = start.size(), decoder, generation] {
        readRest(fileName, at, *decoder, generation);
    });
}

// On the worker thread: reads and decodes the rest of the file, posting each
// batch of lines to the window's thread.
void Loader::readRest(const QString& fileName, qint64 at, LineDecoder& decoder, unsigned generation)
{
    QFile file(fileName);
    bool ok = file.open(QIODevice::ReadOnly) && file.seek(at);
    while (ok && !stopping_ && !file.atEnd()) {
        const QByteArray bytes = file.read(piece);
        ok = file.error() == QFileDevice::NoError && !bytes.isEmpty();
        QStringList lines = decoder.feed(bytes);
        post([this, lines = std::move(lines)] { onLines(lines); }, generation);
    }
    QStringList last = decoder.finish();
    post(
        [this, ok, last = std::move(last)] {
            if (ok)
                onLines(last);
            busy_ = false;
            onDone(ok);
        },
        generation);
}

} // namespace results
