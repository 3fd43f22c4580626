// "Facturas Recibidas": the look-up of a stored invoice by its number. Unlike the issued
// page's, it shows only the number and selects the supplier.

#include "App.h"

#include "widgets/MessageBoxes.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSqlQuery>

void App::SearchNfr()
{
    const QString number = m_received.search.number->text();
    if (number.isEmpty() || !openDatabase())
        return;

    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("SELECT * FROM frec WHERE nfac=:nfac"));
    query.bindValue(QStringLiteral(":nfac"), number);
    if (!execOrReport(query))
        return;
    if (!query.next()) {
        MessageBoxes::critical(
            this, tr("Información"), QStringLiteral("No existe ninguna factura con el nº introducido."));
        return;
    }
    // Columns by position: 1 proveedor, 2 nfac.
    m_received.number->setText(query.value(2).toString());
    const QVariant supplier = query.value(1);
    selectInvoiceParty(query, m_received.supplier, supplier);
}
