#pragma once

#include "dates/DateField.h"
#include "dates/TimeServer.h"
#include "entries/EntryPages.h"
#include "parties/PartyPages.h"
#include "results/ResultPages.h"

#include <QDate>
#include <QDateTime>
#include <QMainWindow>
#include <QSqlDatabase>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class PageBuilder;
class PieChart;
struct InvoiceRow;
struct InvoiceTable;
struct OwnerRow;
class QComboBox;
class QDateEdit;
class QLockFile;
class QPushButton;
class QLineEdit;
class QSqlError;
class QTabWidget;
class QTimer;
class QUdpSocket;

// The one window of the program: the database handle, the time-server socket, the widgets
// of the six pages and of the registration form, and the operations, each a slot. The
// slots of each page live in source files of their own under the subsystem folders.
class App : public QMainWindow {
    Q_OBJECT

public:
    explicit App(const QString &timeServerHost = QString::fromLatin1(TimeServerHost),
        quint16 timeServerPort = TimeServerPort);
    ~App() override;

    // Read access for tests and tools.
    const QDateTime &today() const { return m_today; }
    int recordCount() const { return m_recordCount; }
    bool editMode() const { return m_editMode; }
    const QString &ownerNif() const { return m_ownerNif; }
    QTabWidget *tabs() const { return m_tabs; }
    PieChart *pie() const { return m_pie; }
    const RegistrationPage &registrationPage() const { return m_registration; }
    const PartiesPage &partiesPage() const { return m_parties; }
    const IssuedPage &issuedPage() const { return m_issued; }
    const ReceivedPage &receivedPage() const { return m_received; }
    const OtherEntriesPage &otherEntriesPage() const { return m_other; }
    const ResultsPage &resultsPage() const { return m_results; }
    const ExportPage &exportPage() const { return m_export; }
    const std::array<DateField, 3> &dateFields() const { return m_dates; }
    const std::array<QPushButton *, 6> &helpButtons() const { return m_helpButtons; }

public slots:
    void reg();
    void CheckNif0(const QString &text);
    void CheckNif1(const QString &text);
    void SearchNif0(const QString &text);
    void SearchNfe();
    void SearchNfr();
    void toggleEdit();
    void prevC();
    void nextC();
    void Send();
    void Save1();
    void Save2();
    void Save3();
    void Save4();
    void Clear1();
    void Clear2();
    void Clear3();
    void Help1();
    void Help2();
    void Help3();
    void Help4();
    void Help5();
    void Help6();
    void CheckDate0(const QDate &date);
    void CheckDate1(const QDate &date);
    void CheckDate2(const QDate &date);
    void cm1(int state);
    void cc0(int index);
    void cc1(int index);
    void cc2(int index);
    void tf0(int index);
    void tf1(int index);
    void IVA0(const QString &text);
    void IVA1(const QString &text);
    void calcRE(const QString &text);
    void calcRet0(const QString &text);
    void calcRet1(const QString &text);
    void tri(int index);
    void result(int index);
    void cm0(int state);
    void rec(int state);
    void isp0(int state);
    void isp1(int state);
    void ret0(int state);
    void alq0(int state);
    void pyo0(int state);
    void crit0(int state);
    void crit1(int state);
    void vin(int state);
    void ret1(int state);
    void pyo1(int state);
    void alq1(int state);
    void invs(int state);
    void compensar(const QString &text);
    void updatePie(const QString &text);
    void processPendingDatagrams();
    void connectSuccsess();

private:
    // Start-up, in the order the constructor runs it (App.cpp).
    void holdWorkingFolder();
    void setUpDatabase();
    void buildPages();
    void fillPartyLists();
    void installCentralWidget();
    void hideStartHiddenWidgets();
    void setTabOrder();
    void connectSignals();

    // Page builders, each beside the slots of its page.
    void buildRegistrationPage();
    void buildPartiesPage();
    void buildIssuedPage();
    void buildReceivedPage();
    void buildOtherEntriesPage();
    void buildResultsPage();
    void buildExportPage();
    QPushButton *addHelpButton(int page, PageBuilder &builder);

    // Database discipline (storage/DatabaseAccess.cpp): each returns whether the caller
    // may go on, having shown the critical box when not. An UPDATE that changed no row fails.
    bool openDatabase();
    bool okOrReport(const QSqlError &error);
    // After an update that ran: one that changed no row is reported like a failing
    // statement, since what it was run for did not happen.
    bool rowsChangedOrReport(int rows);
    // Refills a party list from `cap` (type 0 clients, 1 suppliers), leaving no current item.
    void refillPartyList(QComboBox *list, int type);

    // Today's date (dates/): the refusal while it is unknown, which asks again; the request;
    // the rule of one "Fecha" field.
    bool todayKnownOrWarn();
    void requestTime();
    void setToday(const QDateTime &moment);
    void applyDateRule(QDateEdit *field, const QDate &date);
    // Runs change with one connection lifted, so the change reaches no slot through it.
    template <typename Sender, typename Signal, typename Slot, typename Change>
    void changeQuietly(Sender *sender, Signal signal, Slot slot, Change change)
    {
        disconnect(sender, signal, this, slot);
        change();
        connect(sender, signal, this, slot);
    }

    // Owner registration (parties/Registration.cpp).
    void readOwnerAtStartup();
    // Holds the owner's identifier and shows the tabs titled after the owner.
    void showOwner(const OwnerRow &owner);
    void showTabs(const QString &businessName, const QString &technician);

    // Clients and suppliers register (parties/PartiesRegister.cpp).
    void lookUpNif(const QString &nif);
    void loadC(unsigned auid);
    void clearPartyForm();

    // Both invoice pages (entries/InvoiceSaving.cpp). Each returns whether the operation may
    // go on, having shown its box when not.
    // The save once the fields pass: today known, the number free, the party's account
    // (partyNotFound when the chosen name is not in the register), the two confirmations,
    // then the insert of the row that rowFor makes with the account, and "Datos guardados".
    bool storeInvoice(const InvoiceTable &table, const QString &number, const QString &partyName,
        const QString &partyNotFound, const std::function<InvoiceRow(qlonglong)> &rowFor);
    bool invoiceNumberIsFree(const InvoiceTable &table, const QString &number, qlonglong party);
    std::optional<qlonglong> partyAccount(int type, const QString &name, const QString &notFoundText);
    bool confirmInvoiceSave();
    // The look-ups: the stored invoice with this number (none for an empty number).
    std::optional<InvoiceRow> findInvoice(const InvoiceTable &table, const QString &number);
    // Selects the invoice's party in list, or says it was not found.
    void selectInvoiceParty(QComboBox *list, qlonglong account);
    // The message that names the account just chosen in an account list.
    void showChosenAccount(const QComboBox *accounts);
    // Back to the empty page, after a save and on "Limpiar" (entries/*InvoiceForm.cpp).
    void resetIssuedPage();
    void resetReceivedPage();

    // Results (results/QuarterResults.cpp).
    // "Resultado final": the quarter result less the compensation, from the fields' texts.
    void writeFinalResult();

    // Export (results/Export.cpp): the file's name, or empty after a box; the writing,
    // false after a box.
    QString exportFileName();
    bool writeExportFile(const QString &fileName);

    void showHelp(const QString &title, const QString &text);

    // Held for the window's life: one window at a time on the working folder's data.db.
    std::unique_ptr<QLockFile> m_folderLock;
    QSqlDatabase m_db;
    QTabWidget *m_tabs = nullptr;
    bool m_editMode = false;
    bool m_datesInitialised = false;
    unsigned m_current = 1;
    int m_recordCount = 0;
    QString m_ownerNif;
    PieChart *m_pie = nullptr;
    QUdpSocket *m_udpSocket = nullptr;
    QTimer *m_timeRetry = nullptr;
    QDateTime m_today;

    QString m_timeServerHost;
    quint16 m_timeServerPort = TimeServerPort;

    RegistrationPage m_registration;
    PartiesPage m_parties;
    IssuedPage m_issued;
    ReceivedPage m_received;
    OtherEntriesPage m_other;
    ResultsPage m_results;
    ExportPage m_export;
    // The "Fecha" fields of the issued, received and other-entries pages, in this order.
    std::array<DateField, 3> m_dates;
    std::array<QPushButton *, 6> m_helpButtons{};
};
