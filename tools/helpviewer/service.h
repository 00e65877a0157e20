#pragma once
// The viewer's end of the channel to the help engine (platform/helpchannel.h): one viewer per
// user serves the engine's requests; a viewer started while another serves hands its request
// over and ends.
#include "platform/localserver.h"

#include <QJsonObject>

namespace helpviewer {

class HelpViewer;

class HelpService : public QObject {
    Q_OBJECT
public:
    explicit HelpService(HelpViewer& viewer);

    // True when this viewer now serves the channel; false when a viewer that already serves it
    // took the request.
    bool claim(const QJsonObject& request);

private:
    HelpViewer& viewer_;
    platform::local::Server server_;
};

} // namespace helpviewer
