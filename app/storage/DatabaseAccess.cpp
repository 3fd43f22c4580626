// How the window reaches its database: the start-up schema and seed, and the
// discipline every slot follows (open first, report failures in a critical box).

#include "App.h"

#include "storage/Database.h"
#include "storage/PartyStore.h"
#include "widgets/MessageBoxes.h"

#include <QComboBox>
#include <QDir>
#include <QLockFile>
#include <QSqlError>

#include <cstdlib>

void App::holdWorkingFolder()
{
    // Two windows on one data.db could both store the same invoice number or give two
    // parties the same account number, so a second window ends before it touches the file.
    // A lock left by a window that ended without releasing it (a crash) belongs to no
    // running program and is taken over.
    m_folderLock = std::make_unique<QLockFile>(
        QDir::current().absoluteFilePath(QString::fromLatin1(DatabaseLockFileName)));
    // Held as long as the window is open, so never stale for its age alone.
    m_folderLock->setStaleLockTime(0);
    // A folder where no lock can be made (read-only) is left to the database to report.
    if (m_folderLock->tryLock(0) || m_folderLock->error() != QLockFile::LockFailedError)
        return;
    MessageBoxes::critical(this, tr("Error"),
        QStringLiteral(
            "Brivana ya está abierto con estos datos en otra ventana.\nCierre la otra ventana antes "
            "de volver a abrirlo."));
    std::exit(EXIT_FAILURE);
}

void App::setUpDatabase()
{
    if (!m_db.open()) {
        MessageBoxes::critical(this, tr("Error"), connectionFailedText());
        // The process ends here, without the window's destructor.
        m_folderLock.reset();
        std::exit(-1);
    }
    // Each statement stands alone: one that fails is reported and the next runs all the same.
    for (const QString &statement : schemaStatements())
        okOrReport(runStatement(m_db, statement));
    okOrReport(seedCounters(m_db));
    const StoreResult<int> parties = partyCount(m_db);
    if (okOrReport(parties.error))
        m_recordCount += parties.value;
    m_db.close();
}

bool App::openDatabase()
{
    if (m_db.open())
        return true;
    MessageBoxes::critical(this, tr("Error"), connectionFailedText());
    return false;
}

bool App::okOrReport(const QSqlError &error)
{
    if (!error.isValid())
        return true;
    MessageBoxes::critical(this, tr("Error"), error.text());
    return false;
}

bool App::rowsChangedOrReport(int rows)
{
    if (rows != 0)
        return true;
    MessageBoxes::critical(this, tr("Error"), QStringLiteral("No se ha actualizado ningún dato."));
    return false;
}

void App::refillPartyList(QComboBox *list, int type)
{
    list->clear();
    const StoreResult<QStringList> names = partyNames(m_db, type);
    if (okOrReport(names.error))
        list->addItems(names.value);
    list->setCurrentIndex(-1);
}

void App::fillPartyLists()
{
    if (openDatabase()) {
        refillPartyList(m_issued.client, 0);
        refillPartyList(m_received.supplier, 1);
    }
    m_db.close();
}
