// Korvalin dial tester - placeholder until this operation is built.
#include "platform/qt/qt_print_job.h"

#include <QPrinter>

namespace kvl {

struct QtPrintJob::Impl {
    std::unique_ptr<QPrinter> printer;
};
QtPrintJob::QtPrintJob(std::unique_ptr<QPrinter> printer) : d(std::make_unique<Impl>()) {
    d->printer = std::move(printer);
}
QtPrintJob::~QtPrintJob() = default;
bool QtPrintJob::start(const std::string &) { return false; }
PageSurface *QtPrintJob::beginDrawing() { return nullptr; }
void QtPrintJob::endDrawing() {}
void QtPrintJob::endPageAndJob() {}

}  // namespace kvl
