#include "app/singleinstance.h"

#include "platform/forms.h"

#include <QApplication>
#include <QStandardPaths>
#include <QWidget>

namespace app {

namespace {

constexpr int kAnswerMs = 3000;
const QByteArray kRequest = "forward";
const QByteArray kAnswer = "done";

void show(QWidget* w)
{
    if (w->isMinimized())
        w->showNormal();
    w->show();
    w->raise();
    w->activateWindow();
}

} // namespace

SingleInstance::SingleInstance(QObject* parent)
    : QObject(parent),
      server_(serverName(), [this](const QByteArray& line) -> std::optional<QByteArray> {
          if (line != kRequest)
              return std::nullopt;
          bringForward();
          emit broughtForward();
          return kAnswer;
      })
{
}

QString SingleInstance::serverName()
{
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation) + QStringLiteral("/zestrel");
}

bool SingleInstance::claim()
{
    return server_.claim(kRequest, kAnswerMs);
}

void bringForward()
{
    QWidget* window = platform::forms::find(QStringLiteral("frmMain"));
    if (!window)
        window = platform::forms::find(QStringLiteral("frmSplash"));
    if (window)
        show(window);
    if (QWidget* modal = QApplication::activeModalWidget())
        show(modal);
}

} // namespace app
