#pragma once
// The About box: the product's name, logo, version and legal warning, and a button that starts
// the System Information tool found through the registry. Shown modal, owned by the main window:
//   frmAbout box(owner); box.exec();
#include "platform/registry.h"

#include <QDialog>

class QPushButton;

namespace app {

class frmAbout : public QDialog {
    Q_OBJECT
public:
    // Loads the box: builds it and sets the version label.
    explicit frmAbout(QWidget* owner);

    // Reads one value of key `KeyName` under `KeyRoot` as text into `KeyVal`: REG_SZ data as the
    // text, a REG_DWORD's number in decimal appended to what KeyVal held; any other type leaves
    // KeyVal as it was. False (and KeyVal empty) when the key or value cannot be read. A value
    // of length 0 throws platform::Failure.
    static bool GetKeyValue(platform::registry::Handle KeyRoot, const QString& KeyName,
                            const QString& SubKeyRef, QString& KeyVal);

public slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();
    // Starts the System Information tool, or says that it is unavailable; the box stays open.
    void StartSysInfo();

protected:
    // Esc presses OK, the box's cancel button.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPushButton* cmdOK;
};

} // namespace app
