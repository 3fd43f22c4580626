// "Facturas Recibidas": the look-up by number in the search pop-up, which shows only
// the stored number and selects the supplier.

#include "InvoiceTesting.h"

using namespace received;

class TestReceivedSearch final : public QObject {
    Q_OBJECT

private slots:
    void lookUp_data();
    void lookUp();
};

void TestReceivedSearch::lookUp_data()
{
    QTest::addColumn<QString>("searched");
    QTest::addColumn<QString>("numberAfter");
    QTest::addColumn<int>("supplierAfter");
    QTest::addColumn<QStringList>("expectedBoxes");

    QTest::newRow("found: number and supplier") << "R-77"
                                                << "R-77" << 2 << QStringList();
    QTest::newRow("not stored: the form as it was") << "R-78"
                                                    << "typed" << 0 << QStringList{ notFoundText };
    QTest::newRow("supplier gone: the number stays written") << "R-99"
                                                             << "R-99" << 0 << QStringList{ partyGoneText };
    QTest::newRow("empty field: nothing") << ""
                                          << "typed" << 0 << QStringList();
}

void TestReceivedSearch::lookUp()
{
    QFETCH(QString, searched);
    QFETCH(QString, numberAfter);
    QFETCH(int, supplierAfter);
    QFETCH(QStringList, expectedBoxes);

    Fixture f;
    QVERIFY(f.start());
    const QString values
        = "'15/05/2016', 0, 0, 0, 0, 0, 0, 0, 0, 100, 21, 21, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, "
          "0, 100, 21, 21, 0, 0, 0, 0, 0, 121, 62900009";
    QVERIFY(execStatement(QStringLiteral(
        "INSERT INTO frec (proveedor, nfac, fecha, type, inv, cm, isp, cc, ret, alq, pyo, base0, "
        "piva0, civa0, ivas0, ivar0, base1, piva1, civa1, ivas1, ivar1, base2, piva2, civa2, ivas2, "
        "ivar2, base3, piva3, civa3, ivas3, ivar3, bret, pret, cret, total, ctc) VALUES "
        "(40000003, 'R-77', %1), (40000099, 'R-99', %1)")
                              .arg(values)));

    f.perform({ "supplier=0", "number=typed", "type=0", "searchNumber=" + searched });
    QTest::keyClick(f.widget("searchNumber"), Qt::Key_Return);

    QCOMPARE(f.page().supplier->currentIndex(), supplierAfter);
    // Nothing else of the invoice is shown.
    QCOMPARE(f.page().type->currentIndex(), 0);
    f.expectTexts({ "number=" + numberAfter, "line1.base=", "searchNumber=" + searched });
    f.verifyBoxes(expectedBoxes);
}

QTEST_MAIN(TestReceivedSearch)
#include "test_received_search.moc"
