#include "PartyTestSupport.h"

#include "parties/Nif.h"

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
    const auto add = [](const QString &nifs, bool valid) {
        for (const QString &nif : words(nifs))
            QTest::newRow(qPrintable(nif)) << nif << valid;
    };

    // Personal numbers: eight digits and the letter of the number modulo 23, in upper case.
    add("12345678Z 00000000T 87654321X", true);
    add("12345678A 12345678z", false);
    // Entity identifiers over 1234567 (control digit 4, control letter D): K, Q and S need
    // the letter, A, B, E and H the digit, C, D, F, G, J, L, M, N and P take either; I, O,
    // R, T, U, V, W, X, Y and Z are excluded.
    for (const QChar first : QStringLiteral("KQSABEHCDFGJLMNPIORTUVWXYZ")) {
        add(first + QStringLiteral("1234567D"), QStringLiteral("KQSCDFGJLMNP").contains(first));
        add(first + QStringLiteral("12345674"), QStringLiteral("ABEHCDFGJLMNP").contains(first));
        if (QStringLiteral("CDFGJLMNP").contains(first))
            add(first + QStringLiteral("1234567E ") + first + QStringLiteral("12345675"), false);
    }
    // The sum 0 gives control 0 or J, the sum 10 control 0, not 10.
    add("A00000000 K0000000J A00000190 P0000019J", true);
    add("P0000019A", false);
    // The control letter is upper case; so are the letter classes, and a lower-case first
    // letter is in none of them.
    add("Q1234567d", false);
    add("b1234567D", true);
    add("X1234567L -1234567D P1234567D0", false);
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
    QTest::addColumn<QVariant>("error"); // the mark; none before nine characters

    const struct {
        const char *name, *typed, *shown;
        QVariant error;
    } rows[] = {
        { "eight characters", "a1234567", "A1234567", QVariant() },
        { "valid", "12345678Z", "12345678Z", false },
        { "valid in lower case", "12345678z", "12345678Z", false },
        { "invalid", "12345678A", "12345678A", true },
        { "entity in lower case", "b12345674", "B12345674", false },
        { "excluded letter", "x1234567d", "X1234567D", true },
    };
    for (const bool ownerForm : { true, false }) {
        for (const auto &row : rows)
            QTest::addRow("%s: %s", ownerForm ? "owner" : "party", row.name)
                << ownerForm << row.typed << row.shown << row.error;
    }
}

void TestNif::liveCheck()
{
    QFETCH(bool, ownerForm);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(QVariant, error);

    PageFixture f;
    if (!ownerForm)
        insertOwner("87654321X");
    QVERIFY(f.start());
    QLineEdit *field = ownerForm ? f.app->registrationPage().nif : f.app->partiesPage().nif;
    typeText(field, typed);
    QCOMPARE(field->text(), shown);
    QCOMPARE(field->property("error"), error);
    f.verifyBoxes({});
}

void TestNif::shortTextKeepsTheMark()
{
    PageFixture f;
    QVERIFY(f.start());
    QLineEdit *field = f.app->registrationPage().nif;
    typeText(field, "12345678A");
    QVERIFY(marked(field));
    QTest::keyClick(field, Qt::Key_Backspace);
    QVERIFY(marked(field));
    typeText(field, "Z");
    QVERIFY(!marked(field));
    QTest::keyClick(field, Qt::Key_Backspace);
    QVERIFY(!marked(field));
    f.verifyBoxes({});
}

void TestNif::ownerRefusedAsParty()
{
    PageFixture f;
    insertOwner("Q1234567D");
    QVERIFY(f.start());
    // The last letter typed in lower case: upper-casing it must not bring the box twice.
    typeText(f.app->partiesPage().nif, "q1234567d");
    QCOMPARE(f.app->partiesPage().nif->text(), QString());
    f.verifyBoxes({ box::info("Póngase en contacto con la asesoría") });
}

// Records shown while browsing are neither judged nor looked up.
void TestNif::browsingIsSilent()
{
    PageFixture f;
    insertOwner();
    // Record 1 is client and supplier at once, which a lookup would refuse; record 2
    // was stored by hand with a wrong letter.
    insertParty(0, 43000001, "11111111H", "Alfa Obras");
    insertParty(1, 40000001, "11111111H", "Alfa Obras");
    insertParty(0, 43000002, "22222222A", "Gamma");
    QVERIFY(f.start());
    const PartiesPage &page = f.app->partiesPage();

    page.browse->click();
    QCOMPARE(page.nif->text(), QStringLiteral("11111111H"));
    QVERIFY(!marked(page.nif));
    page.previous->click();
    QCOMPARE(page.nif->text(), QStringLiteral("22222222A"));
    QVERIFY(!marked(page.nif));
    f.verifyBoxes({});
}

QTEST_MAIN(TestNif)
#include "test_nif.moc"
