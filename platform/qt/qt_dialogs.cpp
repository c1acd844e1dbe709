// Korvalin dial tester - placeholder until this operation is built.
#include "platform/qt/qt_dialogs.h"

namespace kvl {

void QtDialogs::messageBox(const std::string &, const std::string &) {}
std::string QtDialogs::inputBox(const std::string &, const std::string &, const std::string &) {
    return {};
}
SaveChoice QtDialogs::saveDialog(const std::string &, const std::string &,
                                 const std::vector<FilePattern> &, int) {
    return {};
}
std::unique_ptr<PrintJob> QtDialogs::printDialog() { return nullptr; }

}  // namespace kvl
