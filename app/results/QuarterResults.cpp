// "IVA y resultados": the quarter's invoice totals with their balance and pie, and the
// taxable bases of one month.

#include "App.h"

#include "storage/StoredForms.h"

#include "entries/Amount.h"
#include "widgets/PieChart.h"

#include <QComboBox>
#include <QDate>
#include <QLineEdit>
#include <QSqlQuery>

// A sum as the page shows it: every step is written with six significant digits and the
// next step reads the written text back, so the rounding of each step carries on.
struct App::RunningSum {
    QString text = QStringLiteral("0");
    float value = 0.0f;

    void add(float term)
    {
        text = displayAmount(double(value) + double(term));
        value = amountFromText(text);
    }
};

template <typename Counts> bool App::addDatedAmounts(const QString &statement, Counts counts, RunningSum &sum)
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    if (!execOrReport(query, statement))
        return false;
    while (query.next()) {
        if (counts(QDate::fromString(query.value(0).toString(), StoredDateFormat)))
            sum.add(query.value(1).toFloat());
    }
    return true;
}

namespace {
float numberIn(const QLineEdit *field)
{
    return amountFromText(field->text());
}
} // namespace

void App::tri(int quarter)
{
    // The sums are carried here and each field written once: a write per row would
    // repaint the pie per row.
    RunningSum supported;
    RunningSum charged;
    if (openDatabase()) {
        const QDate first = quarterBoundary(quarter, false, 0);
        const QDate last = quarterBoundary(quarter, true, 0);
        // While today is unknown there is no year, the boundaries are invalid and no date
        // lies between them.
        const auto inQuarter = [&](const QDate &date) {
            return first.isValid() && last.isValid() && date.isValid() && first <= date && date <= last;
        };
        if (addDatedAmounts(QStringLiteral("SELECT fecha, total FROM femi"), inQuarter, supported))
            addDatedAmounts(QStringLiteral("SELECT fecha, total FROM frec"), inQuarter, charged);
    }
    m_results.supported->setText(supported.text);
    m_results.charged->setText(charged.text);
    m_results.quarterResult->setText(
        displayAmount(double(numberIn(m_results.supported)) - double(numberIn(m_results.charged))));
    writeFinalResult();
}

void App::result(int)
{
    if (!openDatabase())
        return;
    const int year = m_results.year->currentText().toInt(nullptr, 10);
    const int month = m_results.month->currentIndex() + 1;
    // A date that does not parse has year and month 0, like no year and no month chosen:
    // it never matches.
    const auto inMonth
        = [&](const QDate &date) { return date.isValid() && date.year() == year && date.month() == month; };

    RunningSum income;
    if (!addDatedAmounts(QStringLiteral("SELECT fecha, base3 FROM femi"), inMonth, income))
        return;
    m_results.income->setText(income.text);
    RunningSum expenses;
    if (!addDatedAmounts(QStringLiteral("SELECT fecha, base3 FROM frec"), inMonth, expenses))
        return;
    m_results.expenses->setText(expenses.text);
    // The month adds its two sums where the quarter subtracts.
    m_results.monthResult->setText(
        displayAmount(double(numberIn(m_results.income)) + double(numberIn(m_results.expenses))));
}

void App::compensar(const QString &)
{
    writeFinalResult();
}

void App::writeFinalResult()
{
    m_results.finalResult->setText(
        displayAmount(double(numberIn(m_results.quarterResult)) - double(numberIn(m_results.compensation))));
}

void App::updatePie(const QString &)
{
    const double supported = numberIn(m_results.supported);
    const double charged = numberIn(m_results.charged);
    const double blue = supported / (charged + supported) * 100.0;
    m_pie->setValues(float(blue), float(100.0 - blue));
}
