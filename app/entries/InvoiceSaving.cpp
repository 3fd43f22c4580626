// What saving and looking up an invoice does alike on both invoice pages.

#include "App.h"

#include "entries/InvoiceAmounts.h"
#include "entries/InvoiceSaving.h"
#include "storage/StoredForms.h"
#include "widgets/MessageBoxes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSqlQuery>
#include <QSqlRecord>

QString accountNumberOf(const QComboBox *accounts)
{
    return accounts->currentText().left(8);
}

void bindInvoiceAmounts(QSqlQuery &query, const std::array<QString, 5> &columns,
    const std::array<LineFields, 3> &lines, const WithholdingLine &withholding, const QLineEdit *total,
    const QComboBox *account)
{
    const auto placeholder
        = [](const QString &column, int line) { return QStringLiteral(":%1%2").arg(column).arg(line); };
    for (size_t column = 0; column < columns.size(); ++column) {
        for (size_t line = 0; line < lines.size(); ++line)
            query.bindValue(
                placeholder(columns[column], int(line)), storedAmount(amountOf(lines[line][column])));
        // The sums take every column alike, the rates included.
        query.bindValue(placeholder(columns[column], 3),
            storedAmount(sumOfLines(lines[0][column], lines[1][column], lines[2][column])));
    }
    query.bindValue(QStringLiteral(":bret"), storedAmount(amountOf(withholding.base)));
    query.bindValue(QStringLiteral(":pret"), storedAmount(amountOf(withholding.percentage)));
    query.bindValue(QStringLiteral(":cret"), storedAmount(amountOf(withholding.quota)));
    query.bindValue(QStringLiteral(":total"), storedAmount(amountOf(total)));
    query.bindValue(QStringLiteral(":ctc"), accountNumberOf(account));
}

bool App::withholdingModeChosen(
    const OptionBox &withholding, const OptionBox &rental, const OptionBox &professionals)
{
    if (!withholding.box->isChecked() || rental.box->isChecked() || professionals.box->isChecked())
        return true;
    MessageBoxes::warning(this, tr("Error"), QStringLiteral("Debe seleccionar una modalidad de retención."));
    return false;
}

bool App::storeInvoice(const InvoiceTable &table, const QString &number, const QString &partyName,
    const std::function<void(QSqlQuery &, uint)> &bindRow)
{
    // Today is asked for once the fields pass, so the user first learns what to correct.
    if (!todayKnownOrWarn() || !openDatabase())
        return false;
    QSqlQuery query(m_db);
    if (!invoiceNumberIsFree(query, table.name, number))
        return false;
    const std::optional<uint> party = partyAccount(query, table.partyType, partyName, table.partyNotFound);
    if (!party || !confirmInvoiceSave())
        return false;
    bindRow(query, *party);
    if (!execOrReport(query))
        return false;
    MessageBoxes::information(this, tr("Información"), QStringLiteral("Datos guardados"));
    return true;
}

bool App::invoiceNumberIsFree(QSqlQuery &query, const QString &table, const QString &number)
{
    // The number is unique over the whole table, whatever the series or the party.
    query.prepare(QStringLiteral("SELECT NULL FROM %1 WHERE nfac=:nfac").arg(table));
    query.bindValue(QStringLiteral(":nfac"), number);
    if (!execOrReport(query))
        return false;
    const bool taken = query.next();
    // Finished before any box: a statement left open while the user reads it would keep
    // every other connection's writes out of the file.
    query.finish();
    if (taken) {
        MessageBoxes::warning(this, tr("Error"), QStringLiteral("Ya existe una factura con este Nº"));
        return false;
    }
    return true;
}

std::optional<uint> App::partyAccount(
    QSqlQuery &query, int type, const QString &name, const QString &notFoundText)
{
    query.prepare(QStringLiteral("SELECT id FROM cap WHERE rs=:rs AND type=%1").arg(type));
    query.bindValue(QStringLiteral(":rs"), name);
    if (!execOrReport(query))
        return std::nullopt;
    std::optional<uint> account;
    if (query.next())
        account = query.value(0).toUInt();
    // Finished before the confirmations that follow, which wait for the user.
    query.finish();
    if (!account)
        MessageBoxes::critical(this, tr("Error"), notFoundText);
    return account;
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

std::optional<QSqlRecord> App::findInvoice(const QString &table, const QString &number)
{
    if (number.isEmpty() || !openDatabase())
        return std::nullopt;
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT * FROM %1 WHERE nfac=:nfac").arg(table));
    query.bindValue(QStringLiteral(":nfac"), number);
    if (!execOrReport(query))
        return std::nullopt;
    if (!query.next()) {
        MessageBoxes::critical(
            this, tr("Información"), QStringLiteral("No existe ninguna factura con el nº introducido."));
        return std::nullopt;
    }
    return query.record();
}

void App::selectInvoiceParty(QComboBox *list, const QVariant &account)
{
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT rs FROM cap WHERE id=:id"));
    query.bindValue(QStringLiteral(":id"), account.toLongLong());
    if (!execOrReport(query))
        return;
    if (!query.next()) {
        MessageBoxes::critical(this, tr("Información"),
            QStringLiteral("No se ha encontrado el cliente asociado a la factura buscada."));
        return;
    }
    const int index = list->findText(query.value(0).toString());
    if (index >= 0)
        list->setCurrentIndex(index);
}

void App::showChosenAccount(const QComboBox *accounts)
{
    MessageBoxes::information(this, tr("Información"),
        QStringLiteral("Ha seleccionado usted la cuenta contable:\n\n") + accounts->currentText()
            + QStringLiteral("\n\nPor favor, verifique si es correcto."));
}
