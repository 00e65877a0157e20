#include "app/frmAbout.h"

#include "platform/handlers.h"
#include "platform/windowparts.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/geometry.h"
#include "platform/msgbox.h"
#include "platform/shell.h"

#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <algorithm>

namespace app {

namespace {

using namespace platform::registry;

const QString kSysInfoLocKey = QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location");
const QString kSysInfoLocValue = QStringLiteral("MSINFO");
const QString kSysInfoProgram = QStringLiteral("\\MSINFO32.EXE");
const QString kUnavailable = QStringLiteral("System Information Is Unavailable At This Time");

constexpr std::uint32_t kKeyAllAccess = 131135;   // 0x2003F
constexpr std::uint32_t kBufferSize = 1024;

const QString kDisclaimer = QStringLiteral(
    "Caution: Zestrel is protected by copyright law. Copying, selling, lending or passing on "
    "this program or any part of it without the written consent of the Zestrel team is "
    "forbidden and may lead to civil claims and to criminal prosecution.");

// The etched separator: a grey line from (225, 2430) to (5450, 2430) and below it a white line,
// two units wide, from (240, 2445) to (5450, 2445).
class EtchedLine : public QWidget {
public:
    explicit EtchedLine(QWidget* parent) : QWidget(parent)
    {
        setObjectName(QStringLiteral("Line1"));
        platform::twips::place(this, 225, 2430, 5450 - 225, 45);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(0, 0, width(), 1, QColor(128, 128, 128));
        const int whiteLeft = platform::twips::toPixels(240) - platform::twips::toPixels(225);
        painter.fillRect(whiteLeft, 1, width() - whiteLeft, 2, Qt::white);
    }
};

QLabel* topLeftLabel(QWidget* parent, const QString& name, const QString& text)
{
    auto* label = platform::makeLabel(parent, name, text, parent->font());
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

// The number a REG_DWORD's data holds: its first four bytes, lowest first.
std::uint32_t dwordNumber(const QByteArray& data, std::uint32_t size)
{
    std::uint32_t number = 0;
    for (std::uint32_t i = 0; i < std::min<std::uint32_t>(size, 4); ++i)
        number |= std::uint32_t(static_cast<unsigned char>(data[i])) << (8 * i);
    return number;
}

} // namespace

frmAbout::frmAbout(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Zestrel"));
    setModal(true);
    platform::twips::setClientSize(this, 5685, 4020);

    platform::twips::move(platform::makePicture(this, QStringLiteral("Picture1"), QStringLiteral(":/art/app/logo.svg"),
                                           QSize(212, 89), true),
                          1380, 60);
    platform::PictureBox* picIcon = platform::makePicture(this, QStringLiteral("picIcon"),
                                                     QStringLiteral(":/art/app/icon.svg"), QSize(32, 32), true);
    picIcon->setBackColor(QColor(192, 192, 192));
    platform::twips::move(picIcon, 240, 420);

    platform::placeLabel(topLeftLabel(this, QStringLiteral("lblTitle"), QStringLiteral("Zestrel          www.zestrel.example")),
                    1050, 1560, 3885, 480);
    QLabel* lblVersion = topLeftLabel(this, QStringLiteral("lblVersion"), QStringLiteral("Version 2.1"));
    platform::placeLabel(lblVersion, 1050, 2100, 3885, 225);
    new EtchedLine(this);
    // A paragraph, wrapped within its box.
    platform::twips::place(topLeftLabel(this, QStringLiteral("lblDisclaimer"), kDisclaimer), 255, 2640, 3870, 1305);

    cmdOK = platform::makeCommandButton(this, QStringLiteral("cmdOK"), QStringLiteral("OK"), 4260, 2865, 1260, 345);
    cmdOK->setDefault(true);
    platform::connectHandler(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    QPushButton* cmdSysInfo = platform::makeCommandButton(this, QStringLiteral("cmdSysInfo"),
                                                     QStringLiteral("&System Info..."), 4260, 3315, 1245, 345);
    platform::connectHandler(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);
    cmdOK->setFocus();

    lblVersion->setText(QStringLiteral("Version %1.%2.%3")
                            .arg(ZESTREL_VERSION_MAJOR)
                            .arg(ZESTREL_VERSION_MINOR)
                            .arg(ZESTREL_VERSION_PATCH));
}

void frmAbout::cmdOK_Click()
{
    done(QDialog::Accepted);
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    try {
        QString SysInfoPath;
        if (GetKeyValue(HKEY_LOCAL_MACHINE, sysInfoKey, sysInfoPathValue, SysInfoPath)) {
            platform::shell::start(SysInfoPath);
            return;
        }
        if (GetKeyValue(HKEY_LOCAL_MACHINE, kSysInfoLocKey, kSysInfoLocValue, SysInfoPath)) {
            const QString program = SysInfoPath + kSysInfoProgram;
            if (platform::shell::fileExists(program)) {
                platform::shell::start(program);
                return;
            }
        }
    } catch (const std::exception&) {
        // Any failure on the way ends in the message below.
    }
    platform::msgbox::show(kUnavailable, platform::msgbox::Icon::None, QString(), this);
}

bool frmAbout::GetKeyValue(Handle KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal)
{
    Handle hKey = 0;
    // The key is closed on every way out; closing one that never opened does nothing.
    const auto closeIt = qScopeGuard([&hKey] { closeKey(hKey); });
    if (openKey(KeyRoot, KeyName, 0, kKeyAllAccess, &hKey) != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }

    QByteArray buffer(kBufferSize, '\0');
    std::uint32_t type = 0;
    std::uint32_t size = kBufferSize;
    if (queryValue(hKey, SubKeyRef, &type, buffer.data(), &size) != ERROR_SUCCESS) {
        KeyVal.clear();
        return false;
    }
    if (size == 0)
        throw platform::Failure("Invalid procedure call or argument");
    // Without the terminating zero character, when the data ends in one.
    const QByteArray trimmed = buffer.left(buffer.at(size - 1) == '\0' ? size - 1 : size);

    if (type == REG_SZ)
        KeyVal = QString::fromUtf8(trimmed);
    else if (type == REG_DWORD)
        KeyVal += QString::number(dwordNumber(buffer, size));
    return true;
}

void frmAbout::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace app
