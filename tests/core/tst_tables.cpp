// The checked tables and card piles every game keeps its state in: a bad
// index is error 9 reported under the procedure that made it, never a stray
// read or write.

#include "core/cardpile.h"
#include "core/checkedtable.h"
#include "core/errors.h"
#include "testsupport.h"

#include <QtTest>

class TestTables : public QObject {
    Q_OBJECT
private slots:
    void tableBounds_data();
    void tableBounds();
    void nestedTableReportsOnce();
    void pileKeepsOrderAndSources();
    void pileMisuse_data();
    void pileMisuse();
};

namespace {
// Runs body under a trap, as a game operation does, and answers the report.
template <class Body>
QString reportOf(Body&& body)
{
    MessageRecorder messages;
    trapErrors("probe", std::forward<Body>(body));
    if (messages.calls.isEmpty())
        return {};
    return messages.calls.first().title + QStringLiteral(": ") + messages.calls.first().text;
}

const QString kSubscript = QStringLiteral("Error In probe: Error 9 - Subscript out of range");
}

void TestTables::tableBounds_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("inside");
    QTest::newRow("below zero") << -1 << false;
    QTest::newRow("zero, below a 1-based table") << 0 << false;
    QTest::newRow("first") << 1 << true;
    QTest::newRow("last") << 35 << true;
    QTest::newRow("one past the end") << 36 << false;
    QTest::newRow("far past the end") << 32767 << false;
}

void TestTables::tableBounds()
{
    QFETCH(int, index);
    QFETCH(bool, inside);
    CheckedTable<int, 1, 35> table;
    table.fill(7);
    int read = 0;
    const QString report = reportOf([&] {
        table[index] = 3;
        read = table[index];
    });
    QCOMPARE(report, inside ? QString() : kSubscript);
    QCOMPARE(read, inside ? 3 : 0);
    QCOMPARE((CheckedTable<int, 1, 35>::contains(index)), inside);
    // A refused write leaves every entry as it was.
    int sevens = 0;
    for (int v : table)
        sevens += v == 7;
    QCOMPARE(sevens, inside ? 34 : 35);
}

void TestTables::nestedTableReportsOnce()
{
    CheckedTable<CheckedTable<int, 0, 52>, 1, 12> places;
    places[12][0] = 5;
    QCOMPARE(places[12][0], 5);
    QCOMPARE(reportOf([&] { places[13][0] = 1; }), kSubscript);
    QCOMPARE(reportOf([&] { places[1][53] = 1; }), kSubscript);
}

void TestTables::pileKeepsOrderAndSources()
{
    CardPile pile;
    QVERIFY(pile.empty());
    QCOMPARE(pile.topCard(), 0);
    pile.push(0, 12);
    pile.push(29, 40);
    pile.push(3, 1);
    QCOMPARE(pile.count(), 3);
    QCOMPARE(pile.topCard(), 1);
    QCOMPARE(pile[2].source, 29);
    QCOMPARE(pile.pop().source, 3);
    QCOMPARE(pile.topCard(), 40);
    pile.truncate(0);
    QVERIFY(pile.empty());
    for (int card = 1; card <= kCardCount; ++card)
        pile.push(card, card);
    QCOMPARE(pile.topCard(), kCardCount);
}

void TestTables::pileMisuse_data()
{
    QTest::addColumn<int>("misuse");
    QTest::newRow("pop from empty") << 0;
    QTest::newRow("53rd card") << 1;
    QTest::newRow("read above the top") << 2;
    QTest::newRow("truncate upwards") << 3;
    QTest::newRow("top of empty") << 4;
}

void TestTables::pileMisuse()
{
    QFETCH(int, misuse);
    CardPile pile;
    const int fill = misuse == 1 ? kCardCount : 2;
    for (int card = 1; card <= fill; ++card)
        pile.push(0, card);
    if (misuse == 0 || misuse == 4)
        pile.clear();
    const int before = pile.count();
    const QString report = reportOf([&] {
        switch (misuse) {
        case 0: pile.pop(); break;
        case 1: pile.push(0, 1); break;
        case 2: (void)pile[3]; break;
        case 3: pile.truncate(3); break;
        case 4: (void)pile.top(); break;
        }
    });
    QCOMPARE(report, kSubscript);
    QCOMPARE(pile.count(), before);
}

QTEST_MAIN(TestTables)
#include "tst_tables.moc"
