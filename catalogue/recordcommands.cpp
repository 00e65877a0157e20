#include "catalogue/recordcommands.h"

#include "platform/database/errors.h"
#include "platform/datacontrol.h"
#include "platform/msgbox.h"

namespace catalogue::records {

void previous(platform::DataControl& data)
{
    platform::db::RowSet& rs = data.Recordset();
    if (rs.isBOF())
        platform::msgbox::show(QStringLiteral("You are already at the beginning of the list of drinks!"));
    else
        rs.MovePrevious();
}

void next(platform::DataControl& data)
{
    platform::db::RowSet& rs = data.Recordset();
    if (rs.isEOF())
        platform::msgbox::show(QStringLiteral("You are at the end of the list of drinks!"));
    else
        rs.MoveNext();
}

void deleteCurrent(platform::DataControl& data, bool stepBack)
{
    platform::db::RowSet& rs = data.Recordset();
    rs.Delete();
    if (rs.isBOF() && rs.isEOF()) {
        // That was the only row: there is no row to move to, so the list is read again and
        // shows its empty state.
        data.Refresh();
        return;
    }
    if (stepBack && rs.isEOF())
        rs.MovePrevious();
    rs.MoveNext();
    if (rs.isEOF())
        rs.MoveLast();
}

void update(platform::DataControl& data)
{
    data.UpdateRecord();
    platform::db::RowSet& rs = data.Recordset();
    rs.setBookmark(rs.LastModified());
}

void showPosition(platform::DataControl& data, const QString& prefix)
{
    try {
        data.setCaption(prefix + QString::number(data.Recordset().AbsolutePosition() + 1));
    } catch (const platform::db::Error&) {
        // No row set or no position: the caption keeps its text.
    }
}

void reportError(int number, int& response)
{
    platform::msgbox::show(QStringLiteral("Data error event hit err:") + platform::db::describe(number));
    response = 0;
}

} // namespace catalogue::records
