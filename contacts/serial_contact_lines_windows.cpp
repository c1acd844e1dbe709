// Korvalin dial tester - the contact lines over a real serial port (Windows).
#ifdef _WIN32
#include <QSerialPort>
#include <QString>

#include "contacts/port_names.h"
#include "contacts/serial_contact_lines.h"

namespace kvl {

// The Windows driver answers modem-status queries from its own state, so
// each read asks the port directly.
struct SerialContactLines::Port {
    QSerialPort port;
};

namespace {

// Receive and transmit queues of the driver.
constexpr qint64 queueBytes = 1024;
// The dial needs no data rate at all; the slowest common one disturbs least.
constexpr qint32 lineBaud = 300;

}  // namespace

SerialContactLines::SerialContactLines() : m_resolver(devicePathForPort) {}
SerialContactLines::SerialContactLines(Resolver resolver) : m_resolver(std::move(resolver)) {}
SerialContactLines::~SerialContactLines() = default;

bool SerialContactLines::openContactPort(const std::string &name) {
    if (m_port) return false;
    const std::optional<std::string> path = m_resolver ? m_resolver(name) : std::nullopt;
    if (!path) return false;
    auto port = std::make_unique<Port>();
    port->port.setPortName(QString::fromStdString(*path));
    // Windows opens COM ports exclusively by itself.
    if (!port->port.open(QIODevice::ReadWrite)) return false;
    port->port.setReadBufferSize(queueBytes);
    if (!port->port.setBaudRate(lineBaud) || !port->port.setDataBits(QSerialPort::Data8) ||
        !port->port.setParity(QSerialPort::NoParity) ||
        !port->port.setStopBits(QSerialPort::OneStop) ||
        !port->port.setFlowControl(QSerialPort::NoFlowControl) ||
        !port->port.setRequestToSend(false)) {
        port->port.close();
        return false;
    }
    m_port = std::move(port);
    return true;
}

void SerialContactLines::setRts(bool on) {
    if (m_port) m_port->port.setRequestToSend(on);
}

int SerialContactLines::readLine(ModemLine line) {
    if (!m_port) return 0;
    const QSerialPort::PinoutSignals pins = m_port->port.pinoutSignals();
    if (m_port->port.error() != QSerialPort::NoError) {
        m_port->port.clearError();
        return 0;
    }
    switch (line) {
        case ModemLine::Dcd:
            return pins.testFlag(QSerialPort::DataCarrierDetectSignal) ? 1 : 0;
        case ModemLine::Dsr:
            return pins.testFlag(QSerialPort::DataSetReadySignal) ? 1 : 0;
        case ModemLine::Ri:
            return pins.testFlag(QSerialPort::RingIndicatorSignal) ? 1 : 0;
    }
    return 0;
}

void SerialContactLines::closeContactPort() {
    m_port.reset();
}

}  // namespace kvl
#endif  // _WIN32
