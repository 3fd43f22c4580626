#include "TestSupport.h"

#include <QComboBox>
#include <QDateEdit>
#include <QTest>

class TestTimeServer final : public QObject {
    Q_OBJECT

private slots:
    void firstReplySetsTodayDatesAndYears();
};

void TestTimeServer::firstReplySetsTodayDatesAndYears()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    server.answerWith(noonOn(2016, 5, 15));
    auto app = startApp(server);
    QTRY_VERIFY(app->today().isValid());
    QCOMPARE(server.requestCount(), 1);
    QCOMPARE(app->today().date(), QDate(2016, 5, 15));
    for (const DateField& field : app->dateFields())
        QCOMPARE(field.edit->date(), QDate(2016, 5, 15));
    const QComboBox* years = app->resultsPage().year;
    QCOMPARE(years->count(), 3);
    QCOMPARE(years->itemText(0), QStringLiteral("2014"));
    QCOMPARE(years->itemText(2), QStringLiteral("2016"));
    QCOMPARE(years->currentIndex(), -1);
    QVERIFY(responder.boxes().isEmpty());
}

QTEST_MAIN(TestTimeServer)
#include "test_timeserver.moc"
