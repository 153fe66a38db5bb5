#include "framework/FileType.h"
#include "framework/SaveAsDialog.h"
#include "support/General.h"

#include "ModalAnswer.h"

#include <QFileDialog>
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

} // namespace
