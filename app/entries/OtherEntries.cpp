// "Otros Gastos e Ingresos": dated amounts against the twelve fixed accounts.

#include "App.h"

#include "entries/Amount.h"
#include "storage/OtherEntryStore.h"
#include "widgets/MessageBoxes.h"

#include "entries/InvoiceSaving.h"
#include "widgets/FieldMarking.h"
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>

void App::Save4()
{
    // On this page a failing field is marked and focused before its box shows.
    QLineEdit *amount = m_other.amount;
    const bool noAmount = amount->text().isEmpty();
    markField(amount, noAmount);
    if (noAmount) {
        amount->setFocus();
        MessageBoxes::warning(this, tr("Error"), QStringLiteral("Este campo es obligatorio."));
        return;
    }
    QComboBox *account = m_other.account;
    const bool noAccount = account->currentIndex() < 0;
    markField(account, noAccount);
    if (noAccount) {
        account->setFocus();
        MessageBoxes::warning(this, tr("Error"), QStringLiteral("Debe seleccionar una cuenta contable."));
        return;
    }
    if (!todayKnownOrWarn() || !openDatabase())
        return;

    QDateEdit *date = m_dates[2].edit;
    const OtherEntryRow entry{ date->date(), moneyFromText(amount->text()), accountNumberOf(account) };
    if (!okOrReport(insertOtherEntry(m_db, entry)))
        return;

    MessageBoxes::information(this, tr("Información"), QStringLiteral("Datos guardados"));
    date->setDate(m_today.date());
    amount->clear();
    // The reset is no choice of the user's: it shows no account message.
    changeQuietly(account, &QComboBox::currentIndexChanged, &App::cc2, [&] { account->setCurrentIndex(-1); });
    date->setFocus();
}

void App::cc2(int)
{
    showChosenAccount(m_other.account);
}
