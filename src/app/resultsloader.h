#pragma once
// Reads a results file for the viewer without holding up the window: the
// first part is read and decoded at once, so the start of the file shows
// straight away; the rest is read and decoded on a worker thread and handed
// to the window in batches through the event loop.

#include <QObject>
#include <QStringList>

#include <atomic>
#include <functional>
#include <thread>

namespace results {

class LineDecoder;

class Loader : public QObject {
    Q_OBJECT
public:
    explicit Loader(QObject* parent = nullptr);
    ~Loader() override; // stops a read still going

    // Called on the window's thread: batches of lines in file order, then
    // once done(true), or done(false) when the file cannot be opened or read.
    std::function<void(const QStringList& lines)> onLines;
    std::function<void(bool ok)> onDone;

    // Starts reading the file; a read still going for another file stops and
    // sends nothing more. The first lines arrive before this returns.
    void load(const QString& fileName);
    bool busy() const { return busy_; }

private:
    void stop();
    void readRest(const QString& fileName, qint64 at, LineDecoder& decoder, unsigned generation);
    void post(std::function<void()> step, unsigned generation);

    std::thread worker_;
    std::atomic<bool> stopping_{false};
    unsigned generation_ = 0;
    bool busy_ = false;
};

} // namespace results
