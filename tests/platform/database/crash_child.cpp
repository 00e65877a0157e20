// Saves edits through the engine as fast as it can, printing the number of each edit and the key
// of the row it wrote once its save has returned, until it is killed.
//   crash_child FILE FIRST_EDIT_NUMBER
#include "catalogue/schema.h"
#include "platform/database/rowset.h"
#include <QCoreApplication>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    using namespace platform::db;
    auto conn = std::make_shared<Connection>(QString::fromLocal8Bit(argv[1]), catalogue::kConnect);
    RowSet rs(conn, QStringLiteral("drinklst"));
    std::printf("ready\n");
    std::fflush(stdout);
    for (qint64 edit = QByteArray(argv[2]).toLongLong();; ++edit) {
        if (rs.isEOF())
            rs.MoveFirst();
        std::vector<Value> values = rs.values();
        values[0] = QStringLiteral("edit %1").arg(edit);
        if (edit % 7 == 0) { // now and then a new row as well
            rs.AddNew();
            values[1] = QStringLiteral("added");
        }
        rs.save(values);
        const PreparedStatement written
            = conn->prepare(QStringLiteral("SELECT zkey FROM drinklst WHERE DrinkName = ?1"));
        written->bind(1, values[0]);
        written->step();
        std::printf("%lld %lld\n", edit, written->int64(0));
        std::fflush(stdout);
        rs.MoveNext();
    }
}
