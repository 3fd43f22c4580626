// The owner's registration, and the choice at start-up between the form and the tabs.

#include "App.h"

#include "widgets/MessageBoxes.h"

#include <QComboBox>
#include <QFrame>
#include <QSqlError>
#include <QSqlQuery>
#include <QTabWidget>

void App::readOwnerAtStartup()
{
    bool ownerFound = false;
    if (openDatabase()) {
        QSqlQuery query(m_db);
        if (execOrReport(query, QStringLiteral("SELECT nif, rs, tecn FROM admin")) && query.next()) {
            ownerFound = true;
            m_ownerNif = query.value(0).toString();
            const int technician = query.value(2).toInt();
            showTabs(query.value(1).toString(), m_registration.technician->itemText(technician));
        }
    }
    m_db.close();
    if (!ownerFound) {
        // The tabs wait aside, hidden, until reg() swaps them in.
        m_tabs->hide();
        setCentralWidget(m_registration.frame);
    } else {
        m_registration.frame->setParent(this);
        m_registration.frame->hide();
    }
}

void App::showTabs(const QString& businessName, const QString& technician)
{
    if (centralWidget() == m_registration.frame) {
        // Taking the form out keeps it alive (setCentralWidget would delete it).
        takeCentralWidget();
        m_registration.frame->setParent(this);
        m_registration.frame->hide();
    }
    setCentralWidget(m_tabs);
    m_tabs->show();
    setWindowTitle(QStringLiteral("Brivana - ") + businessName + QStringLiteral(" ( ") + technician
        + QStringLiteral(" )"));
}

void App::reg() { }
