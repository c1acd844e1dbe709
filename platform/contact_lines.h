// Korvalin dial tester - the dial's contacts on the serial port's modem lines.
#pragma once

#include <string>

namespace kvl {

enum class ModemLine {
    Dcd,  // pin 1: nsi, the pulse contact
    Dsr,  // pin 6: nsr
    Ri,   // pin 9: nsa, the off-normal contact
};

// At most one port is open at a time; the operations act on that port.
class ContactLines {
public:
    virtual ~ContactLines() = default;
    // "COM1" .. "COM26"; exclusive, 300 baud 8N1, no handshake. On failure
    // the port stays closed (an already open connection stays in use).
    virtual bool openContactPort(const std::string &name) = 0;
    virtual void setRts(bool on) = 0;
    // 1 when the input is active; 0 when not, when no port is open or the
    // status cannot be read. Never waits for line activity.
    virtual int readLine(ModemLine line) = 0;
    // Does nothing when no port is open.
    virtual void closeContactPort() = 0;
};

}  // namespace kvl
