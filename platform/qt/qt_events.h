// Korvalin dial tester - window events from the Qt event loop.
#pragma once

#include <memory>

#include "platform/events.h"
#include "platform/qt/qt_controls.h"

namespace kvl {

class QtEvents : public EventSource {
public:
    explicit QtEvents(QtControls &controls);
    ~QtEvents() override;
    WindowEvent waitEvent() override;
    WindowEvent waitEvent(int maxMs) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace kvl
