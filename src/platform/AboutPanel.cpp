#include "AboutPanel.h"

#include "framework/Application.h"
#include "framework/Runtime.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>

namespace AboutPanel {

namespace {

QPointer<QMessageBox> panel;

QMessageBox* newPanel() {
    const QString name = QGuiApplication::applicationDisplayName();
    auto* box = new QMessageBox;
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(name);
    box->setIconPixmap(Application::Icon().pixmap(64, 64));
    box->setTextFormat(Qt::RichText);
    box->setText(QStringLiteral("<b>%1</b>").arg(name.toHtmlEscaped()));
    if (const auto app = RuntimeAppObject()) {
        box->setInformativeText(QStringLiteral("Version %1\n%2")
                                    .arg(QString::fromStdString(app->ShortVersion()),
                                         QString::fromStdString(app->LongVersion())));
    }
    box->setStandardButtons(QMessageBox::Close);
    box->setWindowModality(Qt::NonModal);
    return box;
}

} // namespace

void OrderFront() {
    if (!panel)
        panel = newPanel();
    panel->show();
    panel->raise();
    panel->activateWindow();
}

} // namespace AboutPanel
