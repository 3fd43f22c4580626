// What saving and looking up an invoice does alike on both invoice pages.

#include "App.h"

#include "entries/InvoiceSaving.h"
#include "widgets/MessageBoxes.h"

#include <QComboBox>
#include <QSqlQuery>

QString accountNumberOf(const QComboBox* accounts)
{
    return accounts->currentText().left(8);
}

bool App::invoiceNumberIsFree(QSqlQuery& query, const QString& table, const QString& number)
{
    // The number is unique over the whole table, whatever the series or the party.
    query.prepare(QStringLiteral("SELECT NULL FROM %1 WHERE nfac=:nfac").arg(table));
    query.bindValue(QStringLiteral(":nfac"), number);
    if (!execOrReport(query))
        return false;
    if (query.next()) {
        MessageBoxes::warning(this, tr("Error"), QStringLiteral("Ya existe una factura con este Nº"));
        return false;
    }
    return true;
}

std::optional<uint> App::partyAccount(
    QSqlQuery& query, int type, const QString& name, const QString& notFoundText)
{
    query.prepare(QStringLiteral("SELECT id FROM cap WHERE rs=:rs AND type=%1").arg(type));
    query.bindValue(QStringLiteral(":rs"), name);
    if (!execOrReport(query))
        return std::nullopt;
    if (!query.next()) {
        MessageBoxes::critical(this, tr("Error"), notFoundText);
        return std::nullopt;
    }
    return query.value(0).toUInt();
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

void App::selectInvoiceParty(QSqlQuery& query, QComboBox* list, const QVariant& account)
{
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
