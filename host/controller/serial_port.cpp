#include "host/controller/serial_port.h"

#include <QByteArray>
#include <QString>

#include <utility>

namespace vamo::serial {

namespace {

QSerialPort::Parity qtParity(controller::Parity parity) {
    switch (parity) {
    case controller::Parity::Odd:
        return QSerialPort::OddParity;
    case controller::Parity::Even:
        return QSerialPort::EvenParity;
    case controller::Parity::Mark:
        return QSerialPort::MarkParity;
    case controller::Parity::Space:
        return QSerialPort::SpaceParity;
    case controller::Parity::None:
        break;
    }
    return QSerialPort::NoParity;
}

QSerialPort::StopBits qtStopBits(controller::StopBits stopBits) {
    switch (stopBits) {
    case controller::StopBits::OneAndHalf:
        return QSerialPort::OneAndHalfStop;
    case controller::StopBits::Two:
        return QSerialPort::TwoStop;
    case controller::StopBits::One:
        break;
    }
    return QSerialPort::OneStop;
}

QString pathText(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

} // namespace

SerialPortAdapter::SerialPortAdapter(Delivery onDelivery) : onDelivery_(std::move(onDelivery)) {
    QObject::connect(&port_, &QSerialPort::readyRead, &port_, [this] { deliverReceivedBytes(); });
}

SerialPortAdapter::~SerialPortAdapter() {
    close();
}

void SerialPortAdapter::open(const controller::LineSettings& settings,
                             const std::filesystem::path& programFolder) {
    close();
    devicePath_ = controller::serialDevicePath(programFolder, settings.portNumber);
    // A full path is taken as it is; a bare name would be looked up below /dev.
    port_.setPortName(pathText(devicePath_));
    applyLineSettings(settings);
    if (!port_.open(QIODevice::ReadWrite)) {
        const QString reason = port_.errorString();
        port_.clearError();
        throw SerialPortError("Cannot open serial port " + settings.portName + " (" + devicePath_.string()
                              + "): " + reason.toStdString());
    }
    switchModemLinesOn();
}

void SerialPortAdapter::close() {
    if (port_.isOpen()) {
        port_.close();
    }
    port_.clearError();
}

bool SerialPortAdapter::isOpen() const {
    return port_.isOpen();
}

bool SerialPortAdapter::write(const std::uint8_t* bytes, std::size_t count) {
    const auto size = static_cast<qint64>(count);
    return port_.write(reinterpret_cast<const char*>(bytes), size) == size;
}

void SerialPortAdapter::applyLineSettings(const controller::LineSettings& settings) {
    port_.setBaudRate(settings.baudRate);
    port_.setDataBits(settings.dataBits == 7 ? QSerialPort::Data7 : QSerialPort::Data8);
    port_.setParity(qtParity(settings.parity));
    if (settings.stopBits) {
        port_.setStopBits(qtStopBits(*settings.stopBits));
    }
    port_.setFlowControl(QSerialPort::NoFlowControl);
}

// DTR and RTS on. A pseudo-terminal (the simulator, a test) has no modem lines and reports an unsupported
// operation; that is no reason to refuse the port.
void SerialPortAdapter::switchModemLinesOn() {
    if (!port_.setDataTerminalReady(true) && port_.error() == QSerialPort::UnsupportedOperationError) {
        port_.clearError();
    }
    if (!port_.setRequestToSend(true) && port_.error() == QSerialPort::UnsupportedOperationError) {
        port_.clearError();
    }
}

void SerialPortAdapter::deliverReceivedBytes() {
    const QByteArray bytes = port_.readAll();
    if (!bytes.isEmpty() && onDelivery_) {
        onDelivery_(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                    static_cast<std::size_t>(bytes.size()));
    }
}

} // namespace vamo::serial
