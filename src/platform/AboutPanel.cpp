#include "AboutPanel.h"

#include "framework/Application.h"
#include "framework/Runtime.h"

#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPointer>

#include <array>
#include <cstddef>

namespace AboutPanel {

namespace {

QPointer<QMessageBox> panel;

// The build's full version, as the platform writes a bundle's version: major,
// minor and bug numbers, then, before the final release, the stage's letter
// (d development, a alpha, b beta) and the non-release number: "1.0.2d10".
QString buildVersion(const Application& app) {
    QString version = QStringLiteral("%1.%2.%3")
                          .arg(app.MajorVersion())
                          .arg(app.MinorVersion())
                          .arg(app.BugVersion());
    static constexpr std::array<char, 3> stageLetters{'d', 'a', 'b'};
    if (app.StageCode() >= 0 && app.StageCode() < std::ssize(stageLetters))
        version += QLatin1Char(stageLetters.at(static_cast<std::size_t>(app.StageCode()))) +
                   QString::number(app.NonReleaseVersion());
    return version;
}

QMessageBox* newPanel() {
    const QString name = QGuiApplication::applicationDisplayName();
    auto* box = new QMessageBox;
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(name);
    box->setIconPixmap(Application::Icon().pixmap(64, 64));
    box->setTextFormat(Qt::RichText);
    box->setText(QStringLiteral("<b>%1</b>").arg(name.toHtmlEscaped()));
    if (const auto app = RuntimeAppObject()) {
        box->setInformativeText(QStringLiteral("Version %1 (%2)\n%3")
                                    .arg(QString::fromStdString(app->ShortVersion()),
                                         buildVersion(*app),
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
