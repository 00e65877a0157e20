// Saves edits through the engine as fast as it can, printing the number of each edit once its
// save has returned, until it is killed.   crash_child FILE FIRST_EDIT_NUMBER
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
        std::printf("%lld\n", edit);
        std::fflush(stdout);
        rs.MoveNext();
    }
}
