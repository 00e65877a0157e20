#pragma once
// The data control: a strip with a caption and first / previous / next / last arrows that
// owns one open row set over its record source and fills its bound text boxes.
#include "platform/database/ahead.h"
#include "platform/database/rowset.h"
#include <QWidget>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QToolButton;

namespace platform {

class TextBox;
namespace db {
class Error;
}

class DataControl : public QWidget, private db::RowSetListener {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
public:
    DataControl(QWidget* parent, const QString& name);
    ~DataControl() override;

    QString DatabaseName() const { return databaseName_; }
    void setDatabaseName(const QString& windowsPath) { databaseName_ = windowsPath; }
    QString Connect() const { return connect_; }
    void setConnect(const QString& text) { connect_ = text; }
    QString RecordSource() const { return recordSource_; }
    void setRecordSource(const QString& source) { recordSource_ = source; } // takes effect at the next Refresh
    QString Caption() const;
    void setCaption(const QString& text);

    // A step run on each connection this control opens, before the first row set over it; its
    // failure (a db::Error) fails the opening, and the next opening tries again. A connection
    // opened ahead with the same step is taken instead of opening the file again.
    void setOpenStep(db::OpenStep step) { openStep_ = step; }

    // The open row set; throws Error(NoOpenRecordset) while none is open.
    db::RowSet& Recordset() const;
    bool hasRecordset() const { return bool(rowSet_); }

    // Binds a text box to a column of the record source (matched ignoring case).
    void bind(TextBox* box, const QString& column);

    // Closes any row set, opens the database and a new row set over RecordSource, makes its
    // first row current and raises Reposition. Throws db::Error.
    void Refresh();
    // Writes the edited bound text boxes into the current row (or inserts the row begun by
    // AddNew). A refused save asks the user once whether to reload the row, dropping the edits,
    // or to keep editing; either way the action that saved ends with platform::Settled. After
    // "keep editing", the same refusal of the same edits no longer holds up leaving the row
    // (the edits are dropped), and an UpdateRecord reports it as its failure.
    void UpdateRecord();

    // The opening a window asks for after its load step: failures go to Error.
    void openOnLoad();
    // The window is closing: pending edits are saved (Validate 10) and the row set closed;
    // failures go to Error.
    void closeOnUnload();

signals:
    void Error(int number, int& response);
    void Reposition();
    void Validate(int& action, bool& save);

private:
    void rowLeaving(int action) override;
    void rowEntered() override;
    void fillBoundBoxes(bool keepEdits = false);
    void saveEdits(int action);
    void writeBoundBoxes();
    void settleRefusal(const db::Error& refusal, int action);
    QStringList boxTexts() const;
    bool anyEdited() const;
    void closeRecordset(int action);
    template<class F> void ownOperation(F&& f);
    void arrow(int which);

    QString databaseName_, connect_, recordSource_;
    std::shared_ptr<db::Connection> connection_;
    db::OpenStep openStep_ = nullptr;
    QString connectionKey_;
    std::unique_ptr<db::RowSet> rowSet_;
    struct Binding { TextBox* box; QString column; };
    std::vector<Binding> bindings_;
    // The refusal the user chose to keep editing past, and the boxes' texts at that moment.
    struct Refusal {
        QString description;
        QStringList texts;
    };
    std::optional<Refusal> keptEditing_;
    bool unloading_ = false;
    QLabel* caption_;
};

} // namespace platform
