#include "PartyTestSupport.h"

#include "parties/Nif.h"

#include <QPushButton>

class TestNif final : public QObject {
    Q_OBJECT

private slots:
    void rule_data();
    void rule();
    void liveCheck_data();
    void liveCheck();
    void shortTextKeepsTheMark();
    void ownerRefusedAsParty();
    void browsingIsSilent();
};

void TestNif::rule_data()
{
    QTest::addColumn<QString>("nif");
    QTest::addColumn<bool>("valid");

    // Personal numbers: eight digits and the letter of the number modulo 23.
    QTest::newRow("12345678Z") << "12345678Z" << true;
    QTest::newRow("12345678A") << "12345678A" << false;
    QTest::newRow("00000000T") << "00000000T" << true;
    QTest::newRow("87654321X") << "87654321X" << true;
    QTest::newRow("lower-case check letter") << "12345678z" << false;

    // Entity identifiers over 1234567: control digit 4, control letter D.
    for (const QChar first : QStringLiteral("KQS")) {
        QTest::addRow("%c needs the letter", first.toLatin1()) << QString(first) + "1234567D" << true;
        QTest::addRow("%c refuses the digit", first.toLatin1()) << QString(first) + "12345674" << false;
    }
    for (const QChar first : QStringLiteral("ABEH")) {
        QTest::addRow("%c needs the digit", first.toLatin1()) << QString(first) + "12345674" << true;
        QTest::addRow("%c refuses the letter", first.toLatin1()) << QString(first) + "1234567D" << false;
    }
    for (const QChar first : QStringLiteral("CDFGJLMNP")) {
        QTest::addRow("%c takes the letter", first.toLatin1()) << QString(first) + "1234567D" << true;
        QTest::addRow("%c takes the digit", first.toLatin1()) << QString(first) + "12345674" << true;
        QTest::addRow("%c wrong letter", first.toLatin1()) << QString(first) + "1234567E" << false;
        QTest::addRow("%c wrong digit", first.toLatin1()) << QString(first) + "12345675" << false;
    }
    for (const QChar first : QStringLiteral("IORTUVWXYZ")) {
        QTest::addRow("%c excluded, letter", first.toLatin1()) << QString(first) + "1234567D" << false;
        QTest::addRow("%c excluded, digit", first.toLatin1()) << QString(first) + "12345674" << false;
    }
    QTest::newRow("X1234567L") << "X1234567L" << false;
    QTest::newRow("B1234567D") << "B1234567D" << false;
    QTest::newRow("sum 0: A00000000") << "A00000000" << true;
    QTest::newRow("sum 0: K0000000J") << "K0000000J" << true;
    QTest::newRow("sum 10 gives control 0") << "A00000190" << true;
    QTest::newRow("sum 10, control letter J") << "P0000019J" << true;
    QTest::newRow("sum 10, not control 10") << "P0000019A" << false;
    QTest::newRow("lower-case control letter") << "Q1234567d" << false;
    // The letter classes are upper case: a lower-case first letter is in none of them.
    QTest::newRow("lower-case first letter") << "b1234567D" << true;
    QTest::newRow("neither digit nor letter") << "-1234567D" << false;
    QTest::newRow("entity with ten characters") << "P1234567D0" << false;
}

void TestNif::rule()
{
    QFETCH(QString, nif);
    QFETCH(bool, valid);
    QCOMPARE(validNif(nif), valid);
}

// Both identifier fields upper-case what is typed and judge nine characters.
void TestNif::liveCheck_data()
{
    QTest::addColumn<bool>("ownerForm");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QVariant>("error");

    for (const bool ownerForm : { true, false }) {
        const char *form = ownerForm ? "owner" : "party";
        QTest::addRow("%s: eight characters", form) << ownerForm << "a1234567"
                                                    << "A1234567" << QVariant();
        QTest::addRow("%s: valid", form) << ownerForm << "12345678Z"
                                         << "12345678Z" << QVariant(false);
        QTest::addRow("%s: valid in lower case", form) << ownerForm << "12345678z"
                                                       << "12345678Z" << QVariant(false);
        QTest::addRow("%s: invalid", form) << ownerForm << "12345678A"
                                           << "12345678A" << QVariant(true);
        QTest::addRow("%s: entity in lower case", form) << ownerForm << "b12345674"
                                                        << "B12345674" << QVariant(false);
        QTest::addRow("%s: excluded letter", form) << ownerForm << "x1234567d"
                                                   << "X1234567D" << QVariant(true);
    }
}

void TestNif::liveCheck()
{
    QFETCH(bool, ownerForm);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QVariant, error);

    ScratchDirectory scratch;
    if (!ownerForm)
        insertOwner(QStringLiteral("87654321X"));
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);
    QLineEdit *field = ownerForm ? app->registrationPage().nif : app->partiesPage().nif;
    typeText(field, typed);

    QCOMPARE(field->text(), shown);
    QCOMPARE(field->property("error"), error);
    QCOMPARE(describeBoxes(responder), QStringList());
    QVERIFY(boxesSettled(responder));
}

void TestNif::shortTextKeepsTheMark()
{
    ScratchDirectory scratch;
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);
    QLineEdit *field = app->registrationPage().nif;

    typeText(field, QStringLiteral("12345678A"));
    QVERIFY(marked(field));
    QTest::keyClick(field, Qt::Key_Backspace);
    QVERIFY(marked(field));
    typeText(field, QStringLiteral("Z"));
    QVERIFY(!marked(field));
    QTest::keyClick(field, Qt::Key_Backspace);
    QVERIFY(!marked(field));
    QVERIFY(responder.boxes().isEmpty());
}

void TestNif::ownerRefusedAsParty()
{
    ScratchDirectory scratch;
    insertOwner(QStringLiteral("Q1234567D"));
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);

    // The last letter typed in lower case: upper-casing it must not bring the box twice.
    typeText(app->partiesPage().nif, QStringLiteral("q1234567d"));

    QCOMPARE(app->partiesPage().nif->text(), QString());
    QCOMPARE(describeBoxes(responder),
        QStringList{ QStringLiteral("information|Información|Póngase en contacto con la asesoría") });
    QVERIFY(boxesSettled(responder));
}

// Records shown while browsing are neither judged nor looked up.
void TestNif::browsingIsSilent()
{
    ScratchDirectory scratch;
    insertOwner();
    // Record 1 is client and supplier at once, which a lookup would refuse; record 2
    // was stored by hand with a wrong letter.
    insertParty(0, 43000001, QStringLiteral("11111111H"), QStringLiteral("Alfa Obras"));
    insertParty(1, 40000001, QStringLiteral("11111111H"), QStringLiteral("Alfa Obras"));
    insertParty(0, 43000002, QStringLiteral("22222222A"), QStringLiteral("Gamma"));
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);
    const PartiesPage &page = app->partiesPage();

    page.browse->click();
    QCOMPARE(page.nif->text(), QStringLiteral("11111111H"));
    QVERIFY(!marked(page.nif));
    page.previous->click();
    QCOMPARE(page.nif->text(), QStringLiteral("22222222A"));
    QVERIFY(!marked(page.nif));
    QVERIFY(responder.boxes().isEmpty());
}

QTEST_MAIN(TestNif)
#include "test_nif.moc"
