// "Facturas Recibidas": the look-up of a stored invoice by its number. Unlike the issued
// page's, it shows only the number and selects the supplier.

#include "App.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSqlRecord>

void App::SearchNfr()
{
    const std::optional<QSqlRecord> row
        = findInvoice(QStringLiteral("frec"), m_received.search.number->text());
    if (!row)
        return;
    // Columns by position: 1 proveedor, 2 nfac.
    m_received.number->setText(row->value(2).toString());
    selectInvoiceParty(m_received.supplier, row->value(1));
}
