// The tax-identifier rule.

#include "parties/Nif.h"

#include <QTest>

class TestNif final : public QObject {
    Q_OBJECT

private slots:
    void rule_data();
    void rule();
};

void TestNif::rule_data()
{
    QTest::addColumn<QString>("nif");
    QTest::addColumn<bool>("valid");
    const auto add = [](const QString &nifs, bool valid) {
        for (const QString &nif : nifs.split(QLatin1Char(' ')))
            QTest::newRow(qPrintable(nif)) << nif << valid;
    };

    // Personal numbers: eight digits and the letter of the number modulo 23, in upper case.
    add("12345678Z 00000000T 87654321X", true);
    add("12345678A 12345678z 1234567AZ", false);
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
    // The control letter is upper case; so are the letter classes, and a lower-case first
    // letter is in none of them.
    add("b1234567D", true);
    add("P0000019A Q1234567d X1234567L -1234567D P1234567D0 P12345X7D", false);
}

void TestNif::rule()
{
    QFETCH(QString, nif);
    QFETCH(bool, valid);
    QCOMPARE(validNif(nif), valid);
}

QTEST_APPLESS_MAIN(TestNif)
#include "test_nif.moc"
