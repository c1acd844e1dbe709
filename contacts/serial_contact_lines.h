// Korvalin dial tester - the contact lines over a real serial port.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/contact_lines.h"

namespace kvl {

class SerialContactLines : public ContactLines {
public:
    // resolver maps a port name to a device path; the default is devicePathForPort.
    using Resolver = std::function<std::optional<std::string>(const std::string &)>;
    SerialContactLines();
    explicit SerialContactLines(Resolver resolver);
    ~SerialContactLines() override;

    bool openContactPort(const std::string &name) override;
    void setRts(bool on) override;
    int readLine(ModemLine line) override;
    void closeContactPort() override;

private:
    struct Port;
    Resolver m_resolver;
    std::unique_ptr<Port> m_port;
};

}  // namespace kvl
