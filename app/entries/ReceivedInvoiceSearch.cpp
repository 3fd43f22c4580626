// "Facturas Recibidas": the look-up of a stored invoice by its number. Unlike the issued
// page's, it shows only the number and selects the supplier.

#include "App.h"

#include "storage/InvoiceStore.h"

#include <QComboBox>
#include <QLineEdit>

void App::SearchNfr()
{
    const std::optional<InvoiceRow> row = findInvoice(receivedInvoices(), m_received.search.number->text());
    if (!row)
        return;
    m_received.number->setText(row->number);
    selectInvoiceParty(m_received.supplier, row->party);
}
