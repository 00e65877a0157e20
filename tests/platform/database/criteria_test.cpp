// Find criteria: the Like patterns, the parser's errors, and finds over a row set.
#include "fixture.h"
#include "platform/database/criteria.h"
#include "platform/database/pattern.h"
#include "tests/common/testmain.h"

using namespace platform::db;

class CriteriaTest : public QObject {
    Q_OBJECT

private slots:
    void patterns_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("match");
        QTest::newRow("contains") << "*sour*" << "Whiskey Sour" << true;
        QTest::newRow("case") << "*SOUR*" << "whiskey sour" << true;
        QTest::newRow("not contained") << "*sour*" << "Margarita" << false;
        QTest::newRow("non-ascii case") << "*ÉCLAIR*" << "café éclair" << true;
        QTest::newRow("german") << "*STRASSE*" << "Straße" << false;
        QTest::newRow("one char") << "G?n" << "Gin" << true;
        QTest::newRow("one char, none") << "G?n" << "Gn" << false;
        QTest::newRow("digit") << "*#*" << "Drink 7" << true;
        QTest::newRow("digit, none") << "*#*" << "Drink" << false;
        QTest::newRow("list") << "[bg]in" << "Gin" << true;
        QTest::newRow("negated list") << "[!bg]in" << "Gin" << false;
        QTest::newRow("range") << "[a-c]*" << "Bramble" << true;
        QTest::newRow("literal star") << "*[*]*" << "5 * 2" << true;
        QTest::newRow("literal star, none") << "*[*]*" << "52" << false;
        QTest::newRow("spaces") << "*  *" << "two  spaces" << true;
        QTest::newRow("spaces, single") << "*  *" << "one space" << false;
        QTest::newRow("quote") << "*'*" << "Planter's Punch" << true;
        QTest::newRow("backtracking") << "*a*b*c" << "aXbXbXc" << true;
        QTest::newRow("empty pattern") << "" << "" << true;
        QTest::newRow("only stars") << "***" << "" << true;
    }

    void patterns()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, text);
        QFETCH(bool, match);
        const Pattern p(pattern);
        QCOMPARE(p.matches(text), match);
        const QByteArray utf8 = text.toUtf8();
        QCOMPARE(p.matchesUtf8(std::string_view(utf8.constData(), size_t(utf8.size()))), match);
    }

    void malformedCriteria_data()
    {
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<int>("number");
        QTest::newRow("unbalanced quote") << "DrinkName Like '*it's*'" << int(SyntaxInCriteria);
        QTest::newRow("unclosed quote") << "DrinkName Like '*gin" << int(SyntaxInCriteria);
        QTest::newRow("unknown column") << "Colour Like '*red*'" << int(UnknownField);
        QTest::newRow("no operator") << "DrinkName '*gin*'" << int(SyntaxInCriteria);
        QTest::newRow("empty") << "" << int(SyntaxInCriteria);
        QTest::newRow("open bracket in pattern") << "DrinkName Like '*[*'" << int(InvalidPattern);
        QTest::newRow("missing paren") << "(DrinkName Like 'a'" << int(SyntaxInCriteria);
        QTest::newRow("sql") << "1=1; DROP TABLE drinklst" << int(SyntaxInCriteria);
    }

    void malformedCriteria()
    {
        QFETCH(QString, criteria);
        QFETCH(int, number);
        QVERIFY_DB_ERROR(Criteria(criteria, {QStringLiteral("DrinkName"), QStringLiteral("Glass")}), number);
    }

    void findsWalkForwardAndReportNoMatch()
    {
        const QString path = fixture::build(fixture::content(2, {fixture::recipe(QStringLiteral("Whiskey Sour")),
                                                                 fixture::recipe(QStringLiteral("Planter's Punch")),
                                                                 fixture::recipe(QStringLiteral("Amaretto SOUR")),
                                                                 fixture::recipe(QStringLiteral("Pisco Sour"))}));
        auto rs = fixture::open(path);
        rs->FindFirst(QStringLiteral("DrinkName Like '*sour*'"));
        QVERIFY(!rs->NoMatch());
        QCOMPARE(rs->AbsolutePosition(), 2);
        rs->FindNext(QStringLiteral("DrinkName Like '*sour*'"));
        QCOMPARE(rs->AbsolutePosition(), 4);
        rs->FindNext(QStringLiteral("DrinkName Like '*sour*'"));
        QCOMPARE(rs->AbsolutePosition(), 5);
        rs->FindNext(QStringLiteral("DrinkName Like '*sour*'"));
        QVERIFY(rs->NoMatch());
        QCOMPARE(rs->AbsolutePosition(), 5); // no wrap, and the position stays
        rs->FindFirst(QStringLiteral("DrinkName Like '*''s*'")); // '' is a quote inside the pattern
        QCOMPARE(rs->values()[0], Value(QStringLiteral("Planter's Punch")));
        rs->FindFirst(QStringLiteral("[DrinkName] = 'pisco sour' Or Glass Is Null"));
        QCOMPARE(rs->AbsolutePosition(), 5);
        rs->FindFirst(QStringLiteral("DrinkName Like 'Drink*' And Not DrinkName Like '*1'"));
        QCOMPARE(rs->AbsolutePosition(), 1);
        rs->MoveFirst();
        rs->MoveNext();
        rs->Delete();
        rs->FindFirst(QStringLiteral("DrinkName Like 'Drink*'"));
        QCOMPARE(rs->AbsolutePosition(), 0);
        rs->FindNext(QStringLiteral("DrinkName Like 'Drink*'"));
        QVERIFY(rs->NoMatch()); // the deleted row is never found
    }

    void findsInAQueryStayInIt()
    {
        const QString path = fixture::build(fixture::content(1, {fixture::recipe(QStringLiteral("Gin Sour"), QStringLiteral("Gin")),
                                                                 fixture::recipe(QStringLiteral("Rum Sour"), QStringLiteral("Light rum")),
                                                                 fixture::recipe(QStringLiteral("Gin Fizz"), QStringLiteral("Gin"))}));
        auto gin = fixture::open(path, QStringLiteral("Gin"));
        gin->FindFirst(QStringLiteral("DrinkName Like '*sour*'"));
        QCOMPARE(gin->values()[0], Value(QStringLiteral("Gin Sour")));
        gin->FindNext(QStringLiteral("DrinkName Like '*sour*'"));
        QVERIFY(gin->NoMatch());
        gin->FindFirst(QStringLiteral("DrinkName Like '*fizz*'"));
        QCOMPARE(gin->AbsolutePosition(), 1);
    }
};

ZESTREL_TEST_MAIN(CriteriaTest)
#include "criteria_test.moc"
