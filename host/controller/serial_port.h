#pragma once

#include "host/controller/serial_settings.h"

#include <QSerialPort>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>

namespace vamo::serial {

class SerialPortError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The only class that touches the serial port. It opens the port from the line settings, writes blocks and
// hands each batch of received bytes to the delivery callback, on the thread that owns the adapter.
class SerialPortAdapter {
public:
    using Delivery = std::function<void(const std::uint8_t* bytes, std::size_t count)>;

    explicit SerialPortAdapter(Delivery onDelivery);
    ~SerialPortAdapter();
    SerialPortAdapter(const SerialPortAdapter&) = delete;
    SerialPortAdapter& operator=(const SerialPortAdapter&) = delete;

    // Closes the port if it is open, then opens the device of settings.portName below programFolder with
    // the line settings. Throws SerialPortError with the port and the system's error text on failure.
    void open(const controller::LineSettings& settings, const std::filesystem::path& programFolder);
    void close();
    bool isOpen() const;

    // Queues the block for sending; true when all of it was accepted.
    bool write(const std::uint8_t* bytes, std::size_t count);

    // The device the port was last opened on (for messages).
    const std::filesystem::path& devicePath() const { return devicePath_; }

private:
    void applyLineSettings(const controller::LineSettings& settings);
    void switchModemLinesOn();
    void deliverReceivedBytes();

    QSerialPort port_;
    Delivery onDelivery_;
    std::filesystem::path devicePath_;
};

} // namespace vamo::serial
