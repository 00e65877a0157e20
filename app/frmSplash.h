#pragma once
// The start-up window: the product, a nag every 30 seconds, and "Start" to the main window.
#include <QWidget>

class QTimer;

namespace app {

class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash();

public slots:
    void Timer1_Timer();
    void cmdStart_Click();

private:
    QTimer* Timer1;
};

} // namespace app
