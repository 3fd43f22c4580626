// How the window reaches its database: the start-up schema and seed, and the
// discipline every slot follows (open first, report failures in a critical box).

#include "App.h"

#include "storage/Database.h"
#include "storage/FolderLock.h"
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
    // parties the same account number, so a window that cannot hold the folder ends before
    // it touches the file.
    const QString path = QDir::current().absoluteFilePath(QString::fromLatin1(DatabaseLockFileName));
    m_folderLock = std::make_unique<QLockFile>(path);
    const FolderLockOutcome outcome = takeFolderLock(*m_folderLock, path);
    QString text;
    switch (outcome.kind) {
    case FolderLockOutcome::Taken:
        return;
    case FolderLockOutcome::HeldByWindow:
        text = QStringLiteral("Brivana ya está abierto con estos datos en otra ventana.\nCierre la otra "
                              "ventana antes de volver a abrirlo.");
        break;
    case FolderLockOutcome::HeldByOtherComputer:
        text = QStringLiteral("Brivana está abierto con estos datos en el ordenador «%1».\nCierre Brivana en "
                              "ese ordenador. Si ya no está abierto allí, borre el archivo oculto %2 de la "
                              "carpeta %3 y vuelva a abrir Brivana.")
                   .arg(outcome.detail, QString::fromLatin1(DatabaseLockFileName),
                       QDir::toNativeSeparators(QDir::currentPath()));
        break;
    case FolderLockOutcome::Failed:
        text = QStringLiteral("Brivana no puede abrir sus datos: no ha podido crear el archivo de bloqueo %1 "
                              "en la carpeta %2 (%3).\nCompruebe que el disco tiene espacio libre y que "
                              "puede escribir en la carpeta.")
                   .arg(QString::fromLatin1(DatabaseLockFileName),
                       QDir::toNativeSeparators(QDir::currentPath()), outcome.detail);
        break;
    }
    m_folderLock.reset();
    MessageBoxes::critical(this, tr("Error"), text);
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
