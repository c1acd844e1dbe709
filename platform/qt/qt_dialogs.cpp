// Korvalin dial tester - modal dialogs with Qt.
#include "platform/qt/qt_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTranslator>

#include "platform/qt/qt_print_job.h"

namespace kvl {

namespace {

QString qs(const std::string &text) {
    return QString::fromStdString(text);
}

// "Image (*.bmp)" shown as it is; a description without the pattern gets it
// appended, as the file dialog filters by the text in parentheses.
QString filterText(const FilePattern &p) {
    const QString description = qs(p.description);
    if (description.contains(QLatin1Char('(')) || p.pattern.empty()) return description;
    return description + QStringLiteral(" (") + qs(p.pattern) + QLatin1Char(')');
}

// The window speaks German; so should "Abbrechen", "Speichern" and the file
// and print dialogs. Installed once, for the life of the application.
void installGermanDialogTexts() {
    static bool installed = false;
    if (installed || !QCoreApplication::instance()) return;
    installed = true;
    auto *translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                         QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

}  // namespace

QtDialogs::QtDialogs(QtControls &controls) : m_controls(controls) {
    installGermanDialogTexts();
}

void QtDialogs::messageBox(const std::string &title, const std::string &text) {
    // Before the main window exists the box stands on its own.
    QMessageBox box(QMessageBox::NoIcon, qs(title), qs(text), QMessageBox::Ok, m_controls.window());
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

std::string QtDialogs::inputBox(const std::string &title, const std::string &prompt,
                                const std::string &defaultText) {
    QInputDialog box(m_controls.window());
    box.setWindowTitle(qs(title));
    box.setLabelText(qs(prompt));
    box.setInputMode(QInputDialog::TextInput);
    box.setTextValue(qs(defaultText));
    box.setWindowModality(Qt::ApplicationModal);
    if (box.exec() != QDialog::Accepted) return {};
    return box.textValue().toStdString();
}

SaveChoice QtDialogs::saveDialog(const std::string &title, const std::string &defaultPath,
                                 const std::vector<FilePattern> &patterns, int preselected) {
    const QFileInfo proposal(qs(defaultPath));
    QFileDialog dialog(m_controls.window(), qs(title));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    // The caller appends the extension of the chosen pattern and decides on
    // replacing; the dialog must neither ask nor add a suffix of its own.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDefaultSuffix(QString());
    const bool endsInSeparator =
        defaultPath.empty() || defaultPath.back() == '/' || defaultPath.back() == '\\';
    dialog.setDirectory(endsInSeparator ? qs(defaultPath) : proposal.absolutePath());
    QStringList filters;
    for (const FilePattern &p : patterns) filters << filterText(p);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (preselected >= 0 && preselected < filters.size())
            dialog.selectNameFilter(filters[preselected]);
    }
    if (!endsInSeparator) dialog.selectFile(proposal.fileName());
    dialog.setWindowModality(Qt::ApplicationModal);

    SaveChoice choice;
    while (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()) {
        const QString path = dialog.selectedFiles().first();
        // A name in a folder that does not exist could only fail to save;
        // the dialog stays until a usable folder is chosen or it is cancelled.
        if (!QFileInfo(path).absoluteDir().exists()) {
            QMessageBox::warning(
                &dialog, qs(title),
                QStringLiteral("Den Ordner gibt es nicht:\n") + QFileInfo(path).absolutePath());
            continue;
        }
        choice.path = path.toStdString();
        break;
    }
    choice.patternIndex = std::max<int>(0, filters.indexOf(dialog.selectedNameFilter()));
    return choice;
}

std::unique_ptr<PrintJob> QtDialogs::printDialog() {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setCopyCount(1);
    QPrintDialog dialog(printer.get(), m_controls.window());
    dialog.setWindowModality(Qt::ApplicationModal);
    if (dialog.exec() != QDialog::Accepted) return nullptr;
    return std::make_unique<QtPrintJob>(std::move(printer));
}

}  // namespace kvl
