#pragma once

#include <QObject>

class QSocketNotifier;

namespace vamo::host {

// SIGTERM and SIGINT (a logout, `kill`, Ctrl+C) reach the user-interface thread as a signal of this
// object, so that they run the normal shutdown sequence instead of ending the process on the spot.
class ShutdownSignals : public QObject {
    Q_OBJECT
public:
    explicit ShutdownSignals(QObject* parent = nullptr);
    ~ShutdownSignals() override;

signals:
    void requested();

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace vamo::host
