// Opening a database file and a record source: what works, and every way it fails.
#include "fixture.h"
#include "platform/database/guard.h"
#include "tests/common/testmain.h"
#include <QFile>
#include <QRandomGenerator>

using namespace platform::db;

class OpeningTest : public QObject {
    Q_OBJECT
    QString path_;

private slots:
    void initTestCase() { path_ = fixture::build(fixture::content(3)); }

    void opensTablesQueriesAndSelectTexts()
    {
        auto rs = fixture::open(path_);
        QCOMPARE(rs->keyCount(), 3);
        QCOMPARE(rs->values()[size_t(rs->fieldIndex(QStringLiteral("drinkname")))], Value(QStringLiteral("Drink 1")));
        QVERIFY(!rs->NoMatch());
        QCOMPARE(rs->fields().size(), 23); // DrinkName, 10 x (Qty, Ing), Directions, Glass; no key column
        QVERIFY(!rs->fields().contains(QStringLiteral("zkey")));
        QCOMPARE(fixture::open(path_, QStringLiteral("select * from [joke]"))->keyCount(), 0);
        QCOMPARE(fixture::open(path_, QStringLiteral("SELECT * FROM drinklst;"))->keyCount(), 3);
        QCOMPARE(fixture::open(path_, QStringLiteral("gin"))->fields().size(), 23); // a stored query, any letter case
    }

    void fileIsEncrypted()
    {
        QFile f(path_);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray bytes = f.readAll();
        QVERIFY(!bytes.startsWith("SQLite format 3"));
        QVERIFY(!bytes.contains("Drink 1"));
    }

    void badOpenings_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("connect");
        QTest::addColumn<int>("number");
        QTest::newRow("missing file") << "missing" << "MS Access;pwd=plumtonic;" << int(FileNotFound);
        QTest::newRow("wrong password") << "good" << "MS Access;pwd=plumtonik;" << int(NotValidPassword);
        QTest::newRow("empty password") << "good" << "MS Access;pwd=;" << int(NotValidPassword);
        QTest::newRow("no password") << "good" << "MS Access;" << int(NotValidPassword);
        QTest::newRow("wrong engine") << "good" << "dBASE IV;pwd=plumtonic;" << int(UnknownEngine);
        QTest::newRow("random bytes") << "random" << "MS Access;pwd=plumtonic;" << int(NotADatabase);
        QTest::newRow("truncated") << "truncated" << "MS Access;pwd=plumtonic;" << int(NotADatabase);
        QTest::newRow("empty file") << "empty" << "MS Access;pwd=plumtonic;" << int(NotADatabase);
        QTest::newRow("text file") << "text" << "MS Access;pwd=plumtonic;" << int(NotADatabase);
    }

    void badOpenings()
    {
        QFETCH(QString, file);
        QFETCH(QString, connect);
        QFETCH(int, number);
        QString path = path_;
        if (file != QLatin1String("good")) {
            path = path_ + QLatin1Char('.') + file;
            QFile out(path);
            QFile in(path_);
            QVERIFY(in.open(QIODevice::ReadOnly));
            const QByteArray original = in.readAll();
            if (file == QLatin1String("random")) {
                QByteArray noise(5000, 0);
                for (char& c : noise)
                    c = char(QRandomGenerator::global()->bounded(256));
                QVERIFY(out.open(QIODevice::WriteOnly));
                out.write(noise);
            } else if (file == QLatin1String("truncated")) {
                QVERIFY(out.open(QIODevice::WriteOnly));
                out.write(original.left(original.size() / 2 + 100));
            } else if (file == QLatin1String("empty")) {
                QVERIFY(out.open(QIODevice::WriteOnly));
            } else if (file == QLatin1String("text")) {
                QVERIFY(out.open(QIODevice::WriteOnly));
                out.write("Name: not a database\n");
            }
        }
        QVERIFY_DB_ERROR(RowSet(std::make_shared<Connection>(path, connect), QStringLiteral("drinklst")), number);
    }

    void truncatedAtAPageBoundaryIsDamagedNotAPasswordProblem()
    {
        QFile in(path_);
        QVERIFY(in.open(QIODevice::ReadOnly));
        const QByteArray original = in.readAll();
        const QString path = path_ + QStringLiteral(".cut");
        QFile out(path);
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(original.left(2048));
        out.close();
        int number = 0;
        try {
            auto rs = fixture::open(path);
            rs->MoveLast();
        } catch (const Error& e) {
            number = e.number();
        }
        QVERIFY2(number == NotADatabase || number == SourceNotFound, qPrintable(QString::number(number)));
    }

    void badSources_data()
    {
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("number");
        QTest::newRow("unknown table") << "cocktails" << int(SourceNotFound);
        QTest::newRow("empty") << "" << int(SourceNotFound);
        QTest::newRow("select of unknown table") << "select * from [nothing]" << int(SourceNotFound);
        QTest::newRow("other select") << "select DrinkName from drinklst where 1" << int(SyntaxInFrom);
        QTest::newRow("injection") << "drinklst; DROP TABLE drinklst" << int(SourceNotFound);
        QTest::newRow("internal table") << "sqlite_master" << int(SourceNotFound);
    }

    void badSources()
    {
        QFETCH(QString, source);
        QFETCH(int, number);
        QVERIFY_DB_ERROR(fixture::open(path_, source), number);
        QCOMPARE(fixture::names(path_).size(), 3);
    }

    // What a file's stored SQL could make the engine do is refused, and a statement that runs on
    // is stopped.
    void guardRefusesAndStops_data()
    {
        QTest::addColumn<QString>("sql");
        QTest::addColumn<int>("number");
        QTest::newRow("spatial index inspection") << "SELECT rtreenode(255, x'0000ffff')" << int(NotAllowed);
        QTest::newRow("extension loading") << "SELECT load_extension('/tmp/x.so')" << int(NotAllowed);
        QTest::newRow("tokenizer registration") << "SELECT fts3_tokenizer('simple')" << int(NotAllowed);
        QTest::newRow("huge value") << "SELECT length(zeroblob(1000000000))" << int(NotAllowed);
        QTest::newRow("schema writing") << "PRAGMA writable_schema = 1" << int(NotAllowed);
        QTest::newRow("attaching") << "ATTACH '/tmp/other.db' AS other" << int(NotAllowed);
        QTest::newRow("through a view") << "CREATE TEMP VIEW v AS SELECT rtreenode(2, x'00') AS r; SELECT * FROM v"
                                        << int(NotAllowed);
        QTest::newRow("endless")
            << "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n) SELECT count(*) FROM n"
            << int(TookTooLong);
        QTest::newRow("allowed") << "SELECT lower(DrinkName), printf('%d', count(*)), date('now') FROM drinklst" << 0;
    }

    void guardRefusesAndStops()
    {
        QFETCH(QString, sql);
        QFETCH(int, number);
        setStepLimit(300);
        QVERIFY_DB_ERROR(fixture::connect(path_)->exec(sql), number);
        setStepLimit(15000);
    }

    void everyErrorHasItsOwnDescription()
    {
        const QList<int> numbers
            = {NoOpenRecordset,  InvalidPattern, FileNotFound, NotValidPassword, CannotOpenFile, NoCurrentRecord,
               SyntaxInCriteria, SourceNotFound, UnknownField, SyntaxInFrom,     FieldTooSmall,  RecordDeleted,
               UnknownEngine,    ChangedByOther, RecordLocked, NotADatabase,     SaveRefused,    EngineFailure,
               DiskFull,         ReadOnlyFile,   NoPermission, TookTooLong,      NotAllowed};
        QSet<QString> seen;
        for (int n : numbers) {
            const QString text = describe(n);
            QVERIFY2(!text.contains(QLatin1Char('%')), qPrintable(text));
            QVERIFY(!seen.contains(text));
            seen.insert(text);
        }
        QCOMPARE(Error(FileNotFound, QStringLiteral("/x/Zestrel.mdb")).description(),
                 QStringLiteral("The database file '/x/Zestrel.mdb' could not be found."));
    }
};

ZESTREL_TEST_MAIN(OpeningTest)
#include "opening_test.moc"
