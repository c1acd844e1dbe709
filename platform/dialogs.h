// Korvalin dial tester - modal dialogs.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/print_job.h"

namespace kvl {

struct FilePattern {
    std::string description;  // "Image (*.bmp)"
    std::string pattern;      // "*.bmp"
};

struct SaveChoice {
    std::string path;      // empty when cancelled
    int patternIndex = 0;  // index of the pattern selected when the dialog closed
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    // One OK button; returns when closed.
    virtual void messageBox(const std::string &title, const std::string &text) = 0;
    // Returns the entered text, or an empty text when cancelled.
    virtual std::string inputBox(const std::string &title, const std::string &prompt,
                                 const std::string &defaultText) = 0;
    // Opens in the folder of defaultPath with its last component proposed as
    // the name; asks nothing before a file is replaced and adds no extension.
    virtual SaveChoice saveDialog(const std::string &title, const std::string &defaultPath,
                                  const std::vector<FilePattern> &patterns, int preselected) = 0;
    // The system's print dialog, preset to one copy; nullptr when cancelled.
    virtual std::unique_ptr<PrintJob> printDialog() = 0;
};

}  // namespace kvl
