#include "App.h"

#include "entries/InvoicePageParts.h"
#include "storage/Database.h"
#include "widgets/PieChart.h"
#include "widgets/PopUps.h"
#include "widgets/StyleSheet.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QLockFile>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QUdpSocket>

App::App(const QString &timeServerHost, quint16 timeServerPort)
    : QMainWindow(nullptr)
    , m_timeServerHost(timeServerHost)
    , m_timeServerPort(timeServerPort)
{
    setWindowTitle(QStringLiteral("Brivana"));
    setWindowIcon(QIcon(QStringLiteral("logo.png")));
    setFixedSize(800, 480);
    // The pages place their widgets at fixed pixel positions laid out for a narrow 8-point
    // interface font: DejaVu Sans Condensed (Debian's fonts-dejavu-extra), the same under
    // every platform plugin. Where it is missing, the system's sans-serif face stands in.
    QFont interfaceFont = QApplication::font();
    interfaceFont.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    interfaceFont.setStyleHint(QFont::SansSerif);
    interfaceFont.setPointSize(8);
    QApplication::setFont(interfaceFont);
    setStyleSheet(windowStyleSheet());

    // One window per working folder: a second one ends here, before data.db is touched.
    holdWorkingFolder();
    // The time-server lookup starts before the database is opened; the request goes
    // out once the socket is connected (connectSuccsess).
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    m_db.setDatabaseName(QString::fromLatin1(DatabaseFileName));
    m_udpSocket = new QUdpSocket(this);
    m_udpSocket->connectToHost(m_timeServerHost, m_timeServerPort, QIODevice::ReadWrite);
    // Until today is known the request goes out again by itself now and then: the network
    // may come after the program, or the first reply get lost.
    m_timeRetry = new QTimer(this);
    m_timeRetry->setObjectName(QStringLiteral("dates.timeRetry"));
    m_timeRetry->setInterval(std::chrono::minutes(1));
    m_timeRetry->start();

    setUpDatabase();
    buildPages();
    fillPartyLists();
    installCentralWidget();
    hideStartHiddenWidgets();
    setTabOrder();

    // Setting the sheet again makes it apply to the widgets just created.
    setStyleSheet(styleSheet());
    show();
    connectSignals();

    // With an IP address, or a host name already in Qt's cache, the socket connects
    // inside connectToHost, before connectSignals could catch connected().
    if (m_udpSocket->state() == QAbstractSocket::ConnectedState)
        connectSuccsess();
}

App::~App() = default;

void App::buildPages()
{
    buildPartiesPage();
    buildIssuedPage();
    buildReceivedPage();
    buildOtherEntriesPage();
    buildResultsPage();
    buildExportPage();
    buildRegistrationPage();
}

void App::installCentralWidget()
{
    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("tabs"));
    m_tabs->addTab(m_parties.frame, QStringLiteral("Alta Clientes y Proveedores"));
    m_tabs->addTab(m_issued.frame, QStringLiteral("Facturas Emitidas"));
    m_tabs->addTab(m_received.frame, QStringLiteral("Facturas Recibidas"));
    m_tabs->addTab(m_other.frame, QStringLiteral("Otros Gastos e Ingresos"));
    m_tabs->addTab(m_results.frame, QStringLiteral("IVA y resultados"));
    m_tabs->addTab(m_export.frame, QStringLiteral("Enviar datos asesoría"));
    // Three pixels more than the window each way: the pages' own frame edges fall outside.
    m_tabs->setFixedSize(803, 483);
    m_tabs->setCurrentIndex(0);

    // Until an owner is registered the registration form is the central widget and the
    // tabs wait aside; reg() swaps them in.
    readOwnerAtStartup();
}

void App::hideStartHiddenWidgets()
{
    for (QWidget *widget : { static_cast<QWidget *>(m_parties.previous),
             static_cast<QWidget *>(m_parties.next), static_cast<QWidget *>(m_parties.search) })
        widget->hide();

    hideWhenEmpty(m_issued);
    hideWhenEmpty(m_received);
}

void App::setTabOrder()
{
    QWidget::setTabOrder(m_issued.client, m_issued.series);
    QWidget::setTabOrder(m_issued.series, m_issued.number);
    QWidget::setTabOrder(m_issued.number, m_dates[0].edit);
    for (const IssuedQuotaLine &line : m_issued.lines) {
        QWidget::setTabOrder(line.quota, line.surchargeRate);
        QWidget::setTabOrder(line.surchargeRate, line.surchargeQuota);
    }
    QWidget::setTabOrder(m_received.lines[2].quota, m_received.withholdingLine.base);
    QWidget::setTabOrder(m_received.withholdingLine.base, m_received.withholdingLine.percentage);
    QWidget::setTabOrder(m_received.withholdingLine.percentage, m_received.withholdingLine.quota);
}

// The connection table: every signal-slot connection of the window, in order.
void App::connectSignals()
{
    connect(m_udpSocket, &QUdpSocket::readyRead, this, &App::processPendingDatagrams);
    connect(m_udpSocket, &QUdpSocket::connected, this, &App::connectSuccsess);
    connect(m_timeRetry, &QTimer::timeout, this, &App::requestTime);
    connect(m_export.send, &QPushButton::clicked, this, &App::Send);
    connect(m_parties.save, &QPushButton::clicked, this, &App::Save1);
    connect(m_issued.save, &QPushButton::clicked, this, &App::Save2);
    connect(m_received.save, &QPushButton::clicked, this, &App::Save3);
    connect(m_registration.registerButton, &QPushButton::clicked, this, &App::reg);
    connect(m_parties.browse, &QPushButton::clicked, this, &App::toggleEdit);
    connect(m_parties.previous, &QPushButton::clicked, this, &App::prevC);
    connect(m_parties.next, &QPushButton::clicked, this, &App::nextC);
    connect(m_parties.clear, &QPushButton::clicked, this, &App::Clear1);
    connect(m_issued.clear, &QPushButton::clicked, this, &App::Clear2);
    connect(m_received.clear, &QPushButton::clicked, this, &App::Clear3);
    connect(m_other.save, &QPushButton::clicked, this, &App::Save4);
    connect(m_helpButtons[0], &QPushButton::clicked, this, &App::Help1);
    connect(m_helpButtons[1], &QPushButton::clicked, this, &App::Help2);
    connect(m_helpButtons[2], &QPushButton::clicked, this, &App::Help3);
    connect(m_helpButtons[3], &QPushButton::clicked, this, &App::Help4);
    connect(m_helpButtons[4], &QPushButton::clicked, this, &App::Help5);
    connect(m_helpButtons[5], &QPushButton::clicked, this, &App::Help6);
    connect(m_parties.nif, &QLineEdit::textChanged, this, &App::CheckNif0);
    for (const IssuedQuotaLine &line : m_issued.lines)
        connect(line.surchargeRate, &QLineEdit::textChanged, this, &App::calcRE);
    connect(m_received.withholdingLine.base, &QLineEdit::textChanged, this, &App::calcRet1);
    connect(m_received.withholdingLine.percentage, &QLineEdit::textChanged, this, &App::calcRet1);
    connect(m_results.supported, &QLineEdit::textChanged, this, &App::updatePie);
    connect(m_results.charged, &QLineEdit::textChanged, this, &App::updatePie);
    connect(m_results.compensation, &QLineEdit::textChanged, this, &App::compensar);
    connect(m_registration.nif, &QLineEdit::textChanged, this, &App::CheckNif1);
    for (const IssuedQuotaLine &line : m_issued.lines)
        for (QLineEdit *field : { line.base, line.rate, line.quota })
            connect(field, &QLineEdit::textChanged, this, &App::IVA0);
    connect(m_issued.withholdingLine.base, &QLineEdit::textChanged, this, &App::calcRet0);
    connect(m_issued.withholdingLine.percentage, &QLineEdit::textChanged, this, &App::calcRet0);
    connect(m_parties.searchNif, &QLineEdit::textChanged, this, &App::SearchNif0);
    connect(m_issued.search.number, &QLineEdit::returnPressed, this, &App::SearchNfe);
    connect(m_received.search.number, &QLineEdit::returnPressed, this, &App::SearchNfr);
    for (const ReceivedQuotaLine &line : m_received.lines)
        for (QLineEdit *field : { line.base, line.rate, line.quota, line.fourth, line.fifth })
            connect(field, &QLineEdit::textChanged, this, &App::IVA1);
    connect(m_issued.type, &QComboBox::currentIndexChanged, this, &App::tf0);
    connect(m_issued.account, &QComboBox::currentIndexChanged, this, &App::cc0);
    connect(m_received.type, &QComboBox::currentIndexChanged, this, &App::tf1);
    connect(m_received.account, &QComboBox::currentIndexChanged, this, &App::cc1);
    connect(m_results.quarter, &QComboBox::currentIndexChanged, this, &App::tri);
    connect(m_results.year, &QComboBox::currentIndexChanged, this, &App::result);
    connect(m_results.month, &QComboBox::currentIndexChanged, this, &App::result);
    connect(m_other.account, &QComboBox::currentIndexChanged, this, &App::cc2);
    connect(m_issued.retail.box, &QCheckBox::stateChanged, this, &App::cm0);
    connect(m_issued.surcharge.box, &QCheckBox::stateChanged, this, &App::rec);
    connect(m_issued.reverseCharge.box, &QCheckBox::stateChanged, this, &App::isp0);
    connect(m_issued.withholding.box, &QCheckBox::stateChanged, this, &App::ret0);
    connect(m_issued.rental.box, &QCheckBox::stateChanged, this, &App::alq0);
    connect(m_issued.professionals.box, &QCheckBox::stateChanged, this, &App::pyo0);
    connect(m_issued.cashBasis.box, &QCheckBox::stateChanged, this, &App::crit0);
    connect(m_issued.fixedAssetSale.box, &QCheckBox::stateChanged, this, &App::vin);
    connect(m_received.investments.box, &QCheckBox::stateChanged, this, &App::invs);
    connect(m_received.retail.box, &QCheckBox::stateChanged, this, &App::cm1);
    connect(m_received.reverseCharge.box, &QCheckBox::stateChanged, this, &App::isp1);
    connect(m_received.cashBasis.box, &QCheckBox::stateChanged, this, &App::crit1);
    connect(m_received.withholding.box, &QCheckBox::stateChanged, this, &App::ret1);
    connect(m_received.rental.box, &QCheckBox::stateChanged, this, &App::alq1);
    connect(m_received.professionals.box, &QCheckBox::stateChanged, this, &App::pyo1);
    for (const DateField &field : m_dates) {
        connect(field.calendar, &QCalendarWidget::selectionChanged, field.calendarMenu, &QMenu::close);
        connect(field.calendar, &QCalendarWidget::clicked, field.edit, &QDateEdit::setDate);
        // The calendar opens readable, on the field's date: left alone it would show the
        // computer's clock.
        connect(field.calendarMenu, &QMenu::aboutToShow, field.calendar, [field] {
            makeReadable(field.calendar);
            const QSignalBlocker quiet(field.calendar); // a new selection would close the menu
            field.calendar->setSelectedDate(field.edit->date());
        });
    }
    connect(m_dates[0].edit, &QDateEdit::dateChanged, this, &App::CheckDate0);
    connect(m_dates[1].edit, &QDateEdit::dateChanged, this, &App::CheckDate1);
    connect(m_dates[2].edit, &QDateEdit::dateChanged, this, &App::CheckDate2);
}
