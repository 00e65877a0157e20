// libFuzzer target for the help file: the bytes as they would lie in the user's data folder, read
// as the viewer reads them (contents, topics and keywords). Bytes that start as a packed resource
// ("qres") are sealed first, as anyone can seal a file: what lies behind a good checksum is
// checked too.
#include "tools/helpviewer/helpfile.h"
#include "tools/helpviewer/seal.h"
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(*argc, *argv); // topic titles are read as rich text
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("zestrel.hlp"));
    {
        QFile out(path);
        if (!out.open(QIODevice::WriteOnly))
            return 0;
        const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
        out.write(bytes.startsWith("qres") ? helpviewer::sealHelp(bytes) : bytes);
    }
    try {
        const helpviewer::HelpFile help(path);
        for (const auto& [name, topic] : help.topics())
            help.topicName(help.topicUrl(name));
    } catch (const helpviewer::HelpFileError&) {
    }
    return 0;
}
