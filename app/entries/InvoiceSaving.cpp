// What saving and looking up an invoice does alike on both invoice pages.

#include "App.h"

#include "entries/InvoiceAmounts.h"
#include "entries/InvoiceSaving.h"
#include "storage/InvoiceStore.h"
#include "storage/PartyStore.h"
#include "widgets/MessageBoxes.h"

#include "entries/InvoiceArithmetic.h"
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

QString accountNumberOf(const QComboBox *accounts)
{
    return accountNumberOf(accounts->currentText());
}

void readInvoiceAmounts(InvoiceRow &row, const InvoiceTable &table, const std::array<LineFields, 3> &lines,
    const WithholdingLine &withholding, const QLineEdit *total, const QComboBox *account)
{
    for (size_t column = 0; column < LineFields().size(); ++column) {
        for (size_t line = 0; line < lines.size(); ++line)
            row.lines[line][column]
                = table.lineRates[column] ? rateOf(lines[line][column]) : moneyOf(lines[line][column]);
        // The sums take every column alike, the rates included.
        row.lines[3][column] = sumOfLines(row.lines[0][column], row.lines[1][column], row.lines[2][column]);
    }
    row.withholdingBase = moneyOf(withholding.base);
    row.withholdingPercentage = rateOf(withholding.percentage);
    row.withholdingQuota = moneyOf(withholding.quota);
    row.total = moneyOf(total);
    row.account = accountNumberOf(account);
}

bool App::storeInvoice(const InvoiceTable &table, const QString &number, const QString &partyName,
    const QString &partyNotFound, const std::function<InvoiceRow(qlonglong)> &rowFor)
{
    // Today is asked for once the fields pass, so the user first learns what to correct.
    if (!todayKnownOrWarn() || !openDatabase())
        return false;
    // An issued number is checked first; a received one belongs to its supplier, found first.
    const bool perParty = table.numberedPerParty;
    if (!perParty && !invoiceNumberIsFree(table, number, 0))
        return false;
    const std::optional<qlonglong> party = partyAccount(table.partyType, partyName, partyNotFound);
    if (!party || (perParty && !invoiceNumberIsFree(table, number, *party)) || !confirmInvoiceSave())
        return false;
    if (!okOrReport(insertInvoice(m_db, table, rowFor(*party))))
        return false;
    MessageBoxes::information(this, tr("Información"), QStringLiteral("Datos guardados"));
    return true;
}

bool App::invoiceNumberIsFree(const InvoiceTable &table, const QString &number, qlonglong party)
{
    const StoreResult<bool> taken = invoiceNumberTaken(m_db, table, number, party);
    if (!okOrReport(taken.error))
        return false;
    if (taken.value) {
        MessageBoxes::warning(this, tr("Error"), QStringLiteral("Ya existe una factura con este Nº"));
        return false;
    }
    return true;
}

std::optional<qlonglong> App::partyAccount(int type, const QString &name, const QString &notFoundText)
{
    const StoreResult<std::optional<qlonglong>> account = accountOfParty(m_db, type, name);
    if (!okOrReport(account.error))
        return std::nullopt;
    if (!account.value)
        MessageBoxes::critical(this, tr("Error"), notFoundText);
    return account.value;
}

bool App::confirmInvoiceSave()
{
    return MessageBoxes::confirm(this, QMessageBox::Information, tr("Información"),
               QStringLiteral("Verifique que el total calculado coincide con el total de su factura."),
               QStringLiteral("Rectificar"), QStringLiteral("Continuar"))
        && MessageBoxes::confirm(this, QMessageBox::Information, tr("Información"),
            QStringLiteral(
                "Está a punto de guardar estos datos, por favor,\nasegúrese de que son correctos antes "
                "de continuar."),
            QStringLiteral("Rectificar"), QStringLiteral("Guardar"));
}

std::optional<InvoiceRow> App::findInvoice(const InvoiceTable &table, const QString &number)
{
    if (number.isEmpty() || !openDatabase())
        return std::nullopt;
    const StoreResult<std::optional<InvoiceRow>> found = invoiceWithNumber(m_db, table, number);
    if (!okOrReport(found.error))
        return std::nullopt;
    if (!found.value) {
        MessageBoxes::critical(
            this, tr("Información"), QStringLiteral("No existe ninguna factura con el nº introducido."));
        return std::nullopt;
    }
    return found.value;
}

void App::selectInvoiceParty(QComboBox *list, qlonglong account)
{
    const StoreResult<std::optional<QString>> name = nameOfAccount(m_db, account);
    if (!okOrReport(name.error))
        return;
    if (!name.value) {
        MessageBoxes::critical(this, tr("Información"),
            QStringLiteral("No se ha encontrado el cliente asociado a la factura buscada."));
        return;
    }
    const int index = list->findText(*name.value);
    if (index >= 0)
        list->setCurrentIndex(index);
}

void App::showChosenAccount(const QComboBox *accounts)
{
    MessageBoxes::information(this, tr("Información"),
        QStringLiteral("Ha seleccionado usted la cuenta contable:\n\n") + accounts->currentText()
            + QStringLiteral("\n\nPor favor, verifique si es correcto."));
}
