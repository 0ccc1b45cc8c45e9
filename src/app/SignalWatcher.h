// Turns SIGTERM, SIGHUP and SIGINT into a Qt signal. The handler only writes the signal number
// into a pipe; a socket notifier reads it on the event loop, where closing the window and
// saving the settings is safe.
#pragma once

#include <QObject>

class QSocketNotifier;

class TSignalWatcher : public QObject {
    Q_OBJECT
public:
    // Installs the handlers; one watcher per process.
    explicit TSignalWatcher(QObject* parent = nullptr);
    ~TSignalWatcher() override;

signals:
    void TerminationRequested(int signalNumber);

private:
    void ReadSignal();

    QSocketNotifier* m_notifier = nullptr;
};
