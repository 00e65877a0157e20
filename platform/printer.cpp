#include "platform/printer.h"

#include "platform/identity.h"
#include "platform/controls.h"
#include "platform/geometry.h"

#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryFile>
#include <QWidget>

#include <cups/cups.h>

#include <algorithm>
#include <dlfcn.h>
#include <filesystem>

namespace platform::printer {

namespace {

QString& fileTarget()
{
    static QString path;
    return path;
}

// Where the lines start: the printable area of a common office printer.
constexpr double kMarginInches = 0.25;

QPageSize pageSizeFor(const QPrinterInfo& printer)
{
    if (!printer.isNull() && printer.defaultPageSize().isValid())
        return printer.defaultPageSize();
    return QPageSize(QLocale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4);
}

// True when the PDF writer got to the end of the file: a full disk or a failing device
// leaves it short of its closing mark.
bool writtenInFull(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 16)
        return false;
    file.seek(file.size() - 16);
    return file.read(16).contains("%%EOF");
}

// The print system's library, loaded at the first print job rather than at start-up (it brings
// its network and encryption libraries with it, a good part of a cold start).
struct PrintSystem {
    decltype(&cupsGetNamedDest) getNamedDest = nullptr;
    decltype(&cupsPrintFile) printFile = nullptr;
    decltype(&cupsFreeDests) freeDests = nullptr;
    decltype(&cupsLastErrorString) lastErrorString = nullptr;
    QString error; // why it could not be loaded

    PrintSystem()
    {
        void* library = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        if (!library) {
            error = QString::fromLocal8Bit(dlerror());
            return;
        }
        getNamedDest = reinterpret_cast<decltype(getNamedDest)>(dlsym(library, "cupsGetNamedDest"));
        printFile = reinterpret_cast<decltype(printFile)>(dlsym(library, "cupsPrintFile"));
        freeDests = reinterpret_cast<decltype(freeDests)>(dlsym(library, "cupsFreeDests"));
        lastErrorString = reinterpret_cast<decltype(lastErrorString)>(dlsym(library, "cupsLastErrorString"));
        if (!loaded())
            error = QStringLiteral("a function is missing");
    }
    bool loaded() const { return getNamedDest && printFile && freeDests && lastErrorString; }
};

const PrintSystem& printSystem()
{
    static const PrintSystem system;
    if (!system.loaded())
        throw Failure(QStringLiteral("The print system (libcups.so.2) could not be loaded: %1.")
                          .arg(system.error));
    return system;
}

// Hands the finished file to the print system; a job it refuses is reported, not lost.
void sendToPrinter(const QString& printerName, const QString& path)
{
    const PrintSystem& cups = printSystem();
    const QStringList parts = printerName.split(QLatin1Char('/')); // queue, then any instance
    const QByteArray queue = parts.value(0).toLocal8Bit();
    const QByteArray instance = parts.value(1).toLocal8Bit();
    cups_dest_t* dest = cups.getNamedDest(CUPS_HTTP_DEFAULT, queue.constData(),
                                          instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        throw Failure(QStringLiteral("The printer \"%1\" is no longer available: %2.")
                 .arg(printerName, QString::fromLocal8Bit(cups.lastErrorString())));
    const int job = cups.printFile(dest->name, QFile::encodeName(path).constData(),
                                   applicationTitle.toLocal8Bit().constData(),
                                   dest->num_options, dest->options);
    cups.freeDests(1, dest);
    if (job == 0)
        throw Failure(QStringLiteral("The printer \"%1\" did not accept the document: %2.")
                 .arg(printerName, QString::fromLocal8Bit(cups.lastErrorString())));
}

} // namespace

void setDefaultToFile(const QString& path)
{
    fileTarget() = path;
}

struct Document::Job {
    QString target;      // the PDF file that stands for the default printer, or empty
    QString printerName; // the system's default printer, when there is no file
    QTemporaryFile pages;
    QPrinter printer{QPrinter::HighResolution};
    QPainter painter;
    double y = 0; // top of the next line, in device pixels from the top margin
    bool ended = false;

    // The printer or file named in a failure.
    QString where() const
    {
        return target.isEmpty() ? QStringLiteral("the printer \"%1\"").arg(printerName) : target;
    }
    [[noreturn]] void cannotWrite(const QString& reason) const
    {
        throw Failure(QStringLiteral("The document for %1 cannot be written: %2.").arg(where(), reason));
    }
};

Document::Document()
    : Document(QString())
{
}

Document::Document(const QString& pdfFile)
    : job_(std::make_unique<Job>())
{
    Job& j = *job_;
    j.target = pdfFile.isEmpty() ? fileTarget() : pdfFile;
    QPrinterInfo info;
    if (j.target.isEmpty()) {
        info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            throw Failure(QStringLiteral("No default printer is set up on this computer. Set up a printer, "
                                "make it the default printer and print again."));
        j.printerName = info.printerName();
        j.pages.setFileTemplate(QDir::tempPath() + QStringLiteral("/zestrel-print-XXXXXX.pdf"));
    } else {
        // Beside the target, so that the finished file takes its place in one step.
        j.pages.setFileTemplate(j.target + QStringLiteral(".XXXXXX"));
    }
    if (!j.pages.open())
        j.cannotWrite(j.pages.errorString());

    j.printer.setOutputFormat(QPrinter::PdfFormat);
    j.printer.setOutputFileName(j.pages.fileName());
    j.printer.setDocName(applicationTitle);
    j.printer.setCreator(applicationTitle);
    const QMarginsF margins(kMarginInches, kMarginInches, kMarginInches, kMarginInches);
    j.printer.setPageLayout(QPageLayout(pageSizeFor(info), QPageLayout::Portrait, margins, QPageLayout::Inch));
    if (!j.painter.begin(&j.printer))
        j.cannotWrite(QStringLiteral("the document cannot be started"));
}

Document::~Document() = default;

void Document::setFont(const QString& face, double points, bool bold)
{
    job_->painter.setFont(QFont(font(face, points, bold), &job_->printer));
}

void Document::print(const QString& text)
{
    Job& j = *job_;
    const QFontMetricsF metrics(j.painter.font(), &j.printer);
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        if (j.y > 0 && j.y + metrics.lineSpacing() > j.printer.height()) {
            if (!j.printer.newPage())
                j.cannotWrite(QStringLiteral("a new page cannot be started"));
            j.y = 0;
        }
        j.painter.drawText(QPointF(0, j.y + metrics.ascent()), line);
        j.y += metrics.lineSpacing();
    }
}

void Document::endDoc()
{
    Job& j = *job_;
    if (j.ended)
        return;
    j.ended = true;
    if (!j.painter.end() || !writtenInFull(j.pages.fileName()))
        j.cannotWrite(QStringLiteral("it was cut short"));
    if (j.target.isEmpty()) {
        sendToPrinter(j.printerName, j.pages.fileName());
        return;
    }
    j.pages.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                           | QFileDevice::ReadOther);
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(j.pages.fileName()).toStdString(),
                            QFile::encodeName(j.target).toStdString(), error);
    if (error)
        j.cannotWrite(QString::fromLocal8Bit(error.message().c_str()));
    j.pages.setAutoRemove(false);
}

double textWidth(const QWidget& control, const QString& text)
{
    const QFontMetricsF metrics(control.font(), &control);
    double widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n')))
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return widest * twips::perPixel;
}

} // namespace platform::printer
