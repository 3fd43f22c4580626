#include "PartyTestSupport.h"

#include <QPushButton>
#include <QRadioButton>

class TestRegister final : public QObject {
    Q_OBJECT

private slots:
    void firstAccountNumbersAndLists();
    void saveRefusals_data();
    void saveRefusals();
    void duplicatesWithinOneRole_data();
    void duplicatesWithinOneRole();
    void otherRoleOffered_data();
    void otherRoleOffered();
    void bothRolesRefused();
    void rectificarWritesNothing();
    void clearAsksAndUnlocks();
    void browseWrapsAround();
    void missingRecordLeavesBrowsing();
    void updateChangesOnlyTheAddress();
    void search_data();
    void search();
};

namespace {
const QString confirmSave = QStringLiteral(
    "information|Información|Está a punto de guardar estos datos, por favor,\nasegúrese de que son correctos "
    "antes de continuar.");
const QString saved = QStringLiteral("information|Información|El usuario se ha guardado correctamente.");
const QString required = QStringLiteral("warning|Error|Este campo es obligatorio.");
const QString noRecords
    = QStringLiteral("information|Información|Aún no se ha dado de alta a ningún usuario.");
const QString duplicate = QStringLiteral("warning|Error|Este usuario ya ha sido dado de alta.");
const QString askClearing
    = QStringLiteral("warning|Información|¿Está seguro de que desea limpiar todos los campos?");
const QString offerAsSupplier
    = QStringLiteral("information|Información|El Nif/Cif introducido ya corresponde a un "
                     "cliente.\n¿Desea darlo de alta como proveedor?");
const QString offerAsClient
    = QStringLiteral("information|Información|El Nif/Cif introducido ya corresponde a un "
                     "proveedor.\n¿Desea darlo de alta como cliente?");

QStringList party(const QString &nif, const QString &name)
{
    return { nif, name, QStringLiteral("Calle Mayor 1"), QStringLiteral("04001"), QStringLiteral("almería"),
        QStringLiteral("almería"), QStringLiteral("España") };
}

// Types the seven fields, then picks the type (-1: none).
void fill(const PartiesPage &page, const QStringList &values, int type)
{
    const auto fields = page.textFields();
    for (std::size_t i = 0; i < fields.size(); ++i)
        typeText(fields[i], values.at(int(i)));
    if (type >= 0)
        choose(page.type, type);
}

QStringList shown(const PartiesPage &page)
{
    QStringList values;
    for (const QLineEdit *field : page.textFields())
        values << field->text();
    return values;
}

bool allReadOnly(const PartiesPage &page, bool readOnly)
{
    for (const QLineEdit *field : page.textFields()) {
        if (field->isReadOnly() != readOnly)
            return false;
    }
    return true;
}

QStringList items(const QComboBox *list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->itemText(i);
    return result;
}

QList<QVariantList> partyRows()
{
    return queryRows(
        QStringLiteral("SELECT auid, type, id, nif, rs, dir, cp, pobl, prov, pais FROM cap ORDER BY auid"));
}

bool inEntryMode(const App &app)
{
    const PartiesPage &page = app.partiesPage();
    return !app.editMode() && page.save->text() == QStringLiteral("Continuar") && !page.browse->isHidden()
        && !page.clear->isHidden() && page.previous->isHidden() && page.next->isHidden()
        && page.search->isHidden() && page.type->isEnabled() && !page.nif->isReadOnly()
        && !page.name->isReadOnly();
}

bool inBrowseMode(const App &app)
{
    const PartiesPage &page = app.partiesPage();
    return app.editMode() && page.save->text() == QStringLiteral("Actualizar") && page.browse->isHidden()
        && page.clear->isHidden() && !page.previous->isHidden() && !page.next->isHidden()
        && !page.search->isHidden() && !page.type->isEnabled() && page.nif->isReadOnly()
        && page.name->isReadOnly();
}

// Three parties stored by hand: records 1 to 3.
void insertThreeParties()
{
    insertParty(0, 43000001, QStringLiteral("11111111H"), QStringLiteral("Alfa Obras"));
    insertParty(1, 40000001, QStringLiteral("22222222J"), QStringLiteral("Beta Suministros"));
    insertParty(1, 40000002, QStringLiteral("11111111H"), QStringLiteral("Alfa Obras"));
}
} // namespace

void TestRegister::firstAccountNumbersAndLists()
{
    ScratchDirectory scratch;
    insertOwner();
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);
    const PartiesPage &page = app->partiesPage();

    // Nothing to browse yet: only the notice, and the mode stays.
    page.browse->click();
    QVERIFY(inEntryMode(*app));

    responder.answer({ QStringLiteral("Guardar"), QStringLiteral("OK"), QStringLiteral("Guardar") });
    fill(page, party(QStringLiteral("11111111h"), QStringLiteral("Alfa Obras")), 0);
    page.save->click();
    QCOMPARE(page.type->currentIndex(), -1);
    QCOMPARE(shown(page), QStringList(7));
    QCOMPARE(app->focusWidget(), page.type);
    fill(page, party(QStringLiteral("B12345674"), QStringLiteral("Beta Suministros")), 1);
    page.save->click();

    QCOMPARE(partyRows(),
        (QList<QVariantList>{ { 1, 0, 43000001, "11111111H", "Alfa Obras", "Calle Mayor 1", 4001, "almería",
                                  "almería", "España" },
            { 2, 1, 40000001, "B12345674", "Beta Suministros", "Calle Mayor 1", 4001, "almería", "almería",
                "España" } }));
    QCOMPARE(queryRows(QStringLiteral("SELECT lastc, lastp FROM lasts")),
        (QList<QVariantList>{ { 43000001, 40000001 } }));
    QCOMPARE(app->recordCount(), 2);
    QCOMPARE(items(app->issuedPage().client), QStringList{ QStringLiteral("Alfa Obras") });
    QCOMPARE(app->issuedPage().client->currentIndex(), -1);
    QCOMPARE(items(app->receivedPage().supplier), QStringList{ QStringLiteral("Beta Suministros") });
    QCOMPARE(app->receivedPage().supplier->currentIndex(), -1);
    QCOMPARE(describeBoxes(responder), (QStringList{ noRecords, confirmSave, saved, confirmSave, saved }));
    QVERIFY(boxesSettled(responder));
}

// Type first, then the identifier, then the fields in order; a refused save keeps the form.
void TestRegister::saveRefusals_data()
{
    QTest::addColumn<QStringList>("values");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("markedField");

    QStringList noCountry = party(QStringLiteral("11111111H"), QStringLiteral("Alfa Obras"));
    noCountry[6].clear();
    QStringList shortNif = party(QStringLiteral("1111111"), QStringLiteral("Alfa Obras"));
    QStringList emptyAfterNif = { QStringLiteral("11111111H"), "", "", "", "", "", "" };

    QTest::newRow("no type") << shortNif << -1 << required << "parties.type";
    QTest::newRow("identifier too short") << shortNif << 0 << "warning|Error|NiF/CiF no válido."
                                          << "parties.nif";
    QTest::newRow("name empty") << emptyAfterNif << 1 << required << "parties.name";
    QTest::newRow("country empty") << noCountry << 0 << required << "parties.country";
}

void TestRegister::saveRefusals()
{
    QFETCH(QStringList, values);
    QFETCH(int, type);
    QFETCH(QString, box);
    QFETCH(QString, markedField);

    ScratchDirectory scratch;
    insertOwner();
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);
    const PartiesPage &page = app->partiesPage();
    fill(page, values, type);
    page.save->click();

    QCOMPARE(describeBoxes(responder), QStringList{ box });
    QVERIFY(marked(page.frame->findChild<QWidget *>(markedField)));
    QCOMPARE(shown(page), values);
    QCOMPARE(page.type->currentIndex(), type);
    QCOMPARE(queryValue(QStringLiteral("SELECT COUNT(*) FROM cap")).toInt(), 0);
    QVERIFY(boxesSettled(responder));
}

void TestRegister::duplicatesWithinOneRole_data()
{
    QTest::addColumn<QString>("nif");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("offered");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("stored");

    QTest::newRow("same name, same role") << "22222222J"
                                          << "Alfa Obras" << false << 0 << false;
    QTest::newRow("same name, other role") << "22222222J"
                                           << "Alfa Obras" << false << 1 << true;
    // Accepting the offer fills the form; choosing "Cliente" again makes it a second client.
    QTest::newRow("same identifier, same role") << "11111111H"
                                                << "" << true << 0 << false;
}

void TestRegister::duplicatesWithinOneRole()
{
    QFETCH(QString, nif);
    QFETCH(QString, name);
    QFETCH(bool, offered);
    QFETCH(int, type);
    QFETCH(bool, stored);

    ScratchDirectory scratch;
    insertOwner();
    insertParty(0, 43000001, QStringLiteral("11111111H"), QStringLiteral("Alfa Obras"));
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);
    const PartiesPage &page = app->partiesPage();

    if (offered)
        responder.answer(QStringLiteral("Sí"));
    if (stored)
        responder.answer(QStringLiteral("Guardar"));
    typeText(page.nif, nif);
    if (!offered)
        fill(page, party(QString(), name), -1);
    choose(page.type, type);
    page.save->click();

    QStringList expected;
    if (offered)
        expected << offerAsSupplier;
    expected << (stored ? QStringList{ confirmSave, saved } : QStringList{ duplicate });
    QCOMPARE(describeBoxes(responder), expected);
    QCOMPARE(queryValue(QStringLiteral("SELECT COUNT(*) FROM cap")).toInt(), stored ? 2 : 1);
    QCOMPARE(queryValue(QStringLiteral("SELECT COUNT(*) FROM cap WHERE type=0")).toInt(), 1);
    QVERIFY(boxesSettled(responder));
}

void TestRegister::otherRoleOffered_data()
{
    QTest::addColumn<int>("storedType");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("box");

    QTest::newRow("client, no") << 0 << "No" << offerAsSupplier;
    QTest::newRow("client, yes") << 0 << "Sí" << offerAsSupplier;
    QTest::newRow("supplier, no") << 1 << "No" << offerAsClient;
    QTest::newRow("supplier, yes") << 1 << "Sí" << offerAsClient;
}

void TestRegister::otherRoleOffered()
{
    QFETCH(int, storedType);
    QFETCH(QString, answer);
    QFETCH(QString, box);

    ScratchDirectory scratch;
    insertOwner();
    insertParty(storedType, storedType == 0 ? 43000001 : 40000001, QStringLiteral("Q1234567D"),
        QStringLiteral("Beta Obras"), QStringLiteral("Calle Real 2"), 4002);
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);
    const PartiesPage &page = app->partiesPage();

    responder.answer(answer);
    // The lower-case last letter is upper-cased first; the offer must come once.
    typeText(page.nif, QStringLiteral("q1234567d"));
    QCOMPARE(describeBoxes(responder), QStringList{ box });
    if (answer == QStringLiteral("No")) {
        QCOMPARE(shown(page), QStringList(7));
        QCOMPARE(page.type->currentIndex(), -1);
        QVERIFY(allReadOnly(page, false));
        QVERIFY(boxesSettled(responder));
        return;
    }

    const int otherType = 1 - storedType;
    QCOMPARE(page.type->currentIndex(), otherType);
    QCOMPARE(shown(page),
        (QStringList{ "Q1234567D", "Beta Obras", "Calle Real 2", "4002", "almería", "almería", "España" }));
    // Offered as a supplier, the client's data are locked; the other way round they stay editable.
    QVERIFY(allReadOnly(page, storedType == 0));

    responder.answer(QStringLiteral("Guardar"));
    page.save->click();
    QCOMPARE(queryRows(QStringLiteral("SELECT type, id, nif, rs, dir, cp FROM cap WHERE auid=2")),
        (QList<QVariantList>{ { otherType, otherType == 0 ? 43000001 : 40000001, "Q1234567D", "Beta Obras",
            "Calle Real 2", 4002 } }));
    QVERIFY(allReadOnly(page, false));
    QCOMPARE(describeBoxes(responder), (QStringList{ box, confirmSave, saved }));
    QVERIFY(boxesSettled(responder));
}

void TestRegister::bothRolesRefused()
{
    ScratchDirectory scratch;
    insertOwner();
    insertThreeParties();
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);
    const PartiesPage &page = app->partiesPage();

    typeText(page.nif, QStringLiteral("11111111H"));
    QCOMPARE(page.nif->text(), QString());
    QCOMPARE(page.name->text(), QString());
    QCOMPARE(describeBoxes(responder),
        QStringList{
            QStringLiteral("warning|Advertencia|El Nif/Cif introducido ya corresponde a un cliente\ny a "
                           "un proveedor y no puede volver a darlo de alta.") });
    QVERIFY(boxesSettled(responder));
}

void TestRegister::rectificarWritesNothing()
{
    ScratchDirectory scratch;
    insertOwner();
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);
    const PartiesPage &page = app->partiesPage();

    const QStringList values = party(QStringLiteral("11111111H"), QStringLiteral("Alfa Obras"));
    fill(page, values, 0);
    responder.answer(QStringLiteral("Rectificar"));
    page.save->click();

    QCOMPARE(describeBoxes(responder), QStringList{ confirmSave });
    QVERIFY(partyRows().isEmpty());
    QCOMPARE(queryRows(QStringLiteral("SELECT lastc, lastp FROM lasts")),
        (QList<QVariantList>{ { 43000000, 40000000 } }));
    QCOMPARE(shown(page), values);
    QCOMPARE(page.type->currentIndex(), 0);
    QCOMPARE(app->recordCount(), 0);
    QVERIFY(boxesSettled(responder));
}

void TestRegister::clearAsksAndUnlocks()
{
    ScratchDirectory scratch;
    insertOwner();
    insertParty(0, 43000001, QStringLiteral("11111111H"), QStringLiteral("Alfa Obras"));
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);
    const PartiesPage &page = app->partiesPage();

    // Accepting the client as a supplier locks the seven fields.
    responder.answer({ QStringLiteral("Sí"), QStringLiteral("No") });
    typeText(page.nif, QStringLiteral("11111111H"));
    page.clear->click();
    QCOMPARE(page.name->text(), QStringLiteral("Alfa Obras"));
    QVERIFY(allReadOnly(page, true));

    responder.answer(QStringLiteral("Sí"));
    page.clear->click();
    QCOMPARE(shown(page), QStringList(7));
    QCOMPARE(page.type->currentIndex(), -1);
    QCOMPARE(app->focusWidget(), page.type);
    QVERIFY(allReadOnly(page, false));
    typeText(page.name, QStringLiteral("Gamma"));
    QCOMPARE(page.name->text(), QStringLiteral("Gamma"));
    QCOMPARE(describeBoxes(responder), (QStringList{ offerAsSupplier, askClearing, askClearing }));
    QVERIFY(boxesSettled(responder));
}

void TestRegister::browseWrapsAround()
{
    ScratchDirectory scratch;
    insertOwner();
    insertThreeParties();
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);
    const PartiesPage &page = app->partiesPage();

    page.browse->click();
    QVERIFY(inBrowseMode(*app));
    QCOMPARE(shown(page),
        (QStringList{ "11111111H", "Alfa Obras", "Calle Mayor 1", "4001", "almería", "almería", "España" }));
    QCOMPARE(page.type->currentIndex(), 0);
    page.previous->click();
    QCOMPARE(page.nif->text(), QStringLiteral("11111111H"));
    QCOMPARE(page.type->currentIndex(), 1);
    page.next->click();
    QCOMPARE(page.type->currentIndex(), 0);
    page.next->click();
    QCOMPARE(page.nif->text(), QStringLiteral("22222222J"));
    page.next->click();
    page.next->click();
    QCOMPARE(page.nif->text(), QStringLiteral("11111111H"));
    QCOMPARE(page.type->currentIndex(), 0);
    QVERIFY(responder.boxes().isEmpty());
}

// A record number with no row behind it leaves browsing completely, "Limpiar" included.
void TestRegister::missingRecordLeavesBrowsing()
{
    ScratchDirectory scratch;
    insertOwner();
    insertParty(0, 43000001, QStringLiteral("11111111H"), QStringLiteral("Alfa Obras"));
    QVERIFY(execStatement(QStringLiteral("UPDATE cap SET auid=2")));
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);

    app->partiesPage().browse->click();
    QCOMPARE(describeBoxes(responder),
        QStringList{ QStringLiteral("critical|Error|Cliente o proveedor no encontrado.") });
    QVERIFY(inEntryMode(*app));
    QCOMPARE(shown(app->partiesPage()), QStringList(7));
    QVERIFY(boxesSettled(responder));
}

void TestRegister::updateChangesOnlyTheAddress()
{
    ScratchDirectory scratch;
    insertOwner();
    insertThreeParties();
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);
    const PartiesPage &page = app->partiesPage();
    const QList<QVariantList> before = partyRows();

    page.browse->click();
    page.previous->click();
    // The key fields do not take typing while browsing.
    typeText(page.nif, QStringLiteral("1"));
    typeText(page.name, QStringLiteral("X"));
    replaceText(page.address, QStringLiteral("Avenida Sur 9"));
    replaceText(page.postalCode, QStringLiteral("04700"));
    replaceText(page.town, QStringLiteral("el ejido"));
    replaceText(page.province, QStringLiteral("almería"));
    replaceText(page.country, QStringLiteral("ESPAÑA"));
    page.save->click();

    QList<QVariantList> expected = before;
    expected[2] = { 3, 1, 40000002, "11111111H", "Alfa Obras", "Avenida Sur 9", 4700, "el ejido", "almería",
        "ESPAÑA" };
    QCOMPARE(partyRows(), expected);
    QCOMPARE(describeBoxes(responder),
        QStringList{ QStringLiteral("information|Información|Datos actualizados correctamente.") });
    QVERIFY(inEntryMode(*app));
    QCOMPARE(shown(page), QStringList(7));
    QCOMPARE(page.type->currentIndex(), -1);
    QCOMPARE(app->recordCount(), 3);
    QVERIFY(boxesSettled(responder));
}

void TestRegister::search_data()
{
    QTest::addColumn<bool>("supplier");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("searched");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("shownName");
    QTest::addColumn<int>("shownType");
    QTest::addColumn<QStringList>("boxes");

    QTest::newRow("client") << false << "11111111h"
                            << "11111111H"
                            << "background-color: white"
                            << "Alfa Obras" << 0 << QStringList();
    QTest::newRow("supplier") << true << "11111111H"
                              << "11111111H"
                              << "background-color: white"
                              << "Alfa Obras" << 1 << QStringList();
    QTest::newRow("other supplier") << true << "22222222J"
                                    << "22222222J"
                                    << "background-color: white"
                                    << "Beta Suministros" << 1 << QStringList();
    // Record 1 stays shown when the search finds nothing or the identifier is wrong.
    QTest::newRow("not a client") << false << "22222222J"
                                  << "22222222J"
                                  << "background-color: white"
                                  << "Alfa Obras" << 0
                                  << QStringList{
                                         "warning|Error|No existe ningún usuario con el NiF/CiF introducido"
                                     };
    QTest::newRow("wrong identifier") << true << "22222222A"
                                      << "22222222A"
                                      << "background-color: red"
                                      << "Alfa Obras" << 0 << QStringList();
}

void TestRegister::search()
{
    QFETCH(bool, supplier);
    QFETCH(QString, typed);
    QFETCH(QString, searched);
    QFETCH(QString, style);
    QFETCH(QString, shownName);
    QFETCH(int, shownType);
    QFETCH(QStringList, boxes);

    ScratchDirectory scratch;
    insertOwner();
    insertThreeParties();
    BoxResponder responder;
    FakeTimeServer server;
    auto app = startWithToday(server);
    const PartiesPage &page = app->partiesPage();

    page.browse->click();
    if (supplier)
        page.searchSupplier->click();
    typeText(page.searchNif, typed);

    QCOMPARE(page.searchNif->text(), searched);
    QCOMPARE(page.searchNif->styleSheet(), style);
    QCOMPARE(page.name->text(), shownName);
    QCOMPARE(page.type->currentIndex(), shownType);
    QVERIFY(inBrowseMode(*app));
    QCOMPARE(describeBoxes(responder), boxes);
    QVERIFY(boxesSettled(responder));
}

QTEST_MAIN(TestRegister)
#include "test_register.moc"
