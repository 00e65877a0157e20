#include "tools/helpviewer/service.h"

#include "platform/helpchannel.h"
#include "tools/helpviewer/viewer.h"

namespace helpviewer {

namespace channel = platform::help::channel;

namespace {
constexpr int kAnswerMs = 5000;
}

HelpService::HelpService(HelpViewer& viewer)
    : viewer_(viewer),
      server_(channel::serverName(), [this](const QByteArray& line) -> std::optional<QByteArray> {
          viewer_.handle(channel::decode(line));
          return channel::encode(viewer_.state());
      })
{
}

bool HelpService::claim(const QJsonObject& request)
{
    return server_.claim(channel::encode(request), kAnswerMs);
}

} // namespace helpviewer
