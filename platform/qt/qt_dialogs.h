// Korvalin dial tester - modal dialogs with Qt.
#pragma once

#include "platform/dialogs.h"
#include "platform/qt/qt_controls.h"

namespace kvl {

class QtDialogs : public Dialogs {
public:
    // The dialogs are owned by the main window once it exists.
    // Also gives the dialogs' own buttons and labels German texts where the
    // system has Qt's German translation.
    explicit QtDialogs(QtControls &controls);
    void messageBox(const std::string &title, const std::string &text) override;
    std::string inputBox(const std::string &title, const std::string &prompt,
                         const std::string &defaultText) override;
    SaveChoice saveDialog(const std::string &title, const std::string &defaultPath,
                          const std::vector<FilePattern> &patterns, int preselected) override;
    std::unique_ptr<PrintJob> printDialog() override;

private:
    QtControls &m_controls;
};

}  // namespace kvl
