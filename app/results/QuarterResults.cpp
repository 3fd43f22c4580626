// "IVA y resultados": the quarter's invoice totals with their balance and pie, and the
// taxable bases of one month.

#include "App.h"

#include "dates/Quarters.h"
#include "entries/Amount.h"
#include "results/Sums.h"
#include "storage/InvoiceStore.h"
#include "widgets/PieChart.h"

#include <QComboBox>
#include <QDate>
#include <QLineEdit>

namespace {
// The fields hold exact sums, and the compensation typed is taken to the cent.
Decimal numberIn(const QLineEdit *field)
{
    return moneyFromText(field->text());
}
} // namespace

void App::tri(int quarter)
{
    // The sums are carried here and each field written once: a write per row would
    // repaint the pie per row.
    Decimal supported;
    Decimal charged;
    if (openDatabase()) {
        const QDate first = quarterBoundary(quarter, false, 0, m_today.date());
        const QDate last = quarterBoundary(quarter, true, 0, m_today.date());
        const auto quarterHolds = [&](const QDate &date) { return inQuarter(date, first, last); };
        // A failure shows its box and leaves the sums reached so far.
        const StoreResult<QList<DatedAmount>> issued = datedTotals(m_db, issuedInvoices());
        supported = sumOfDated(issued.value, quarterHolds);
        if (okOrReport(issued.error)) {
            const StoreResult<QList<DatedAmount>> received = datedTotals(m_db, receivedInvoices());
            charged = sumOfDated(received.value, quarterHolds);
            okOrReport(received.error);
        }
    }
    m_results.supported->setText(displayAmount(supported));
    m_results.charged->setText(displayAmount(charged));
    m_results.quarterResult->setText(
        displayAmount(numberIn(m_results.supported) - numberIn(m_results.charged)));
    writeFinalResult();
}

void App::result(int)
{
    if (!openDatabase())
        return;
    const int year = m_results.year->currentText().toInt(nullptr, 10);
    const int month = m_results.month->currentIndex() + 1;
    const auto monthHolds = [&](const QDate &date) { return inMonth(date, year, month); };

    const StoreResult<QList<DatedAmount>> issued = datedBases(m_db, issuedInvoices());
    if (!okOrReport(issued.error))
        return;
    m_results.income->setText(displayAmount(sumOfDated(issued.value, monthHolds)));
    const StoreResult<QList<DatedAmount>> received = datedBases(m_db, receivedInvoices());
    if (!okOrReport(received.error))
        return;
    m_results.expenses->setText(displayAmount(sumOfDated(received.value, monthHolds)));
    // The month adds its two sums where the quarter subtracts.
    m_results.monthResult->setText(displayAmount(numberIn(m_results.income) + numberIn(m_results.expenses)));
}

void App::compensar(const QString &)
{
    writeFinalResult();
}

void App::writeFinalResult()
{
    m_results.finalResult->setText(
        displayAmount(numberIn(m_results.quarterResult) - numberIn(m_results.compensation)));
}

void App::updatePie(const QString &)
{
    // The shares of the exact sums.
    const Decimal supported = numberIn(m_results.supported);
    const double blue = supported.percentageOf(supported + numberIn(m_results.charged));
    m_pie->setValues(float(blue), float(100.0 - blue));
}
