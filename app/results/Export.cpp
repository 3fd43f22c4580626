// "Enviar": every record of cap, femi, frec and ogei into one file for the advisory
// office, named after the owner's identifier and today's date.

#include "App.h"

#include "results/ExportWriter.h"
#include "storage/ExportTables.h"
#include "storage/OwnerStore.h"
#include "widgets/MessageBoxes.h"

#include <QSaveFile>
#include <QSqlError>

#include <algorithm>

void App::Send()
{
    if (!MessageBoxes::confirm(this, QMessageBox::Information, tr("Información"),
            QStringLiteral("Está a punto de enviar todos los registros,\nesta operación es irrevirsible, "
                           "¿está seguro\nde que desea enviar los datos?"),
            QStringLiteral("No"), QStringLiteral("Sí")))
        return;
    // The file is named after today; without it there is no name to give.
    if (!todayKnownOrWarn())
        return;
    // Here the connection's own text, not the fixed one of the other slots.
    if (!m_db.open()) {
        MessageBoxes::critical(this, tr("Error"), m_db.lastError().text());
        return;
    }

    const QString fileName = exportFileName();
    if (fileName.isEmpty() || !writeExportFile(fileName))
        return;
    m_db.close();
    MessageBoxes::information(
        this, tr("Información"), QStringLiteral("Archivo exportado correctamente:\n\n") + fileName);
}

QString App::exportFileName()
{
    const StoreResult<std::optional<QString>> owner = readOwnerNif(m_db);
    if (!okOrReport(owner.error))
        return QString();
    // The identifier names the file, so only one of the registered form may: nine digits or
    // capital letters keep the file in the working folder, under its expected name.
    const QString nif = owner.value.value_or(QString());
    const auto registeredForm = [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z'); };
    if (nif.size() != 9 || !std::all_of(nif.cbegin(), nif.cend(), registeredForm)) {
        MessageBoxes::critical(this, tr("Error"), QStringLiteral("Error inesperado en la base de datos."));
        return QString();
    }
    return nif + QLatin1Char('_') + m_today.date().toString(u"yyyyMMdd") + QStringLiteral(".csv");
}

bool App::writeExportFile(const QString &fileName)
{
    ExportTables tables(m_db);
    // No table is left open while the box waits for the user.
    const auto fail = [&](const QString &text) {
        tables.finish();
        MessageBoxes::critical(this, tr("Error"), text);
        return false;
    };
    const QSqlError error = tables.run();
    if (error.isValid())
        return fail(error.text());

    // Written aside and put in place only when complete, so that a failure leaves an
    // earlier file of the same name as it was; the unfinished copy is gone before the box shows.
    // Unbuffered, as the writer hands over large blocks itself: a full disk then refuses the
    // write that meets it, with the system's reason, instead of a flush that commit() ignores.
    bool written = false;
    QString failure;
    {
        QSaveFile file(fileName);
        ExportWriter writer(file);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            failure = file.errorString();
        else if (!writer.write(tables.parties(), tables.issued(), tables.received(), tables.otherEntries()))
            failure = writer.errorString();
        else if (!file.flush())
            failure = file.errorString();
        else if (file.commit())
            written = true;
        else
            failure = file.errorString();
        if (!written)
            file.cancelWriting();
    }
    if (!written)
        return fail(failure);
    return true;
}
