// Korvalin dial tester - a print job on a Qt printer (a real printer or a PDF file).
#pragma once

#include <memory>

#include "platform/print_job.h"

class QPrinter;

namespace kvl {

class QtPrintJob : public PrintJob {
public:
    // Takes over a printer that the print dialog (or a test) has set up.
    explicit QtPrintJob(std::unique_ptr<QPrinter> printer);
    ~QtPrintJob() override;
    bool start(const std::string &jobName) override;
    PageSurface *beginDrawing() override;
    void endDrawing() override;
    void endPageAndJob() override;

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace kvl
