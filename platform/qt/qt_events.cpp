// Korvalin dial tester - placeholder until this operation is built.
#include "platform/qt/qt_events.h"

namespace kvl {

struct QtEvents::Impl {};
QtEvents::QtEvents(QtControls &) : d(std::make_unique<Impl>()) {}
QtEvents::~QtEvents() = default;
WindowEvent QtEvents::waitEvent() { return {WindowEvent::Kind::Close, 0}; }
WindowEvent QtEvents::waitEvent(int) { return {}; }

}  // namespace kvl
