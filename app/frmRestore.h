#pragma once
// The backups of the recipe database, newest first, each with its date, time and number of
// recipes; "Restore" puts the chosen one in place of the database after asking once.
#include <QWidget>
#include <functional>

class QListWidget;

namespace app {

class frmRestore : public QWidget {
    Q_OBJECT
public:
    // `database` is the file's real path; `restored` runs after a backup is put in place.
    frmRestore(const QString& database, std::function<void()> restored);

public slots:
    void cmdRestore_Click();
    void cmdClose_Click();

private:
    void fillList();

    QString database_;
    std::function<void()> restored_;
    QListWidget* lstBackups = nullptr;
};

} // namespace app
