// Korvalin dial tester tests - the Qt dialogs, driven by a scripted user who
// reads what the dialog shows and answers it.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>

#include "tests/support/qt_window.h"

namespace kvl {
namespace {

// Answers the modal dialogs that appear, one step per dialog, in order.
class ScriptedUser {
public:
    using Step = std::function<void(QWidget *dialog)>;
    explicit ScriptedUser(std::deque<Step> steps) : m_steps(std::move(steps)) {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { look(); });
        m_timer.start(10);
    }
    bool done() const { return m_steps.empty(); }
    // Titles of dialogs that came when no step was left; each was rejected.
    std::vector<std::string> unexpected;

private:
    void look() {
        QWidget *dialog = QApplication::activeModalWidget();
        if (!dialog || dialog == m_last || !dialog->isVisible()) return;
        m_last = dialog;
        if (m_steps.empty()) {
            unexpected.push_back(dialog->windowTitle().toStdString());
            if (auto *d = qobject_cast<QDialog *>(dialog)) d->reject();
            return;
        }
        auto step = std::make_shared<Step>(std::move(m_steps.front()));
        m_steps.pop_front();
        // Outside this timer's own slot: a step that opens a nested dialog
        // must leave the timer free to see it.
        QTimer::singleShot(0, dialog, [step, dialog] { (*step)(dialog); });
    }
    std::deque<Step> m_steps;
    QWidget *m_last = nullptr;
    QTimer m_timer;
};

std::vector<QString> buttonTexts(QWidget *dialog) {
    std::vector<QString> texts;
    for (QAbstractButton *b : dialog->findChildren<QAbstractButton *>())
        if (b->isVisible()) texts.push_back(b->text());
    return texts;
}

// The dialog's own accept button, as the user presses it.
void pressAccept(QWidget *dialog) {
    auto *box = dialog->findChild<QDialogButtonBox *>();
    ASSERT_NE(box, nullptr);
    for (QAbstractButton *b : box->buttons())
        if (box->buttonRole(b) == QDialogButtonBox::AcceptRole) {
            ASSERT_TRUE(b->isEnabled());
            b->click();
            return;
        }
    FAIL() << "no accept button";
}

class QtDialogsTest : public ::testing::Test {
protected:
    MemoryPictureStore store;
    QtControls controls{store};
    QtDialogs dialogs{controls};
};

TEST_F(QtDialogsTest, MessageBoxShowsTitleTextAndOneOkButtonAlsoWithoutAWindow) {
    QString title, text;
    std::vector<QString> buttons;
    ScriptedUser user({[&](QWidget *d) {
        auto *box = qobject_cast<QMessageBox *>(d);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        buttons = buttonTexts(box);
        box->button(QMessageBox::Ok)->click();
    }});
    dialogs.messageBox("Keine Prüfung möglich !", "nsi ist offen oder nicht angeschlossen");
    EXPECT_TRUE(user.done());
    EXPECT_EQ(title.toStdString(), "Keine Prüfung möglich !");
    EXPECT_EQ(text.toStdString(), "nsi ist offen oder nicht angeschlossen");
    EXPECT_EQ(buttons.size(), 1u);
}

TEST_F(QtDialogsTest, InputBoxReturnsTheAnswerOrEmptyWhenCancelled) {
    controls.createWindow(300, 200, "Probe", 999);
    controls.showWindow();
    struct Case {
        const char *typed;  // nullptr: cancel
        std::string expected;
    };
    for (const Case &c : {Case{"7 ms", "7 ms"}, Case{nullptr, ""}, Case{"", ""}}) {
        QString title, prompt, proposed;
        ScriptedUser user({[&](QWidget *d) {
            auto *box = qobject_cast<QInputDialog *>(d);
            ASSERT_NE(box, nullptr);
            title = box->windowTitle();
            prompt = box->labelText();
            proposed = box->findChild<QLineEdit *>()->text();
            if (!c.typed) {
                box->reject();
                return;
            }
            box->findChild<QLineEdit *>()->setText(QString::fromUtf8(c.typed));
            box->accept();
        }});
        const std::string got =
            dialogs.inputBox("Vorsicht !  Nur zur Fehlereigrenzung ändern !",
                             "1ms ist Norm, 2-10 möglich (ungenaue Gesamtprüfung!)", "1");
        EXPECT_TRUE(user.done());
        EXPECT_EQ(got, c.expected) << (c.typed ? c.typed : "(cancelled)");
        EXPECT_EQ(title.toStdString(), "Vorsicht !  Nur zur Fehlereigrenzung ändern !");
        EXPECT_EQ(prompt.toStdString(), "1ms ist Norm, 2-10 möglich (ungenaue Gesamtprüfung!)");
        EXPECT_EQ(proposed.toStdString(), "1");
    }
}

const std::vector<FilePattern> imagePatterns = {{"Image (*.bmp)", "*.bmp"},
                                                {"Image (*.jpg)", "*.jpg"}};

TEST_F(QtDialogsTest, SaveDialogOpensInTheFolderWithTheNameAndReturnsPathAndPattern) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const std::string start = QDir(folder.path()).absolutePath().toStdString() + "/";
    QFile existing(folder.path() + "/alt.bmp");
    ASSERT_TRUE(existing.open(QIODevice::WriteOnly));
    existing.close();
    const QString cwd = QDir::currentPath();

    struct Case {
        int preselected;
        const char *typed;  // nullptr: keep the proposed name
        int choose;         // pattern the user picks, -1: leave it
        std::string expectedName;
        int expectedIndex;
    };
    for (const Case &c :
         {Case{0, nullptr, -1, "NS-Prüfstreifen", 0}, Case{0, "eigener", 1, "eigener", 1},
          Case{1, "alt.bmp", 0, "alt.bmp", 0}}) {
        QString directory, proposed, selectedFilter;
        QStringList filters;
        ScriptedUser user({[&](QWidget *d) {
            auto *dialog = qobject_cast<QFileDialog *>(d);
            ASSERT_NE(dialog, nullptr);
            directory = dialog->directory().absolutePath();
            proposed = dialog->findChild<QLineEdit *>("fileNameEdit")->text();
            filters = dialog->nameFilters();
            selectedFilter = dialog->selectedNameFilter();
            if (c.typed) dialog->findChild<QLineEdit *>("fileNameEdit")->setText(c.typed);
            if (c.choose >= 0) dialog->selectNameFilter(filters[c.choose]);
            pressAccept(dialog);
        }});
        const SaveChoice choice =
            dialogs.saveDialog("Bitte Dateiname und Format wählen", start + "NS-Prüfstreifen",
                               imagePatterns, c.preselected);
        EXPECT_TRUE(user.done());
        EXPECT_EQ(directory, QDir(folder.path()).absolutePath());
        EXPECT_EQ(proposed.toStdString(), "NS-Prüfstreifen");
        EXPECT_EQ(filters, (QStringList{"Image (*.bmp)", "Image (*.jpg)"}));
        EXPECT_EQ(selectedFilter, filters.value(c.preselected));
        EXPECT_EQ(choice.path, start + c.expectedName) << "no extension added";
        EXPECT_EQ(choice.patternIndex, c.expectedIndex);
        EXPECT_TRUE(user.unexpected.empty()) << "no question before replacing a file";
        EXPECT_EQ(QDir::currentPath(), cwd);
    }
}

TEST_F(QtDialogsTest, SaveDialogCancelledGivesAnEmptyPath) {
    ScriptedUser user({[](QWidget *d) { static_cast<QDialog *>(d)->reject(); }});
    const SaveChoice choice =
        dialogs.saveDialog("Titel", QDir::tempPath().toStdString() + "/x", imagePatterns, 0);
    EXPECT_TRUE(user.done());
    EXPECT_EQ(choice.path, "");
}

TEST_F(QtDialogsTest, SaveDialogStaysOpenForAFolderThatDoesNotExist) {
    QTemporaryDir folder;
    const QString missing = folder.path() + "/fehlt/datei";
    QString warning;
    bool stillOpen = false;
    ScriptedUser user({[&](QWidget *d) {
                           auto *dialog = qobject_cast<QFileDialog *>(d);
                           ASSERT_NE(dialog, nullptr);
                           dialog->findChild<QLineEdit *>("fileNameEdit")->setText(missing);
                           QTimer::singleShot(0, dialog, [dialog] { pressAccept(dialog); });
                       },
                       [&](QWidget *d) {
                           auto *box = qobject_cast<QMessageBox *>(d);
                           ASSERT_NE(box, nullptr);
                           warning = box->text();
                           box->accept();
                       },
                       [&](QWidget *d) {
                           stillOpen = qobject_cast<QFileDialog *>(d) != nullptr;
                           static_cast<QDialog *>(d)->reject();
                       }});
    const SaveChoice choice = dialogs.saveDialog(
        "Titel", folder.path().toStdString() + "/NS-Prüfstreifen", imagePatterns, 0);
    EXPECT_TRUE(user.done());
    EXPECT_TRUE(warning.contains(folder.path() + "/fehlt")) << warning.toStdString();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(choice.path, "");
}

TEST_F(QtDialogsTest, DialogButtonsSpeakGermanWhereTheSystemHasTheTranslation) {
    if (!QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + "/qtbase_de.qm"))
        GTEST_SKIP() << "Qt's German translation (qt6-translations-l10n) is not installed";
    std::vector<QString> buttons;
    ScriptedUser user({[&](QWidget *d) {
        buttons = buttonTexts(d);
        static_cast<QDialog *>(d)->reject();
    }});
    dialogs.inputBox("Titel", "Frage", "1");
    EXPECT_TRUE(user.done());
    EXPECT_NE(std::find(buttons.begin(), buttons.end(), QString("Abbrechen")), buttons.end());
}

TEST_F(QtDialogsTest, PrintDialogIsPresetToOneCopyAndGivesAJobOnlyWhenAccepted) {
    for (bool accept : {false, true}) {
        int copies = -1;
        ScriptedUser user({[&](QWidget *d) {
            auto *dialog = qobject_cast<QPrintDialog *>(d);
            ASSERT_NE(dialog, nullptr);
            copies = dialog->printer()->copyCount();
            if (accept) {
                dialog->printer()->setOutputFileName(QDir::tempPath() + "/kvl-dialog-test.pdf");
                dialog->accept();
            } else {
                dialog->reject();
            }
        }});
        std::unique_ptr<PrintJob> job = dialogs.printDialog();
        EXPECT_TRUE(user.done());
        EXPECT_EQ(copies, 1);
        EXPECT_EQ(job != nullptr, accept);
    }
}

}  // namespace
}  // namespace kvl
