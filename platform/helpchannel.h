#pragma once
// How the help engine and the help viewer talk: one viewer per user, listening on a local socket
// in the user's runtime folder. A message is one JSON object on one line, and the viewer answers
// every message with its state on one line:
//   {"command": 3, "file": "/abs/path/zestrel.hlp", "keyword": ""}   show the contents
//   {"command": 261, "file": ..., "keyword": "gla"}                    keyword search
//   {"command": 2}                                                     close the viewer
//   {}                                                                 only report the state
// State: {"pid", "file", "view" ("contents", "keywords" or "" with no file open), "keyword",
// "topic", "message" (the last message the viewer showed, "" if none)}.
#include <QJsonObject>
#include <QString>
#include <optional>

namespace platform::help::channel {

enum Command : unsigned { Quit = 2, Contents = 3, PartialKey = 261 };

// <runtime folder>/zestrel-help, where the viewer listens.
QString serverName();

// Sends the message and returns the viewer's answer; nothing when no viewer answers in time.
std::optional<QJsonObject> exchange(const QJsonObject& message, int timeoutMs = 5000);

// One line of JSON, as sent either way, and back (a line that is not an object gives an empty one).
QByteArray encode(const QJsonObject& message);
QJsonObject decode(const QByteArray& line);

} // namespace platform::help::channel
