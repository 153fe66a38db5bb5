#include "framework/FileType.h"
#include "framework/Label.h"
#include "framework/SaveAsDialog.h"
#include "support/FileTypeGroup1.h"
#include "support/General.h"
#include "window/Window1.h"
#include "window/myListBox.h"

#include "ModalAnswer.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Cancels the save dialog, keeping the file filters it offered.
std::function<void(QWidget*)> cancelKeepingFilters(std::string& offered) {
    return [&offered](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        if (!dialog) {
            ADD_FAILURE() << "not the save dialog";
            modal->close();
            return;
        }
        offered = dialog->nameFilters().join(QLatin1Char('|')).toStdString();
        dialog->reject();
    };
}

// The report's file type has no extension; its name "FileType" is the
// program's own and must not reach the user as a filter.
TEST(SavePanel, ATypeWithoutExtensionsIsOfferedAsTheDialogsFilterForEveryFile) {
    const std::string allFiles = QFileDialog().nameFilters().join(QLatin1Char('|')).toStdString();
    std::string offered;
    {
        ModalAnswer answer(cancelKeepingFilters(offered));
        EXPECT_EQ(General::ShowSavePanel("Diff_3.1-310_3.2-320.txt", "", nullptr, nullptr),
                  nullptr);
    }
    EXPECT_EQ(offered, allFiles);

    FileType text;
    text.Name("Text");
    text.Extensions("txt; .csv ;;");
    FileType anything;
    anything.Name("Anything");
    SaveAsDialog dialog;
    dialog.Filter = String(text) + ";" + String(anything);
    {
        ModalAnswer answer(cancelKeepingFilters(offered));
        EXPECT_EQ(dialog.ShowModal(), nullptr);
    }
    EXPECT_EQ(offered, "Text (*.txt *.csv)|" + allFiles);
}

// A version text of a thousand characters makes a suggested name longer than
// any folder takes. Pressing Save keeps that name; writing it fails, and the
// report writer tells why.
TEST(SavePanel, ANameTheFileSystemRefusesIsToldWithItsReason) {
    FileTypeGroup1::_Initialize();
    const auto window = Window1::Accessor();
    window->Label1()->Text(std::string(1000, '3'));
    window->Label2()->Text("3.2-320");
    window->ListBox1()->AddRow({"uni10", "A"});
    const QTemporaryDir folder;
    QString suggested;
    {
        // The user goes to the folder and presses Save, then OK on the alert;
        // a dialog that stays on screen the user gives up with Cancel.
        ModalAnswer answer([&](QWidget* modal) {
            if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                dialog->setDirectory(folder.path());
                suggested = dialog->selectedFiles().value(0);
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Save)->click();
                if (dialog->isVisible())
                    dialog->reject();
            } else if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                box->buttons().constFirst()->click();
            }
        });
        QTest::mouseClick(window->ControlByName("PushButton2")->NativeWidget(), Qt::LeftButton);
        ASSERT_EQ(answer.dialogs().size(), 2);
        EXPECT_EQ(answer.dialogs()[1].text, "The report could not be saved.");
        EXPECT_TRUE(answer.dialogs()[1].informative.endsWith(": File name too long"))
            << answer.dialogs()[1].informative.toStdString();
    }
    EXPECT_EQ(QFileInfo(suggested).fileName().size(), 1017);
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    window->Close();
    QCoreApplication::sendPostedEvents();
}

} // namespace
